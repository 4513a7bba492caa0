#include "ui/push_keys.h"

#include <algorithm>
#include <cmath>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "session/keyboard_push.h"
#include "ui/Unit1.h"
#include "ui/area_description.h"
#include "ui/image_view.h"

namespace {

constexpr int kFocusFrame = 2;      // pixels
constexpr double kRingGap = 3;      // pixels between a disc and its mark
constexpr double kSamePlace = 1.5;  // pixels: a grab this near the drawn disc needs no mark of its own
constexpr double kHeadLength = 8;   // the push arrow's barbs, as the push draws them
constexpr double kHeadHalfWidth = 4;

// Keys that other keys modify are left to the window's shortcuts.
bool Plain(const QKeyEvent& key, Qt::KeyboardModifiers allowed)
{
    return (key.modifiers() & ~(allowed | Qt::KeypadModifier | Qt::GroupSwitchModifier)) == Qt::NoModifier;
}

}  // namespace

PushKeys::PushKeys(TForm1& form, ImageView& area, AreaDescription& description)
    : QObject(&area), form_(form), area_(area), description_(description)
{
    area.installEventFilter(this);
    area.paintOver = [this](QPainter& painter) { Paint(painter); };
}

int PushKeys::Chosen() const
{
    const SimulationContext& simulation = form_.Simulation();
    return chosen_ < PushableCount(simulation.body, simulation.settings) ? chosen_ : -1;
}

bool PushKeys::ShowsFocus() const { return focusFromKeys_ && area_.hasFocus(); }

bool PushKeys::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!KeyPressed(*static_cast<QKeyEvent*>(event))) return false;
        focusFromKeys_ = true;
        area_.update();
        return true;
    case QEvent::FocusIn:
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::MouseFocusReason:
            focusFromKeys_ = false;
            break;
        // Back from another window or a menu, the area shows as it did.
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            break;
        default:
            focusFromKeys_ = true;
        }
        area_.update();
        return false;
    case QEvent::FocusOut:
        area_.update();
        return false;
    case QEvent::MouseButtonPress:
        if (focusFromKeys_) area_.update();
        focusFromKeys_ = false;
        return false;
    default:
        return false;
    }
}

bool PushKeys::KeyPressed(const QKeyEvent& key)
{
    const int step = key.modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (key.key()) {
    case Qt::Key_N:
    case Qt::Key_BracketRight:
        if (!Plain(key, Qt::ShiftModifier)) return false;
        Choose(+1);
        return true;
    case Qt::Key_P:
    case Qt::Key_BracketLeft:
        if (!Plain(key, Qt::ShiftModifier)) return false;
        Choose(-1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!Plain(key, Qt::ShiftModifier)) return false;
        const int dx = key.key() == Qt::Key_Left ? -step : key.key() == Qt::Key_Right ? step : 0;
        const int dy = key.key() == Qt::Key_Up ? -step : key.key() == Qt::Key_Down ? step : 0;
        Move(dx, dy);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!Plain(key, {})) return false;
        Apply();
        return true;
    case Qt::Key_Escape:
        return Plain(key, {}) && Cancel();
    default:
        return false;
    }
}

void PushKeys::Choose(int by)
{
    const SimulationContext& simulation = form_.Simulation();
    const int count = PushableCount(simulation.body, simulation.settings);
    if (count == 0) {
        description_.Answer(SayNothingToPush(NothingToPush::NoParticle));
        return;
    }
    const int chosen = Chosen();
    chosen_ =
        chosen < 0 ? (by > 0 ? 0 : count - 1) : static_cast<int>((chosen + by + static_cast<long long>(count)) % count);
    const Session& session = form_.CurrentSession();
    const Grab grab = FindGrab(simulation.body, simulation.settings, session.Width(), session.Height(), chosen_);
    if (grab.press)
        SayChosen();
    else
        description_.Answer(CannotGrab(chosen_, grab));
}

