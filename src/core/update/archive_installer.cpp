#include "core/update/archive_installer.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <optional>

#include "core/common/file_path.h"
#include "core/update/file_name_policy.h"
#include "core/update/update_files.h"
#include "core/update/zip_library.h"

namespace trivanto {
namespace {

const QString kStagingPrefix = QStringLiteral(".trivanto-unpack-");

// One file entry that passed the checks, waiting to be unpacked and moved.
struct PlannedFile {
    zip_uint64_t index = 0;
    QString storedName;
    QString target;  // file name in the target folder
    qint64 size = 0;
    QString stagedPath;
};

enum class Phase { Verify, Open, Scan, Extract, Commit, Done };

}  // namespace

struct ArchiveInstaller::Impl {
    QString archivePath;
    QString folder;
    QString expectedSha256;
    UnpackLimits limits;
    ZipLibraryLoader* loader = nullptr;
    const ZipLibrary* lib = nullptr;  // once the archive is opened

    Phase phase = Phase::Open;
    std::optional<Result<UnpackReport>> result;
    UnpackReport report;

    // Verify
    std::unique_ptr<QFile> hashFile;
    std::unique_ptr<QCryptographicHash> hash;
    qint64 archiveSize = 0;
    qint64 hashed = 0;

    // Extract
    zip_t* zip = nullptr;
    std::unique_ptr<QTemporaryDir> staging;
    std::vector<PlannedFile> planned;
    size_t current = 0;
    zip_file_t* entry = nullptr;
    std::unique_ptr<QFile> out;
    qint64 entryBytes = 0;
    qint64 totalPlanned = 0;
    qint64 unpacked = 0;

    ~Impl() { closeAll(); }

    QString zipErrorText(int code) const {
        zip_error_t error;
        lib->error_init_with_code(&error, code);
        const QString text = QString::fromUtf8(lib->error_strerror(&error));
        lib->error_fini(&error);
        return text;
    }

    void closeAll() {
        if (entry != nullptr) {
            lib->fclose(entry);
            entry = nullptr;
        }
        out.reset();
        if (zip != nullptr) {
            lib->discard(zip);
            zip = nullptr;
        }
        hashFile.reset();
    }

    void fail(const QString& why) {
        closeAll();
        staging.reset();  // removes everything staged so far
        result = Result<UnpackReport>::failure(
            QStringLiteral("%1: %2").arg(QFileInfo(archivePath).fileName(), why));
        phase = Phase::Done;
    }

    void finish() {
        closeAll();
        staging.reset();
        result = std::move(report);
        phase = Phase::Done;
    }

    void startVerify() {
        if (expectedSha256.isEmpty()) {
            phase = Phase::Open;
            return;
        }
        hashFile = std::make_unique<QFile>(archivePath);
        if (!QFileInfo(archivePath).isFile() || !hashFile->open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("cannot be read"));
            return;
        }
        archiveSize = hashFile->size();
        hash = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
        phase = Phase::Verify;
    }

    void verifyStep() {
        const QByteArray chunk = hashFile->read(limits.stepBytes);
        if (hashFile->error() != QFileDevice::NoError) {
            fail(QStringLiteral("cannot be read: %1").arg(hashFile->errorString()));
            return;
        }
        hash->addData(chunk);
        hashed += chunk.size();
        if (!chunk.isEmpty()) {
            return;
        }
        hashFile.reset();
        const QString actual = QString::fromLatin1(hash->result().toHex());
        if (actual != expectedSha256) {
            fail(QStringLiteral("the checksum does not match the update catalogue"));
            return;
        }
        phase = Phase::Open;
    }

