#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/common/result.h"

namespace trivanto {

class TIniDocument;

// One package of the update list: a row with a check box and three columns.
struct CataloguePackage {
    QString name;       // SubItemNameK: first column
    QString date;       // SubItemDateK: second column
    QString size;       // SubItemFilesizeK: third column
    QString text;       // SubItemTextK: the description under the list
    QString fileName;   // SubItemFilenameK: the archive on the server
    QString startFile;  // SubItemStartK: opened after the update; empty for none
    // SubItemChecksumK: the archive's SHA-256 as 64 lower-case hex digits; empty when the
    // catalogue gives none (then the archive is installed unchecked, as before).
    QString sha256;
    // Why this package cannot be ticked (no or an unsafe file name, a malformed checksum);
    // empty when it can.
    QString problem;

    bool available() const { return problem.isEmpty(); }
    // The row as the list shows it: name, tab, date, tab, size; at most 255 characters.
    QString rowText() const;
};

// One group of the list: a heading that opens and closes, and its packages.
struct CatalogueGroup {
    QString heading;  // ItemName
    bool expanded = false;
    std::vector<CataloguePackage> packages;  // never empty: package 1 is always read
};

// The Head section.
struct CatalogueHead {
    // When not empty the wizard shows only this message, then closes.
    QString messageText;
    int messageWidth = 0;  // pixels, always usable (see kFallbackMessageWidth)
    bool messageWordWrap = false;
    // Whether MessageWidth was a usable whole number; a malformed one gets the fallback.
    bool messageWidthGiven = false;
    QString info;  // InfoLabel
};

// The update catalogue ("update.ini") as the wizard shows it.
class UpdateCatalogue {
public:
    // Far beyond any real catalogue; a hostile one cannot make the list or its reading endless.
    static constexpr qint64 kMaxFileSize = 256 * 1024;
    static constexpr int kMaxGroups = 200;
    static constexpr int kMaxPackages = 1000;  // in all groups together
    static constexpr int kFallbackMessageWidth = 353;
    static constexpr int kMinMessageWidth = 100;
    static constexpr int kMaxMessageWidth = 800;

    // Reads the catalogue file. A missing, unreadable, oversized, binary or empty file, or one
    // with neither a Head nor an item section, is a failure whose text says what is wrong.
    static Result<UpdateCatalogue> read(const QString& path);
    static Result<UpdateCatalogue> fromBytes(const QByteArray& bytes);
    // Builds the model from a loaded document (no damage checks).
    static UpdateCatalogue fromDocument(TIniDocument& document);

    const CatalogueHead& head() const { return m_head; }
    bool hasMessage() const { return !m_head.messageText.isEmpty(); }
    const std::vector<CatalogueGroup>& groups() const { return m_groups; }
    // Group and package indices count from 0 (group 0 is section "1", package 0 is key
    // suffix 1); null when out of range.
    const CataloguePackage* package(int group, int index) const;
    int packageCount() const;

private:
    CatalogueHead m_head;
    std::vector<CatalogueGroup> m_groups;
};

}  // namespace trivanto
