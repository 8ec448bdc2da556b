#pragma once

#include <QString>
#include <vector>

namespace trivanto {

struct CataloguePackage;

// One ticked package: what the download needs of it.
struct SelectedPackage {
    QString PackageFile;  // the archive's name on the server and in the program folder
    QString PackageName;  // shown while it is fetched and unpacked
    QString StartFile;    // opened after the update; empty for none
    QString sha256;       // expected checksum of the archive; empty when the catalogue has none

    bool operator==(const SelectedPackage&) const = default;
};

// The ticked packages in ticking order, without gaps and without two of the same file.
class PackageSelection {
public:
    static constexpr int kSlots = 101;

    enum class TickOutcome {
        Added,            // now selected, at the end
        AlreadySelected,  // its file was selected already (by this row or another one)
        Removed,          // taken out; the later ones moved up
        NotSelected,      // untick of a file that was not selected: nothing changed
        Full,             // all slots taken: not added (the window clears the box again)
        Unavailable,      // the catalogue names no usable file: not added (box cleared)
    };

    // The box of `package` is now set (`ticked`) or cleared. Files compare exactly, letter
    // case counting.
    TickOutcome setTicked(const CataloguePackage& package, bool ticked);
    void clear() { m_slots.clear(); }

    bool isEmpty() const { return m_slots.empty(); }
    int count() const { return int(m_slots.size()); }
    bool contains(const QString& packageFile) const;
    // The filled slots in order.
    const std::vector<SelectedPackage>& packages() const { return m_slots; }

private:
    std::vector<SelectedPackage> m_slots;
};

}  // namespace trivanto
