#pragma once

#include <QString>

namespace trivanto {

// An INI text file held in memory: case-insensitive section and key names, nothing trimmed,
// the first of two sections with the same name wins, lines and values cut at 255 characters,
// written back whole (CRLF) only when changed. Section lookups start at the last section found.
class TIniDocument {
public:
    // Binds to `fileName` and loads it; a missing file gives an empty document. An empty name
    // binds to no file.
    explicit TIniDocument(const QString& fileName = {});
    // Flushes like Flush().
    ~TIniDocument();

    TIniDocument(const TIniDocument&) = delete;
    TIniDocument& operator=(const TIniDocument&) = delete;

    QString ReadValue(const QString& section, const QString& key, const QString& fallback);
    void WriteValue(const QString& section, const QString& key, const QString& value);
    // Writes the file if changed and bound; false on an I/O error (see errorString()).
    bool Flush();

    bool isChanged() const;
    // The last load or write error, empty when none.
    QString errorString() const;

private:
    struct Impl;
    Impl* m_impl;
};

}  // namespace trivanto
