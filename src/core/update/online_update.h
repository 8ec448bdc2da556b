#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/update/download_run.h"
#include "core/update/file_fetch_port.h"
#include "core/update/package_selection.h"
#include "core/update/unpack_job.h"
#include "core/update/update_catalogue.h"

namespace trivanto {

class Clock;
class MessageDialog;
class ShellOpener;

// The on-line update behind the wizard window: fetches and reads the catalogue, keeps the
// package selection, and drives a DownloadRun with a file fetcher and an UnpackJob by
// continuation (nothing here waits). Messages go through the message dialog with the
// catalogue's texts; the window renders catalogue(), selection() and run()->view() and
// forwards what the user does.
class OnlineUpdate {
public:
    struct Hooks {
        std::function<void()> changed;         // run()->view() changed: render the page again
        std::function<void()> finished;        // the run ended: show page fertig
        std::function<void()> connectionLost;  // a fetch failed: the program is off line
        // Yes to MsgAskDisconnect: hang up (ConnectionManager::hangUpAndCheck), then call
        // `done`, from inside or later; the run waits for it before unpacking.
        std::function<void(std::function<void()> done)> hangUp;
        // Before the catalogue: make sure the program is on line
        // (ConnectionManager::EnsureOnline) and call `done(online)`, from inside or later.
        std::function<void(std::function<void(bool online)> done)> ensureOnline;
    };

    enum class CatalogueOutcome {
        ShowList,      // show page auswahl with catalogue()
        MessageShown,  // the catalogue's own message was shown: close the wizard
        Damaged,       // MsgCatalogueDamaged was shown: close the wizard
        FetchFailed,   // MsgUpdateConnectFailed was shown: close the wizard
        NoConnection,  // MsgNoConnectionFound was shown: stay on page start
    };

    // `texts` gives the messages and UpdateBasePath / UpdateFileExtension.
    OnlineUpdate(FileFetchPort& fetcher, Clock& clock, MessageDialog& dialog,
                 const MessageCatalogue& texts, QString progDir, Hooks hooks = {},
                 UnpackLimits limits = {});
    ~OnlineUpdate();

    // Proceed on page start: empties the selection, goes on line (the ensureOnline hook) and
    // then fetches the catalogue. `done` runs once that is over, unless cancel() or the end of
    // this object comes first.
    void goOnlineAndFetchCatalogue(std::function<void(CatalogueOutcome)> done);
    // The catalogue fetch alone, once the program is on line: empties the selection and
    // fetches the catalogue into "update.ini" (replacing an old one); `done` runs when that is
    // over.
    void fetchCatalogue(std::function<void(CatalogueOutcome)> done);
    // Only after ShowList or MessageShown.
    const UpdateCatalogue& catalogue() const { return *m_catalogue; }
    bool hasCatalogue() const { return m_catalogue.has_value(); }

    // A package's box was set or cleared (indices from 0). Full and Unavailable are reported
    // with a message; the window then clears the box again.
    PackageSelection::TickOutcome setTicked(int group, int index, bool ticked);
    // The description to show for a package row (empty when out of range).
    QString packageText(int group, int index) const;
    const PackageSelection& selection() const { return m_selection; }

    // Proceed on page auswahl: false (after MsgSelectPackage) when nothing is ticked;
    // otherwise the run starts and reports through the hooks.
    bool startDownload();
    // The current or last run; null before the first.
    const DownloadRun* run() const { return m_run.get(); }

    // Cancel (after Yes), Escape or the window closing: stops going on line, a fetch or an
    // unpacking, deletes what was fetched and not installed, and "update.ini".
    void cancel();
    // Close on page fertig: deletes "update.ini" and opens the start files of the run.
    int closeAfterRun(ShellOpener& shell);

private:
    void catalogueFetched(bool ok, const std::function<void(CatalogueOutcome)>& done);
    void drive();
    void notify(const std::function<void()>& hook) const;
    // Wraps a continuation of the hooks so that it does nothing once this object is gone or
    // cancel() came after the call that handed it out.
    template <typename... Args>
    std::function<void(Args...)> guarded(std::function<void(Args...)> continuation);

    FileFetchPort& m_fetcher;
    MessageDialog& m_dialog;
    const MessageCatalogue& m_texts;
    QString m_progDir;
    Hooks m_hooks;
    UnpackJob m_unpack;
    std::optional<UpdateCatalogue> m_catalogue;
    PackageSelection m_selection;
    std::unique_ptr<DownloadRun> m_run;
    // Tells the continuations handed to the hooks whether this object still exists and
    // whether a cancel() came after them.
    std::shared_ptr<quint64> m_cancels = std::make_shared<quint64>(0);
};

}  // namespace trivanto
