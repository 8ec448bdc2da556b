#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/game/game_engine.h"
#include "support/fake_services.h"
#include "ui/game/board_layout.h"
#include "ui/game/game_board.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

QuestionSlot mc(const QString& q, const QString& correct = QStringLiteral("2")) {
    return {q,
            {q + QStringLiteral(" a"), q + QStringLiteral(" b"), q + QStringLiteral(" c"),
             q + QStringLiteral(" d")},
            correct};
}
QuestionSlot estimation(const QString& q, const QString& exact) {
    return {q,
            {exact, QStringLiteral("ife"), QStringLiteral("ife"), QStringLiteral("ife")},
            QStringLiteral("1")};
}

// The board on a window of its own, driven against the real engine on fakes.
class GameBoardTest : public ::testing::Test {
protected:
    GameBoardTest() {
        engine = std::make_unique<GameEngine>(fakes.services());
        window = std::make_unique<QWidget>();
        window->resize(640, 479);
        board = new TGameBoard(*engine, window.get());
        engine->Ursprung();
        window->show();
        // Focus moves need the active window.
        QApplication::setActiveWindow(window.get());
    }

    void start(int players, std::vector<QuestionSlot> list) {
        NewGameData data;
        data.PlayerCount = players;
        data.QuestionsPerPlayer = static_cast<int>(list.size()) / players;
        data.names = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                      QStringLiteral("Dee")};
        for (int n = 0; n < players; ++n) {
            data.pictures[static_cast<std::size_t>(n)] = SeatPicture::builtIn(n + 1);
        }
        ASSERT_TRUE(engine->NeuesSpiel(data, std::move(list)));
    }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    bool shown(const QString& name) { return control(name)->isVisibleTo(window.get()); }
    QString text(const QString& name) { return control<QLabel>(name)->text(); }
    QString lcd(int n) { return control<TDotMatrixLabel>(QStringLiteral("LCD%1").arg(n))->text(); }
    void bet(const QString& amount) {
        auto* field = control<QLineEdit>(QStringLiteral("Geldsetzen"));
        field->clear();
        QTest::keyClicks(field, amount);
        QTest::keyClick(field, Qt::Key_Return);
    }

    FakeServices fakes;
    ManualClock& clock = fakes.clock;
    ScriptedRandom& random = fakes.random;
    RecordingMessageDialog& dialog = fakes.dialog;
    MessageCatalogue& catalogue = fakes.catalogue;
    std::unique_ptr<GameEngine> engine;
    std::unique_ptr<QWidget> window;
    TGameBoard* board = nullptr;
};

TEST_F(GameBoardTest, EmptyBoardAndTwoPlayerSeats) {
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(text(QStringLiteral("LabelSpieler%1").arg(n)),
                  QStringLiteral("Player %1").arg(n));
        EXPECT_EQ(lcd(n), QStringLiteral("0"));
    }
    EXPECT_FALSE(shown(QStringLiteral("ImageRahmen")));
    EXPECT_FALSE(shown(QStringLiteral("PanelGeldsetzen")));

    start(2, {mc("Q1"), mc("Q2")});
    EXPECT_EQ(text(QStringLiteral("LabelSpieler1")), QStringLiteral("Ann"));
    EXPECT_EQ(lcd(1), QStringLiteral("1000"));
    EXPECT_EQ(control<TDotMatrixLabel>(QStringLiteral("LCD1"))->colourScheme(),
              TDotMatrixLabel::ColourScheme::White);
    EXPECT_EQ(text(QStringLiteral("LabelSpieler3")), QStringLiteral("Player 3"));
    EXPECT_EQ(lcd(3), QStringLiteral("0"));
    EXPECT_EQ(control<TDotMatrixLabel>(QStringLiteral("LCD3"))->colourScheme(),
              TDotMatrixLabel::ColourScheme::Red);
    const QImage seat3 = control<QLabel>(QStringLiteral("ImageSpieler3"))->pixmap().toImage();
    EXPECT_EQ(seat3, artwork::placeholderPicture().toImage());
    const QImage seat2 = control<QLabel>(QStringLiteral("ImageSpieler2"))->pixmap().toImage();
    EXPECT_EQ(seat2, artwork::playerPicture(2).toImage());
    EXPECT_EQ(control(QStringLiteral("ImageRahmen"))->x(), 157);
    EXPECT_EQ(text(QStringLiteral("AktuellerSpielerLabel")), QStringLiteral("Ann"));
}

