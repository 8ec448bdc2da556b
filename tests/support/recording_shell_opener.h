#pragma once

#include <QList>
#include <QUrl>

#include "core/app/shell_opener.h"

namespace trivanto {

// Records every address it is asked to open; answers with `result`.
class RecordingShellOpener final : public ShellOpener {
public:
    bool open(const QUrl& url) override;

    const QList<QUrl>& opened() const { return m_opened; }
    bool result = true;

private:
    QList<QUrl> m_opened;
};

}  // namespace trivanto