void PushKeys::Move(int dx, int dy)
{
    if (Chosen() < 0) Choose(+1);
    if (Chosen() < 0) return;
    push_ = {std::clamp(push_.x() + dx, -kLongestPush, kLongestPush),
             std::clamp(push_.y() + dy, -kLongestPush, kLongestPush)};
    SayChosen();
}

void PushKeys::Apply()
{
    const int chosen = Chosen();
    if (chosen < 0) {
        description_.Answer(SayNothingToPush(NothingToPush::NoneChosen));
        return;
    }
    const std::optional<PushCommands> push = KeyboardPush(form_.CurrentSession(), chosen, push_.x(), push_.y());
    if (!push) {
        const Session& session = form_.CurrentSession();
        const SimulationContext& simulation = session.Simulation();
        description_.Answer(CannotGrab(
            chosen, FindGrab(simulation.body, simulation.settings, session.Width(), session.Height(), chosen)));
        return;
    }
    // The push itself is told as the session's event.
    description_.Answer(std::nullopt);
    form_.Do(push->press);
    form_.Do(push->release);
    push_ = {};
}

bool PushKeys::Cancel()
{
    if (Chosen() < 0 && push_.isNull()) return false;
    chosen_ = -1;
    push_ = {};
    description_.Answer(SayNothingToPush(NothingToPush::Cancelled));
    return true;
}

void PushKeys::SayChosen()
{
    const SimulationContext& simulation = form_.Simulation();
    description_.Answer(
        ChosenForPush(Chosen(), PushableCount(simulation.body, simulation.settings), push_.x(), push_.y()));
}

void PushKeys::Paint(QPainter& painter) const
{
    if (ShowsFocus()) {
        painter.setPen(QPen(area_.palette().color(QPalette::Highlight), kFocusFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(area_.rect())
                             .adjusted(kFocusFrame / 2.0, kFocusFrame / 2.0, -kFocusFrame / 2.0, -kFocusFrame / 2.0));
    }
    const int chosen = Chosen();
    if (chosen < 0) return;
    const Session& session = form_.CurrentSession();
    const RigidBody& body = session.Simulation().body;
    const SimulationSettings& settings = session.Simulation().settings;
    const Particle& particle = body.particles[static_cast<std::size_t>(chosen)];
    const PicturePoint drawn = DrawnCentre(body, settings, session.Height(), chosen);
    const double ring = settings.scale * particle.radius + kRingGap;
    if (!std::isfinite(drawn.x) || !std::isfinite(drawn.y) || !std::isfinite(ring)) return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Black on a white halo: seen on the white ground and on the blue discs.
    auto mark = [&painter](const auto& draw, Qt::PenStyle style) {
        painter.setPen(QPen(Qt::white, 4, style));
        draw();
        painter.setPen(QPen(Qt::black, 2, style));
        draw();
    };
    const QPointF there(drawn.x, drawn.y);
    mark([&] { painter.drawEllipse(there, ring, ring); }, Qt::SolidLine);
    if (const auto start = PushStart(particle, body.position, settings.scale, session.Height())) {
        const QPointF from(start->x + 0.5, start->y + 0.5);
        // Turned, the particle is grabbed where it would lie unturned: marked
        // there too, and joined to its disc.
        if (QLineF(there, from).length() > kSamePlace)
            mark(
                [&] {
                    painter.drawEllipse(from, ring, ring);
                    painter.drawLine(there, from);
                },
                Qt::DotLine);
        if (!push_.isNull()) {
            // The arrow the push will draw, from its start to the release.
            const QPointF to = from + QPointF(push_);
            const QLineF shaft(from, to);
            const QPointF back = (from - to) / shaft.length() * kHeadLength;
            const QPointF aside(-back.y() / 2, back.x() / 2);
            static_assert(kHeadHalfWidth * 2 == kHeadLength);
            mark(
                [&] {
                    painter.drawLine(shaft);
                    painter.drawLine(to, to + back + aside);
                    painter.drawLine(to, to + back - aside);
                },
                Qt::DashLine);
        }
    }
    painter.restore();
}
