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
    Status sync() override;

    // The file or registry path behind the store.
    QString location() const;
    // The file the native store of this user uses (on Linux in the XDG config folder).
    static QString nativeLocation();

private:
    std::unique_ptr<QSettings> m_settings;
};

// The settings of one run: the INI file `filePath`, or the user's native settings when it is
// empty. When that file is no regular file (a FIFO would hold the start until someone writes
// to it) the values live in memory only and every sync() says why they are not kept.
std::unique_ptr<SettingsStore> openSettingsStore(const QString& filePath = {});

}  // namespace trivanto
