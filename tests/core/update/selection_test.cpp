#include "core/update/package_selection.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "core/update/update_catalogue.h"

namespace trivanto {
namespace {

using Outcome = PackageSelection::TickOutcome;

CataloguePackage package(const QString& file, const QString& name = {}, const QString& start = {}) {
    CataloguePackage p;
    p.fileName = file;
    p.name = name.isEmpty() ? file : name;
    p.startFile = start;
    return p;
}

QStringList files(const PackageSelection& selection) {
    QStringList out;
    for (const SelectedPackage& p : selection.packages()) {
        out.append(p.PackageFile);
    }
    return out;
}

TEST(PackageSelection, KeepsTickingOrderAndClosesGaps) {
    PackageSelection s;
    const CataloguePackage a = package("a.zip", "A", "a.txt");
    const CataloguePackage b = package("b.zip");
    const CataloguePackage c = package("c.zip");
    EXPECT_EQ(s.setTicked(c, true), Outcome::Added);
    EXPECT_EQ(s.setTicked(a, true), Outcome::Added);
    EXPECT_EQ(s.setTicked(b, true), Outcome::Added);
    EXPECT_EQ(files(s), (QStringList{"c.zip", "a.zip", "b.zip"}));
    EXPECT_EQ(s.setTicked(a, false), Outcome::Removed);
    EXPECT_EQ(files(s), (QStringList{"c.zip", "b.zip"}));
    EXPECT_EQ(s.setTicked(a, true), Outcome::Added);  // back at the end
    EXPECT_EQ(files(s), (QStringList{"c.zip", "b.zip", "a.zip"}));
    EXPECT_EQ(s.packages().back(), (SelectedPackage{"a.zip", "A", "a.txt", {}}));
    EXPECT_EQ(s.setTicked(package("x.zip"), false), Outcome::NotSelected);
    EXPECT_EQ(s.count(), 3);
}

TEST(PackageSelection, OneSlotPerFileExactLetterCase) {
    PackageSelection s;
    EXPECT_EQ(s.setTicked(package("same.zip", "First"), true), Outcome::Added);
    EXPECT_EQ(s.setTicked(package("same.zip", "Second row"), true), Outcome::AlreadySelected);
    EXPECT_EQ(s.setTicked(package("SAME.zip"), true), Outcome::Added);
    EXPECT_EQ(files(s), (QStringList{"same.zip", "SAME.zip"}));
    EXPECT_EQ(s.packages()[0].PackageName, QStringLiteral("First"));
    // Clearing either row of the shared file frees its one slot.
    EXPECT_EQ(s.setTicked(package("same.zip", "Second row"), false), Outcome::Removed);
    EXPECT_EQ(files(s), (QStringList{"SAME.zip"}));
}

TEST(PackageSelection, RefusesUnusablePackagesAndTheHundredAndSecond) {
    PackageSelection s;
    CataloguePackage broken = package("../evil.zip");
    broken.problem = QStringLiteral("a path");
    EXPECT_EQ(s.setTicked(broken, true), Outcome::Unavailable);
    EXPECT_TRUE(s.isEmpty());
    for (int i = 0; i < PackageSelection::kSlots; ++i) {
        ASSERT_EQ(s.setTicked(package(QStringLiteral("p%1.zip").arg(i)), true), Outcome::Added);
    }
    EXPECT_EQ(s.setTicked(package("one-more.zip"), true), Outcome::Full);
    EXPECT_EQ(s.count(), PackageSelection::kSlots);
    EXPECT_FALSE(s.contains(QStringLiteral("one-more.zip")));
    s.clear();
    EXPECT_TRUE(s.isEmpty());
}

}  // namespace
}  // namespace trivanto
