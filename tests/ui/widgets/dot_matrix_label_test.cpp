#include <gtest/gtest.h>
#include <QImage>

#include "support/test_names.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

struct DisplayCase {
    QString text;
    int chars;
    QString shown;
};

class DotMatrixText : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DotMatrixText, KeepsTheLastCharactersRightAligned) {
    TDotMatrixLabel label;
    label.setCharCount(GetParam().chars);
    label.setText(GetParam().text);
    EXPECT_EQ(label.displayedText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, DotMatrixText,
    ::testing::Values(DisplayCase{QStringLiteral("1000"), 9, QStringLiteral("     1000")},
                      DisplayCase{QStringLiteral("-200"), 9, QStringLiteral("     -200")},
                      DisplayCase{QStringLiteral("15"), 2, QStringLiteral("15")},
                      DisplayCase{QStringLiteral("123"), 2, QStringLiteral("23")},
                      DisplayCase{QString(), 2, QStringLiteral("  ")},
                      DisplayCase{QStringLiteral("7"), 0, QStringLiteral("7")}),
    [](const auto& info) {
        return testName(
            QStringLiteral("%1_in_%2_places")
                .arg(info.param.text.isEmpty() ? QStringLiteral("nothing") : info.param.text)
                .arg(info.param.chars)
                .toStdString());
    });

QImage render(TDotMatrixLabel::ColourScheme scheme, const QString& text) {
    TDotMatrixLabel label;
    label.setCharCount(2);
    label.setDotPitch(5);
    label.setColourScheme(scheme);
    label.setText(text);
    label.resize(label.sizeHint());
    return label.grab().toImage();
}

// The brightest pixel tells the colour of the lit dots.
QColor brightest(const QImage& image) {
    QColor best(Qt::black);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() > best.lightness()) {
                best = c;
            }
        }
    }
    return best;
}

TEST(DotMatrixLabel, SchemesLightTheirOwnColour) {
    const QColor amber =
        brightest(render(TDotMatrixLabel::ColourScheme::Amber, QStringLiteral("88")));
    const QColor red = brightest(render(TDotMatrixLabel::ColourScheme::Red, QStringLiteral("88")));
    const QColor white =
        brightest(render(TDotMatrixLabel::ColourScheme::White, QStringLiteral("88")));
    EXPECT_GT(amber.red(), amber.blue() + 100);
    EXPECT_GT(amber.green(), red.green());
    EXPECT_GT(red.red(), red.green() + 100);
    EXPECT_GT(white.blue(), 200);
    EXPECT_GT(white.green(), 200);
}

TEST(DotMatrixLabel, DifferentDigitsLightDifferentDots) {
    const auto scheme = TDotMatrixLabel::ColourScheme::Amber;
    const QImage fifteen = render(scheme, QStringLiteral("15"));
    EXPECT_NE(fifteen, render(scheme, QStringLiteral("14")));
    EXPECT_NE(fifteen, render(scheme, QStringLiteral("51")));
    EXPECT_EQ(fifteen, render(scheme, QStringLiteral("115")));  // only the last two count
    // A blank display still shows its unlit dots, dimmer than any lit one.
    const QImage blank = render(scheme, QString());
    EXPECT_LT(brightest(blank).lightness(), brightest(fifteen).lightness());
    EXPECT_GT(brightest(blank).lightness(), 0);
}

TEST(DotMatrixLabel, SizeFollowsCharactersAndPitch) {
    TDotMatrixLabel label;
    label.setCharCount(9);
    label.setDotPitch(2);
    const QSize account = label.sizeHint();
    EXPECT_LE(account.width(), 111);  // fits a seat
    label.setCharCount(2);
    label.setDotPitch(5);
    EXPECT_LT(label.sizeHint().width(), account.width());
    EXPECT_GT(label.sizeHint().height(), account.height());
}

// The columns from the first to the last lit dot.
int litWidth(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last - first + 1;
}

TEST(DotMatrixLabel, ANarrowDisplayGivesUpItsBorderBeforeItsDots) {
    TDotMatrixLabel label;
    label.setCharCount(9);
    label.setDotPitch(2);
    label.setText(QStringLiteral("888888888"));
    label.resize(label.sizeHint());
    const int full = litWidth(label.grab().toImage());
    // As wide as the dots alone (a seat card's plate): the same dots, no border.
    label.resize(label.sizeHint().width() - 3, label.sizeHint().height());
    EXPECT_EQ(litWidth(label.grab().toImage()), full);
    // Narrower than the dots: smaller ones, all of them inside.
    label.resize(label.sizeHint().width() / 2, label.sizeHint().height());
    const int half = litWidth(label.grab().toImage());
    EXPECT_LT(half, full);
    EXPECT_LE(half, label.width());
}

}  // namespace
}  // namespace trivanto
