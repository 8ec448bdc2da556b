#pragma once

#include <zip.h>

#include <QLibrary>
#include <QString>
#include <mutex>
#include <optional>

#include "core/common/result.h"

namespace trivanto {

// The libzip calls the archive installer makes, found in the library at run time. libzip brings
// libcrypto, libbz2 and more with it; loading it when the first archive is opened keeps all of
// them out of every start of the game.
struct ZipLibrary {
    decltype(&::zip_open) open = nullptr;
    decltype(&::zip_discard) discard = nullptr;
    decltype(&::zip_strerror) strerror = nullptr;
    decltype(&::zip_error_init_with_code) error_init_with_code = nullptr;
    decltype(&::zip_error_strerror) error_strerror = nullptr;
    decltype(&::zip_error_fini) error_fini = nullptr;
    decltype(&::zip_get_num_entries) get_num_entries = nullptr;
    decltype(&::zip_get_name) get_name = nullptr;
    decltype(&::zip_stat_init) stat_init = nullptr;
    decltype(&::zip_stat_index) stat_index = nullptr;
    decltype(&::zip_file_get_external_attributes) file_get_external_attributes = nullptr;
    decltype(&::zip_fopen_index) fopen_index = nullptr;
    decltype(&::zip_fread) fread = nullptr;
    decltype(&::zip_file_strerror) file_strerror = nullptr;
    decltype(&::zip_fclose) fclose = nullptr;
};

// Loads one library by name and major version ("zip", 4: libzip.so.4) at the first load() and
// keeps it for the life of the loader; later calls, from any thread, get the same table or the
// same reason why it could not be had.
class ZipLibraryLoader {
public:
    ZipLibraryLoader(QString name, int majorVersion);
    ZipLibraryLoader(const ZipLibraryLoader&) = delete;
    ZipLibraryLoader& operator=(const ZipLibraryLoader&) = delete;

    Result<const ZipLibrary*> load();

    // The game's libzip, loaded once per process.
    static ZipLibraryLoader& system();

private:
    Result<const ZipLibrary*> resolveAll();

    QLibrary m_library;
    std::once_flag m_once;
    ZipLibrary m_table;
    std::optional<Result<const ZipLibrary*>> m_loaded;
};

}  // namespace trivanto