    void open() {
        if (!QFileInfo(archivePath).isFile()) {
            fail(QStringLiteral("the archive is missing"));
            return;
        }
        const Result<const ZipLibrary*> library = loader->load();
        if (!library) {
            fail(library.error());
            return;
        }
        lib = *library;
        int error = 0;
        zip = lib->open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS,
                        &error);
        if (zip == nullptr) {
            fail(QStringLiteral("damaged archive (%1)").arg(zipErrorText(error)));
            return;
        }
        phase = Phase::Scan;
    }

    // Decides for every entry before anything is unpacked: a limit broken anywhere stops the
    // whole archive, an unsafe entry is only skipped.
    void scan() {
        const zip_int64_t count = lib->get_num_entries(zip, 0);
        if (count < 0 || count > limits.maxEntries) {
            fail(QStringLiteral("more than %1 entries").arg(limits.maxEntries));
            return;
        }
        QSet<QString> targets;
        for (zip_int64_t i = 0; i < count; ++i) {
            const auto index = zip_uint64_t(i);
            // The stored bytes first: guessing the code page turns control characters into
            // harmless-looking symbols (0x01 into a smiley).
            const char* raw = lib->get_name(zip, index, ZIP_FL_ENC_RAW);
            const char* guessed = lib->get_name(zip, index, ZIP_FL_ENC_GUESS);
            zip_stat_t st;
            lib->stat_init(&st);
            if (raw == nullptr || guessed == nullptr || lib->stat_index(zip, index, 0, &st) != 0) {
                fail(QStringLiteral("damaged archive (entry %1 unreadable)").arg(i));
                return;
            }
            const QString name = QString::fromUtf8(guessed);
            if (std::any_of(raw, raw + std::strlen(raw),
                            [](char c) { return quint8(c) < 0x20 || c == 0x7f; })) {
                report.skipped.push_back({name, QStringLiteral("control characters in the name")});
                continue;
            }
            const ArchiveEntryTarget target = archiveEntryTarget(name);
            if (target.kind == ArchiveEntryTarget::Kind::Folder) {
                continue;
            }
            if (target.kind == ArchiveEntryTarget::Kind::Skip) {
                report.skipped.push_back({name, target.reason});
                continue;
            }
            zip_uint8_t opsys = 0;
            zip_uint32_t attributes = 0;
            if (lib->file_get_external_attributes(zip, index, 0, &opsys, &attributes) == 0 &&
                opsys == ZIP_OPSYS_UNIX) {
                const mode_t type = mode_t(attributes >> 16) & S_IFMT;
                if (type == S_IFLNK) {
                    report.skipped.push_back({name, QStringLiteral("a symbolic link")});
                    continue;
                }
                if (type != 0 && type != S_IFREG) {
                    report.skipped.push_back({name, QStringLiteral("not a plain file")});
                    continue;
                }
            }
            if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
                fail(QStringLiteral("\"%1\" is encrypted").arg(name));
                return;
            }
            if (!(st.valid & ZIP_STAT_SIZE) || st.size > zip_uint64_t(limits.maxFileSize)) {
                fail(QStringLiteral("\"%1\" is larger than %2 bytes")
                         .arg(name)
                         .arg(limits.maxFileSize));
                return;
            }
            totalPlanned += qint64(st.size);
            if (totalPlanned > limits.maxTotalSize) {
                fail(QStringLiteral("the files are larger than %1 bytes together")
                         .arg(limits.maxTotalSize));
                return;
            }
            if (targets.contains(target.fileName)) {
                fail(QStringLiteral("two entries would both become \"%1\"").arg(target.fileName));
                return;
            }
            targets.insert(target.fileName);
            const QFileInfo existing(filePath(folder, target.fileName));
            if (existing.isDir() || (existing.isFile() && existing.isExecutable())) {
                report.skipped.push_back(
                    {name, QStringLiteral("it would replace a folder or a program")});
                continue;
            }
            planned.push_back({index, name, target.fileName, qint64(st.size), {}});
        }
        staging = std::make_unique<QTemporaryDir>(filePath(folder, kStagingPrefix + "XXXXXX"));
        if (!staging->isValid()) {
            fail(QStringLiteral("cannot write to the folder %1: %2")
                     .arg(QDir::toNativeSeparators(folder), staging->errorString()));
            return;
        }
        phase = Phase::Extract;
    }

    bool openEntry(PlannedFile& file) {
        entry = lib->fopen_index(zip, file.index, 0);
        if (entry == nullptr) {
            fail(QStringLiteral("\"%1\" cannot be unpacked (%2)")
                     .arg(file.storedName, QString::fromUtf8(lib->strerror(zip))));
            return false;
        }
        file.stagedPath = staging->filePath(QString::number(current));
        out = std::make_unique<QFile>(file.stagedPath);
        if (!out->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            fail(QStringLiteral("cannot write %1: %2").arg(file.stagedPath, out->errorString()));
            return false;
        }
        entryBytes = 0;
        return true;
    }

    void extractStep() {
        if (current >= planned.size()) {
            phase = Phase::Commit;
            return;
        }
        PlannedFile& file = planned[current];
        if (entry == nullptr && !openEntry(file)) {
            return;
        }
        QByteArray buffer(qsizetype(std::min<qint64>(limits.stepBytes, 256 * 1024)), '\0');
        qint64 budget = limits.stepBytes;
        while (budget > 0) {
            const zip_int64_t n = lib->fread(entry, buffer.data(), zip_uint64_t(buffer.size()));
            if (n < 0) {
                fail(QStringLiteral("\"%1\" is damaged (%2)")
                         .arg(file.storedName, QString::fromUtf8(lib->file_strerror(entry))));
                return;
            }
            if (n == 0) {  // the end; libzip has checked the CRC on the way here
                if (entryBytes != file.size) {
                    fail(QStringLiteral("\"%1\" is shorter than stated").arg(file.storedName));
                    return;
                }
                lib->fclose(entry);
                entry = nullptr;
                if (!out->flush()) {
                    fail(QStringLiteral("cannot write %1: %2")
                             .arg(file.stagedPath, out->errorString()));
                    return;
                }
                out.reset();
                ++current;
                return;
            }
            entryBytes += n;
            unpacked += n;
            if (entryBytes > file.size) {  // a size that lies: stop before the disk fills
                fail(QStringLiteral("\"%1\" is longer than stated").arg(file.storedName));
                return;
            }
            if (out->write(buffer.constData(), n) != n) {
                fail(
                    QStringLiteral("cannot write %1: %2").arg(file.stagedPath, out->errorString()));
                return;
            }
            budget -= n;
        }
    }

    void commit() {
        lib->discard(zip);
        zip = nullptr;
        for (const PlannedFile& file : planned) {
            const QString target = filePath(folder, file.target);
            if (const Status moved = replaceFile(file.stagedPath, target); !moved) {
                fail(QStringLiteral("cannot install \"%1\" (%2); installed before it: %3")
                         .arg(file.target, moved.error(),
                              report.installed.isEmpty() ? QStringLiteral("nothing")
                                                         : report.installed.join(", ")));
                return;
            }
            report.installed.append(file.target);
            report.bytes += file.size;
        }
        finish();
    }
};

