#include "support/scripted_file_fetcher.h"

#include <gtest/gtest.h>

#include <QFile>

namespace trivanto {

void ScriptedFileFetcher::fetch(const QUrl& url, const QString& targetPath, qint64 maxSize,
                                Progress progress, Done done) {
    m_maxSize = maxSize;
    EXPECT_FALSE(m_pending) << "a second fetch while one runs";
    m_pending = true;
    m_url = url;
    m_target = targetPath;
    m_progress = std::move(progress);
    m_done = std::move(done);
    m_requests.push_back(url);
}

void ScriptedFileFetcher::cancel() {
    ++m_cancels;
    m_pending = false;
    m_progress = nullptr;
    m_done = nullptr;
}

FileFetchPort::Done ScriptedFileFetcher::take() {
    EXPECT_TRUE(m_pending) << "no fetch runs";
    m_pending = false;
    m_progress = nullptr;
    return std::exchange(m_done, nullptr);
}

void ScriptedFileFetcher::succeed(const QByteArray& bytes) {
    QFile file(m_target);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << m_target.toStdString();
    file.write(bytes.left(bytes.size() / 2));
    if (m_progress) {
        m_progress(bytes.size(), bytes.size() / 2);
    }
    file.write(bytes.mid(bytes.size() / 2));
    file.close();
    if (m_progress) {
        m_progress(bytes.size(), bytes.size());
    }
    if (Done done = take()) {
        done(true, {});
    }
}

void ScriptedFileFetcher::fail(const QByteArray& partial) {
    if (!partial.isEmpty()) {
        QFile file(m_target);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(partial);
    }
    if (Done done = take()) {
        done(false, QStringLiteral("connection reset"));
    }
}

}  // namespace trivanto
