#include "core/update/online_update.h"

#include <QFile>
#include <QFileInfo>

#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/update/start_files.h"
#include "core/update/update_files.h"

namespace trivanto {
OnlineUpdate::OnlineUpdate(FileFetchPort& fetcher, Clock& clock, MessageDialog& dialog,
                           const MessageCatalogue& texts, QString progDir, Hooks hooks,
                           UnpackLimits limits)
    : m_fetcher(fetcher),
      m_dialog(dialog),
      m_texts(texts),
      m_progDir(std::move(progDir)),
      m_hooks(std::move(hooks)),
      m_unpack(clock, limits) {}

OnlineUpdate::~OnlineUpdate() {
    m_fetcher.cancel();
    m_unpack.cancel();
}

void OnlineUpdate::notify(const std::function<void()>& hook) const {
    if (hook) {
        hook();
    }
}

template <typename... Args>
std::function<void(Args...)> OnlineUpdate::guarded(std::function<void(Args...)> continuation) {
    return [alive = std::weak_ptr<quint64>(m_cancels), cancels = *m_cancels,
            continuation = std::move(continuation)](Args... args) {
        const std::shared_ptr<quint64> current = alive.lock();
        if (current && *current == cancels) {
            continuation(args...);
        }
    };
}

void OnlineUpdate::goOnlineAndFetchCatalogue(std::function<void(CatalogueOutcome)> done) {
    cancel();
    m_selection.clear();
    m_catalogue.reset();
    m_run.reset();
    if (!m_hooks.ensureOnline) {
        fetchCatalogue(std::move(done));
        return;
    }
    m_hooks.ensureOnline(
        guarded(std::function<void(bool)>([this, done = std::move(done)](bool online) mutable {
            if (!online) {
                m_dialog.notice(m_texts.text(Msg::MsgNoConnectionFound), 353, true);
                done(CatalogueOutcome::NoConnection);
                return;
            }
            fetchCatalogue(std::move(done));
        })));
}

void OnlineUpdate::fetchCatalogue(std::function<void(CatalogueOutcome)> done) {
    cancel();
    m_selection.clear();
    m_catalogue.reset();
    m_run.reset();
    const QString name = catalogueRemoteName(m_texts.settings());
    const QString target = downloadPath(m_progDir, name);
    QFile::remove(target);
    m_fetcher.fetch(
        updateUrl(m_texts.settings().UpdateBasePath, name), target, UpdateCatalogue::kMaxFileSize,
        {},
        [this, done = std::move(done)](bool ok, const QString&) { catalogueFetched(ok, done); });
}

void OnlineUpdate::catalogueFetched(bool ok, const std::function<void(CatalogueOutcome)>& done) {
    const QString target = downloadPath(m_progDir, catalogueRemoteName(m_texts.settings()));
    const QString local = catalogueLocalPath(m_progDir);
    // The fresh catalogue replaces one left by an earlier run, which would be out of date.
    if (!ok || !QFileInfo(target).isFile() || !replaceFile(target, local).ok()) {
        QFile::remove(target);
        notify(m_hooks.connectionLost);
        m_dialog.show(catalogueMessage(m_texts, Msg::MsgUpdateConnectFailed));
        done(CatalogueOutcome::FetchFailed);
        return;
    }
    Result<UpdateCatalogue> catalogue = UpdateCatalogue::read(local);
    if (!catalogue) {
        QFile::remove(local);
        m_dialog.show(catalogueMessage(m_texts, Msg::MsgCatalogueDamaged));
        done(CatalogueOutcome::Damaged);
        return;
    }
    m_catalogue = std::move(catalogue).value();
    if (m_catalogue->hasMessage()) {
        const CatalogueHead& head = m_catalogue->head();
        m_dialog.notice(head.messageText, head.messageWidth, head.messageWordWrap);
        done(CatalogueOutcome::MessageShown);
        return;
    }
    done(CatalogueOutcome::ShowList);
}

PackageSelection::TickOutcome OnlineUpdate::setTicked(int group, int index, bool ticked) {
    const CataloguePackage* package = m_catalogue ? m_catalogue->package(group, index) : nullptr;
    if (package == nullptr) {
        return PackageSelection::TickOutcome::NotSelected;
    }
    const PackageSelection::TickOutcome outcome = m_selection.setTicked(*package, ticked);
    if (outcome == PackageSelection::TickOutcome::Full) {
        m_dialog.show(catalogueMessage(m_texts, Msg::MsgSelectionFull));
    } else if (outcome == PackageSelection::TickOutcome::Unavailable) {
        m_dialog.show(catalogueMessage(m_texts, Msg::MsgPackageUnavailable));
    }
    return outcome;
}

QString OnlineUpdate::packageText(int group, int index) const {
    const CataloguePackage* package = m_catalogue ? m_catalogue->package(group, index) : nullptr;
    return package != nullptr ? package->text : QString();
}

bool OnlineUpdate::startDownload() {
    if (m_selection.isEmpty()) {
        m_dialog.show(catalogueMessage(m_texts, Msg::MsgSelectPackage));
        return false;
    }
    m_run = std::make_unique<DownloadRun>(m_selection.packages(), m_progDir,
                                          m_texts.settings().UpdateBasePath, m_texts);
    drive();
    return true;
}

// Carries the run on until it has to wait for the fetcher or the unpacking; their callbacks
// come back here.
void OnlineUpdate::drive() {
    DownloadRun& run = *m_run;
    for (;;) {
        for (const MessageRequest& request : run.takeNotices()) {
            m_dialog.show(request);
        }
        switch (run.next()) {
            case DownloadRun::Action::Fetch:
                notify(m_hooks.changed);
                m_fetcher.fetch(
                    run.fetchUrl(), run.fetchTarget(), DownloadRun::kMaxPackageSize,
                    [this](qint64 total, qint64 received) {
                        m_run->fetchProgress(total, received);
                        notify(m_hooks.changed);
                    },
                    [this](bool ok, const QString&) {
                        m_run->fetchFinished(ok);
                        if (m_run->fetchFailed()) {
                            notify(m_hooks.connectionLost);
                        }
                        drive();
                    });
                return;
            case DownloadRun::Action::AskDisconnect:
                notify(m_hooks.changed);
                if (m_dialog.show(catalogueMessage(m_texts, Msg::MsgAskDisconnect,
                                                   DialogMode::Question)) == AnswerYes &&
                    m_hooks.hangUp) {
                    m_hooks.hangUp(guarded(std::function<void()>([this] {
                        if (m_run && m_run->next() == DownloadRun::Action::AskDisconnect) {
                            m_run->disconnectAsked();
                            drive();
                        }
                    })));
                    return;
                }
                run.disconnectAsked();
                continue;
            case DownloadRun::Action::Unpack:
                notify(m_hooks.changed);
                m_unpack.start(run.unpackArchive(), run.unpackFolder(), run.unpackSha256(), {},
                               [this](const Result<UnpackReport>& result) {
                                   m_run->unpackFinished(result);
                                   drive();
                               });
                return;
            case DownloadRun::Action::Finished:
                notify(m_hooks.changed);
                notify(m_hooks.finished);
                return;
        }
    }
}

void OnlineUpdate::cancel() {
    ++*m_cancels;  // a hang-up or a connection check still under way no longer counts
    m_fetcher.cancel();
    m_unpack.cancel();
    if (m_run && m_run->next() != DownloadRun::Action::Finished) {
        m_run->cancel();
    }
    QFile::remove(downloadPath(m_progDir, catalogueRemoteName(m_texts.settings())));
    QFile::remove(catalogueLocalPath(m_progDir));
}

int OnlineUpdate::closeAfterRun(ShellOpener& shell) {
    QFile::remove(catalogueLocalPath(m_progDir));
    if (!m_run || m_run->cancelled()) {
        return 0;
    }
    return openStartFiles(m_run->runList(), m_progDir, shell, m_dialog, m_texts);
}

}  // namespace trivanto