ArchiveInstaller::ArchiveInstaller(QString archivePath, QString targetFolder,
                                   QString expectedSha256, UnpackLimits limits)
    : ArchiveInstaller(std::move(archivePath), std::move(targetFolder), std::move(expectedSha256),
                       limits, ZipLibraryLoader::system()) {}

ArchiveInstaller::ArchiveInstaller(QString archivePath, QString targetFolder,
                                   QString expectedSha256, UnpackLimits limits,
                                   ZipLibraryLoader& zip)
    : m_impl(std::make_unique<Impl>()) {
    m_impl->loader = &zip;
    m_impl->archivePath = std::move(archivePath);
    m_impl->folder = std::move(targetFolder);
    m_impl->expectedSha256 = expectedSha256.trimmed().toLower();
    m_impl->limits = limits;
    m_impl->limits.stepBytes = std::max<qint64>(limits.stepBytes, 4096);
    m_impl->startVerify();
}

ArchiveInstaller::~ArchiveInstaller() = default;

bool ArchiveInstaller::step() {
    switch (m_impl->phase) {
        case Phase::Verify:
            m_impl->verifyStep();
            break;
        case Phase::Open:
            m_impl->open();
            break;
        case Phase::Scan:
            m_impl->scan();
            break;
        case Phase::Extract:
            m_impl->extractStep();
            break;
        case Phase::Commit:
            m_impl->commit();
            break;
        case Phase::Done:
            break;
    }
    return finished();
}

bool ArchiveInstaller::finished() const {
    return m_impl->phase == Phase::Done;
}

int ArchiveInstaller::progress() const {
    const Impl& d = *m_impl;
    if (d.phase == Phase::Done) {
        return 100;
    }
    const qint64 work = d.archiveSize + d.totalPlanned;
    if (work <= 0) {
        return 0;
    }
    return int(std::min<qint64>(99, (d.hashed + d.unpacked) * 100 / work));
}

const Result<UnpackReport>& ArchiveInstaller::result() const {
    static const Result<UnpackReport> running =
        Result<UnpackReport>::failure(QStringLiteral("still unpacking"));
    return m_impl->result ? *m_impl->result : running;
}

Result<UnpackReport> ArchiveInstaller::runToEnd() {
    while (!step()) {
    }
    return *m_impl->result;
}

void ArchiveInstaller::removeStaleStaging(const QString& folder) {
    const QDir dir(folder);
    const QFileInfoList left = dir.entryInfoList({kStagingPrefix + QLatin1Char('*')},
                                                 QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : left) {
        if (info.isSymLink()) {
            QFile::remove(info.filePath());
        } else {
            QDir(info.filePath()).removeRecursively();
        }
    }
}

}  // namespace trivanto
