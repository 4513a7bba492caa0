#pragma once

#include <QObject>

#include "ui/file_chooser.h"

class TForm1;

// The window's keyboard shortcuts and file drops:
//   Ctrl+Right  one time step while halted
//   Ctrl+R      reload the data file
//   Ctrl+O      open another data file
//   Ctrl+S      save the picture as a PNG
// A file dropped on the window is opened as with Ctrl+O. All take Ctrl, so
// typing in the density box never sets one off; there Ctrl+Right keeps moving
// the cursor a word, as in any text box.
class DesktopActions : public QObject {
public:
    DesktopActions(TForm1& form, FileChooser choose);

private:
    void OpenChosenDataFile();
    void SaveChosenPicture();

    TForm1& form_;
    FileChooser choose_;
};
