// Reads arbitrary bytes as an update catalogue and ticks every package it offers: whatever the
// server sends, the list stays bounded and only safe file names can be selected.
#include <cstdint>
#include <cstdlib>

#include "core/update/file_name_policy.h"
#include "core/update/package_selection.h"
#include "core/update/update_catalogue.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<UpdateCatalogue> read = UpdateCatalogue::fromBytes(bytes);
    if (!read.ok()) {
        if (read.error().isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const UpdateCatalogue& catalogue = *read;
    const CatalogueHead& head = catalogue.head();
    if (head.messageWidth < UpdateCatalogue::kMinMessageWidth ||
        head.messageWidth > UpdateCatalogue::kMaxMessageWidth) {
        std::abort();
    }
    if (catalogue.groups().empty() ||
        catalogue.groups().size() > size_t(UpdateCatalogue::kMaxGroups) ||
        catalogue.packageCount() > UpdateCatalogue::kMaxPackages) {
        std::abort();
    }
    PackageSelection selection;
    for (size_t g = 0; g < catalogue.groups().size(); ++g) {
        const CatalogueGroup& group = catalogue.groups()[g];
        if (group.packages.empty()) {
            std::abort();
        }
        for (size_t k = 0; k < group.packages.size(); ++k) {
            const CataloguePackage& package = group.packages[k];
            if (catalogue.package(int(g), int(k)) != &package || package.rowText().size() > 255) {
                std::abort();
            }
            if (package.available() &&
                (!packageFileNameProblem(package.fileName).isEmpty() ||
                 (!package.sha256.isEmpty() && package.sha256.size() != 64))) {
                std::abort();
            }
            const auto outcome = selection.setTicked(package, true);
            if (!package.available() && outcome != PackageSelection::TickOutcome::Unavailable) {
                std::abort();
            }
        }
    }
    if (selection.count() > PackageSelection::kSlots) {
        std::abort();
    }
    for (const SelectedPackage& picked : selection.packages()) {
        int same = 0;
        for (const SelectedPackage& other : selection.packages()) {
            same += other.PackageFile == picked.PackageFile ? 1 : 0;
        }
        if (same != 1) {
            std::abort();
        }
    }
    return 0;
}
