#pragma once

#include <functional>

#include <QString>

class QWidget;

enum class FilePurpose { OpenDataFile, SavePicture, ExportData, OpenLesson, SaveLesson };

// Asks the person for a file to use for `purpose`; empty when they cancel.
// Tests put their own in, so that no dialog ever waits for an answer there.
using FileChooser = std::function<QString(FilePurpose purpose)>;

// The desktop's own file dialog, over `parent`.
QString ChooseWithDialog(QWidget* parent, FilePurpose purpose);
