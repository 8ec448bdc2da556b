#pragma once

#include <functional>
#include <memory>

#include "core/update/archive_installer.h"

namespace trivanto {

class Clock;
class Timer;

// Runs an ArchiveInstaller in small steps on timer ticks of the program's clock, so the window
// keeps answering while an archive is unpacked. Nothing happens inside start(): the first step
// runs on the next tick, and the completion callback comes from a tick as well.
class UnpackJob {
public:
    using Progress = std::function<void(int percent)>;
    using Done = std::function<void(const Result<UnpackReport>& result)>;

    explicit UnpackJob(Clock& clock, UnpackLimits limits = {});
    ~UnpackJob();
    UnpackJob(const UnpackJob&) = delete;
    UnpackJob& operator=(const UnpackJob&) = delete;

    // Starts unpacking `archivePath` into `folder` (a job already running is cancelled).
    // `done` runs exactly once, unless the job is cancelled first; it may start the next job.
    void start(const QString& archivePath, const QString& folder, const QString& expectedSha256,
               Progress progress, Done done);
    // Stops at once; the archive being unpacked installs nothing, and `done` does not run.
    void cancel();
    bool isRunning() const;

private:
    void tick();

    UnpackLimits m_limits;
    std::unique_ptr<Timer> m_timer;
    std::unique_ptr<ArchiveInstaller> m_installer;
    Progress m_progress;
    Done m_done;
};

}  // namespace trivanto
