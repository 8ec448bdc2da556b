#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace trivanto {

// A folder of files served as they are (the update catalogue and packages). Only regular,
// readable files inside the folder are served: no "..", no hidden names (".git",
// ".htaccess"), no links that lead outside, no folder listings.
class StaticFolder final {
public:
    // An empty root serves nothing.
    explicit StaticFolder(const QString& root);
    bool isEnabled() const { return !m_root.isEmpty(); }

    // The file for a request path (still percent-encoded, UTF-8), or none.
    std::optional<QString> resolve(const QByteArray& rawPath) const;

private:
    QString m_root;  // canonical, empty when disabled
};

// The Content-Type for a file name; "application/octet-stream" when unknown.
QByteArray contentTypeFor(const QString& fileName);

}  // namespace trivanto
