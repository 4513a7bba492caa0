#pragma once

#include <functional>
#include <vector>

#include <QObject>

#include "session/session.h"
#include "ui/file_chooser.h"

class QAction;
class QActionGroup;
class TForm1;

// Every command of the window as a QAction with its key, made once, for the
// menus to show and the keys to reach wherever the focus is in the window:
//   Ctrl+O, Ctrl+R, Ctrl+S   open a data file, reload it, save the picture
//   Space                    pause or resume a run, with no setup
//   Ctrl+Right               one time step while halted (enabled only then)
//   Ctrl+K                   coast: the pushes stop acting (enabled while one acts)
//   Ctrl+-, Ctrl++           slower, faster
// A file dropped on the window is opened as with Ctrl+O. In the density box a
// blank is typed and Ctrl+Right moves the cursor a word, as in any text box.
class DesktopActions : public QObject, private SessionListener {
    Q_OBJECT

public:
    DesktopActions(TForm1& form, FileChooser choose);

    // Opens `path` as Ctrl+O does, and tells `opened` when it was not refused.
    void Open(const QString& path);
    std::function<void(const QString& path)> opened;

    QAction* open;
    QAction* reload;
    QAction* savePicture;
    QAction* startStop;
    QAction* pause;
    QAction* step;
    QAction* coast;
    QAction* slower;
    QAction* faster;
    // One for each of kSpeedChoices, checked at the session's speed.
    std::vector<QAction*> speeds;

private:
    void SaveChosenPicture();
    void ChangeSpeed(int direction);
    void TimingChanged() override;
    void Redrawn() override;
    void ShowSpeed();

    TForm1& form_;
    FileChooser choose_;
    QActionGroup* speedGroup_;
    Session::Listening listening_;
};