TEST_F(GameBoardTest, SeatControlsLineUpWithTheirCards) {
    start(2, {mc("Q1"), mc("Q2")});
    const QSize frameSize = control(QStringLiteral("ImageRahmen"))->size();
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const QRect frame(QPoint(board_layout::seatLeft(n), board_layout::kSeatTop), frameSize);
        // The background's plate lies 2 pixels inside the frame; the frame's rim covers 3.
        const QRect plate = frame.adjusted(2, 2, -2, -2);
        const QRect insideRim = frame.adjusted(3, 3, -3, -3);
        const QRect display = control(QStringLiteral("LCD%1").arg(n))->geometry();
        EXPECT_EQ(display.left(), plate.left());
        EXPECT_EQ(display.right(), plate.right());
        EXPECT_TRUE(plate.contains(display));
        for (const QString& name :
             {QStringLiteral("ImageSpieler%1"), QStringLiteral("LabelSpieler%1"),
              QStringLiteral("GuthabenLabel%1")}) {
            EXPECT_TRUE(insideRim.contains(control(name.arg(n))->geometry()))
                << name.arg(n).toStdString();
        }
    }
}

TEST_F(GameBoardTest, EnterInTheBetFieldChecksTheBet) {
    start(2, {mc("Q1"), mc("Q2")});
    auto* field = control<QLineEdit>(QStringLiteral("Geldsetzen"));
    EXPECT_EQ(field->text(), QStringLiteral("200"));
    EXPECT_EQ(window->focusWidget(), field);
    EXPECT_EQ(field->selectedText(), QStringLiteral("200"));

    bet(QStringLiteral("12a"));  // rejected: the panel stays with the typed text
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgBetIntegerRange));
    EXPECT_TRUE(shown(QStringLiteral("PanelGeldsetzen")));
    EXPECT_EQ(field->text(), QStringLiteral("12a"));

    bet(QStringLiteral("300"));
    EXPECT_FALSE(shown(QStringLiteral("PanelGeldsetzen")));
    EXPECT_TRUE(shown(QStringLiteral("AntwortButtonPanel")));
    EXPECT_EQ(text(QStringLiteral("FrageLabel")), QStringLiteral("Q1"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Antwort3Button"))->text(),
              QStringLiteral("Q1 c"));
    EXPECT_TRUE(shown(QStringLiteral("Label3")));
    EXPECT_EQ(control<TDotMatrixLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("15"));
}

TEST_F(GameBoardTest, MaxAndClickSelectAllAndPanelFocusGoesToTheField) {
    start(2, {mc("Q1"), mc("Q2")});
    auto* field = control<QLineEdit>(QStringLiteral("Geldsetzen"));
    QTest::mouseClick(control(QStringLiteral("FlatButton1")), Qt::LeftButton);
    EXPECT_EQ(field->text(), QStringLiteral("1000"));

    control(QStringLiteral("GeldgesetztButton"))->setFocus();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, field->height() / 2));
    EXPECT_EQ(field->selectedText(), QStringLiteral("1000"));

    control(QStringLiteral("FlatButton1"))->setFocus();
    control(QStringLiteral("PanelGeldsetzen"))->setFocus();
    EXPECT_EQ(window->focusWidget(), field);
}

TEST_F(GameBoardTest, AnswersCountdownAndResultScreens) {
    start(2, {mc("Q1"), mc("Q2"), mc("Q3"), mc("Q4")});
    bet(QStringLiteral("100"));
    QTest::mouseClick(control(QStringLiteral("Antwort2Button")), Qt::LeftButton);
    EXPECT_TRUE(shown(QStringLiteral("RichtigImage")));
    EXPECT_FALSE(shown(QStringLiteral("AntwortButtonPanel")));
    EXPECT_FALSE(shown(QStringLiteral("Label3")));
    EXPECT_EQ(lcd(1), QStringLiteral("1100"));
    QTest::mouseClick(control(QStringLiteral("GoOn")), Qt::LeftButton);
    EXPECT_EQ(control(QStringLiteral("ImageRahmen"))->x(), 274);
    EXPECT_EQ(text(QStringLiteral("AktuellerSpielerLabel")), QStringLiteral("Bob"));

    // Player 2 lets the time run out.
    bet(QStringLiteral("100"));
    auto* countdown = control<TDotMatrixLabel>(QStringLiteral("Label3"));
    QStringList shownDigits{countdown->text()};
    for (int tick = 0; tick < 16; ++tick) {
        clock.advance(1000);
        shownDigits << countdown->text();
    }
    EXPECT_EQ(shownDigits.first(), QStringLiteral("15"));
    EXPECT_EQ(shownDigits[1], QStringLiteral("15"));  // 15 for two seconds
    EXPECT_EQ(shownDigits[2], QStringLiteral("14"));
    EXPECT_EQ(shownDigits.last(), QStringLiteral("00"));
    EXPECT_TRUE(shown(QStringLiteral("AntwortButtonPanel")));
    clock.advance(1000);
    EXPECT_TRUE(shown(QStringLiteral("FalschImage")));
    EXPECT_TRUE(shown(QStringLiteral("RichtigeAntwortLabel")));
    EXPECT_EQ(text(QStringLiteral("RichtigeAntwortLabel2")), QStringLiteral("Q2 b"));
    EXPECT_EQ(lcd(1), QStringLiteral("1200"));
    EXPECT_EQ(lcd(2), QStringLiteral("900"));
}

