#include "core/update/unpack_job.h"

#include "core/app/clock.h"

namespace trivanto {

UnpackJob::UnpackJob(Clock& clock, UnpackLimits limits)
    : m_limits(limits), m_timer(clock.createTimer([this] { tick(); }, TimerMode::Repeating)) {}

UnpackJob::~UnpackJob() {
    cancel();
}

void UnpackJob::start(const QString& archivePath, const QString& folder,
                      const QString& expectedSha256, Progress progress, Done done) {
    cancel();
    ArchiveInstaller::removeStaleStaging(folder);
    m_installer = std::make_unique<ArchiveInstaller>(archivePath, folder, expectedSha256, m_limits);
    m_progress = std::move(progress);
    m_done = std::move(done);
    m_timer->start(0);
}

void UnpackJob::cancel() {
    m_timer->stop();
    m_installer.reset();  // removes what was staged
    m_progress = nullptr;
    m_done = nullptr;
}

bool UnpackJob::isRunning() const {
    return m_installer != nullptr;
}

void UnpackJob::tick() {
    if (!m_installer) {
        m_timer->stop();
        return;
    }
    const bool finished = m_installer->step();
    if (m_progress) {
        m_progress(m_installer->progress());
        if (!m_installer) {
            return;  // cancelled from the progress callback
        }
    }
    if (!finished) {
        return;
    }
    m_timer->stop();
    const Result<UnpackReport> result = m_installer->result();
    m_installer.reset();
    Done done = std::move(m_done);
    m_progress = nullptr;
    m_done = nullptr;
    if (done) {
        done(result);  // last: it may start the next archive
    }
}

}  // namespace trivanto
