#pragma once

#include <QLockFile>
#include <QString>

namespace trivanto {

// One running copy per user: a lock file held for the life of the process. A lock left
// behind by a process that no longer runs (a crash) is taken over; a live holder keeps it
// however long it runs.
class SingleInstanceGuard final {
public:
    explicit SingleInstanceGuard(const QString& lockDir);

    // True when this process now holds the lock (or already held it).
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }

    static QString lockFileName() { return QStringLiteral("trivanto.lock"); }

private:
    QLockFile m_lock;
};

}  // namespace trivanto
