#include "ui/common/qt_file_dialogs.h"

#include <QApplication>

namespace trivanto {

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode) {
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setNameFilter(request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(request.defaultSuffix);
}

namespace {

// A modal dialog of the desktop; the chosen file, or empty when cancelled.
QString runDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow());
    prepareFileDialog(dialog, request, mode);
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
