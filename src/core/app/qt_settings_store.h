#pragma once

#include <QSettings>
#include <memory>

#include "core/app/settings_store.h"

namespace trivanto {

// The per-user settings on disk, through QSettings: on Linux an INI file in the user's config
// folder ("velmora.engineering/Trivanto.conf"), on Windows the registry key of the same name.
// Groups such as "Players" and "Highscore" are the first part of a "Group/Value" key.
class QtSettingsStore final : public SettingsStore {
public:
    // The user's native settings of organisation "velmora.engineering", application "Trivanto".
    QtSettingsStore();
    // An INI file at `filePath` (tests, and a run started with --settings FILE).
    explicit QtSettingsStore(const QString& filePath);
    ~QtSettingsStore() override;

    bool contains(const QString& key) const override;
    bool groupExists(const QString& group) const override;

    QString stringValue(const QString& key, const QString& fallback = {}) const override;
    qint32 intValue(const QString& key, qint32 fallback = 0) const override;
    bool boolValue(const QString& key, bool fallback = false) const override;

    void setString(const QString& key, const QString& value) override;
    void setInt(const QString& key, qint32 value) override;
    void setBool(const QString& key, bool value) override;

    void remove(const QString& key) override;
    void sync() override;

    // The file or registry path behind the store.
    QString location() const;
    // False once the backing file could not be read or written; values then fall back.
    bool isHealthy() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace trivanto
