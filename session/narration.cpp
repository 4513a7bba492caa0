#include "session/narration.h"

#include <cmath>

#include "session/description.h"
#include "session/json_number.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"

Narration::Narration(Session& session) : session_(session), listening_(session.Listen(*this)) {}

std::vector<Sentence> Narration::TakeEvents()
{
    std::vector<Sentence> taken(events_.begin(), events_.end());
    events_.clear();
    return taken;
}

void Narration::Tell(Sentence sentence)
{
    if (events_.size() == kMostEvents) events_.pop_front();
    events_.push_back(std::move(sentence));
}

bool Narration::Outside() const
{
    const SimulationContext& simulation = session_.Simulation();
    return !InsideDrawingArea(simulation.body.position, simulation.settings.scale, session_.Width(), session_.Height());
}

void Narration::Applying(const Command& command)
{
    wasOutside_ = Outside();
    const SimulationContext& simulation = session_.Simulation();
    if (command.kind == CommandKind::Release && HoldsParticle(simulation.drag, simulation.body, simulation.settings)) {
        const auto dx = static_cast<double>(static_cast<long long>(command.x) - simulation.drag.startX);
        const auto dy = static_cast<double>(static_cast<long long>(simulation.drag.startY) - command.y);
        const SpokenNumber particle{simulation.drag.particleIndex + 1.0, 0};
        if (dx == 0 && dy == 0)
            Tell({QT_TRANSLATE_NOOP("Description", "Pushed particle %1 with no force: released where the push starts."),
                  {particle}});
        else
            Tell({QT_TRANSLATE_NOOP("Description", "Pushed particle %1 with a force of %2 pointing %3."),
                  {particle, Spoken(std::hypot(dx, dy)), DirectionOf(dx, dy)}});
    } else if (command.kind == CommandKind::Coast) {
        Tell({QT_TRANSLATE_NOOP("Description", "Coasting: no force or torque acts any more."), {}});
    }
}

void Narration::Stepped()
{
    const bool outside = Outside();
    if (outside && !wasOutside_) {
        const SimulationContext& simulation = session_.Simulation();
        const Vector3 p = simulation.body.position;
        const double scale = simulation.settings.scale;
        const Phrase across = !(p.x > 0)                          ? Phrase{QT_TRANSLATE_NOOP("Description", "left")}
                              : !(p.x * scale < session_.Width()) ? Phrase{QT_TRANSLATE_NOOP("Description", "right")}
                                                                  : Phrase{};
        const Phrase upDown = !(p.y > 0)                           ? Phrase{QT_TRANSLATE_NOOP("Description", "bottom")}
                              : !(p.y * scale < session_.Height()) ? Phrase{QT_TRANSLATE_NOOP("Description", "top")}
                                                                   : Phrase{};
        if (*across.text && *upDown.text)
            Tell({QT_TRANSLATE_NOOP("Description", "It bounced off the %1 and %2 walls."), {across, upDown}});
        else
            Tell({QT_TRANSLATE_NOOP("Description", "It bounced off the %1 wall."), {*across.text ? across : upDown}});
    }
    wasOutside_ = outside;
}

void Narration::Refused(const Command& command, Refusal refusal)
{
    switch (refusal) {
    case Refusal::DensityText: {
        std::string kept;
        AppendJsonNumber(kept, session_.Simulation().settings.density);
        Tell({QT_TRANSLATE_NOOP("Description", "The density %1 is refused; the body keeps density %2."),
              {QuoteToken(command.text), kept}});
        break;
    }
    case Refusal::DataFile:
        Tell({QT_TRANSLATE_NOOP("Description", "The data file is refused; the body stays as it was."), {}});
        break;
    case Refusal::Command:
        if (command.kind == CommandKind::Seek)
            Tell({QT_TRANSLATE_NOOP("Description", "Step %1 is not kept."),
                  {SpokenNumber{static_cast<double>(command.count), 0}}});
        else
            Tell({QT_TRANSLATE_NOOP(
                      "Description",
                      "Step %1 could not be taken: its numbers would not be finite. The body stays as it was."),
                  {SpokenNumber{static_cast<double>(session_.Simulation().steps + 1), 0}}});
        break;
    }
}
