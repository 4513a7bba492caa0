#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "session/narration.h"
#include "session/sentence.h"

class QWidget;

// The drawing area as a screen reader meets it: named "drawing area", and
// described as the body is now (DescribeBody), after the answer to the
// person's last key and the events since the last description. Kept current at a
// pace a listener can follow: soon after a command of the person's, an event
// or a key's answer, never twice within kShortestGap, and once every
// kRunningPace while the body runs. The sentences are made no more often than
// that, whatever the tick rate.
class AreaDescription : public QObject, private SessionListener {
public:
    static constexpr int kRunningPace = 1000;  // milliseconds
    static constexpr int kShortestGap = 250;   // milliseconds

    AreaDescription(Session& session, QWidget& area);

    // A command the window's one way in saw refused.
    void Refused(const Command& command, Refusal refusal);
    // The answer to the person's last key, which replaces one not yet told;
    // none takes such an answer back.
    void Answer(std::optional<Sentence> answer);
    // Describes the area now, and tells a screen reader.
    void Refresh();

    // In the window's language, its numbers as the language writes them.
    static QString Translated(const Sentence& sentence);

private:
    void Applying(const Command& command) override;
    void Stepped() override;
    void SetupDone() override;
    void TimingChanged() override;
    void Soon();

    Session& session_;
    QWidget& area_;
    Narration narration_;
    std::optional<Sentence> answer_;
    QTimer soon_;
    QTimer pace_;
    QElapsedTimer sinceRefresh_;
    Session::Listening listening_;
};
