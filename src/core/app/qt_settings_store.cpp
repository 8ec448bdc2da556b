#include "core/app/qt_settings_store.h"

#include <QDir>
#include <QStandardPaths>
#include <optional>

#include "core/app/memory_settings_store.h"
#include "core/common/regular_file.h"
#include "core/common/save_file.h"

namespace trivanto {

namespace {

// A hand-written INI value with a comma reads back as a list; it is still one text.
QString asText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

// Values written by hand may be anything; only a whole 32-bit number counts as one.
std::optional<qint32> toInt(const QVariant& value) {
    bool ok = false;
    const qint32 number = asText(value).trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("velmora.engineering"),
                                             QStringLiteral("Trivanto"))) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    // An explicit file is always INI: NativeFormat with a path would mean a registry path on
    // Windows.
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() {
    if (m_settings) {
        m_settings->sync();
    }
}

bool QtSettingsStore::contains(const QString& key) const {
    return m_settings->contains(key);
}

bool QtSettingsStore::groupExists(const QString& group) const {
    if (group.isEmpty()) {
        return false;
    }
    m_settings->beginGroup(group);
    const bool exists = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

QString QtSettingsStore::stringValue(const QString& key, const QString& fallback) const {
    const QVariant value = m_settings->value(key);
    return value.isValid() ? asText(value) : fallback;
}

qint32 QtSettingsStore::intValue(const QString& key, qint32 fallback) const {
    const QVariant value = m_settings->value(key);
    if (!value.isValid()) {
        return fallback;
    }
    return toInt(value).value_or(fallback);
}

bool QtSettingsStore::boolValue(const QString& key, bool fallback) const {
    const QVariant value = m_settings->value(key);
    if (!value.isValid()) {
        return fallback;
    }
    if (const auto number = toInt(value)) {
        return *number != 0;
    }
    // A hand-edited file may say true or false.
    const QString text = asText(value).trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return fallback;
}

void QtSettingsStore::setString(const QString& key, const QString& value) {
    m_settings->setValue(key, value);
}

void QtSettingsStore::setInt(const QString& key, qint32 value) {
    m_settings->setValue(key, value);
}

void QtSettingsStore::setBool(const QString& key, bool value) {
    m_settings->setValue(key, value ? 1 : 0);
}

void QtSettingsStore::remove(const QString& key) {
    m_settings->remove(key);
}

Status QtSettingsStore::sync() {
    m_settings->sync();
    // A file that is no INI file reads as empty and is written anew; only access counts.
    if (m_settings->status() != QSettings::AccessError) {
        return Status::success();
    }
    // QSettings says only that it failed; trying beside the file gives the system's reason.
    const QString reason = writeProblem(location());
    return Status::failure(QStringLiteral("%1: %2").arg(
        QDir::toNativeSeparators(location()),
        reason.isEmpty() ? QStringLiteral("cannot be written") : reason));
}

QString QtSettingsStore::location() const {
    return m_settings->fileName();
}

QString QtSettingsStore::nativeLocation() {
    // Where QSettings keeps a user's settings on an XDG system.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velmora.engineering/Trivanto.conf");
}

std::unique_ptr<SettingsStore> openSettingsStore(const QString& filePath) {
    const QString path = filePath.isEmpty() ? QtSettingsStore::nativeLocation() : filePath;
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        auto memory = std::make_unique<MemorySettingsStore>();
        memory->refuseWrites(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem));
        return memory;
    }
    if (filePath.isEmpty()) {
        return std::make_unique<QtSettingsStore>();
    }
    return std::make_unique<QtSettingsStore>(filePath);
}

}  // namespace trivanto
