#include "ui/widgets/t_check_group_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "ui/widgets/theme.h"

namespace trivanto {
namespace {

constexpr int kGroupIndent = 14;
constexpr int kToggleLeft = 3;
constexpr int kBoxGap = 5;  // between check box and text

}  // namespace

TCheckGroupList::TCheckGroupList(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setFont(Theme::bodyFont());
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(13);
}

void TCheckGroupList::clear() {
    m_groups.clear();
    m_current = -1;
    contentChanged();
}

int TCheckGroupList::addGroup(const QString& heading) {
    m_groups.append(Group{heading, false, {}});
    contentChanged();
    return groupCount() - 1;
}

int TCheckGroupList::addRow(int group, const QString& text, bool checked, const QVariant& data) {
    if (!validGroup(group)) {
        return -1;
    }
    m_groups[group].rows.append(Row{text, checked, data});
    contentChanged();
    return rowCount(group) - 1;
}

int TCheckGroupList::rowCount(int group) const {
    return validGroup(group) ? static_cast<int>(m_groups[group].rows.size()) : 0;
}

bool TCheckGroupList::validRow(int group, int row) const {
    return validGroup(group) && row >= 0 && row < rowCount(group);
}

QString TCheckGroupList::groupHeading(int group) const {
    return validGroup(group) ? m_groups[group].heading : QString();
}

void TCheckGroupList::setGroupHeading(int group, const QString& heading) {
    if (validGroup(group)) {
        m_groups[group].heading = heading;
        viewport()->update();
    }
}

QString TCheckGroupList::rowText(int group, int row) const {
    return validRow(group, row) ? m_groups[group].rows[row].text : QString();
}

QVariant TCheckGroupList::rowData(int group, int row) const {
    return validRow(group, row) ? m_groups[group].rows[row].data : QVariant();
}

void TCheckGroupList::setGroupExpanded(int group, bool expanded) {
    if (!validGroup(group) || m_groups[group].expanded == expanded) {
        return;
    }
    m_groups[group].expanded = expanded;
    m_current = -1;
    contentChanged();
    emit groupExpandedChanged(group, expanded);
}

bool TCheckGroupList::isGroupExpanded(int group) const {
    return validGroup(group) && m_groups[group].expanded;
}

void TCheckGroupList::setRowChecked(int group, int row, bool checked) {
    if (validRow(group, row)) {
        m_groups[group].rows[row].checked = checked;
        viewport()->update();
    }
}

bool TCheckGroupList::isRowChecked(int group, int row) const {
    return validRow(group, row) && m_groups[group].rows[row].checked;
}

QList<TCheckGroupList::RowRef> TCheckGroupList::checkedRows() const {
    QList<RowRef> result;
    for (int g = 0; g < groupCount(); ++g) {
        for (int r = 0; r < rowCount(g); ++r) {
            if (m_groups[g].rows[r].checked) {
                result.append(RowRef{g, r});
            }
        }
    }
    return result;
}

void TCheckGroupList::setTabStops(const QList<int>& stops) {
    m_tabStops = stops;
    viewport()->update();
}

void TCheckGroupList::fitTabStops(int spacing, int maxColumns, bool firstGivesWay) {
    const QFontMetrics metrics(font());
    QList<int> widths;
    for (const Group& group : m_groups) {
        for (const Row& row : group.rows) {
            const QStringList columns = row.text.split(QLatin1Char('\t'));
            for (int c = 0; c < std::min<int>(columns.size(), maxColumns); ++c) {
                if (widths.size() <= c) {
                    widths.append(0);
                }
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(columns[c]));
            }
        }
    }
    // On request, when the columns are wider than the list, the first one gives way, down to a
    // third of the room, so the short columns after it stay in view; its texts are elided.
    if (firstGivesWay && widths.size() > 1) {
        int total = 0;
        for (const int width : widths) {
            total += width + spacing;
        }
        total -= spacing;
        const int room = viewport()->width() - textLeft() - spacing -
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (total > room) {
            widths[0] = std::max(room / 3, widths[0] - (total - room));
        }
    }
    QList<int> stops;
    int x = 0;
    for (int c = 0; c + 1 < widths.size(); ++c) {
        x += widths[c] + spacing;
        stops.append(x);
    }
    setTabStops(stops);
}

void TCheckGroupList::setCompact(bool compact) {
    m_compact = compact;
    QFont listFont = Theme::bodyFont();
    listFont.setPixelSize(compact ? 11 : 12);
    setFont(listFont);
    contentChanged();
}

