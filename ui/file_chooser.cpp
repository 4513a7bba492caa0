#include "ui/file_chooser.h"

#include <QFileDialog>

QString ChooseWithDialog(QWidget* parent, FilePurpose purpose)
{
    const bool open = purpose == FilePurpose::OpenDataFile;
    QFileDialog dialog(
        parent, open ? QStringLiteral("Open a data file") : QStringLiteral("Save the picture"), {},
        open ? QStringLiteral("Data files (*.txt);;All files (*)") : QStringLiteral("PNG pictures (*.png)"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}
