#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include <QDockWidget>

#include "lesson/lesson.h"
#include "lesson/task_outcome.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QVBoxLayout;

// What the student predicted: a number, or an index into the task's choices.
struct Prediction {
    double number = 0.0;
    std::size_t choice = 0;
};

// The lesson beside the picture: its title, its notes (Markdown), and each
// task with its prompt, the student's prediction and, once revealed, the
// prediction beside the outcome and the difference. Reveal is offered only
// once there is a prediction to commit to.
class LessonDock : public QDockWidget {
    Q_OBJECT

public:
    explicit LessonDock(QWidget* parent);

    // Shows `lesson` in place of any other, no task answered.
    void Show(const Lesson& lesson);
    // The student's prediction for task `index`, if it is one.
    std::optional<Prediction> PredictionOf(std::size_t index) const;
    // Shows the prediction beside the outcome in the window's language, and
    // returns the same in English with the state line's numbers, for a
    // recording of the session to keep whatever the language.
    QString ShowOutcome(std::size_t index, const TaskOutcome& outcome);
    // Why the task's experiment could not give an outcome.
    void ShowProblem(std::size_t index, const QString& problem);
    // The text shown under task `index` after Reveal; empty before.
    QString OutcomeText(std::size_t index) const;
    QLineEdit* NumberBox(std::size_t index) const { return tasks_.at(index).number; }
    QPushButton* RevealButton(std::size_t index) const { return tasks_.at(index).reveal; }
    const std::vector<QAbstractButton*>& ChoiceButtons(std::size_t index) const { return tasks_.at(index).choices; }

    // Reveal was asked for task `index`, with a prediction.
    std::function<void(std::size_t index)> reveal;
    // Back to the start was asked: the lesson's start, replayed.
    std::function<void()> restart;
    std::function<void()> closeLesson;

private:
    struct TaskView {
        const Task* task = nullptr;
        QLineEdit* number = nullptr;
        QButtonGroup* group = nullptr;
        std::vector<QAbstractButton*> choices;
        QPushButton* reveal = nullptr;
        QLabel* outcome = nullptr;
    };

    QWidget* TaskBox(const Task& task, std::size_t index);
    // The outcome's lines: translated, numbers as the language writes them,
    // or in English, numbers as the state line writes them.
    QStringList OutcomeLines(const Task& task, const Prediction& prediction, const TaskOutcome& outcome,
                             bool translated) const;
    void PredictionChanged(std::size_t index);

    QLabel* title_;
    QTextBrowser* notes_;
    QWidget* tasksArea_;
    QVBoxLayout* tasksLayout_;
    std::vector<TaskView> tasks_;
};
