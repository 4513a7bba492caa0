#pragma once

#include <deque>
#include <vector>

#include "session/sentence.h"
#include "session/session.h"

// What a refused command stumbled on, for the sentence that tells it.
enum class Refusal {
    DensityText,  // the density box's text is not a density
    DataFile,     // a setup could not take the body from its data file
    Command,      // the session refused the command itself: a step not taken, a step not kept
};

// Listens to a session and keeps a short sentence for each event a listener
// should hear of at once: a bounce off a wall, a push, coast. A refusal is
// thrown to whoever applied the command, who tells it here. Only the last few
// are kept, so that a script of thousands of steps that nobody listens to
// keeps no more.
class Narration : private SessionListener {
public:
    static constexpr std::size_t kMostEvents = 3;

    explicit Narration(Session& session);

    void Refused(const Command& command, Refusal refusal);
    // The events since the last call, oldest first.
    std::vector<Sentence> TakeEvents();
    bool HasEvents() const { return !events_.empty(); }

private:
    void Applying(const Command& command) override;
    void Stepped() override;
    bool Outside() const;
    void Tell(Sentence sentence);

    Session& session_;
    std::deque<Sentence> events_;
    // Whether the centre of mass lay outside the area before the step now
    // taken: a bounce is a step that ends outside from inside.
    bool wasOutside_ = false;
    Session::Listening listening_;
};
