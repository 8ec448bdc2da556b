#include "publish.h"

#include <sys/stat.h>
#include <zip.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/common/file_path.h"
#include "core/common/save_file.h"
#include "core/update/ini_document.h"
#include "core/update/update_catalogue.h"
#include "core/update/update_files.h"

namespace trivanto::pack {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A zip whose entries carry plain names, a fixed order and no execute permission.
bool writeZip(const SourcePackage& package, const QString& path,
              const std::optional<QDateTime>& fixedTime, QStringList& problems) {
    // libzip writes a temporary file and renames it at the end: an old archive stays whole
    // until the new one is complete.
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (zip == nullptr) {
        problems.append(shown(path) + QStringLiteral(": cannot be created"));
        return false;
    }
    for (const QString& file : package.files) {
        const QFileInfo info(file);
        zip_source_t* source = zip_source_file(zip, QFile::encodeName(file).constData(), 0, -1);
        const QByteArray name = info.fileName().toUtf8();
        const zip_int64_t index =
            source == nullptr ? -1 : zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            if (source != nullptr) {
                zip_source_free(source);
            }
            problems.append(shown(file) + QStringLiteral(": cannot be packed: ") +
                            QString::fromUtf8(zip_strerror(zip)));
            zip_discard(zip);
            return false;
        }
        const QDateTime time = fixedTime.value_or(info.lastModified());
        zip_file_set_mtime(zip, zip_uint64_t(index), time_t(time.toSecsSinceEpoch()), 0);
        zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         zip_uint32_t(S_IFREG | 0644) << 16);
    }
    if (zip_close(zip) != 0) {
        problems.append(shown(path) + QStringLiteral(": cannot be written: ") +
                        QString::fromUtf8(zip_strerror(zip)));
        zip_discard(zip);
        return false;
    }
    return true;
}

QByteArray fileSha256(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly)) {
        hash.addData(&file);
    }
    return hash.result().toHex();
}

bool copyWhole(const QString& from, const QString& to, QStringList& problems) {
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        problems.append(shown(to) + QStringLiteral(": cannot be written"));
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (!writeAll(out, bytes)) {
        problems.append(shown(to) + QStringLiteral(": cannot be written: ") + out.errorString());
        out.cancelWriting();
        return false;
    }
    if (const Status committed = commitSaveFile(out); !committed.ok()) {
        problems.append(shown(to) + QStringLiteral(": cannot be written: ") + committed.error());
        return false;
    }
    return true;
}

void writeValue(TIniDocument& doc, const QString& section, const QString& key, const QString& value,
                QStringList& report) {
    // Lines longer than the game reads are cut; say so rather than lose text unnoticed.
    if (key.size() + 1 + value.size() > TIniDocument::kMaxText) {
        report.append(QStringLiteral("note: [%1] %2 cut to %3 characters")
                          .arg(section, key)
                          .arg(TIniDocument::kMaxText));
    }
    doc.WriteValue(section, key, value);
}

}  // namespace