QList<TCheckGroupList::Line> TCheckGroupList::visibleLines() const {
    QList<Line> lines;
    for (int g = 0; g < groupCount(); ++g) {
        lines.append(Line{g, -1});
        if (m_groups[g].expanded) {
            for (int r = 0; r < rowCount(g); ++r) {
                lines.append(Line{g, r});
            }
        }
    }
    return lines;
}

int TCheckGroupList::lineHeight(const Line& line) const {
    if (line.row < 0) {
        return m_compact ? 14 : 21;
    }
    return m_compact ? 13 : 19;
}

int TCheckGroupList::lineTop(int index) const {
    const QList<Line> lines = visibleLines();
    int top = 0;
    for (int i = 0; i < index && i < lines.size(); ++i) {
        top += lineHeight(lines[i]);
    }
    return top;
}

int TCheckGroupList::textLeft() const {
    const int box = m_compact ? 11 : 13;
    return kGroupIndent + 2 + box + kBoxGap;
}

void TCheckGroupList::contentChanged() {
    int total = 0;
    for (const Line& line : visibleLines()) {
        total += lineHeight(line);
    }
    verticalScrollBar()->setRange(0, std::max(0, total - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    viewport()->update();
}

void TCheckGroupList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    contentChanged();
}

void TCheckGroupList::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    // Sizes set while hidden arrive late; the scroll range must match the shown viewport.
    contentChanged();
}

QRect TCheckGroupList::groupRect(int group) const {
    const QList<Line> lines = visibleLines();
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].group == group && lines[i].row < 0) {
            return QRect(0, lineTop(i) - verticalScrollBar()->value(), viewport()->width(),
                         lineHeight(lines[i]));
        }
    }
    return {};
}

QRect TCheckGroupList::toggleRect(int group) const {
    const QRect line = groupRect(group);
    if (line.isEmpty()) {
        return {};
    }
    const int side = m_compact ? 9 : 11;
    return QRect(kToggleLeft, line.top() + (line.height() - side) / 2, side, side);
}

QRect TCheckGroupList::rowRect(int group, int row) const {
    const QList<Line> lines = visibleLines();
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].group == group && lines[i].row == row && row >= 0) {
            return QRect(0, lineTop(i) - verticalScrollBar()->value(), viewport()->width(),
                         lineHeight(lines[i]));
        }
    }
    return {};
}

QRect TCheckGroupList::checkBoxRect(int group, int row) const {
    const QRect line = rowRect(group, row);
    if (line.isEmpty()) {
        return {};
    }
    const int side = m_compact ? 11 : 13;
    return QRect(kGroupIndent + 2, line.top() + (line.height() - side) / 2, side, side);
}

QList<int> TCheckGroupList::columnOffsets(const QStringList& columns) const {
    const QFontMetrics metrics(font());
    QList<int> offsets{0};
    for (int c = 1; c < columns.size(); ++c) {
        const int previous = offsets.back();
        // A column without a stop follows its predecessor after one blank.
        const int following = previous + metrics.horizontalAdvance(columns[c - 1]) +
                              metrics.horizontalAdvance(QLatin1Char(' '));
        offsets.append(c - 1 < m_tabStops.size() ? std::max(m_tabStops[c - 1], previous)
                                                 : following);
    }
    return offsets;
}

int TCheckGroupList::columnX(int group, int row, int column) const {
    if (!validRow(group, row) || column < 0) {
        return -1;
    }
    const QList<int> offsets =
        columnOffsets(m_groups[group].rows[row].text.split(QLatin1Char('\t')));
    return column < offsets.size() ? textLeft() + offsets[column] : -1;
}

void TCheckGroupList::toggleRow(int group, int row) {
    Row& entry = m_groups[group].rows[row];
    entry.checked = !entry.checked;
    viewport()->update();
    emit rowCheckToggled(group, row, entry.checked);
}

void TCheckGroupList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QList<Line> lines = visibleLines();
    const int y = event->position().toPoint().y() + verticalScrollBar()->value();
    int top = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int height = lineHeight(lines[i]);
        if (y >= top && y < top + height) {
            const Line line = lines[i];
            m_current = i;
            if (line.row < 0) {
                setGroupExpanded(line.group, !isGroupExpanded(line.group));
                m_current = std::min(i, static_cast<int>(visibleLines().size()) - 1);
            } else if (event->position().x() < textLeft()) {
                toggleRow(line.group, line.row);
            } else {
                viewport()->update();
                emit rowClicked(line.group, line.row);
            }
            event->accept();
            return;
        }
        top += height;
    }
    event->accept();
}

