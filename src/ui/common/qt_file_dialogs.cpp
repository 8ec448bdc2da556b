#include "ui/common/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace trivanto {

namespace {

// A modal dialog of the desktop; the chosen file, or empty when cancelled.
QString runDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    // Opening: the file must exist. Saving: overwriting is confirmed by the dialog.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

}  // namespace

QString QtFileDialogs::openFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptSave);
}

}  // namespace trivanto
