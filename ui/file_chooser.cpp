#include "ui/file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {

struct DialogKind {
    const char* title;
    const char* filter;
    const char* suffix;  // added to a name typed without one; none when opening
};

DialogKind KindOf(FilePurpose purpose)
{
    switch (purpose) {
    case FilePurpose::OpenDataFile:
        return {QT_TRANSLATE_NOOP("FileChooser", "Open a data file"),
                QT_TRANSLATE_NOOP("FileChooser", "Data files (*.txt);;All files (*)"), nullptr};
    case FilePurpose::SavePicture:
        return {QT_TRANSLATE_NOOP("FileChooser", "Save the picture"),
                QT_TRANSLATE_NOOP("FileChooser", "PNG pictures (*.png)"), "png"};
    case FilePurpose::ExportData:
        return {QT_TRANSLATE_NOOP("FileChooser", "Export the data since the last setup"),
                QT_TRANSLATE_NOOP("FileChooser", "CSV files (*.csv)"), "csv"};
    case FilePurpose::OpenLesson:
        return {QT_TRANSLATE_NOOP("FileChooser", "Open a lesson"),
                QT_TRANSLATE_NOOP("FileChooser", "Lessons (*.toml);;All files (*)"), nullptr};
    case FilePurpose::SaveLesson:
        return {QT_TRANSLATE_NOOP("FileChooser", "Save the session as a lesson"),
                QT_TRANSLATE_NOOP("FileChooser", "Lessons (*.toml)"), "toml"};
    }
    return {};
}

}  // namespace

QString ChooseWithDialog(QWidget* parent, FilePurpose purpose)
{
    const DialogKind kind = KindOf(purpose);
    QFileDialog dialog(parent, QCoreApplication::translate("FileChooser", kind.title), {},
                       QCoreApplication::translate("FileChooser", kind.filter));
    const bool open = kind.suffix == nullptr;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) dialog.setDefaultSuffix(QString::fromLatin1(kind.suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}
