#include "ui/desktop_actions.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>

#include "session/speed.h"
#include "ui/Unit1.h"
#include "ui/file_drop.h"

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
    const auto command = [this](const Command& made) { return [this, made] { form_.Do(made); }; };
    open = action(tr("&Open…"), {QKeySequence::Open}, [this] {
        if (const QString path = choose_(FilePurpose::OpenDataFile); !path.isEmpty()) Open(path);
    });
    reload = action(tr("&Reload"), {Qt::CTRL | Qt::Key_R}, command({.kind = CommandKind::Reload}));
    savePicture = action(tr("&Save picture…"), {QKeySequence::Save}, [this] { SaveChosenPicture(); });
    startStop = action(tr("&Start/Stop"), {}, [this] { form_.Button3Click(); });
    pause = action(tr("&Pause/Resume"), {Qt::Key_Space}, command({.kind = CommandKind::Pause}));
    step = action(tr("S&tep"), {Qt::CTRL | Qt::Key_Right}, command({.kind = CommandKind::Step}));
    coast = action(tr("&Coast"), {Qt::CTRL | Qt::Key_K}, command({.kind = CommandKind::Coast}));
    coast->setStatusTip(tr("The pushes stop acting: force and torque become zero, the motion goes on"));
    slower = action(tr("S&lower"), {Qt::CTRL | Qt::Key_Minus}, [this] { ChangeSpeed(-1); });
    faster = action(tr("&Faster"), {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, [this] { ChangeSpeed(+1); });
    for (double speed : kSpeedChoices) {
        QAction* choice = action(QString::fromStdString(SpeedName(speed)) + QStringLiteral("×"), {},
                                 command({.kind = CommandKind::Speed, .speed = speed}));
        choice->setCheckable(true);
        speedGroup_->addAction(choice);
        speeds.push_back(choice);
    }
    TimingChanged();
    Redrawn();
    listening_ = form.CurrentSession().Listen(*this);

    // The density box takes dropped text itself, so it is watched as well.
    auto* drop = new FileDrop([this](const QString& path) { Open(path); }, this);
    form.setAcceptDrops(true);
    form.installEventFilter(drop);
    form.Edit1->installEventFilter(drop);
}

void DesktopActions::Open(const QString& path)
{
    // A lesson that locks opening locks every way to it, a dropped file too.
    if (!open->isEnabled()) return;
    if (form_.Do({.kind = CommandKind::Open, .text = path.toStdString()}) && opened) opened(path);
}

void DesktopActions::SaveChosenPicture()
{
    const QString path = choose_(FilePurpose::SavePicture);
    if (!path.isEmpty()) form_.SavePicture(path);
}

void DesktopActions::ChangeSpeed(int direction)
{
    // To the next menu value, also from a speed between two of them.
    const double now = form_.CurrentSession().Speed();
    if (direction > 0) {
        const auto faster = std::upper_bound(kSpeedChoices.begin(), kSpeedChoices.end(), now);
        if (faster != kSpeedChoices.end()) form_.Do({.kind = CommandKind::Speed, .speed = *faster});
    } else {
        const auto notSlower = std::lower_bound(kSpeedChoices.begin(), kSpeedChoices.end(), now);
        if (notSlower != kSpeedChoices.begin()) form_.Do({.kind = CommandKind::Speed, .speed = *std::prev(notSlower)});
    }
}

void DesktopActions::TimingChanged()
{
    ShowSpeed();
    // A step acts only on a halted body.
    step->setEnabled(!form_.Running());
}

void DesktopActions::Redrawn()
{
    const RigidBody& body = form_.Simulation().body;
    coast->setEnabled(body.force != ZeroVector() || body.torque != ZeroVector());
}

void DesktopActions::ShowSpeed()
{
    const double speed = form_.CurrentSession().Speed();
    for (std::size_t i = 0; i < speeds.size(); ++i) speeds[i]->setChecked(kSpeedChoices[i] == speed);
}