// Enter moves from guess field to guess field and settles after the last player's field.
TEST_F(GameBoardTest, EstimationEnterOrder) {
    for (int players : {2, 3, 4}) {
        SCOPED_TRACE(players);
        std::vector<QuestionSlot> list{
            estimation(QStringLiteral("How many?"), QStringLiteral("100"))};
        for (int i = 1; i < players; ++i) {
            list.push_back(mc(QStringLiteral("Q%1").arg(i)));
        }
        start(players, list);
        dialog.clear();
        bet(QStringLiteral("50"));
        ASSERT_TRUE(shown(QStringLiteral("SchaetzfragenEditsPanel")));
        EXPECT_EQ(control(QStringLiteral("SchaetzfragenEditsPanel"))->height(), 18 * players);
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(shown(QStringLiteral("SchaetzungLabelSpieler%1").arg(n)), n <= players);
        }
        for (int n = 1; n <= players; ++n) {
            auto* field = control<QLineEdit>(QStringLiteral("SchaetzungSpieler%1").arg(n));
            EXPECT_EQ(window->focusWidget(), field);
            EXPECT_TRUE(shown(QStringLiteral("FrageLabel2")));  // not settled yet
            QTest::keyClicks(field, QString::number(80 + 10 * n));
            QTest::keyClick(field, Qt::Key_Return);
        }
        // Guesses 90, 100, 110, 120: player 2 alone is exact.
        EXPECT_TRUE(shown(QStringLiteral("SchaetzfrageImage")));
        EXPECT_EQ(text(QStringLiteral("ExakteAntwortLabel")),
                  catalogue.text(Msg::MsgCorrectAnswerIs) + QStringLiteral("100"));
        EXPECT_EQ(text(QStringLiteral("NahDran")),
                  catalogue.text(Msg::MsgClosestGuess) + QStringLiteral("Bob"));
        EXPECT_EQ(lcd(2), QStringLiteral("1050"));
        EXPECT_TRUE(dialog.empty());
    }
}

TEST_F(GameBoardTest, InvalidGuessKeepsTheEstimationScreen) {
    start(2, {estimation(QStringLiteral("How many?"), QStringLiteral("7")), mc("Q2")});
    bet(QStringLiteral("50"));
    QTest::keyClicks(control(QStringLiteral("SchaetzungSpieler1")), QStringLiteral("-3"));
    QTest::keyClicks(control(QStringLiteral("SchaetzungSpieler2")), QStringLiteral("7"));
    QTest::mouseClick(control(QStringLiteral("TippsOK")), Qt::LeftButton);
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgEstimateInteger));
    EXPECT_TRUE(shown(QStringLiteral("SchaetzfragenEditsPanel")));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("SchaetzungSpieler1"))->text(),
              QStringLiteral("-3"));
}

TEST_F(GameBoardTest, JokerScreenShowsBothLines) {
    start(1, {{QStringLiteral("Joker!"),
               {QStringLiteral("joker"), QStringLiteral("joker"), QStringLiteral("joker"),
                QStringLiteral("joker")},
               QStringLiteral("1")}});
    random.push(2);
    bet(QStringLiteral("300"));
    EXPECT_TRUE(shown(QStringLiteral("JokerImage")));
    EXPECT_EQ(text(QStringLiteral("JokerTextLabel")),
              catalogue.text(Msg::MsgPayoutDouble) + QStringLiteral("\n1000 $ -> 1600 $."));
    EXPECT_EQ(lcd(1), QStringLiteral("1600"));
    EXPECT_TRUE(shown(QStringLiteral("PanelWeiter")));
}

}  // namespace
}  // namespace trivanto
