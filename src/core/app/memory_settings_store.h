#pragma once

#include <QMap>
#include <QVariant>

#include "core/app/settings_store.h"

namespace trivanto {

// Settings held in memory only: for tests, for runs that must not touch the user's files, and
// when the settings file is no file that can be read (a FIFO).
class MemorySettingsStore final : public SettingsStore {
public:
    bool contains(const QString& key) const override { return m_values.contains(key); }
    bool groupExists(const QString& group) const override;

    QString stringValue(const QString& key, const QString& fallback = {}) const override;
    qint32 intValue(const QString& key, qint32 fallback = 0) const override;
    bool boolValue(const QString& key, bool fallback = false) const override;

    void setString(const QString& key, const QString& value) override { m_values[key] = value; }
    void setInt(const QString& key, qint32 value) override { m_values[key] = value; }
    void setBool(const QString& key, bool value) override { m_values[key] = value ? 1 : 0; }

    void remove(const QString& key) override;
    Status sync() override {
        return m_refusal.isEmpty() ? Status::success() : Status::failure(m_refusal);
    }

    // From now on sync() fails with `reason`, as a store on a full or read-only disk does;
    // the values stay readable for the run.
    void refuseWrites(QString reason) { m_refusal = std::move(reason); }

    // Every key, sorted; for tests.
    QStringList keys() const { return m_values.keys(); }

private:
    QMap<QString, QVariant> m_values;
    QString m_refusal;
};

}  // namespace trivanto
