#include "core/app/memory_settings_store.h"

namespace trivanto {

bool MemorySettingsStore::groupExists(const QString& group) const {
    const QString prefix = group + QLatin1Char('/');
    const auto it = m_values.lowerBound(prefix);
    return it != m_values.end() && it.key().startsWith(prefix);
}

QString MemorySettingsStore::stringValue(const QString& key, const QString& fallback) const {
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? fallback : it->toString();
}

qint32 MemorySettingsStore::intValue(const QString& key, qint32 fallback) const {
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd()) {
        return fallback;
    }
    // Through the text: QVariant's own conversion wraps numbers beyond 32 bits silently.
    bool ok = false;
    const qint32 value = it->toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool MemorySettingsStore::boolValue(const QString& key, bool fallback) const {
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd()) {
        return fallback;
    }
    // Through the text: QVariant's own conversion wraps numbers beyond 32 bits silently.
    bool ok = false;
    const qint32 value = it->toString().trimmed().toInt(&ok);
    return ok ? value != 0 : fallback;
}

void MemorySettingsStore::remove(const QString& key) {
    // Removing a group removes everything below it, as QSettings does.
    m_values.remove(key);
    const QString prefix = key + QLatin1Char('/');
    for (auto it = m_values.lowerBound(prefix);
         it != m_values.end() && it.key().startsWith(prefix);) {
        it = m_values.erase(it);
    }
}

}  // namespace trivanto
