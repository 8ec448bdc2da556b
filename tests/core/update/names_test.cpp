#include "core/update/file_name_policy.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

using Kind = ArchiveEntryTarget::Kind;

struct EntryCase {
    const char* label;
    QString stored;
    Kind kind;
    QString target;
};

class ArchiveEntryName : public testing::TestWithParam<EntryCase> {};

TEST_P(ArchiveEntryName, LandsFlatInTheProgramFolderOrIsSkipped) {
    const EntryCase& c = GetParam();
    const ArchiveEntryTarget t = archiveEntryTarget(c.stored);
    EXPECT_EQ(t.kind, c.kind) << t.reason.toStdString();
    EXPECT_EQ(t.fileName, c.target);
    EXPECT_EQ(t.reason.isEmpty(), c.kind != Kind::Skip);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveEntryName,
    testing::Values(EntryCase{"Plain", "Astronomy.trv", Kind::File, "Astronomy.trv"},
                    EntryCase{"InFolders", "data/sub/Astronomy.trv", Kind::File, "Astronomy.trv"},
                    EntryCase{"Umlaut", QString::fromUtf8("Geschichte/Bräuche.trv"), Kind::File,
                              QString::fromUtf8("Bräuche.trv")},
                    EntryCase{"Blank", "Film and TV.trv", Kind::File, "Film and TV.trv"},
                    EntryCase{"Folder", "data/", Kind::Folder, ""},
                    EntryCase{"Empty", "", Kind::Skip, ""}, EntryCase{"Dot", ".", Kind::Skip, ""},
                    EntryCase{"DotDot", "..", Kind::Skip, ""},
                    EntryCase{"Parent", "../x.trv", Kind::Skip, ""},
                    EntryCase{"DeepParent", "a/../../x.trv", Kind::Skip, ""},
                    EntryCase{"CurrentDir", "./x.trv", Kind::Skip, ""},
                    EntryCase{"DoubleSlash", "a//x.trv", Kind::Skip, ""},
                    EntryCase{"Absolute", "/etc/x.trv", Kind::Skip, ""},
                    EntryCase{"Backslash", "..\\..\\x.trv", Kind::Skip, ""},
                    EntryCase{"BackslashInName", "a\\x.trv", Kind::Skip, ""},
                    EntryCase{"Drive", "C:x.trv", Kind::Skip, ""},
                    EntryCase{"Control", "x\x01.trv", Kind::Skip, ""},
                    EntryCase{"NewLine", "x\n.trv", Kind::Skip, ""},
                    EntryCase{"Bidi", QString::fromUtf8("x\u202Evrt.exe"), Kind::Skip, ""},
                    EntryCase{"Hidden", "a/.bashrc", Kind::Skip, ""},
                    EntryCase{"TheGame", "trivanto", Kind::Skip, ""},
                    EntryCase{"TheTool", "bin/trivanto-cat", Kind::Skip, ""},
                    EntryCase{"NoExtension", "README", Kind::Skip, ""},
                    EntryCase{"Library", "libzip.so.4", Kind::Skip, ""},
                    EntryCase{"SharedObject", "plugin.SO", Kind::Skip, ""},
                    EntryCase{"WindowsProgram", "setup.exe", Kind::Skip, ""},
                    EntryCase{"Script", "run.sh", Kind::Skip, ""},
                    EntryCase{"Settings", "Trivanto.conf", Kind::Skip, ""},
                    EntryCase{"Catalogue", "update.ini", Kind::Skip, ""},
                    EntryCase{"DesktopEntry", "x.desktop", Kind::Skip, ""},
                    EntryCase{"TrailingDot", "x.", Kind::Skip, ""},
                    EntryCase{"TrailingBlank", "x.trv ", Kind::Skip, ""},
                    EntryCase{"TooLong", QString(300, QLatin1Char('a')) + ".trv", Kind::Skip, ""}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace trivanto
