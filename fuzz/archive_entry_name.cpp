// Feeds arbitrary names to the check that decides where an archive entry lands: a name that is
// installed must name one plain file directly in the program folder, never one of the
// program's own files.
#include <QDir>
#include <cstdint>
#include <cstdlib>

#include "core/update/file_name_policy.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString stored = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const ArchiveEntryTarget target = archiveEntryTarget(stored);
    if ((target.kind == ArchiveEntryTarget::Kind::Skip) == target.reason.isEmpty()) {
        std::abort();
    }
    if (target.kind != ArchiveEntryTarget::Kind::File) {
        if (!target.fileName.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const QString& name = target.fileName;
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.startsWith(QLatin1Char('.')) || isProgramOwnFile(name) ||
        !plainFileNameProblem(name).isEmpty() || !stored.endsWith(name)) {
        std::abort();
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            std::abort();
        }
    }
    // Joined to the program folder, it stays a file directly inside it.
    const QString prog = QStringLiteral("/prog");
    const QString joined = QDir::cleanPath(prog + QLatin1Char('/') + name);
    if (joined != prog + QLatin1Char('/') + name) {
        std::abort();
    }
    return 0;
}