void TCheckGroupList::keyPressEvent(QKeyEvent* event) {
    const QList<Line> lines = visibleLines();
    if (lines.isEmpty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int last = static_cast<int>(lines.size()) - 1;
    switch (event->key()) {
        case Qt::Key_Down:
            m_current = std::min(last, m_current + 1);
            break;
        case Qt::Key_Up:
            m_current = std::max(0, m_current - 1);
            break;
        case Qt::Key_Space:
            if (m_current >= 0 && m_current <= last) {
                const Line line = lines[m_current];
                if (line.row < 0) {
                    setGroupExpanded(line.group, !isGroupExpanded(line.group));
                    m_current = std::min(m_current, static_cast<int>(visibleLines().size()) - 1);
                } else {
                    toggleRow(line.group, line.row);
                }
            }
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    // Keep the current line in view.
    const int top = lineTop(m_current);
    const int height = lineHeight(visibleLines().value(m_current, Line{0, -1}));
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + height > bar->value() + viewport()->height()) {
        bar->setValue(top + height - viewport()->height());
    }
    viewport()->update();
    event->accept();
}

void TCheckGroupList::paintHeading(QPainter& painter, const Group& group, const QRect& rect,
                                   bool current) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(current && hasFocus() ? Theme::kPanelLight : Theme::kPanel);
    painter.drawRect(rect.adjusted(0, 0, 0, -1));
    const int side = m_compact ? 9 : 11;
    const QRectF box(kToggleLeft + 0.5, rect.top() + (rect.height() - side) / 2 + 0.5, side - 1,
                     side - 1);
    painter.setPen(QPen(Theme::kGold, 1));
    painter.setBrush(Theme::kMidnight);
    painter.drawRect(box);
    const QPointF c = box.center();
    const double arm = side / 2.0 - 2.5;
    painter.setPen(QPen(Theme::kGoldLight, 1.2));
    painter.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    if (!group.expanded) {
        painter.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Theme::kGoldLight);
    painter.drawText(rect.adjusted(kToggleLeft + side + 6, 0, -2, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, group.heading);
}

void TCheckGroupList::paintRow(QPainter& painter, const Row& row, const QRect& rect, bool current) {
    if (current && hasFocus()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 26));
        painter.drawRect(rect);
    }
    const int side = m_compact ? 11 : 13;
    const QRectF box(kGroupIndent + 2.5, rect.top() + (rect.height() - side) / 2 + 0.5, side - 1,
                     side - 1);
    painter.setPen(QPen(Theme::kGold, 1));
    painter.setBrush(Theme::kMidnight);
    painter.drawRoundedRect(box, 2, 2);
    if (row.checked) {
        QPen tick(Theme::kGoldLight, 1.8);
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        painter.setPen(tick);
        const QPointF points[] = {{box.left() + side * 0.2, box.top() + side * 0.5},
                                  {box.left() + side * 0.42, box.top() + side * 0.72},
                                  {box.left() + side * 0.8, box.top() + side * 0.22}};
        painter.drawPolyline(points, 3);
    }
    painter.setFont(font());
    painter.setPen(Theme::kText);
    const QStringList columns = row.text.split(QLatin1Char('\t'));
    const QList<int> offsets = columnOffsets(columns);
    const QFontMetrics metrics(font());
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int c = 0; c < columns.size(); ++c) {
        const int x = textLeft() + offsets[c];
        // A text too long for its column is elided before the next one begins.
        const int end = c + 1 < columns.size() ? textLeft() + offsets[c + 1] - gap : rect.right();
        const int width = std::max(0, end - x);
        painter.drawText(QRect(x, rect.top(), width, rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(columns[c], Qt::ElideRight, width));
    }
}

void TCheckGroupList::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(viewport()->rect(), Theme::kMidnight);
    const QList<Line> lines = visibleLines();
    int top = -verticalScrollBar()->value();
    for (int i = 0; i < lines.size() && top < viewport()->height(); ++i) {
        const int height = lineHeight(lines[i]);
        if (top + height > 0) {
            const QRect rect(0, top, viewport()->width(), height);
            const Group& group = m_groups[lines[i].group];
            if (lines[i].row < 0) {
                paintHeading(painter, group, rect, i == m_current);
            } else {
                paintRow(painter, group.rows[lines[i].row], rect, i == m_current);
            }
        }
        top += height;
    }
}

}  // namespace trivanto
