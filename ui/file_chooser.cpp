#include "ui/file_chooser.h"

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
        return {"Open a data file", "Data files (*.txt);;All files (*)", nullptr};
    case FilePurpose::SavePicture:
        return {"Save the picture", "PNG pictures (*.png)", "png"};
    case FilePurpose::ExportData:
        return {"Export the data since the last setup", "CSV files (*.csv)", "csv"};
    case FilePurpose::OpenLesson:
        return {"Open a lesson", "Lessons (*.toml);;All files (*)", nullptr};
    case FilePurpose::SaveLesson:
        return {"Save the session as a lesson", "Lessons (*.toml)", "toml"};
    }
    return {};
}

}  // namespace

QString ChooseWithDialog(QWidget* parent, FilePurpose purpose)
{
    const DialogKind kind = KindOf(purpose);
    QFileDialog dialog(parent, QString::fromLatin1(kind.title), {}, QString::fromLatin1(kind.filter));
    const bool open = kind.suffix == nullptr;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) dialog.setDefaultSuffix(QString::fromLatin1(kind.suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}
