#include "ui/common/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace trivanto {

QString QtFileDialogs::openFile(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, request.folder,
                                        request.filter);
}

QString QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.folder,
                                        request.filter);
}

}  // namespace trivanto
