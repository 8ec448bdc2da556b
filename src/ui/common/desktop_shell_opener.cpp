#include "ui/common/desktop_shell_opener.h"

#include <QDesktopServices>

namespace trivanto {

bool DesktopShellOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace trivanto
