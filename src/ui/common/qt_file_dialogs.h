#pragma once

#include <QFileDialog>

#include "core/app/file_dialogs.h"

namespace trivanto {

// The file dialogs of the desktop.
class QtFileDialogs final : public FileDialogs {
public:
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
};

// Sets up a dialog for a request: title, start folder, filter and default suffix; opening
// takes only a file that exists, saving asks before it replaces one. The dialogs are resizable
// and offer no "open as read-only" choice, so nothing is needed for either.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode);

}  // namespace trivanto
