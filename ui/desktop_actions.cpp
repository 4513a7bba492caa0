#include "ui/desktop_actions.h"

#include <QLineEdit>
#include <QShortcut>

#include "ui/Unit1.h"
#include "ui/file_drop.h"

DesktopActions::DesktopActions(TForm1& form, FileChooser choose) : form_(form), choose_(std::move(choose))
{
    auto shortcut = [&](QKeyCombination keys, auto action) {
        connect(new QShortcut(QKeySequence(keys), &form), &QShortcut::activated, this, action);
    };
    shortcut(Qt::CTRL | Qt::Key_Right, [this] { form_.StepWhileHalted(); });
    shortcut(Qt::CTRL | Qt::Key_R, [this] { form_.Reload(); });
    shortcut(Qt::CTRL | Qt::Key_O, [this] { OpenChosenDataFile(); });
    shortcut(Qt::CTRL | Qt::Key_S, [this] { SaveChosenPicture(); });

    // The density box takes dropped text itself, so it is watched as well.
    auto* drop = new FileDrop([this](const QString& path) { form_.OpenDataFile(path.toStdString()); }, this);
    form.setAcceptDrops(true);
    form.installEventFilter(drop);
    form.Edit1->installEventFilter(drop);
}

void DesktopActions::OpenChosenDataFile()
{
    const QString path = choose_(FilePurpose::OpenDataFile);
    if (!path.isEmpty()) form_.OpenDataFile(path.toStdString());
}

void DesktopActions::SaveChosenPicture()
{
    const QString path = choose_(FilePurpose::SavePicture);
    if (!path.isEmpty()) form_.SavePicture(path);
}