QString serverFolder(Language language) {
    MessageCatalogue texts(QString{});
    texts.apply(language);
    QString folder = texts.settings().UpdateBasePath;
    while (folder.startsWith(QLatin1Char('/'))) {
        folder.remove(0, 1);
    }
    while (folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

QString sizeText(qint64 bytes, Language language) {
    if (bytes < 1024) {
        return QStringLiteral("%1 bytes").arg(bytes);
    }
    if (bytes < 1024 * 1024) {
        return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
    }
    QString mb = QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
    if (language == Language::Deutsch) {
        mb.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return mb + QStringLiteral(" MB");
}

bool publish(const SourceTree& tree, const PublishOptions& options, QStringList& report,
             QStringList& problems) {
    MessageCatalogue texts(QString{});
    texts.apply(options.language);
    const QString folder = filePath(options.output, serverFolder(options.language));
    if (!QDir().mkpath(folder)) {
        problems.append(shown(folder) + QStringLiteral(": cannot be created"));
        return false;
    }
    TIniDocument catalogue;
    const QString head = QStringLiteral("Head");
    writeValue(catalogue, head, QStringLiteral("Info"), {}, report);  // Head comes first
    QDateTime newest;
    int n = 0;
    for (const SourceGroup& group : tree.groups) {
        const QString section = QString::number(++n);
        writeValue(catalogue, section, QStringLiteral("ItemName"), group.heading, report);
        writeValue(catalogue, section, QStringLiteral("Expanded"),
                   group.expanded ? QStringLiteral("true") : QStringLiteral("false"), report);
        int k = 0;
        for (const SourcePackage& package : group.packages) {
            const QString archive = filePath(folder, package.archiveName);
            if (!writeZip(package, archive, options.fixedTime, problems)) {
                return false;
            }
            const QDateTime date = options.fixedTime.value_or(package.newest);
            if (!newest.isValid() || date > newest) {
                newest = date;
            }
            const QString suffix = QString::number(++k);
            const auto put = [&](const char* key, const QString& value) {
                writeValue(catalogue, section, QString::fromLatin1(key) + suffix, value, report);
            };
            put("SubItemName", package.displayName);
            put("SubItemDate", date.toUTC().toString(QStringLiteral("yyyy-MM-dd")));
            put("SubItemFilesize", sizeText(QFileInfo(archive).size(), options.language));
            put("SubItemText", package.text);
            put("SubItemFilename", package.archiveName);
            put("SubItemStart", package.startFile);
            put("SubItemChecksum", QString::fromLatin1(fileSha256(archive)));
            report.append(package.files.size() == 1
                              ? QStringLiteral("%1 (1 file)").arg(shown(archive))
                              : QStringLiteral("%1 (%2 files)")
                                    .arg(shown(archive))
                                    .arg(package.files.size()));
        }
    }
    const QString info = !tree.head.info.isEmpty() || !newest.isValid()
                             ? tree.head.info
                             : newest.toUTC().toString(QStringLiteral("yyyy-MM-dd"));
    writeValue(catalogue, head, QStringLiteral("Info"), info, report);
    if (!tree.head.messageText.isEmpty()) {
        writeValue(catalogue, head, QStringLiteral("MessageText"), tree.head.messageText, report);
        writeValue(
            catalogue, head, QStringLiteral("MessageWidth"),
            tree.head.messageWidth.isEmpty() ? QStringLiteral("320") : tree.head.messageWidth,
            report);
        writeValue(catalogue, head, QStringLiteral("MessageWordWrap"),
                   tree.head.messageWordWrap.isEmpty() ? QStringLiteral("true")
                                                       : tree.head.messageWordWrap,
                   report);
    }
    // The game reads its catalogue through the same reader: check it takes every package.
    const QByteArray bytes = catalogue.toBytes();
    const Result<UpdateCatalogue> check = UpdateCatalogue::fromBytes(bytes);
    if (!check) {
        problems.append(QStringLiteral("the catalogue would not read back: ") + check.error());
        return false;
    }
    for (const CatalogueGroup& group : check->groups()) {
        for (const CataloguePackage& package : group.packages) {
            if (!package.available() && !check->hasMessage()) {
                problems.append(QStringLiteral("package \"%1\" would not be offered: %2")
                                    .arg(package.name, package.problem));
            }
        }
    }
    if (!problems.isEmpty()) {
        return false;
    }
    const QString cataloguePath = filePath(folder, catalogueRemoteName(texts.settings()));
    if (const Status saved = saveWholeFile(cataloguePath, bytes); !saved.ok()) {
        problems.append(saved.error());
        return false;
    }
    report.append(shown(cataloguePath));
    if (!tree.banner.isEmpty()) {
        const QString banner =
            filePath(folder, QStringLiteral("banner") + texts.settings().UpdateFileExtension);
        if (!copyWhole(tree.banner, banner, problems)) {
            return false;
        }
        report.append(shown(banner));
    }
    return true;
}

}  // namespace trivanto::pack
