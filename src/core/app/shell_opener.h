#pragma once

#include <QUrl>

namespace trivanto {

// Opens a web address or a file with the desktop's default program.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // False when the desktop could not open it.
    virtual bool open(const QUrl& url) = 0;
};

// The publisher's web address, opened from the main window.
inline QUrl publisherUrl() {
    return QUrl(QStringLiteral("https://velmora.engineering/trivanto"));
}

}  // namespace trivanto
