#include "ui/lesson_dock.h"

#include <cmath>

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>

#include "session/json_number.h"
#include "sim/decimal_number.h"
#include "ui/language.h"

namespace {

// Numbers as the state line writes them: what is shown is the exact outcome.
QString Exact(double value)
{
    std::string text;
    AppendJsonNumber(text, value);
    return QString::fromStdString(text);
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), std::ssize(text)); }

}  // namespace

LessonDock::LessonDock(QWidget* parent)
    : QDockWidget(tr("Lesson"), parent), title_(new QLabel(this)), notes_(new QTextBrowser(this)),
      tasksArea_(new QWidget(this)), tasksLayout_(new QVBoxLayout(tasksArea_))
{
    setObjectName(QStringLiteral("lesson"));  // for the window's saved state
    // Closed with the lesson, never on its own: a hidden lesson would still lock.
    setFeatures(DockWidgetMovable | DockWidgetFloatable);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title_->setFont(titleFont);
    title_->setWordWrap(true);
    notes_->setOpenExternalLinks(true);
    notes_->setAccessibleName(tr("Lesson notes"));

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(tasksArea_);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(tr("Tasks"));
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(notes_);
    split->addWidget(scroll);
    split->setSizes({1000, 1000});
    // Beside a panel, the notes and a task or two still show.
    notes_->setMinimumHeight(140);
    scroll->setMinimumHeight(180);
    auto* again = new QPushButton(tr("Back to the start"), this);
    again->setToolTip(tr("Puts the body as the lesson starts it"));
    connect(again, &QPushButton::clicked, this, [this] {
        if (restart) restart();
    });
    auto* close = new QPushButton(tr("Close lesson"), this);
    connect(close, &QPushButton::clicked, this, [this] {
        if (closeLesson) closeLesson();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(again);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(title_);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    setWidget(content);
    setMinimumWidth(300);
}

void LessonDock::Show(const Lesson& lesson)
{
    title_->setText(FromUtf8(lesson.title));
    notes_->setMarkdown(FromUtf8(lesson.notes));
    for (const TaskView& view : tasks_) delete view.outcome->parentWidget();
    tasks_.clear();
    while (QLayoutItem* item = tasksLayout_->takeAt(0)) delete item;
    for (std::size_t i = 0; i < lesson.tasks.size(); ++i) tasksLayout_->addWidget(TaskBox(lesson.tasks[i], i));
    tasksLayout_->addStretch(1);
    // The student starts by committing to the first prediction, once the
    // window is there to take the keys.
    if (!tasks_.empty()) {
        QWidget* first = tasks_[0].number ? static_cast<QWidget*>(tasks_[0].number) : tasks_[0].choices.front();
        QTimer::singleShot(0, first, [first] { first->setFocus(); });
    }
}

QWidget* LessonDock::TaskBox(const Task& task, std::size_t index)
{
    auto* box = new QGroupBox(tr("Task %1").arg(index + 1), tasksArea_);
    auto* layout = new QVBoxLayout(box);
    auto* prompt = new QLabel(box);
    prompt->setTextFormat(Qt::MarkdownText);
    prompt->setText(FromUtf8(task.prompt));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    TaskView view;
    view.task = &task;
    if (task.kind == TaskKind::Number) {
        auto* row = new QHBoxLayout;
        view.number = new QLineEdit(box);
        view.number->setPlaceholderText(tr("your prediction, such as 2.5"));
        view.number->setAccessibleName(tr("Prediction for task %1").arg(index + 1));
        row->addWidget(view.number, 1);
        if (!task.unit.empty()) row->addWidget(new QLabel(FromUtf8(task.unit), box));
        layout->addLayout(row);
        connect(view.number, &QLineEdit::textChanged, this, [this, index] { PredictionChanged(index); });
        connect(view.number, &QLineEdit::returnPressed, this, [this, index] {
            if (tasks_[index].reveal->isEnabled()) tasks_[index].reveal->click();
        });
    } else {
        view.group = new QButtonGroup(box);
        for (const std::string& choice : task.choices) {
            auto* button = new QRadioButton(FromUtf8(choice), box);
            view.group->addButton(button);
            view.choices.push_back(button);
            layout->addWidget(button);
        }
        connect(view.group, &QButtonGroup::buttonToggled, this, [this, index] { PredictionChanged(index); });
    }
    view.reveal = new QPushButton(tr("Reveal"), box);
    view.reveal->setEnabled(false);
    view.reveal->setToolTip(
        tr("Runs the experiment from the lesson's start, then shows your prediction beside "
           "the outcome"));
    connect(view.reveal, &QPushButton::clicked, this, [this, index] {
        if (reveal && PredictionOf(index)) reveal(index);
    });
    layout->addWidget(view.reveal, 0, Qt::AlignLeft);
    view.outcome = new QLabel(box);
    view.outcome->setWordWrap(true);
    view.outcome->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view.outcome->setAccessibleName(tr("Outcome"));
    view.outcome->hide();
    layout->addWidget(view.outcome);
    tasks_.push_back(view);
    return box;
}

void LessonDock::PredictionChanged(std::size_t index)
{
    tasks_[index].reveal->setEnabled(PredictionOf(index).has_value());
}

std::optional<Prediction> LessonDock::PredictionOf(std::size_t index) const
{
    const TaskView& view = tasks_.at(index);
    if (view.number) {
        // Written as the student writes numbers: with the language's decimal
        // point, or with the point scripts use.
        QString text = view.number->text().trimmed();
        text.replace(QLocale().decimalPoint(), QStringLiteral("."));
        const std::optional<double> number = ParseDecimalNumber(text.toStdString());
        if (!number || !std::isfinite(*number)) return std::nullopt;
        return Prediction{*number, 0};
    }
    for (std::size_t i = 0; i < view.choices.size(); ++i)
        if (view.choices[i]->isChecked()) return Prediction{0.0, i};
    return std::nullopt;
}

QStringList LessonDock::OutcomeLines(const Task& task, const Prediction& prediction, const TaskOutcome& outcome,
                                     bool translated) const
{
    const auto say = [translated](const char* text) { return translated ? tr(text) : QString::fromUtf8(text); };
    const auto number = [translated](double value) { return translated ? LocalDecimal(Exact(value)) : Exact(value); };
    const auto withUnit = [&](double value, const QString& unit) {
        return unit.isEmpty() ? number(value) : say(QT_TR_NOOP("%1 %2")).arg(number(value), unit);
    };
    QStringList lines;
    if (task.kind == TaskKind::Number) {
        const QString unit = FromUtf8(task.unit);
        const double value = outcome.values[0];
        lines << say(QT_TR_NOOP("Your prediction: %1")).arg(withUnit(prediction.number, unit))
              << say(QT_TR_NOOP("The outcome: %1")).arg(withUnit(value, unit))
              << say(QT_TR_NOOP("The difference, outcome minus prediction: %1"))
                     .arg(withUnit(value - prediction.number, unit));
        QString tolerance = number(task.tolerance);
        if (task.relative > 0.0)
            tolerance = say(QT_TR_NOOP("%1, or %2 of the outcome's size")).arg(tolerance, number(task.relative));
        lines << say(IsNear(task, prediction.number, value)
                         ? QT_TR_NOOP("That is within the lesson's tolerance of %1.")
                         : QT_TR_NOOP("That is more than the lesson's tolerance of %1."))
                     .arg(tolerance);
    } else {
        lines << say(QT_TR_NOOP("Your prediction: %1")).arg(FromUtf8(task.choices[prediction.choice]))
              << say(QT_TR_NOOP("The outcome: %1")).arg(FromUtf8(task.choices[outcome.choice]));
        for (std::size_t i = 0; i < task.readings.size(); ++i) {
            const QString quantity = FromUtf8(task.readings[i].quantity);
            lines << (task.kind == TaskKind::Sign
                          ? say(QT_TR_NOOP("%1 is %2 at the end of the experiment."))
                                .arg(quantity, number(outcome.values[i]))
                          : say(QT_TR_NOOP("%1: %2 is %3."))
                                .arg(FromUtf8(task.readings[i].label), quantity, number(outcome.values[i])));
        }
    }
    return lines;
}

QString LessonDock::ShowOutcome(std::size_t index, const TaskOutcome& outcome)
{
    const TaskView& view = tasks_.at(index);
    const Prediction prediction = *PredictionOf(index);
    view.outcome->setText(OutcomeLines(*view.task, prediction, outcome, true).join(QLatin1Char('\n')));
    view.outcome->show();
    // Committed: the prediction stays beside the outcome it was made for.
    if (view.number) view.number->setReadOnly(true);
    for (QAbstractButton* choice : view.choices) choice->setEnabled(false);
    view.reveal->setText(tr("Run again"));
    return OutcomeLines(*view.task, prediction, outcome, false).join(QLatin1Char('\n'));
}

void LessonDock::ShowProblem(std::size_t index, const QString& problem)
{
    QLabel* outcome = tasks_.at(index).outcome;
    outcome->setText(tr("The experiment gave no outcome: %1").arg(problem));
    outcome->show();
}

QString LessonDock::OutcomeText(std::size_t index) const
{
    const QLabel* outcome = tasks_.at(index).outcome;
    return outcome->isHidden() ? QString() : outcome->text();
}
