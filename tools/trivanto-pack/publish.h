#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/lang/message_catalogue.h"
#include "source_tree.h"

namespace trivanto::pack {

struct PublishOptions {
    QString output;  // the folder the update server serves
    Language language = Language::Englisch;
    // SOURCE_DATE_EPOCH: the time stored in the archives and shown as their date.
    std::optional<QDateTime> fixedTime;
};

// Writes the archives, the catalogue and the banner below output/<base folder>/ (the folder
// of UpdateBasePath). Lines about what was written go to `report`; problems to `problems`.
bool publish(const SourceTree& tree, const PublishOptions& options, QStringList& report,
             QStringList& problems);

// The folder below the server root that UpdateBasePath names for `language`.
QString serverFolder(Language language);

// "850 bytes", "12 KB", "1.4 MB" (German: "1,4 MB").
QString sizeText(qint64 bytes, Language language);

}  // namespace trivanto::pack
