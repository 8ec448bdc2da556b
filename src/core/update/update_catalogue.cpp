#include "core/update/update_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/update/file_name_policy.h"
#include "core/update/ini_document.h"

namespace trivanto {
namespace {

const QString kHead = QStringLiteral("Head");
const QString kTrue = QStringLiteral("true");

// Tabs and line breaks in a value would shift the list's columns.
QString cellText(QString text) {
    for (QChar& c : text) {
        if (c.unicode() < 0x20) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

QString key(const char* word, int k) {
    return QString::fromLatin1(word) + QString::number(k);
}

bool isHexDigest(const QString& text) {
    if (text.size() != 64) {
        return false;
    }
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')))) {
            return false;
        }
    }
    return true;
}

CataloguePackage readPackage(TIniDocument& doc, const QString& section, int k) {
    CataloguePackage p;
    p.name = doc.ReadValue(section, key("SubItemName", k), {});
    p.date = doc.ReadValue(section, key("SubItemDate", k), {});
    p.size = doc.ReadValue(section, key("SubItemFilesize", k), {});
    p.text = doc.ReadValue(section, key("SubItemText", k), {});
    p.fileName = doc.ReadValue(section, key("SubItemFilename", k), {});
    p.startFile = doc.ReadValue(section, key("SubItemStart", k), {});
    const QString digest =
        doc.ReadValue(section, key("SubItemChecksum", k), {}).trimmed().toLower();
    if (p.fileName.isEmpty()) {
        p.problem = QStringLiteral("no package file");
    } else if (const NameProblem problem = packageFileNameProblem(p.fileName); !problem.isEmpty()) {
        p.problem = QStringLiteral("package file \"%1\": %2").arg(p.fileName, problem);
    } else if (!digest.isEmpty() && !isHexDigest(digest)) {
        p.problem = QStringLiteral("the checksum is not 64 hex digits");
    } else {
        p.sha256 = digest;
    }
    return p;
}

CatalogueHead readHead(TIniDocument& doc) {
    CatalogueHead head;
    head.messageText = doc.ReadValue(kHead, QStringLiteral("MessageText"), {});
    head.info = doc.ReadValue(kHead, QStringLiteral("Info"), {});
    head.messageWordWrap = doc.ReadValue(kHead, QStringLiteral("MessageWordWrap"), {}) == kTrue;
    head.messageWidth = UpdateCatalogue::kFallbackMessageWidth;
    if (!head.messageText.isEmpty()) {
        bool ok = false;
        const int width = doc.ReadValue(kHead, QStringLiteral("MessageWidth"), {}).toInt(&ok, 10);
        // A width outside the screen's reach would hide the text; it gets the fallback too.
        if (ok && width >= UpdateCatalogue::kMinMessageWidth &&
            width <= UpdateCatalogue::kMaxMessageWidth) {
            head.messageWidth = width;
            head.messageWidthGiven = true;
        }
    }
    return head;
}

}  // namespace

QString CataloguePackage::rowText() const {
    const QString row =
        cellText(name) + QLatin1Char('\t') + cellText(date) + QLatin1Char('\t') + cellText(size);
    return row.left(255);
}

UpdateCatalogue UpdateCatalogue::fromDocument(TIniDocument& doc) {
    UpdateCatalogue catalogue;
    catalogue.m_head = readHead(doc);
    // Item 1 and its package 1 are always read; the first empty ItemName after it ends the
    // list, the first empty SubItemName after package 1 ends a group.
    int packages = 0;
    for (int n = 1; n <= kMaxGroups; ++n) {
        const QString section = QString::number(n);
        CatalogueGroup group;
        group.heading = doc.ReadValue(section, QStringLiteral("ItemName"), {});
        group.expanded = doc.ReadValue(section, QStringLiteral("Expanded"), {}) == kTrue;
        for (int k = 1;; ++k) {
            group.packages.push_back(readPackage(doc, section, k));
            if (++packages >= kMaxPackages ||
                doc.ReadValue(section, key("SubItemName", k + 1), {}).isEmpty()) {
                break;
            }
        }
        catalogue.m_groups.push_back(std::move(group));
        if (packages >= kMaxPackages ||
            doc.ReadValue(QString::number(n + 1), QStringLiteral("ItemName"), {}).isEmpty()) {
            break;
        }
    }
    return catalogue;
}

Result<UpdateCatalogue> UpdateCatalogue::fromBytes(const QByteArray& bytes) {
    if (bytes.trimmed().isEmpty()) {
        return Result<UpdateCatalogue>::failure(QStringLiteral("the update catalogue is empty"));
    }
    if (bytes.size() > kMaxFileSize) {
        return Result<UpdateCatalogue>::failure(
            QStringLiteral("the update catalogue is larger than %1 bytes").arg(kMaxFileSize));
    }
    if (bytes.contains('\0')) {
        return Result<UpdateCatalogue>::failure(
            QStringLiteral("the update catalogue is not a text file"));
    }
    TIniDocument doc;
    doc.loadFromBytes(bytes);
    if (!doc.hasSection(kHead) && !doc.hasSection(QStringLiteral("1"))) {
        return Result<UpdateCatalogue>::failure(
            QStringLiteral("the update catalogue has neither a Head section nor item 1"));
    }
    return fromDocument(doc);
}

Result<UpdateCatalogue> UpdateCatalogue::read(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return Result<UpdateCatalogue>::failure(
            QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));
    }
    // One byte more than allowed tells an oversized file without reading all of it.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return Result<UpdateCatalogue>::failure(
            QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));
    }
    Result<UpdateCatalogue> catalogue = fromBytes(bytes);
    if (!catalogue) {
        return Result<UpdateCatalogue>::failure(shown + QStringLiteral(": ") + catalogue.error());
    }
    return catalogue;
}

const CataloguePackage* UpdateCatalogue::package(int group, int index) const {
    if (group < 0 || size_t(group) >= m_groups.size()) {
        return nullptr;
    }
    const auto& packages = m_groups[size_t(group)].packages;
    if (index < 0 || size_t(index) >= packages.size()) {
        return nullptr;
    }
    return &packages[size_t(index)];
}

int UpdateCatalogue::packageCount() const {
    int count = 0;
    for (const CatalogueGroup& group : m_groups) {
        count += int(group.packages.size());
    }
    return count;
}

}  // namespace trivanto
