#include "support/recording_shell_opener.h"

namespace trivanto {

bool RecordingShellOpener::open(const QUrl& url) {
    m_opened.append(url);
    return result;
}

}  // namespace trivanto
