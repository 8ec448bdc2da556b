#pragma once

#include "core/app/shell_opener.h"

namespace trivanto {

// Opens addresses and files with the desktop's default programs.
class DesktopShellOpener final : public ShellOpener {
public:
    bool open(const QUrl& url) override;
};

}  // namespace trivanto
