#include "core/update/zip_library.h"

namespace trivanto {

namespace {

template <typename Function>
void resolve(QLibrary& library, const char* name, Function& into, QString& missing) {
    into = reinterpret_cast<Function>(library.resolve(name));
    if (into == nullptr && missing.isEmpty()) {
        missing = QString::fromLatin1(name);
    }
}

}  // namespace

ZipLibraryLoader::ZipLibraryLoader(QString name, int majorVersion)
    : m_library(name, majorVersion) {}

ZipLibraryLoader& ZipLibraryLoader::system() {
    static ZipLibraryLoader loader(QStringLiteral("zip"), 4);
    return loader;
}

Result<const ZipLibrary*> ZipLibraryLoader::load() {
    std::call_once(m_once, [this] { m_loaded = resolveAll(); });
    return *m_loaded;
}

Result<const ZipLibrary*> ZipLibraryLoader::resolveAll() {
    if (!m_library.load()) {
        return Result<const ZipLibrary*>::failure(
            QStringLiteral("the archive library cannot be loaded (%1)")
                .arg(m_library.errorString()));
    }
    QString missing;
    resolve(m_library, "zip_open", m_table.open, missing);
    resolve(m_library, "zip_discard", m_table.discard, missing);
    resolve(m_library, "zip_strerror", m_table.strerror, missing);
    resolve(m_library, "zip_error_init_with_code", m_table.error_init_with_code, missing);
    resolve(m_library, "zip_error_strerror", m_table.error_strerror, missing);
    resolve(m_library, "zip_error_fini", m_table.error_fini, missing);
    resolve(m_library, "zip_get_num_entries", m_table.get_num_entries, missing);
    resolve(m_library, "zip_get_name", m_table.get_name, missing);
    resolve(m_library, "zip_stat_init", m_table.stat_init, missing);
    resolve(m_library, "zip_stat_index", m_table.stat_index, missing);
    resolve(m_library, "zip_file_get_external_attributes", m_table.file_get_external_attributes,
            missing);
    resolve(m_library, "zip_fopen_index", m_table.fopen_index, missing);
    resolve(m_library, "zip_fread", m_table.fread, missing);
    resolve(m_library, "zip_file_strerror", m_table.file_strerror, missing);
    resolve(m_library, "zip_fclose", m_table.fclose, missing);
    if (!missing.isEmpty()) {
        m_library.unload();
        return Result<const ZipLibrary*>::failure(
            QStringLiteral("the archive library %1 lacks %2").arg(m_library.fileName(), missing));
    }
    return &m_table;
}

}  // namespace trivanto
