#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "ui/widgets/t_check_group_list.h"

namespace trivanto {
namespace {

using RowRef = TCheckGroupList::RowRef;

class CheckGroupListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_list.setCompact(true);
        m_list.resize(285, 145);
        m_games = m_list.addGroup(QStringLiteral("Categories"));
        m_list.addRow(m_games, QStringLiteral("Animals\t01.02.2003\t130 KB"), false, 11);
        m_list.addRow(m_games, QStringLiteral("Geography of the world\t1.1.04\t9 KB"), false, 12);
        m_sounds = m_list.addGroup(QStringLiteral("Sounds"));
        m_list.addRow(m_sounds, QStringLiteral("Fanfare\t2004\t1 MB"), true, 21);
        m_list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_list));
    }

    void click(const QRect& rect) {
        ASSERT_FALSE(rect.isEmpty());
        QTest::mouseClick(m_list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    TCheckGroupList m_list;
    int m_games = -1;
    int m_sounds = -1;
};

TEST_F(CheckGroupListTest, GroupsStartClosedAndOpenOnTheirHeading) {
    EXPECT_TRUE(m_list.rowRect(m_games, 0).isEmpty());
    QSignalSpy expanded(&m_list, &TCheckGroupList::groupExpandedChanged);
    click(m_list.toggleRect(m_games));
    EXPECT_TRUE(m_list.isGroupExpanded(m_games));
    EXPECT_FALSE(m_list.rowRect(m_games, 1).isEmpty());
    ASSERT_EQ(expanded.count(), 1);
    EXPECT_EQ(expanded.at(0).at(1).toBool(), true);
    // The next heading moved down by the opened rows, 13 pixels each; headings are 14.
    EXPECT_EQ(m_list.groupRect(m_sounds).top(), 14 + 2 * 13);
    EXPECT_EQ(m_list.rowRect(m_games, 0).height(), 13);

    click(m_list.groupRect(m_games));
    EXPECT_FALSE(m_list.isGroupExpanded(m_games));
    EXPECT_TRUE(m_list.rowRect(m_games, 0).isEmpty());
    EXPECT_EQ(m_list.groupRect(m_sounds).top(), 14);
}

TEST_F(CheckGroupListTest, ClickingTheBoxTogglesTheRowAndReportsIt) {
    m_list.setGroupExpanded(m_games, true);
    m_list.setGroupExpanded(m_sounds, true);
    QSignalSpy toggled(&m_list, &TCheckGroupList::rowCheckToggled);
    QSignalSpy clicked(&m_list, &TCheckGroupList::rowClicked);

    click(m_list.checkBoxRect(m_games, 1));
    EXPECT_EQ(m_list.checkedRows(), (QList<RowRef>{{m_games, 1}, {m_sounds, 0}}));
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled.at(0), (QVariantList{m_games, 1, true}));

    click(m_list.checkBoxRect(m_sounds, 0));
    EXPECT_EQ(m_list.checkedRows(), (QList<RowRef>{{m_games, 1}}));
    EXPECT_EQ(toggled.at(1), (QVariantList{m_sounds, 0, false}));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(m_list.rowData(m_sounds, 0).toInt(), 21);
}

TEST_F(CheckGroupListTest, ClickingTheTextReportsTheRowWithoutToggling) {
    m_list.setGroupExpanded(m_games, true);
    QSignalSpy toggled(&m_list, &TCheckGroupList::rowCheckToggled);
    QSignalSpy clicked(&m_list, &TCheckGroupList::rowClicked);
    const QRect row = m_list.rowRect(m_games, 0);
    QTest::mouseClick(m_list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(m_list.columnX(m_games, 0, 1) + 5, row.center().y()));
    EXPECT_EQ(toggled.count(), 0);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0), (QVariantList{m_games, 0}));
    EXPECT_FALSE(m_list.isRowChecked(m_games, 0));
}

TEST_F(CheckGroupListTest, SpaceTogglesTheCurrentRow) {
    m_list.setGroupExpanded(m_games, true);
    m_list.setFocus();
    QSignalSpy toggled(&m_list, &TCheckGroupList::rowCheckToggled);
    QTest::keyClick(&m_list, Qt::Key_Down);  // heading
    QTest::keyClick(&m_list, Qt::Key_Down);  // first row
    QTest::keyClick(&m_list, Qt::Key_Space);
    EXPECT_TRUE(m_list.isRowChecked(m_games, 0));
    EXPECT_EQ(toggled.count(), 1);
}

TEST_F(CheckGroupListTest, FittedTabStopsAlignEveryColumn) {
    m_list.fitTabStops(10);
    const QFontMetrics metrics(m_list.font());
    const int widest = metrics.horizontalAdvance(QStringLiteral("Geography of the world"));
    ASSERT_EQ(m_list.tabStops().size(), 2);
    EXPECT_EQ(m_list.tabStops().at(0), widest + 10);
    for (int column : {1, 2}) {
        const int x = m_list.columnX(m_games, 0, column);
        EXPECT_EQ(m_list.columnX(m_games, 1, column), x) << column;
        EXPECT_EQ(m_list.columnX(m_sounds, 0, column), x) << column;
    }
    EXPECT_GT(m_list.columnX(m_games, 0, 1), m_list.columnX(m_games, 1, 0) + widest);
    EXPECT_EQ(m_list.columnX(m_games, 0, 3), -1);
}

// On request a name wider than the list does not push the date and size out of sight: the
// first column gives way (its texts are elided), the others keep their widths.
TEST_F(CheckGroupListTest, AnOverlongNameLeavesTheOtherColumnsInView) {
    m_list.addRow(m_sounds, QStringLiteral("A very long package name that no list of this width "
                                           "could ever show whole\t2025-03-14\t1.2 MB"));
    m_list.fitTabStops(10, 20, true);
    const QFontMetrics metrics(m_list.font());
    const int row = m_list.rowCount(m_sounds) - 1;
    const int sizeRight =
        m_list.columnX(m_sounds, row, 2) + metrics.horizontalAdvance(QStringLiteral("1.2 MB"));
    EXPECT_LE(sizeRight, m_list.viewport()->width());
    const QList<int> stops = m_list.tabStops();
    ASSERT_EQ(stops.size(), 2);
    EXPECT_GE(stops[1] - stops[0], metrics.horizontalAdvance(QStringLiteral("01.02.2003")));
    // The names keep at least a third of the room.
    EXPECT_GE(stops[0], (m_list.viewport()->width() - m_list.columnX(m_games, 0, 0)) / 3);
}

TEST_F(CheckGroupListTest, ColumnsLeftOfTheTabStopsUseThem) {
    m_list.setTabStops({200, 260});
    const int left = m_list.columnX(m_games, 0, 0);
    EXPECT_EQ(m_list.columnX(m_games, 0, 1) - left, 200);
    EXPECT_EQ(m_list.columnX(m_games, 1, 2) - left, 260);
}

TEST_F(CheckGroupListTest, ClearRemovesEverything) {
    m_list.clear();
    EXPECT_EQ(m_list.groupCount(), 0);
    EXPECT_TRUE(m_list.checkedRows().isEmpty());
    EXPECT_EQ(m_list.addRow(5, QStringLiteral("x")), -1);
}

}  // namespace
}  // namespace trivanto
