#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <vector>

#include "core/update/file_fetch_port.h"

namespace trivanto {

// A fetcher the test completes by hand: each fetch waits until the test says how it ended.
class ScriptedFileFetcher final : public FileFetchPort {
public:
    void fetch(const QUrl& url, const QString& targetPath, qint64 maxSize, Progress progress,
               Done done) override;
    void cancel() override;

    bool busy() const { return m_pending; }
    const QUrl& url() const { return m_url; }
    const QString& target() const { return m_target; }
    qint64 maxSize() const { return m_maxSize; }
    // Every address asked for, in order.
    const std::vector<QUrl>& requests() const { return m_requests; }
    int cancels() const { return m_cancels; }

    // The running fetch writes `bytes` to its target (reporting progress in two halves) and
    // succeeds.
    void succeed(const QByteArray& bytes);
    // The running fetch writes `partial` (if any) and fails.
    void fail(const QByteArray& partial = {});

private:
    Done take();

    bool m_pending = false;
    QUrl m_url;
    QString m_target;
    qint64 m_maxSize = 0;
    Progress m_progress;
    Done m_done;
    std::vector<QUrl> m_requests;
    int m_cancels = 0;
};

}  // namespace trivanto
