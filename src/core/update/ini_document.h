#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "core/common/result.h"

namespace trivanto {

// An INI text file held in memory: case-insensitive section and key names, nothing trimmed,
// the first of two sections with the same name wins, lines and values cut at 255 characters,
// written back whole (CRLF) only when changed. Section lookups start at the last section found.
// The file's bytes are Windows-1252.
class TIniDocument final {
public:
    static constexpr int kMaxText = 255;

    // Binds to `fileName` and loads it; a missing file gives an empty document. An empty name
    // binds to no file.
    explicit TIniDocument(const QString& fileName = {});
    // Flushes like Flush().
    ~TIniDocument();

    TIniDocument(const TIniDocument&) = delete;
    TIniDocument& operator=(const TIniDocument&) = delete;

    QString ReadValue(const QString& section, const QString& key, const QString& fallback);
    // Carriage returns and line feeds in the names or the value become blanks: a stored line
    // never splits into two when the file is read again.
    void WriteValue(const QString& section, const QString& key, const QString& value);
    // Writes the file if changed and bound; the failure names the file and the reason. A file
    // that existed but could not be loaded is never overwritten.
    Status Flush();

    // Replaces the content by the INI text `bytes`, as loading a file would; the binding to a
    // file stays as it is.
    void loadFromBytes(const QByteArray& bytes);

    // The text Flush() would write: sections with lines, CRLF endings, Windows-1252.
    QByteArray toBytes() const;

    // Whether a section of that name was read or written (letter case ignored).
    bool hasSection(const QString& section) const;

    bool isChanged() const;
    // Number of sections held (after duplicates were dropped).
    int sectionCount() const;
    // The last load or write error, empty when none.
    QString errorString() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace trivanto
