#include "core/update/package_selection.h"

#include <algorithm>

#include "core/update/update_catalogue.h"

namespace trivanto {

bool PackageSelection::contains(const QString& packageFile) const {
    return std::any_of(m_slots.begin(), m_slots.end(), [&](const SelectedPackage& slot) {
        return slot.PackageFile == packageFile;
    });
}

PackageSelection::TickOutcome PackageSelection::setTicked(const CataloguePackage& package,
                                                          bool ticked) {
    const auto same = [&](const SelectedPackage& slot) {
        return slot.PackageFile == package.fileName;
    };
    if (!ticked) {
        const auto it = std::find_if(m_slots.begin(), m_slots.end(), same);
        if (it == m_slots.end()) {
            return TickOutcome::NotSelected;
        }
        m_slots.erase(it);
        return TickOutcome::Removed;
    }
    if (!package.available()) {
        return TickOutcome::Unavailable;
    }
    if (std::any_of(m_slots.begin(), m_slots.end(), same)) {
        return TickOutcome::AlreadySelected;
    }
    if (count() >= kSlots) {
        return TickOutcome::Full;
    }
    m_slots.push_back({package.fileName, package.name, package.startFile, package.sha256});
    return TickOutcome::Added;
}

}  // namespace trivanto
