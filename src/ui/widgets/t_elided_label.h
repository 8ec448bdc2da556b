#pragma once

#include <QLabel>

namespace trivanto {

// A one-line label for texts that come from data or people: always plain text, and a text
// wider than the label is drawn cut with "…" (text() stays whole; the tool tip shows it).
class TElidedLabel final : public QLabel {
    Q_OBJECT

public:
    explicit TElidedLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // Whether the text is drawn cut right now.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();
};

}  // namespace trivanto
