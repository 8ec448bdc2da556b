#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <functional>
#include <memory>

#include "core/game/game_engine.h"
#include "support/fake_services.h"
#include "support/test_names.h"
#include "ui/game/game_board.h"
#include "ui/widgets/t_flat_button.h"

namespace trivanto {
namespace {

// Typed by players or written into category files: shown as they are, never as markup or
// shortcut marks, and whole within their controls.
const QString kMarkupName = QStringLiteral("&<b>x</b>");
const QString kWideName = QStringLiteral("MMMMMMMMMMMMMMM");
const QString kQuestion = QStringLiteral("Which of <i>these</i> is R&D?");
const QString kAmpersandAnswer = QStringLiteral("Salt & Pepper");
const QString kRightAnswer = QStringLiteral("&<u>right</u>");
// 110 bytes, the most a field holds.
const QString kLongAnswer = QStringLiteral(
    "A very long answer that fills every byte a field of a category file can hold, "
    "and a few words more to get there");

// What a control shows: a plain label's text (the whole text of an elided one is its
// tooltip), a button's text without shortcut marks.
QString shownText(QWidget* control) {
    if (auto* button = qobject_cast<TFlatButton*>(control)) {
        return button->toolTip().isEmpty() ? button->shownText() : button->toolTip();
    }
    auto* label = qobject_cast<QLabel*>(control);
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << control->objectName().toStdString();
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

// Not elided, and the text as shown lies within the control.
void expectFits(QWidget* control) {
    EXPECT_TRUE(control->toolTip().isEmpty()) << "elided";
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(needed.height(), label->height());
    }
}

enum class Screen2 { Betting, Question, Wrong, Estimation, Closest, End };

struct PlainTextCase {
    const char* control;
    Screen2 screen;
    QString expected;  // the whole text, or a part of it the line must contain
    bool whole;
    bool mustFit;
};

class PlainTexts : public ::testing::TestWithParam<PlainTextCase> {
protected:
    PlainTexts() {
        engine = std::make_unique<GameEngine>(fakes.services());
        window = std::make_unique<QWidget>();
        window->resize(640, 479);
        new TGameBoard(*engine, window.get());
        window->show();
        NewGameData data;
        data.PlayerCount = 2;
        data.QuestionsPerPlayer = 1;
        data.names = {kMarkupName, kWideName, {}, {}};
        data.pictures = {SeatPicture::builtIn(1), SeatPicture::builtIn(2), {}, {}};
        GameQuestions list{{kQuestion,
                            {kAmpersandAnswer, kLongAnswer, kRightAnswer, QStringLiteral("d")},
                            QStringLiteral("3")},
                           {QStringLiteral("How many?"),
                            {QStringLiteral("10"), QStringLiteral("ife"), QStringLiteral("ife"),
                             QStringLiteral("ife")},
                            QStringLiteral("1")}};
        EXPECT_TRUE(engine->NeuesSpiel(data, std::move(list)));
    }

    void reach(Screen2 screen) {
        const std::function<void()> steps[] = {
            [] {},
            [this] { engine->EinsatzPruefen(QStringLiteral("10")); },
            [this] { engine->chooseAnswer(1); },
            [this] {
                engine->proceed();
                engine->EinsatzPruefen(QStringLiteral("10"));
            },
            [this] {
                engine->SchaetzungAuswerten({QStringLiteral("9"), QStringLiteral("11")});
            },
            [this] { engine->proceed(); },
        };
        for (int i = 0; i <= static_cast<int>(screen); ++i) {
            steps[i]();
        }
    }

    FakeServices fakes;
    std::unique_ptr<GameEngine> engine;
    std::unique_ptr<QWidget> window;
};

TEST_P(PlainTexts, ShowTheTextAsTypedAndWhole) {
    const PlainTextCase& c = GetParam();
    reach(c.screen);
    auto* control = window->findChild<QWidget*>(QLatin1String(c.control));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isVisibleTo(window.get()));
    const QString shown = shownText(control);
    if (c.whole) {
        EXPECT_EQ(shown, c.expected);
    } else {
        EXPECT_TRUE(shown.contains(c.expected)) << shown.toStdString();
    }
    if (c.mustFit) {
        expectFits(control);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Board, PlainTexts,
    ::testing::Values(
        PlainTextCase{"LabelSpieler1", Screen2::Betting, kMarkupName, true, true},
        PlainTextCase{"LabelSpieler2", Screen2::Betting, kWideName, true, true},
        PlainTextCase{"AktuellerSpielerLabel", Screen2::Betting, kMarkupName, true, true},
        PlainTextCase{"FrageLabel", Screen2::Question, kQuestion, true, true},
        PlainTextCase{"Antwort1Button", Screen2::Question, kAmpersandAnswer, true, true},
        PlainTextCase{"Antwort2Button", Screen2::Question, kLongAnswer, true, true},
        PlainTextCase{"Antwort3Button", Screen2::Question, kRightAnswer, true, true},
        PlainTextCase{"RichtigeAntwortLabel2", Screen2::Wrong, kRightAnswer, true, true},
        PlainTextCase{"SchaetzungLabelSpieler1", Screen2::Estimation, kMarkupName, true, true},
        PlainTextCase{"SchaetzungLabelSpieler2", Screen2::Estimation, kWideName, true, true},
        PlainTextCase{"NahDran", Screen2::Closest, kMarkupName, false, true},
        PlainTextCase{"GewinnerLabel", Screen2::End, kWideName, false, true}),
    [](const auto& info) { return testName(info.param.control); });

}  // namespace
}  // namespace trivanto
