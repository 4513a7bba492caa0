#include "ui/desktop_actions.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>

#include "ui/Unit1.h"
#include "ui/file_drop.h"

QString DesktopActions::SpeedName(double speed)
{
    return speed < 1 ? QStringLiteral("1/%1").arg(qRound(1 / speed)) : QString::number(speed);
}

const std::vector<double>& DesktopActions::SpeedSteps()
{
    static const std::vector<double> steps{0.125, 0.25, 0.5, 1.0, 2.0, 4.0};
    return steps;
}

DesktopActions::DesktopActions(TForm1& form, FileChooser choose)
    : form_(form), choose_(std::move(choose)), speedGroup_(new QActionGroup(this))
{
    auto action = [&](const QString& text, const QList<QKeySequence>& keys, auto run) {
        auto* made = new QAction(text, &form);
        made->setShortcuts(keys);
        connect(made, &QAction::triggered, this, run);
        // Added to the form, the keys work with or without a menu bar.
        form.addAction(made);
        return made;
    };
    Session& session = form.CurrentSession();
    open = action(QStringLiteral("&Open…"), {QKeySequence::Open}, [this] {
        if (const QString path = choose_(FilePurpose::OpenDataFile); !path.isEmpty()) Open(path);
    });
    reload = action(QStringLiteral("&Reload"), {Qt::CTRL | Qt::Key_R}, [this] { form_.Reload(); });
    savePicture = action(QStringLiteral("&Save picture…"), {QKeySequence::Save}, [this] { SaveChosenPicture(); });
    startStop = action(QStringLiteral("&Start/Stop"), {}, [this] { form_.Button3Click(); });
    pause = action(QStringLiteral("&Pause/Resume"), {Qt::Key_Space}, [&session] { session.Pause(); });
    step = action(QStringLiteral("S&tep"), {Qt::CTRL | Qt::Key_Right}, [this] { form_.StepWhileHalted(); });
    slower = action(QStringLiteral("S&lower"), {Qt::CTRL | Qt::Key_Minus}, [this] { ChangeSpeed(-1); });
    faster = action(QStringLiteral("&Faster"), {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal},
                    [this] { ChangeSpeed(+1); });
    for (double speed : SpeedSteps()) {
        QAction* choice =
            action(SpeedName(speed) + QStringLiteral("×"), {}, [&session, speed] { session.SetSpeed(speed); });
        choice->setCheckable(true);
        speedGroup_->addAction(choice);
        speeds.push_back(choice);
    }
    ShowSpeed();
    session.Listen(*this);

    // The density box takes dropped text itself, so it is watched as well.
    auto* drop = new FileDrop([this](const QString& path) { Open(path); }, this);
    form.setAcceptDrops(true);
    form.installEventFilter(drop);
    form.Edit1->installEventFilter(drop);
}

DesktopActions::~DesktopActions() { form_.CurrentSession().StopListening(*this); }

void DesktopActions::Open(const QString& path)
{
    const std::filesystem::path file = path.toStdString();
    form_.OpenDataFile(file);
    if (form_.DataFile() == file && opened) opened(path);
}

void DesktopActions::SaveChosenPicture()
{
    const QString path = choose_(FilePurpose::SavePicture);
    if (!path.isEmpty()) form_.SavePicture(path);
}

void DesktopActions::ChangeSpeed(int direction)
{
    // To the next menu value, also from a speed between two of them.
    const std::vector<double>& steps = SpeedSteps();
    Session& session = form_.CurrentSession();
    if (direction > 0) {
        const auto faster = std::upper_bound(steps.begin(), steps.end(), session.Speed());
        if (faster != steps.end()) session.SetSpeed(*faster);
    } else {
        const auto notSlower = std::lower_bound(steps.begin(), steps.end(), session.Speed());
        if (notSlower != steps.begin()) session.SetSpeed(*std::prev(notSlower));
    }
}

void DesktopActions::TimingChanged() { ShowSpeed(); }

void DesktopActions::ShowSpeed()
{
    const double speed = form_.CurrentSession().Speed();
    for (std::size_t i = 0; i < speeds.size(); ++i) speeds[i]->setChecked(SpeedSteps()[i] == speed);
}
