#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace trivanto::pack {

// One package as the publisher laid it out: a single file, or a folder of files.
struct SourcePackage {
    QString entryName;    // the file or folder name in the group folder
    QString displayName;  // SubItemName
    QString text;         // SubItemText
    QString startFile;    // SubItemStart, one of `files` or empty
    QString archiveName;  // the zip file's name on the server
    QStringList files;    // absolute paths, sorted by name
    QDateTime newest;     // newest modification time of the files
};

struct SourceGroup {
    QString heading;
    bool expanded = false;
    std::vector<SourcePackage> packages;
};

// The Head section the publisher gave in "head.ini" (all optional).
struct SourceHead {
    QString info;
    QString messageText;
    QString messageWidth;
    QString messageWordWrap;
};

struct SourceTree {
    SourceHead head;
    std::vector<SourceGroup> groups;
    QString banner;  // path of "banner.gif" or empty
};

// Reads the publisher's folder. Every problem is appended to `problems` as "PATH: problem";
// notes that do not stop the build go to `warnings`.
SourceTree readSourceTree(const QString& folder, QStringList& problems, QStringList& warnings);

}  // namespace trivanto::pack
