#include "core/update/update_catalogue.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/zip_builder.h"

namespace trivanto {
namespace {

Result<UpdateCatalogue> parse(const char* text) {
    return UpdateCatalogue::fromBytes(QByteArray(text));
}

UpdateCatalogue parseOk(const char* text) {
    Result<UpdateCatalogue> catalogue = parse(text);
    EXPECT_TRUE(catalogue.ok()) << catalogue.error().toStdString();
    return catalogue.ok() ? std::move(catalogue).value() : UpdateCatalogue{};
}

const char kTwoGroups[] =
    "[Head]\r\n"
    "Info=Stand: 03.2024\r\n"
    "[1]\r\n"
    "ItemName=Categories\r\n"
    "Expanded=true\r\n"
    "SubItemName1=Astronomy\r\n"
    "SubItemDate1=2024-03-01\r\n"
    "SubItemFilesize1=120 KB\r\n"
    "SubItemText1=Stars and planets\r\n"
    "SubItemFilename1=astro.zip\r\n"
    "SubItemStart1=astro.txt\r\n"
    "SubItemName2=Rivers\r\n"
    "SubItemFilename2=rivers.zip\r\n"
    "SubItemChecksum2=x\r\n"
    "SubItemName4=not reached: 3 is missing\r\n"
    "[2]\r\n"
    "ItemName=Sounds\r\n"
    "Expanded=True\r\n"
    "SubItemName1=Voices\r\n"
    "SubItemFilename1=voices.zip\r\n"
    "SubItemChecksum1=ABCDEF0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789\r\n"
    "[4]\r\n"
    "ItemName=not reached: 3 is missing\r\n";

TEST(UpdateCatalogue, ReadsGroupsRowsAndColumnsUntilTheFirstGap) {
    const UpdateCatalogue c = parseOk(kTwoGroups);
    EXPECT_FALSE(c.hasMessage());
    EXPECT_EQ(c.head().info, QStringLiteral("Stand: 03.2024"));
    ASSERT_EQ(c.groups().size(), 2u);
    const CatalogueGroup& first = c.groups()[0];
    EXPECT_EQ(first.heading, QStringLiteral("Categories"));
    EXPECT_TRUE(first.expanded);
    ASSERT_EQ(first.packages.size(), 2u);
    const CataloguePackage& astro = first.packages[0];
    EXPECT_EQ(astro.rowText(), QStringLiteral("Astronomy\t2024-03-01\t120 KB"));
    EXPECT_EQ(astro.text, QStringLiteral("Stars and planets"));
    EXPECT_EQ(astro.fileName, QStringLiteral("astro.zip"));
    EXPECT_EQ(astro.startFile, QStringLiteral("astro.txt"));
    EXPECT_TRUE(astro.sha256.isEmpty());
    EXPECT_TRUE(astro.available());
    EXPECT_EQ(first.packages[1].rowText(), QStringLiteral("Rivers\t\t"));
    EXPECT_FALSE(first.packages[1].available());  // its checksum is malformed
    // "True" is not "true".
    EXPECT_FALSE(c.groups()[1].expanded);
    EXPECT_EQ(c.groups()[1].packages[0].sha256,
              QStringLiteral("abcdef0123456789abcdef0123456789abcdef0123456789abcdef0123456789"));
    EXPECT_EQ(c.package(1, 0)->name, QStringLiteral("Voices"));
    EXPECT_EQ(c.package(2, 0), nullptr);
    EXPECT_EQ(c.package(0, 2), nullptr);
    EXPECT_EQ(c.package(-1, 0), nullptr);
    EXPECT_EQ(c.packageCount(), 3);
}

TEST(UpdateCatalogue, ItemOneAndItsFirstPackageAreAlwaysRead) {
    // Only a Head: one group with an empty heading and one empty row, which cannot be ticked.
    const UpdateCatalogue onlyHead = parseOk("[Head]\nInfo=x\n");
    ASSERT_EQ(onlyHead.groups().size(), 1u);
    EXPECT_TRUE(onlyHead.groups()[0].heading.isEmpty());
    ASSERT_EQ(onlyHead.groups()[0].packages.size(), 1u);
    EXPECT_EQ(onlyHead.groups()[0].packages[0].rowText(), QStringLiteral("\t\t"));
    EXPECT_FALSE(onlyHead.groups()[0].packages[0].available());

    // A first package without a name still has its row; the second one ends the group.
    const UpdateCatalogue noName = parseOk(
        "[1]\nItemName=G\nSubItemFilename1=a.zip\nSubItemName2=B\nSubItemFilename2=b.zip\n");
    ASSERT_EQ(noName.groups()[0].packages.size(), 2u);
    EXPECT_EQ(noName.groups()[0].packages[0].fileName, QStringLiteral("a.zip"));
}

TEST(UpdateCatalogue, TheHeadMessageComesWithItsWidthAndWrap) {
    const UpdateCatalogue c =
        parseOk("[Head]\nMessageText=Closed for repairs\nMessageWidth=280\nMessageWordWrap=true\n");
    EXPECT_TRUE(c.hasMessage());
    EXPECT_EQ(c.head().messageText, QStringLiteral("Closed for repairs"));
    EXPECT_EQ(c.head().messageWidth, 280);
    EXPECT_TRUE(c.head().messageWidthGiven);
    EXPECT_TRUE(c.head().messageWordWrap);
}

struct WidthCase {
    const char* name;
    const char* lines;
    int width;
    bool given;
    bool wrap;
};

class CatalogueMessageWidth : public testing::TestWithParam<WidthCase> {};

// A width that is no whole number, or one no screen shows, still shows the message.
TEST_P(CatalogueMessageWidth, MalformedValuesFallBack) {
    const WidthCase& c = GetParam();
    const UpdateCatalogue catalogue =
        parseOk((QByteArray("[Head]\nMessageText=Hello\n") + c.lines).constData());
    EXPECT_EQ(catalogue.head().messageWidth, c.width);
    EXPECT_EQ(catalogue.head().messageWidthGiven, c.given);
    EXPECT_EQ(catalogue.head().messageWordWrap, c.wrap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueMessageWidth,
    testing::Values(
        WidthCase{"Missing", "", 353, false, false},
        WidthCase{"Words", "MessageWidth=wide\n", 353, false, false},
        WidthCase{"LeadingBlank", "MessageWidth= 300\nMessageWordWrap=True\n", 300, true, false},
        WidthCase{"Negative", "MessageWidth=-5\nMessageWordWrap=1\n", 353, false, false},
        WidthCase{"Huge", "MessageWidth=99999999999\n", 353, false, false},
        WidthCase{"Fraction", "MessageWidth=300.5\n", 353, false, false},
        WidthCase{"Plain", "MessageWidth=300\nMessageWordWrap=true\n", 300, true, true}),
    [](const testing::TestParamInfo<WidthCase>& info) { return std::string(info.param.name); });

struct PackageCase {
    const char* name;
    const char* lines;  // keys of package 1 of item 1
    bool available;
};

class CataloguePackageName : public testing::TestWithParam<PackageCase> {};

// The file a package names is fetched into the program folder: only plain, harmless names.
TEST_P(CataloguePackageName, OnlySafeFilesCanBeTicked) {
    const PackageCase& c = GetParam();
    const UpdateCatalogue catalogue =
        parseOk((QByteArray("[1]\nItemName=G\nSubItemName1=P\n") + c.lines).constData());
    const CataloguePackage& package = catalogue.groups()[0].packages[0];
    EXPECT_EQ(package.available(), c.available) << package.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CataloguePackageName,
    testing::Values(
        PackageCase{"Plain", "SubItemFilename1=pack-1.zip\n", true},
        PackageCase{"WithBlank", "SubItemFilename1=my pack.zip\n", true},
        PackageCase{"Missing", "", false},
        PackageCase{"Parent", "SubItemFilename1=../pack.zip\n", false},
        PackageCase{"Absolute", "SubItemFilename1=/tmp/pack.zip\n", false},
        PackageCase{"Backslash", "SubItemFilename1=..\\pack.zip\n", false},
        PackageCase{"Hidden", "SubItemFilename1=.bashrc\n", false},
        PackageCase{"TheProgram", "SubItemFilename1=trivanto\n", false},
        PackageCase{"Library", "SubItemFilename1=libzip.so.4\n", false},
        PackageCase{"Settings", "SubItemFilename1=update.ini\n", false},
        PackageCase{"ShortChecksum", "SubItemFilename1=p.zip\nSubItemChecksum1=abc\n", false},
        PackageCase{"NotHex",
                    "SubItemFilename1=p.zip\nSubItemChecksum1="
                    "zz00000000000000000000000000000000000000000000000000000000000000\n",
                    false},
        PackageCase{"Checksum",
                    "SubItemFilename1=p.zip\nSubItemChecksum1="
                    "0000000000000000000000000000000000000000000000000000000000000000\n",
                    true}),
    [](const testing::TestParamInfo<PackageCase>& info) { return std::string(info.param.name); });

TEST(UpdateCatalogue, ColumnsStayColumnsAndRowsStayShort) {
    const UpdateCatalogue c =
        parseOk((QByteArray("[1]\nItemName=G\nSubItemName1=A\tB\nSubItemDate1=1\x01"
                            "2\n"
                            "SubItemName2=") +
                 QByteArray(200, 'n') + "\nSubItemDate2=" + QByteArray(100, 'd') + "\n")
                    .constData());
    EXPECT_EQ(c.groups()[0].packages[0].rowText(), QStringLiteral("A B\t1 2\t"));
    EXPECT_EQ(c.groups()[0].packages[1].rowText().size(), 255);
}

TEST(UpdateCatalogue, AHostileCatalogueCannotGrowTheListWithoutEnd) {
    QByteArray text("[1]\nItemName=G\n");
    for (int k = 1; k <= 3000; ++k) {
        text += "SubItemName" + QByteArray::number(k) + "=p\n";
    }
    const UpdateCatalogue c = parseOk(text.constData());
    EXPECT_EQ(c.packageCount(), UpdateCatalogue::kMaxPackages);

    QByteArray groups;
    for (int n = 1; n <= 300; ++n) {
        groups += "[" + QByteArray::number(n) + "]\nItemName=g\n";
    }
    EXPECT_EQ(parseOk(groups.constData()).groups().size(), size_t(UpdateCatalogue::kMaxGroups));
}

struct DamageCase {
    const char* name;
    QByteArray bytes;
};

class CatalogueDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(CatalogueDamage, IsAFailureWithAReasonNeverACrash) {
    const Result<UpdateCatalogue> c = UpdateCatalogue::fromBytes(GetParam().bytes);
    EXPECT_FALSE(c.ok());
    EXPECT_FALSE(c.error().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueDamage,
    testing::Values(DamageCase{"Empty", QByteArray()}, DamageCase{"Blanks", "\r\n \r\n"},
                    DamageCase{"ErrorPage", "<html><body>404 Not Found</body></html>"},
                    DamageCase{"Binary", QByteArray("[Head]\nInfo=a\0b\n", 16)},
                    DamageCase{"OtherSections", "[Main]\nItemName=x\n"},
                    DamageCase{"Oversized", QByteArray("[Head]\n") +
                                                QByteArray(UpdateCatalogue::kMaxFileSize, 'x')}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(UpdateCatalogue, ReadsAFileAndNamesItInTheFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("update.ini"));
    EXPECT_FALSE(UpdateCatalogue::read(path).ok());  // missing
    test::writeFile(path, "garbage");
    const Result<UpdateCatalogue> damaged = UpdateCatalogue::read(path);
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.error().contains(QStringLiteral("update.ini")));
    test::writeFile(path, kTwoGroups);
    const Result<UpdateCatalogue> good = UpdateCatalogue::read(path);
    ASSERT_TRUE(good.ok()) << good.error().toStdString();
    EXPECT_EQ(good->groups().size(), 2u);
}

}  // namespace
}  // namespace trivanto
