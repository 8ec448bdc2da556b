#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/common/result.h"
#include "core/scores/top_list_connector.h"
#include "core/scores/top_list_entry.h"
#include "core/scores/top_list_file.h"

namespace trivanto {

// The on-line top fifty as the game holds it: the client of the server, the local copy on
// disk and the list in memory that the high-score window shows. One instance serves the
// upload wizard and the high-score window.
class TTopList final : public QObject {
    Q_OBJECT
public:
    // `fileName`: the local copy, usually filePath(progDir, TTopListFile::defaultName()).
    TTopList(HttpClient& network, Clock& clock, const QString& fileName, QObject* parent = nullptr);

    // The connector's fields; the component keeps no copy of its own.
    const QString& URL() const { return m_connector.URL(); }
    void setURL(const QString& url) { m_connector.setURL(url); }
    const QString& Agent() const { return m_connector.Agent(); }
    void setAgent(const QString& agent) { m_connector.setAgent(agent); }

    int Count() const { return int(m_entries.size()); }
    // Copies entry `Index` (0-based) into `Entry`; false, with `Entry` untouched, when there
    // is none.
    bool GetEntry(int Index, TTopListEntry& Entry) const;
    const TTopListEntryList& Entries() const { return m_entries; }

    // Sends one result; `done` gets the server's answer (Rank only with tlrOk).
    void AddUser(const QString& Name, const QString& EMail, qint32 Score, const QString& Language,
                 TTopListConnector::SendDone done);
    // Empties the list, then fetches the server's list into it; `done` gets tlrOk,
    // tlrNoConnection or tlrBadReply. After a failure the list stays empty.
    void Download(std::function<void(TTopListResult result)> done);
    // Stops running exchanges without calling their continuations.
    void Cancel() { m_connector.Cancel(); }
    bool isBusy() const { return m_connector.isBusy(); }

    // Empties the list and reads the local copy into it; on failure the list stays empty.
    Status LoadFromFile();
    Status SaveToFile() const { return m_file.Save(m_entries); }
    const TTopListFile& file() const { return m_file; }

signals:
    // The list in memory was replaced (emptied, downloaded or loaded).
    void listChanged();

private:
    void replaceEntries(TTopListEntryList entries);

    TTopListConnector m_connector;
    TTopListFile m_file;
    TTopListEntryList m_entries;
};

}  // namespace trivanto
