#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>
#include <QVariant>

namespace trivanto {

// A list of collapsible groups: a heading row with a +/- toggle, and below it check-box rows
// whose text is split at tab characters into columns that line up at the list's tab stops.
// Groups start closed. Indices count from 0.
class TCheckGroupList : public QAbstractScrollArea {
    Q_OBJECT

public:
    struct RowRef {
        int group = 0;
        int row = 0;
        friend bool operator==(const RowRef&, const RowRef&) = default;
    };

    explicit TCheckGroupList(QWidget* parent = nullptr);

    void clear();
    int addGroup(const QString& heading);
    int addRow(int group, const QString& text, bool checked = false, const QVariant& data = {});

    int groupCount() const { return static_cast<int>(m_groups.size()); }
    int rowCount(int group) const;
    QString groupHeading(int group) const;
    void setGroupHeading(int group, const QString& heading);
    QString rowText(int group, int row) const;
    QVariant rowData(int group, int row) const;

    void setGroupExpanded(int group, bool expanded);
    bool isGroupExpanded(int group) const;

    // Changing a row from code emits no signal.
    void setRowChecked(int group, int row, bool checked);
    bool isRowChecked(int group, int row) const;
    QList<RowRef> checkedRows() const;  // in list order

    // Tab stops in pixels from the start of a row's text; column i + 1 starts at stop i.
    void setTabStops(const QList<int>& stops);
    QList<int> tabStops() const { return m_tabStops; }
    // Places every stop after the widest text of its column plus the spacing. With
    // `firstGivesWay`, a first column too wide for the list is narrowed (to no less than a
    // third) so the columns after it stay in view. Texts longer than their column are elided.
    void fitTabStops(int spacing = 10, int maxColumns = 20, bool firstGivesWay = false);

    // Compact mode: rows 13 and group headings 14 pixels high.
    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }

    // Geometry in viewport coordinates; empty while the row or group is not on the list.
    QRect groupRect(int group) const;
    QRect toggleRect(int group) const;
    QRect rowRect(int group, int row) const;
    QRect checkBoxRect(int group, int row) const;
    int columnX(int group, int row, int column) const;

signals:
    // The user ticked or cleared a row's box (mouse or space bar).
    void rowCheckToggled(int group, int row, bool checked);
    // The user clicked a row outside its box.
    void rowClicked(int group, int row);
    void groupExpandedChanged(int group, bool expanded);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QString text;
        bool checked = false;
        QVariant data;
    };
    struct Group {
        QString heading;
        bool expanded = false;
        QList<Row> rows;
    };
    struct Line {
        int group;
        int row;  // -1 for the heading
    };

    bool validGroup(int group) const { return group >= 0 && group < groupCount(); }
    bool validRow(int group, int row) const;
    QList<Line> visibleLines() const;
    int lineTop(int index) const;  // in content coordinates
    int lineHeight(const Line& line) const;
    int textLeft() const;
    QList<int> columnOffsets(const QStringList& columns) const;  // from the text's left edge
    void contentChanged();
    void toggleRow(int group, int row);
    void paintHeading(QPainter& painter, const Group& group, const QRect& rect, bool current);
    void paintRow(QPainter& painter, const Row& row, const QRect& rect, bool current);

    QList<Group> m_groups;
    QList<int> m_tabStops;
    bool m_compact = false;
    int m_current = -1;  // index into visibleLines()
};

}  // namespace trivanto
