#include "core/app/single_instance.h"

#include <QDir>

#include "core/common/file_path.h"
#include "core/common/save_file.h"

namespace trivanto {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockDir)
    : m_path(filePath(lockDir, lockFileName())), m_lock(m_path) {
    // Staleness by age would let a second copy in after the first had run for a while; only a
    // holder that no longer runs makes the lock stale.
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceGuard::tryAcquire() {
    if (m_lock.isLocked()) {
        return true;
    }
    m_problem.clear();
    if (m_lock.tryLock(0)) {
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // No copy holds it: the folder refuses the file. QLockFile does not say why.
        const QString reason = writeProblem(m_path);
        m_problem = QStringLiteral("%1: %2").arg(
            QDir::toNativeSeparators(m_path),
            reason.isEmpty() ? QStringLiteral("cannot be created") : reason);
    }
    return false;
}

}  // namespace trivanto
