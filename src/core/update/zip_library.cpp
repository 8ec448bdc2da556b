#include "core/update/zip_library.h"

#include "core/common/library_symbols.h"

namespace trivanto {

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
    LibrarySymbols symbols([this](const char* name) { return m_library.resolve(name); });
    symbols.resolve("zip_open", m_table.open);
    symbols.resolve("zip_discard", m_table.discard);
    symbols.resolve("zip_strerror", m_table.strerror);
    symbols.resolve("zip_error_init_with_code", m_table.error_init_with_code);
    symbols.resolve("zip_error_strerror", m_table.error_strerror);
    symbols.resolve("zip_error_fini", m_table.error_fini);
    symbols.resolve("zip_get_num_entries", m_table.get_num_entries);
    symbols.resolve("zip_get_name", m_table.get_name);
    symbols.resolve("zip_stat_init", m_table.stat_init);
    symbols.resolve("zip_stat_index", m_table.stat_index);
    symbols.resolve("zip_file_get_external_attributes", m_table.file_get_external_attributes);
    symbols.resolve("zip_fopen_index", m_table.fopen_index);
    symbols.resolve("zip_fread", m_table.fread);
    symbols.resolve("zip_file_strerror", m_table.file_strerror);
    symbols.resolve("zip_fclose", m_table.fclose);
    if (!symbols.missing().isEmpty()) {
        m_library.unload();
        return Result<const ZipLibrary*>::failure(
            QStringLiteral("the archive library %1 lacks %2")
                .arg(m_library.fileName(), symbols.missing()));
    }
    return &m_table;
}

}  // namespace trivanto
