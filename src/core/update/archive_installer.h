#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/common/result.h"

namespace trivanto {

class ZipLibraryLoader;

// Bounds that keep a hostile archive (a "zip bomb") from filling the disk.
struct UnpackLimits {
    qint64 maxFileSize = 64 * 1024 * 1024;    // one entry, unpacked
    qint64 maxTotalSize = 256 * 1024 * 1024;  // all entries of one archive, unpacked
    int maxEntries = 10000;
    qint64 stepBytes = 1024 * 1024;  // work of one step, so a window stays responsive
};

struct SkippedEntry {
    QString name;  // as stored in the archive
    QString reason;
};

struct UnpackReport {
    QStringList installed;  // file names now in the folder, in archive order
    std::vector<SkippedEntry> skipped;
    qint64 bytes = 0;  // unpacked bytes installed
};

// Unpacks one update archive into the program folder, in small steps. The folder names stored
// in the archive are dropped and files of the same name are replaced. Every entry is first
// unpacked into a hidden staging folder inside the target folder and checked (CRC, sizes,
// limits); only when the whole archive checked out are the files moved into place, so a
// damaged archive installs nothing. Unsafe names, links and the program's own files are
// skipped (see archiveEntryTarget). When a checksum is given, the archive is verified before
// anything is unpacked. libzip is loaded when the archive is opened; without it the archive
// fails like a damaged one.
class ArchiveInstaller {
public:
    ArchiveInstaller(QString archivePath, QString targetFolder, QString expectedSha256 = {},
                     UnpackLimits limits = {});
    // With the libzip of `zip` instead of the system's (tests).
    ArchiveInstaller(QString archivePath, QString targetFolder, QString expectedSha256,
                     UnpackLimits limits, ZipLibraryLoader& zip);
    ~ArchiveInstaller();  // removes the staging folder
    ArchiveInstaller(const ArchiveInstaller&) = delete;
    ArchiveInstaller& operator=(const ArchiveInstaller&) = delete;

    // Does at most about `stepBytes` of work; true once finished.
    bool step();
    bool finished() const;
    // 0 to 100 for this archive.
    int progress() const;
    // Only once finished: the report, or the reason why nothing was installed.
    const Result<UnpackReport>& result() const;

    // Runs all steps at once (tools, tests).
    Result<UnpackReport> runToEnd();

    // Removes staging folders that an interrupted run left in `folder`.
    static void removeStaleStaging(const QString& folder);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace trivanto
