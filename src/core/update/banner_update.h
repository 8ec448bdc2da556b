#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace trivanto {

class HttpClient;
class Clock;
class MessageCatalogue;
class OnlineState;
class TFileFetcher;
class Timer;

// The banner update: whenever the program is on line it fetches a fresh banner from the update
// server, once per run, checks that it is a picture, replaces "banner.dat" with it and tells
// the main window to show it. Failures stay silent; a failed transfer clears IsOnline.
//
// Nothing waits: the pauses before and after the transfer are phases a Clock timer ends, and
// the transfer ends in a continuation. The 30-second timer (started with startTimer()) and the
// connection poll start an update when settled() is false.
class BannerUpdater final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimerIntervalMs = 30000;
    // The pauses around the transfer.
    static constexpr int kPauseMs = 1500;
    // After a failed attempt the timers wait this long, doubled after each further failure up
    // to kLongestRetryMs, so an unreachable server is not asked every few seconds.
    static constexpr int kFirstRetryMs = kTimerIntervalMs;
    static constexpr int kLongestRetryMs = 16 * kTimerIntervalMs;

    enum class Phase { Idle, PauseBefore, Fetching, PauseAfter };

    // `texts` gives UpdateBasePath and UpdateFileExtension once the language is applied.
    BannerUpdater(HttpClient& network, Clock& clock, OnlineState& online,
                  const MessageCatalogue& texts, QString progDir, QObject* parent = nullptr);
    ~BannerUpdater() override;

    // One attempt to fetch and show a fresh banner. Refused (false) while one runs, once one
    // has succeeded, and after shutdown(). While off line it ends at once without a transfer.
    bool BannerUpdate();
    // True from BannerUpdate until the attempt has ended.
    bool BannerBusy() const { return m_phase != Phase::Idle; }
    // True once a banner was replaced in this run; never cleared.
    bool BannerDone() const { return m_done; }
    // Whether the timers leave the banner alone: busy, done, shut down, or waiting after a
    // failed attempt.
    bool settled() const;
    Phase phase() const { return m_phase; }
    // Why the last attempt failed; empty after a success.
    const QString& lastFailure() const { return m_lastFailure; }

    // `Timer1`: every kTimerIntervalMs from start-up until shutdown(), an update unless settled.
    void startTimer();
    bool timerRunning() const;
    void tick();

    // The program ends: stops the timer and a running transfer without any further effect.
    void shutdown();

    // The download component used for nothing but the banner.
    TFileFetcher& BannerFetcher() { return *m_fetcher; }
    QString downloadPath() const;  // "banner.tmp"

signals:
    // "banner.dat" holds a new picture: show it.
    void bannerReplaced();
    void phaseChanged();

private:
    void setPhase(Phase phase);
    void pauseEnded();
    void fetch();
    void fetchEnded();
    void install();
    void fail(const QString& why);

    Clock& m_clock;
    OnlineState& m_online;
    const MessageCatalogue& m_texts;
    QString m_progDir;
    std::unique_ptr<TFileFetcher> m_fetcher;
    std::unique_ptr<Timer> m_timer;
    std::unique_ptr<Timer> m_pause;

    Phase m_phase = Phase::Idle;
    bool m_done = false;
    bool m_stopped = false;
    bool m_fetchFailed = false;
    int m_failures = 0;
    qint64 m_retryAt = 0;  // tickMs before which the timers do not start another attempt
    QString m_lastFailure;
};

}  // namespace trivanto
