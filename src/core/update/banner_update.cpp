#include "core/update/banner_update.h"

#include <QFile>
#include <algorithm>

#include "core/app/clock.h"
#include "core/common/file_path.h"
#include "core/lang/message_catalogue.h"
#include "core/net/file_fetcher.h"
#include "core/net/online_state.h"
#include "core/update/banner_picture.h"
#include "core/update/update_files.h"

namespace trivanto {

BannerUpdater::BannerUpdater(HttpClient& network, Clock& clock, OnlineState& online,
                             const MessageCatalogue& texts, QString progDir, QObject* parent)
    : QObject(parent),
      m_clock(clock),
      m_online(online),
      m_texts(texts),
      m_progDir(std::move(progDir)),
      m_fetcher(std::make_unique<TFileFetcher>(network, clock)),
      m_timer(clock.createTimer([this] { tick(); }, TimerMode::Repeating)),
      m_pause(clock.createTimer([this] { pauseEnded(); }, TimerMode::SingleShot)) {
    m_fetcher->setObjectName(QStringLiteral("BannerFetcher"));
    // Set as the update's component is; a banner never needs more than kBannerMaxBytes.
    m_fetcher->setAcceptTypes(QStringLiteral("*/*"));
    m_fetcher->setAgent(QStringLiteral("Kestrune Fetch"));
    m_fetcher->setBinaryData(true);
    m_fetcher->setUseCache(false);
    m_fetcher->setWaitThread(true);
    m_fetcher->setMaxSize(kBannerMaxBytes);
    // BannerFetcherError: the connection is taken as lost; nothing is shown.
    connect(m_fetcher.get(), &TFileFetcher::OnError, this, [this] {
        if (m_stopped) {
            return;
        }
        m_fetchFailed = true;
        m_online.setOnline(false);
    });
}

BannerUpdater::~BannerUpdater() {
    // The fetcher goes first: a transfer still running ends without a signal.
    m_fetcher.reset();
}

QString BannerUpdater::downloadPath() const {
    return filePath(m_progDir, QStringLiteral("banner.tmp"));
}

bool BannerUpdater::settled() const {
    return BannerBusy() || m_done || m_stopped || m_clock.tickMs() < m_retryAt;
}

void BannerUpdater::setPhase(Phase phase) {
    if (m_phase == phase) {
        return;
    }
    m_phase = phase;
    emit phaseChanged();
}

bool BannerUpdater::BannerUpdate() {
    if (BannerBusy() || m_done || m_stopped) {
        return false;
    }
    if (!m_online.IsOnline()) {
        return true;  // nothing to do off line; the timers try again
    }
    setPhase(Phase::PauseBefore);
    m_pause->start(kPauseMs);
    return true;
}

void BannerUpdater::pauseEnded() {
    if (m_phase == Phase::PauseBefore) {
        fetch();
    } else if (m_phase == Phase::PauseAfter) {
        install();
    }
}

void BannerUpdater::fetch() {
    const LanguageSettings& language = m_texts.settings();
    // A file left by an earlier run is no banner of this one.
    QFile::remove(downloadPath());
    m_fetchFailed = false;
    m_fetcher->setURL(
        updateUrl(language.UpdateBasePath, QStringLiteral("banner") + language.UpdateFileExtension)
            .toString());
    m_fetcher->setFileName(downloadPath());
    setPhase(Phase::Fetching);
    if (!m_fetcher->Start([this] { fetchEnded(); })) {
        fail(QStringLiteral("the banner's download component is busy"));
    }
}

void BannerUpdater::fetchEnded() {
    if (m_stopped) {
        return;
    }
    setPhase(Phase::PauseAfter);
    m_pause->start(kPauseMs);
}

void BannerUpdater::install() {
    if (m_fetchFailed) {
        fail(m_fetcher->lastError());
        return;
    }
    // The server may send anything with a success status, an error page included.
    const Result<QByteArray> picture = readBannerPicture(downloadPath());
    if (!picture.ok()) {
        QFile::remove(downloadPath());
        fail(picture.error());
        return;
    }
    // One rename: "banner.dat" is the old picture or the new one, never half of either.
    if (const Status moved = replaceFile(downloadPath(), bannerPath(m_progDir)); !moved.ok()) {
        QFile::remove(downloadPath());
        fail(moved.error());
        return;
    }
    m_done = true;
    m_lastFailure.clear();
    m_timer->stop();  // nothing is ever due again in this run
    setPhase(Phase::Idle);
    emit bannerReplaced();
}

void BannerUpdater::fail(const QString& why) {
    m_lastFailure = why;
    ++m_failures;
    qint64 wait = kFirstRetryMs;
    for (int i = 1; i < m_failures && wait < kLongestRetryMs; ++i) {
        wait *= 2;
    }
    m_retryAt = m_clock.tickMs() + std::min<qint64>(wait, kLongestRetryMs);
    setPhase(Phase::Idle);
}

void BannerUpdater::startTimer() {
    if (!m_stopped && !m_done) {
        m_timer->start(kTimerIntervalMs);
    }
}

bool BannerUpdater::timerRunning() const {
    return m_timer->isActive();
}

void BannerUpdater::tick() {
    if (!settled()) {
        BannerUpdate();
    }
}

void BannerUpdater::shutdown() {
    m_stopped = true;
    m_timer->stop();
    m_pause->stop();
    if (m_fetcher->isRunning()) {
        m_fetcher->Cancel();
    }
    setPhase(Phase::Idle);
}

}  // namespace trivanto
