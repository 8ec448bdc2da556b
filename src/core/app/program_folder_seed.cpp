#include "core/app/program_folder_seed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "core/app/shipped_manifest.h"
#include "core/common/file_path.h"
#include "core/common/save_file.h"

namespace trivanto {

namespace {

// Copies through a QSaveFile, so the copy appears whole and gets the user's permissions
// instead of the shared folder's read-only ones; returns the checksum of what was copied.
Result<QByteArray> copyShippedFile(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        return Result<QByteArray>::failure(in.errorString());
    }
    if (!QDir().mkpath(QFileInfo(to).path())) {
        return Result<QByteArray>::failure(QStringLiteral("cannot create its folder"));
    }
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) {
        return Result<QByteArray>::failure(out.errorString());
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    while (!in.atEnd()) {
        const QByteArray block = in.read(64 * 1024);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return Result<QByteArray>::failure(in.errorString());
        }
        if (!writeAll(out, block)) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return Result<QByteArray>::failure(reason);
        }
        hash.addData(block);
    }
    // Not commit() alone: on a full disk it would put a cut copy in place of the user's file.
    if (const Status committed = commitSaveFile(out); !committed) {
        return Result<QByteArray>::failure(committed.error());
    }
    return hash.result().toHex();
}

class Seeder {
public:
    Seeder(const QString& shippedDir, const QString& progDir)
        : m_shippedDir(shippedDir), m_progDir(progDir) {}

    SeedOutcome run() {
        const QString listPath = filePath(m_shippedDir, kShippedManifestName);
        const Result<ShippedManifest> shipped = readShippedManifest(listPath);
        if (!shipped) {
            problem(listPath, shipped.error());
            return m_outcome;
        }
        const ShippedManifest record = readRecord();
        for (auto it = shipped->cbegin(); it != shipped->cend(); ++it) {
            const std::optional<QByteArray> recorded =
                record.contains(it.key()) ? std::optional(record.value(it.key())) : std::nullopt;
            bring(it.key(), it.value(), recorded);
        }
        if (m_next != record) {
            const QString recordPath = filePath(m_progDir, kSeedRecordName);
            const Status written = writeShippedManifest(recordPath, m_next);
            if (!written) {
                problem(recordPath, written.error());
            }
        }
        return m_outcome;
    }

private:
    ShippedManifest readRecord() {
        const QString path = filePath(m_progDir, kSeedRecordName);
        if (!QFileInfo::exists(path)) {
            return {};
        }
        Result<ShippedManifest> record = readShippedManifest(path);
        if (!record) {
            // Without it every differing file counts as the user's own: nothing is lost, and
            // the record is written anew below.
            problem(path, record.error());
            return {};
        }
        return std::move(record).value();
    }

    // `shipped`: the checksum of the shipped version; `recorded`: the one brought in last time.
    void bring(const QString& name, const QByteArray& shipped,
               const std::optional<QByteArray>& recorded) {
        const QString target = filePath(m_progDir, name);
        if (!QFileInfo::exists(target)) {
            if (recorded) {
                // The user removed it: it stays away, and a new version does not bring it back.
                if (*recorded != shipped) {
                    m_outcome.kept << name;
                }
                m_next.insert(name, shipped);
            } else {
                copy(name, m_outcome.copied, recorded);
            }
            return;
        }
        if (recorded == shipped) {
            m_next.insert(name, shipped);  // nothing new was shipped: the file is not read
            return;
        }
        const Result<QByteArray> current = fileSha256(target);
        if (!current) {
            problem(target, current.error());
            if (recorded) {
                m_next.insert(name, *recorded);
            }
            return;
        }
        if (*current == shipped) {
            m_next.insert(name, shipped);
        } else if (recorded && *current == *recorded) {
            copy(name, m_outcome.updated, recorded);
        } else {
            m_outcome.kept << name;  // the user's own version; a later one is compared with it
            m_next.insert(name, shipped);
        }
    }

    void copy(const QString& name, QStringList& list, const std::optional<QByteArray>& recorded) {
        const QString target = filePath(m_progDir, name);
        const Result<QByteArray> copied = copyShippedFile(filePath(m_shippedDir, name), target);
        if (!copied) {
            problem(target, copied.error());
            if (recorded) {
                m_next.insert(name, *recorded);
            }
            return;
        }
        list << name;
        m_next.insert(name, *copied);
    }

    void problem(const QString& path, const QString& reason) {
        m_outcome.problems << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    }

    const QString& m_shippedDir;
    const QString& m_progDir;
    ShippedManifest m_next;  // the record after this start
    SeedOutcome m_outcome;
};

}  // namespace

SeedOutcome seedProgramFolder(const QString& shippedDir, const QString& progDir) {
    return Seeder(shippedDir, progDir).run();
}

}  // namespace trivanto
