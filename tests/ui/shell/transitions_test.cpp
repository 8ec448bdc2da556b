// While the game is between two states (a game start reading its categories, the random draw
// of the next player, the pause after the draw), no input may change money, turn or question:
// every action of a player is refused, and the game goes on as it would have without it. And
// while a question is open behind a modal message, its countdown stands still.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/game/game_engine.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "ui/common/warten_form.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

// What an action must not change.
struct Snapshot {
    std::array<qint32, kMaxPlayers> accounts{};
    std::array<qint32, kMaxPlayers> lastBets{};
    int player = 0;
    int question = 0;
    GamePhase phase = GamePhase::NoGame;
    SidePanel panel = SidePanel::None;
    Screen screen = Screen::XUnsichtbar;
    bool building = false;
    std::size_t messages = 0;
    qsizetype sounds = 0;
    bool mainVisible = false;
    bool setupVisible = false;
    bool operator==(const Snapshot&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Snapshot& s) {
    return os << "accounts " << s.accounts[0] << "/" << s.accounts[1] << "/" << s.accounts[2] << "/"
              << s.accounts[3] << ", player " << s.player << ", question " << s.question
              << ", phase " << static_cast<int>(s.phase) << ", panel " << static_cast<int>(s.panel)
              << ", screen " << static_cast<int>(s.screen) << ", building " << s.building
              << ", messages " << s.messages << ", sounds " << s.sounds << ", main "
              << s.mainVisible << ", setup " << s.setupVisible;
}

class TransitionTest : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        for (const char* title : {"Animals", "Bridges", "Cities", "Deserts"}) {
            setuptest::writeCategory(progDir(), QString::fromLatin1(title), 12);
        }
        ASSERT_TRUE(startApp());
        main = app->mainForm();
        engine = app->engine();
    }

    // Four players with random order and the shortest game (40 questions): "OK" is pressed and
    // the game start has begun. The draw puts no joker before slot 40, and the first turn's
    // draw flickers over seats 1..4 and ends on seat 3.
    void pressOkForARandomOrderGame() {
        for (int j = 0; j < 40; ++j) {
            random.push(1);
        }
        random.push({1, 40});                         // one joker, on the last slot
        random.push({1, 2, 3, 4, 1, 2, 3, 4, 1, 3});  // the first turn's draw
        TSpielerForm* setup = app->spielerForm();
        whenModal([&, setup] {
            QTest::mouseClick(control(setup, "FlatRadioButton4"), Qt::LeftButton);
            for (int n = 1; n <= 4; ++n) {
                auto* edit = setup->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
                edit->selectAll();
                QTest::keyClicks(edit, QStringLiteral("Player%1").arg(QChar(u'A' + n - 1)));
            }
            QTest::mouseClick(control(setup, "zufallscheck"), Qt::LeftButton);
            QTest::mouseClick(control(setup, "AllesButton"), Qt::LeftButton);
            control<QComboBox>(setup, "MaxCombo")->setCurrentIndex(0);
            QTest::mouseClick(control(setup, "OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(control(main, "NeuesSpielButton"), Qt::LeftButton);
        ASSERT_TRUE(app->setup()->building());
    }

    Snapshot snapshot() const {
        Snapshot s;
        const GameState& state = engine->state();
        s.accounts = state.Account;
        s.lastBets = state.LastBet;
        s.player = state.CurrentPlayer;
        s.question = state.QuestionNumber;
        s.phase = engine->phase();
        s.panel = engine->view().panel;
        s.screen = engine->view().screen;
        s.building = app->setup()->building();
        s.messages = dialog.requests().size();
        s.sounds = sound.calls().size();
        s.mainVisible = main->isVisible();
        s.setupVisible = app->spielerForm()->isVisible();
        return s;
    }

    QWidget* onMain(const char* name) { return control(main, name); }
    void clickOn(const char* name) { QTest::mouseClick(onMain(name), Qt::LeftButton); }
    void keyOn(const char* name, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(onMain(name), static_cast<Qt::Key>(key), mods);
    }

    struct Action {
        const char* name;
        std::function<void()> act;
    };
    // Every way a player can act on the main window.
    std::vector<Action> actions() {
        return {
            {"Enter in the bet field", [&] { keyOn("Geldsetzen", Qt::Key_Return); }},
            {"Proceed of the bet panel", [&] { clickOn("GeldgesetztButton"); }},
            {"MAX", [&] { clickOn("FlatButton1"); }},
            {"an answer by click", [&] { clickOn("Antwort1Button"); }},
            {"an answer by key", [&] { QTest::keyClick(main, Qt::Key_2); }},
            {"Proceed of a result", [&] { clickOn("GoOn"); }},
            {"Enter on the window", [&] { QTest::keyClick(main, Qt::Key_Return); }},
            {"Enter in a guess field", [&] { keyOn("SchaetzungSpieler4", Qt::Key_Return); }},
            {"Proceed of the guesses", [&] { clickOn("TippsOK"); }},
            {"Open Game", [&] { clickOn("OeffnenButton"); }},
            {"Save Game", [&] { clickOn("SpeichernButton"); }},
            {"New Game", [&] { clickOn("NeuesSpielButton"); }},
            {"Ctrl+N", [&] { QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier); }},
            {"Exit", [&] { clickOn("BeendenButton"); }},
            {"Ctrl+Q", [&] { QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier); }},
            {"the close button", [&] { clickOn("Button3"); }},
            {"the window manager's close", [&] { main->close(); }},
        };
    }

    // Tries every action; none may change anything. A window that opened modally because an
    // action was wrongly taken is closed again, so the test cannot hang.
    void everyActionIsRefused(const char* state) {
        for (const Action& action : actions()) {
            SCOPED_TRACE(std::string(state) + ": " + action.name);
            const Snapshot before = snapshot();
            bool modalOpened = false;
            QPointer<QWidget> setup = app->spielerForm();
            QTimer::singleShot(0, qApp, [&modalOpened, setup] {
                if (setup && setup->isVisible()) {
                    modalOpened = true;
                    setup->hide();
                }
            });
            action.act();
            QCoreApplication::sendPostedEvents();
            EXPECT_FALSE(modalOpened);
            EXPECT_EQ(snapshot(), before);
            EXPECT_FALSE(app->isFinished());
        }
    }

    TMainForm* main = nullptr;
    GameEngine* engine = nullptr;
};

TEST_F(TransitionTest, NoActionIsTakenWhileAGameStarts) {
    pressOkForARandomOrderGame();
    EXPECT_TRUE(app->wartenForm()->isVisible());
    everyActionIsRefused("game start");
    finishStart();
    EXPECT_EQ(engine->phase(), GamePhase::Drawing);
}

TEST_F(TransitionTest, NoActionIsTakenWhileThePlayerIsDrawn) {
    pressOkForARandomOrderGame();
    finishStart();
    clock.advance(180);  // four flickers on
    ASSERT_EQ(engine->phase(), GamePhase::Drawing);
    everyActionIsRefused("draw");
    clock.advance(600);
    EXPECT_EQ(engine->phase(), GamePhase::DrawPause);
}

TEST_F(TransitionTest, NoActionIsTakenInThePauseAfterTheDraw) {
    pressOkForARandomOrderGame();
    finishStart();
    clock.advance(800);
    ASSERT_EQ(engine->phase(), GamePhase::DrawPause);
    everyActionIsRefused("pause after the draw");
    clock.advance(2000);
    EXPECT_EQ(engine->phase(), GamePhase::Betting);
}

// As a player saw it: four players in random order, Enter about 0.8 s after "OK". The bet
// must neither be placed then nor land on any seat; the drawn player bets afterwards.
TEST_F(TransitionTest, EnterDuringTheDrawPlacesNoBetForAnySeat) {
    pressOkForARandomOrderGame();
    finishStart();
    clock.advance(800);
    auto* field = static_cast<QLineEdit*>(onMain("Geldsetzen"));
    field->setText(QStringLiteral("500"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 1000, 1000}));
    EXPECT_EQ(engine->state().LastBet, (std::array<qint32, 4>{200, 200, 200, 200}));
    EXPECT_FALSE(onMain("PanelGeldsetzen")->isVisibleTo(main));
    EXPECT_FALSE(onMain("Label3")->isVisibleTo(main));  // no countdown
    EXPECT_FALSE(onMain("SpeichernButton")->isEnabled());

    clock.advance(2000);
    ASSERT_EQ(engine->phase(), GamePhase::Betting);
    EXPECT_EQ(engine->state().CurrentPlayer, 3);
    EXPECT_EQ(control<QLabel>(main, "AktuellerSpielerLabel")->text(), QStringLiteral("PlayerC"));
    EXPECT_EQ(field->text(), QStringLiteral("200"));  // the drawn player's own offer
    EXPECT_TRUE(onMain("SpeichernButton")->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(engine->phase(), GamePhase::Answering);
    EXPECT_EQ(engine->state().LastBet, (std::array<qint32, 4>{200, 200, 200, 200}));
    EXPECT_EQ(engine->state().Bet, 200);
    EXPECT_TRUE(dialog.empty());
}

// The player closes the window in the middle of a question and thinks about the offer to
// save for twenty seconds: the countdown waits, and Cancel returns to the same second.
TEST_F(TransitionTest, TheCountdownStandsStillBehindAModalQuestion) {
    pressOkForARandomOrderGame();
    finishStart();
    clock.advance(2600);
    ASSERT_EQ(engine->phase(), GamePhase::Betting);
    QTest::keyClick(onMain("Geldsetzen"), Qt::Key_Return);
    ASSERT_EQ(engine->phase(), GamePhase::Answering);
    clock.advance(3000);
    auto* countdown = control<TDotMatrixLabel>(main, "Label3");
    const QString shownBefore = countdown->text();

    dialog.pushAnswer(AnswerCancel);
    QString shownBehindTheDialog;
    dialog.onShow = [&](const MessageRequest&) {
        clock.advance(20000);
        shownBehindTheDialog = countdown->text();
    };
    clickOn("Button3");
    dialog.onShow = nullptr;
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, app->catalogue().text(Msg::MsgAskSaveGame));
    EXPECT_EQ(shownBehindTheDialog, shownBefore);
    EXPECT_EQ(engine->phase(), GamePhase::Answering);
    EXPECT_EQ(countdown->text(), shownBefore);
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 1000, 1000}));
    EXPECT_TRUE(main->isVisible());

    // The countdown goes on from where it stood.
    clock.advance(1000);
    EXPECT_NE(countdown->text(), shownBefore);
    EXPECT_EQ(engine->phase(), GamePhase::Answering);
}

}  // namespace
}  // namespace trivanto
