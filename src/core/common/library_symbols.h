#pragma once

#include <QString>
#include <utility>

namespace trivanto {

// Fills a loader's table of library functions, one name at a time, and remembers the first name
// the library lacks: the loader resolves the whole table and then tells that one gap. `Lookup`
// gives the address of a name, or null (dlsym on a handle, QLibrary::resolve).
template <typename Lookup>
class LibrarySymbols {
public:
    explicit LibrarySymbols(Lookup lookup) : m_lookup(std::move(lookup)) {}

    template <typename Function>
    void resolve(const char* name, Function& into) {
        into = reinterpret_cast<Function>(m_lookup(name));
        if (into == nullptr && m_missing.isEmpty()) {
            m_missing = QString::fromLatin1(name);
        }
    }

    // The first name not found; empty when every one was.
    const QString& missing() const { return m_missing; }

private:
    Lookup m_lookup;
    QString m_missing;
};

}  // namespace trivanto
