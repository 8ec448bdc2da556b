#pragma once

#include "core/app/file_dialogs.h"

namespace trivanto {

// The file dialogs of the desktop.
class QtFileDialogs final : public FileDialogs {
public:
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
};

}  // namespace trivanto
