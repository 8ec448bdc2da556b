#include "ui/widgets/trivanto_style.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFrame>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

constexpr int kFieldRadius = 4;
constexpr int kButtonRadius = 6;
// A field's frame is one pixel, two under the focus. Lists and text boxes keep one pixel, as
// their contents cover the inner one and their rows stay flush with the frame.
constexpr int kFrameWidth = 1;
constexpr int kFocusFrameWidth = 2;
constexpr int kIndicatorSize = 15;
constexpr int kLabelSpacing = 6;
constexpr int kScrollBarExtent = 11;
constexpr int kScrollBarSliderMin = 20;
constexpr int kComboArrowWidth = 18;
constexpr int kComboRightPadding = 20;

QColor fieldBackground() {
    QColor colour = Theme::kMidnight;
    colour.setAlpha(230);
    return colour;
}

bool hasFocus(const QStyleOption* option) {
    return option->state & QStyle::State_HasFocus;
}
bool isEnabled(const QStyleOption* option) {
    return option->state & QStyle::State_Enabled;
}
bool isHovered(const QStyleOption* option) {
    return option->state & QStyle::State_MouseOver;
}

// A rounded plate whose frame lies inside `rect`, `border` pixels wide.
void drawPlate(QPainter* painter, const QRect& rect, double radius, const QBrush& fill,
               const QColor& border, int borderWidth) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const double half = borderWidth / 2.0;
    const QRectF box = QRectF(rect).adjusted(half, half, -half, -half);
    painter->setPen(borderWidth > 0 ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    painter->setBrush(fill);
    painter->drawRoundedRect(box, radius, radius);
    painter->restore();
}

// The frame of a field, a list or a combo box: midnight with a thin frame, gold under the focus.
void drawField(QPainter* painter, const QStyleOption* option, const QColor& focusedFill,
               int focusWidth = kFocusFrameWidth) {
    const bool enabled = isEnabled(option);
    const bool focused = enabled && hasFocus(option);
    const QColor fill = !enabled ? Theme::kNavy : focused ? focusedFill : fieldBackground();
    drawPlate(painter, option->rect, kFieldRadius, fill,
              focused ? Theme::kGoldLight : Theme::kPanelLight, focused ? focusWidth : 1);
}

void drawButtonPlate(QPainter* painter, const QStyleOption* option) {
    const QRect& rect = option->rect;
    if (!isEnabled(option)) {
        drawPlate(painter, rect, kButtonRadius, Theme::kPanel, Theme::kPanelLight, 1);
        return;
    }
    QBrush fill;
    if (option->state & QStyle::State_Sunken) {
        fill = Theme::kGold;
    } else {
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0.0, isHovered(option) ? QColor(0xff, 0xf4, 0xcc) : Theme::kGoldLight);
        gradient.setColorAt(1.0, isHovered(option) ? Theme::kGoldLight : Theme::kGold);
        fill = gradient;
    }
    const bool focused = hasFocus(option);
    drawPlate(painter, rect, kButtonRadius, fill, focused ? Theme::kText : Theme::kGoldLight,
              focused ? 2 : 1);
}

