#pragma once

#include <QProxyStyle>

namespace trivanto {

// The game's look for the ordinary controls (buttons, fields, lists, combo boxes, check boxes,
// radio buttons, scroll bars, tool tips, menus), Qt's own dialogs included: gold plates with
// dark text, midnight fields with a thin frame that turns gold under the focus, and slim
// scroll bars. Drawn on top of Fusion. A style sheet gives the same look but matches its rules
// against every control while it is polished, which cost the start a sixth of its time and
// several megabytes.
class TrivantoStyle final : public QProxyStyle {
public:
    TrivantoStyle();

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace trivanto
