#pragma once

#include <QString>
#include <QStringList>

#include "core/common/result.h"

namespace trivanto {

// The per-user settings that stand in for the registry key of the program. Keys are
// "Group/Value" paths ("Players/Player1", "Highscore/1_Money") or plain value names at the top.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& key) const = 0;
    // A group exists once any value below it has been written.
    virtual bool groupExists(const QString& group) const = 0;

    virtual QString stringValue(const QString& key, const QString& fallback = {}) const = 0;
    virtual qint32 intValue(const QString& key, qint32 fallback = 0) const = 0;
    virtual bool boolValue(const QString& key, bool fallback = false) const = 0;

    virtual void setString(const QString& key, const QString& value) = 0;
    virtual void setInt(const QString& key, qint32 value) = 0;
    // Stored as a 32-bit integer, 1 or 0.
    virtual void setBool(const QString& key, bool value) = 0;

    virtual void remove(const QString& key) = 0;
    // Writes pending changes to permanent storage. The failure says where and why ("PATH: No
    // space left on device"); the values stay readable for this run either way.
    virtual Status sync() = 0;
};

}  // namespace trivanto