// The box of a check box or of a ticked list line, and the round box of a radio button.
void drawIndicator(QPainter* painter, const QStyleOption* option, bool round) {
    const bool enabled = isEnabled(option);
    const bool hovered = enabled && isHovered(option);
    const bool focused = enabled && hasFocus(option);
    QColor border = !enabled ? Theme::kPanelLight : hovered ? Theme::kGoldLight : Theme::kGold;
    if (focused) {
        border = Theme::kText;
    }
    QRect box(0, 0, kIndicatorSize, kIndicatorSize);
    box = box.intersected(QRect(QPoint(), option->rect.size()));
    box.moveCenter(option->rect.center());
    const double radius = round ? box.width() / 2.0 : 3.0;
    drawPlate(painter, box, radius, hovered ? Theme::kPanel : fieldBackground(), border,
              focused ? 2 : 1);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // The marks are drawn on a 13-pixel grid inside the frame.
    painter->translate(box.left() + 1, box.top() + 1);
    painter->scale((box.width() - 2) / 13.0, (box.height() - 2) / 13.0);
    const QColor mark = enabled ? Theme::kGoldLight : Theme::kTextMuted;
    if (round && (option->state & QStyle::State_On)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(mark);
        painter->drawEllipse(QPointF(6.5, 6.5), 3.6, 3.6);
    } else if (!round && (option->state & QStyle::State_On)) {
        QPainterPath tick;
        tick.moveTo(2.5, 6.8);
        tick.lineTo(5.3, 9.6);
        tick.lineTo(10.6, 3.4);
        painter->setPen(QPen(mark, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    } else if (!round && (option->state & QStyle::State_NoChange)) {
        painter->setPen(QPen(mark, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(QPointF(3.5, 6.5), QPointF(9.5, 6.5));
    }
    painter->restore();
}

void drawComboArrow(QPainter* painter, const QRect& arrowRect, bool enabled) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QRectF box(0, 0, 10, 10);
    box.moveCenter(QRectF(arrowRect).center());
    QPainterPath arrow;
    arrow.moveTo(box.left() + 1.5, box.top() + 3);
    arrow.lineTo(box.left() + 5, box.top() + 7);
    arrow.lineTo(box.left() + 8.5, box.top() + 3);
    arrow.closeSubpath();
    painter->setPen(Qt::NoPen);
    painter->setBrush(enabled ? Theme::kGold : Theme::kTextMuted);
    painter->drawPath(arrow);
    painter->restore();
}

bool insideComboBox(const QWidget* widget) {
    return widget && qobject_cast<const QComboBox*>(widget->parentWidget());
}

bool isComboPopup(const QWidget* widget) {
    return widget && widget->inherits("QComboBoxPrivateContainer");
}

QRect scrollBarSlider(const QStyleOptionSlider* bar) {
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const QRect& groove = bar->rect;
    const int length = horizontal ? groove.width() : groove.height();
    int sliderLength = length;
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    if (range > 0) {
        sliderLength = int(qint64(bar->pageStep) * length / (range + bar->pageStep));
        sliderLength = std::clamp(sliderLength, std::min(kScrollBarSliderMin, length), length);
    }
    const int start = QStyle::sliderPositionFromValue(
        bar->minimum, bar->maximum, bar->sliderPosition, length - sliderLength, bar->upsideDown);
    return horizontal ? QRect(groove.left() + start, groove.top(), sliderLength, groove.height())
                      : QRect(groove.left(), groove.top() + start, groove.width(), sliderLength);
}

}  // namespace

TrivantoStyle::TrivantoStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void TrivantoStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* button = qobject_cast<QPushButton*>(widget); button && !button->font().bold()) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        view->viewport()->setAttribute(Qt::WA_Hover);
        if (isComboPopup(view->parentWidget())) {
            QPalette palette = view->palette();
            palette.setColor(QPalette::Base, Theme::kNavy);
            palette.setColor(QPalette::Text, Theme::kText);
            view->setPalette(palette);
        }
    }
}

void TrivantoStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelButtonCommand:
            drawButtonPlate(painter, option);
            return;
        case PE_PanelLineEdit:
            if (!insideComboBox(widget)) {
                drawField(painter, option, fieldBackground());
            }
            return;
        case PE_FrameLineEdit:
            return;
        case PE_IndicatorCheckBox:
        case PE_IndicatorItemViewItemCheck:
            drawIndicator(painter, option, false);
            return;
        case PE_IndicatorRadioButton:
            drawIndicator(painter, option, true);
            return;
        case PE_FrameFocusRect:
            // Buttons and boxes show the focus in their own frame; a list line gets a thin gold
            // one.
            if (qobject_cast<const QAbstractItemView*>(widget) ||
                (widget && qobject_cast<const QAbstractItemView*>(widget->parentWidget()))) {
                drawPlate(painter, option->rect, 3, Qt::NoBrush, Theme::kGoldLight, 1);
            }
            return;
        case PE_PanelItemViewItem:
            if (option->state & State_Selected) {
                painter->fillRect(option->rect, Theme::kGold);
            } else if (isHovered(option) && isEnabled(option)) {
                painter->fillRect(option->rect, Theme::kPanel);
            }
            return;
        case PE_PanelTipLabel:
            drawPlate(painter, option->rect, 0, Theme::kGoldLight, Theme::kGold, 1);
            return;
        case PE_FrameMenu:
            drawPlate(painter, option->rect, 0, Qt::NoBrush, Theme::kGold, 1);
            return;
        case PE_PanelScrollAreaCorner:
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TrivantoStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case CE_PushButtonBevel:
            drawButtonPlate(painter, option);
            return;
        case CE_CheckBoxLabel:
        case CE_RadioButtonLabel:
            if (hasFocus(option) && isEnabled(option)) {
                // The focus shows as a gold label.
                const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
                if (button) {
                    QStyleOptionButton focused = *button;
                    focused.palette.setColor(QPalette::WindowText, Theme::kGoldLight);
                    QProxyStyle::drawControl(element, &focused, painter, widget);
                    return;
                }
            }
            break;
        case CE_ComboBoxLabel:
            // A combo box is a field: its text is the fields' white, not the buttons' dark ink.
            if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
                QStyleOptionComboBox light = *combo;
                for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    light.palette.setColor(group, QPalette::ButtonText,
                                           combo->palette.color(group, QPalette::Text));
                }
                QProxyStyle::drawControl(element, &light, painter, widget);
                return;
            }
            break;
        case CE_ShapedFrame:
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                if (isComboPopup(widget)) {
                    drawPlate(painter, frame->rect, 0, Theme::kNavy, Theme::kGold, 1);
                    return;
                }
                if (frame->frameShape == QFrame::StyledPanel &&
                    qobject_cast<const QAbstractScrollArea*>(widget)) {
                    drawField(painter, option, fieldBackground());
                    return;
                }
            }
            break;
        default:
            break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TrivantoStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        drawField(painter, option, Theme::kPanel);
        drawComboArrow(painter, subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget),
                       isEnabled(option));
        return;
    }
    if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        bar && control == CC_ScrollBar) {
        drawPlate(painter, bar->rect, 5, fieldBackground(), Qt::transparent, 0);
        if (bar->maximum > bar->minimum || bar->pageStep > 0) {
            const bool active = (bar->activeSubControls & SC_ScrollBarSlider) &&
                                (bar->state & (State_MouseOver | State_Sunken)) && isEnabled(bar);
            const QRect handle = scrollBarSlider(bar).adjusted(2, 2, -2, -2);
            drawPlate(painter, handle, 4, active ? Theme::kGold : Theme::kPanelLight,
                      Qt::transparent, 0);
        }
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect TrivantoStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl subControl, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        const QRect& rect = option->rect;
        switch (subControl) {
            case SC_ComboBoxEditField:
                return rect.adjusted(7, 2, -kComboRightPadding, -2);
            case SC_ComboBoxArrow:
                return {rect.right() - kComboArrowWidth, rect.top(), kComboArrowWidth,
                        rect.height()};
            case SC_ComboBoxFrame:
            case SC_ComboBoxListBoxPopup:
                return rect;
            default:
                break;
        }
    }
    if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        bar && control == CC_ScrollBar) {
        // No arrow buttons: the whole bar is the groove.
        const QRect slider = scrollBarSlider(bar);
        const bool horizontal = bar->orientation == Qt::Horizontal;
        switch (subControl) {
            case SC_ScrollBarGroove:
                return bar->rect;
            case SC_ScrollBarSlider:
                return slider;
            case SC_ScrollBarSubPage:
                return horizontal ? QRect(bar->rect.topLeft(),
                                          QPoint(slider.left() - 1, bar->rect.bottom()))
                                  : QRect(bar->rect.topLeft(),
                                          QPoint(bar->rect.right(), slider.top() - 1));
            case SC_ScrollBarAddPage:
                return horizontal ? QRect(QPoint(slider.right() + 1, bar->rect.top()),
                                          bar->rect.bottomRight())
                                  : QRect(QPoint(bar->rect.left(), slider.bottom() + 1),
                                          bar->rect.bottomRight());
            default:
                return {};
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QRect TrivantoStyle::subElementRect(SubElement element, const QStyleOption* option,
                                    const QWidget* widget) const {
    switch (element) {
        case SE_LineEditContents:
            if (!insideComboBox(widget)) {
                // Frame and padding: four pixels beside the text, one above and below.
                return option->rect.adjusted(5, 2, -5, -2);
            }
            break;
        case SE_ItemViewItemCheckIndicator:
        case SE_ItemViewItemDecoration:
        case SE_ItemViewItemText:
        case SE_ItemViewItemFocusRect:
            if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
                QStyleOptionViewItem padded = *item;
                padded.rect.adjust(3, 1, -3, -1);
                return QProxyStyle::subElementRect(element, &padded, widget);
            }
            break;
        default:
            break;
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

QSize TrivantoStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_ItemViewItem) {
        return base + QSize(6, 2);
    }
    return base;
}

int TrivantoStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    switch (metric) {
        case PM_DefaultFrameWidth:
            return kFrameWidth;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return kIndicatorSize;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return kLabelSpacing;
        case PM_ScrollBarExtent:
            return kScrollBarExtent;
        case PM_ScrollBarSliderMin:
            return kScrollBarSliderMin;
        case PM_ButtonShiftVertical:
            return 1;
        case PM_ButtonShiftHorizontal:
        case PM_ButtonDefaultIndicator:
            return 0;
        case PM_ToolTipLabelFrameWidth:
            return 3;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TrivantoStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    switch (hint) {
        case SH_ComboBox_Popup:
            return 0;  // a plain list under the box, in the game's colours
        case SH_ScrollBar_ContextMenu:
            return 0;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

}  // namespace trivanto
