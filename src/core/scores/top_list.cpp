#include "core/scores/top_list.h"

namespace trivanto {

TTopList::TTopList(HttpClient& network, Clock& clock, const QString& fileName, QObject* parent)
    : QObject(parent), m_connector(network, clock), m_file(fileName) {}

bool TTopList::GetEntry(int Index, TTopListEntry& Entry) const {
    if (Index < 0 || Index >= Count()) {
        return false;
    }
    Entry = m_entries.at(Index);
    return true;
}

void TTopList::AddUser(const QString& Name, const QString& EMail, qint32 Score,
                       const QString& Language, TTopListConnector::SendDone done) {
    m_connector.AddUser(Name, EMail, Score, Language, std::move(done));
}

void TTopList::Download(std::function<void(TTopListResult result)> done) {
    replaceEntries({});
    m_connector.GetList(
        [this, done = std::move(done)](TTopListResult result, const TTopListEntryList& list) {
            if (result == tlrOk) {
                replaceEntries(list);
            }
            done(result);
        });
}

Status TTopList::LoadFromFile() {
    Result<TTopListEntryList> loaded = m_file.Load();
    replaceEntries(loaded.ok() ? std::move(loaded.value()) : TTopListEntryList());
    return loaded.status();
}

void TTopList::replaceEntries(TTopListEntryList entries) {
    m_entries = std::move(entries);
    emit listChanged();
}

}  // namespace trivanto
