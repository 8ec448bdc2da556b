#include "source_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "core/text/cp1252.h"
#include "core/update/file_name_policy.h"
#include "core/update/ini_document.h"
#include "core/update/start_files.h"

namespace trivanto::pack {
namespace {

const QString kGroupFile = QStringLiteral("group.ini");
const QString kHeadFile = QStringLiteral("head.ini");
const QString kBannerFile = QStringLiteral("banner.gif");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Metadata files are UTF-8 for the publisher; the catalogue itself is Windows-1252.
bool loadUtf8Ini(const QString& path, TIniDocument& doc, QStringList& problems) {
    QFile file(path);
    if (!file.exists()) {
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problems.append(shown(path) + QStringLiteral(": cannot be read: ") + file.errorString());
        return false;
    }
    doc.loadFromBytes(toCp1252(QString::fromUtf8(file.readAll())));
    return true;
}

// "Rivers of Europe" -> "Rivers_of_Europe": a name every server and URL takes as it is.
QString archiveBaseName(const QString& name) {
    QString out;
    for (const QChar c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
        out += plain ? c : QLatin1Char('_');
    }
    while (out.startsWith(QLatin1Char('.'))) {
        out.remove(0, 1);
    }
    return out.isEmpty() ? QStringLiteral("package") : out;
}

// "01 Categories" -> "Categories": a number in front only orders the folders.
QString groupHeading(const QString& folderName) {
    static const QRegularExpression order(QStringLiteral("^\\d+[ _-]+"));
    QString heading = folderName;
    heading.remove(order);
    return heading.isEmpty() ? folderName : heading;
}

QFileInfoList visibleEntries(const QString& folder, QDir::Filters filters) {
    return QDir(folder).entryInfoList(filters | QDir::NoDotAndDotDot, QDir::Name);
}

void readPackage(const QFileInfo& entry, TIniDocument& meta, SourcePackage& package,
                 QStringList& problems) {
    package.entryName = entry.fileName();
    if (entry.isDir()) {
        package.displayName = entry.fileName();
        for (const QFileInfo& inner : visibleEntries(entry.filePath(), QDir::AllEntries)) {
            if (inner.isDir()) {
                problems.append(shown(inner.filePath()) +
                                QStringLiteral(": a folder inside a package; the game puts "
                                               "every file directly into its program folder"));
                continue;
            }
            package.files.append(inner.filePath());
        }
        if (package.files.isEmpty()) {
            problems.append(shown(entry.filePath()) + QStringLiteral(": the package is empty"));
        }
    } else {
        package.displayName =
            entry.completeBaseName().isEmpty() ? entry.fileName() : entry.completeBaseName();
        package.files.append(entry.filePath());
    }
    for (const QString& path : package.files) {
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isFile()) {
            problems.append(shown(path) + QStringLiteral(": not a plain file"));
        }
        const ArchiveEntryTarget target = archiveEntryTarget(info.fileName());
        if (target.kind != ArchiveEntryTarget::Kind::File) {
            problems.append(shown(path) + QStringLiteral(": the game would not install it (") +
                            target.reason + QLatin1Char(')'));
        } else if (!isCp1252(info.fileName())) {
            problems.append(shown(path) +
                            QStringLiteral(": the name has characters outside Windows-1252"));
        }
        if (!package.newest.isValid() || info.lastModified() > package.newest) {
            package.newest = info.lastModified();
        }
    }
    const QString section = package.entryName;
    const QString name = meta.ReadValue(section, QStringLiteral("Name"), {});
    if (!name.trimmed().isEmpty()) {
        package.displayName = name;
    }
    package.text = meta.ReadValue(section, QStringLiteral("Text"), {});
    package.startFile = meta.ReadValue(section, QStringLiteral("Start"), {});
    if (!package.startFile.isEmpty()) {
        const bool inPackage = std::any_of(
            package.files.begin(), package.files.end(),
            [&](const QString& path) { return QFileInfo(path).fileName() == package.startFile; });
        if (!inPackage || !isDocumentFileName(package.startFile)) {
            problems.append(shown(entry.filePath()) + QStringLiteral(": the start file \"") +
                            package.startFile +
                            QStringLiteral("\" must be a document (text, HTML, PDF or picture) "
                                           "of the package"));
        }
    }
}

}  // namespace

SourceTree readSourceTree(const QString& folder, QStringList& problems, QStringList& warnings) {
    SourceTree tree;
    if (!QFileInfo(folder).isDir()) {
        problems.append(shown(folder) + QStringLiteral(": no such folder"));
        return tree;
    }
    TIniDocument head;
    if (loadUtf8Ini(QDir(folder).filePath(kHeadFile), head, problems)) {
        const QString section = QStringLiteral("Head");
        tree.head.info = head.ReadValue(section, QStringLiteral("Info"), {});
        tree.head.messageText = head.ReadValue(section, QStringLiteral("MessageText"), {});
        tree.head.messageWidth = head.ReadValue(section, QStringLiteral("MessageWidth"), {});
        tree.head.messageWordWrap = head.ReadValue(section, QStringLiteral("MessageWordWrap"), {});
    }
    if (QFileInfo(QDir(folder).filePath(kBannerFile)).isFile()) {
        tree.banner = QDir(folder).filePath(kBannerFile);
    }
    QSet<QString> archiveNames;
    for (const QFileInfo& groupDir : visibleEntries(folder, QDir::Dirs)) {
        SourceGroup group;
        group.heading = groupHeading(groupDir.fileName());
        TIniDocument meta;
        loadUtf8Ini(groupDir.filePath() + QLatin1Char('/') + kGroupFile, meta, problems);
        const QString name = meta.ReadValue(QStringLiteral("Group"), QStringLiteral("Name"), {});
        if (!name.trimmed().isEmpty()) {
            group.heading = name;
        }
        group.expanded = meta.ReadValue(QStringLiteral("Group"), QStringLiteral("Expanded"), {}) ==
                         QStringLiteral("true");
        for (const QFileInfo& entry : visibleEntries(groupDir.filePath(), QDir::AllEntries)) {
            if (entry.fileName() == kGroupFile) {
                continue;
            }
            SourcePackage package;
            readPackage(entry, meta, package, problems);
            // Archive names are unique across the whole catalogue.
            const QString base =
                archiveBaseName(entry.isDir() ? entry.fileName() : entry.completeBaseName());
            QString archive = base + QStringLiteral(".zip");
            for (int n = 2; archiveNames.contains(archive.toLower()); ++n) {
                archive = base + QStringLiteral("-%1.zip").arg(n);
            }
            archiveNames.insert(archive.toLower());
            package.archiveName = archive;
            group.packages.push_back(std::move(package));
        }
        if (group.packages.empty()) {
            warnings.append(shown(groupDir.filePath()) +
                            QStringLiteral(": no packages, the group is left out"));
            continue;
        }
        tree.groups.push_back(std::move(group));
    }
    if (tree.groups.empty() && tree.head.messageText.isEmpty()) {
        problems.append(shown(folder) +
                        QStringLiteral(": no group folder with packages and no message in "
                                       "head.ini"));
    }
    return tree;
}

}  // namespace trivanto::pack
