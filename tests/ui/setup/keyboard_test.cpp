#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "core/app/memory_settings_store.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "support/keyboard_keys.h"
#include "support/manual_clock.h"
#include "support/recording_help_viewer.h"
#include "support/recording_message_dialog.h"
#include "support/recording_sound_backend.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_random.h"
#include "support/setup_form_fixture.h"
#include "ui/common/warten_form.h"
#include "ui/common/window_text_applier.h"
#include "ui/setup/spieler_form.h"

namespace trivanto {
namespace {

using keyboardtest::focusName;
using keyboardtest::press;
using keyboardtest::type;

// The new-game window on fakes, opened as "New Game" opens it (without the modal loop), driven
// by keys sent to the control with the focus.
class KeyboardSetupFormTest : public SetupFormFixture {
protected:
    QListWidget* list() { return control<QListWidget>("Rubrikwahl"); }
    // The draws of a one-player game of 20: the first question still left each time, then
    // one joker on slot 5.
    void scriptDraws() {
        for (int j = 0; j < 20; ++j) {
            random.push(1);
        }
        random.push({1, 5});
    }
};

TEST_F(KeyboardSetupFormTest, EnterStartsTheGameLikeOkExceptOnAnotherButton) {
    struct Case {
        const char* focus;
        bool starts;
        bool stays;  // the window is still open afterwards
        int ticked;  // categories ticked afterwards
    };
    const Case cases[] = {
        {"Edit1", true, false, 3},
        {"Rubrikwahl", true, false, 3},
        {"MaxCombo", true, false, 3},
        {"FlatRadioButton1", true, false, 3},
        {"OKButton", true, false, 3},
        {"AbbrechenButton", false, false, 3},
        {"NichtsButton", false, true, 0},
        {"Spieler1BildButton", false, true, 3},  // the picture dialog, cancelled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus);
        reopen();
        engine->Ursprung();
        dialog.clear();
        control("AllesButton")->setFocus();
        press(form.get(), Qt::Key_Space);
        ASSERT_EQ(label("AnzRubLabel"), QStringLiteral("3"));
        if (c.starts) {
            scriptDraws();
        }
        if (std::string(c.focus) == "Spieler1BildButton") {
            files.push({});
        }
        control(c.focus)->setFocus();
        press(form.get(), Qt::Key_Return);
        finishStart();
        EXPECT_TRUE(dialog.empty()) << dialog.last().text.toStdString();
        EXPECT_EQ(engine->view().gameInProgress, c.starts);
        EXPECT_EQ(form->isVisible(), c.stays);
        EXPECT_EQ(label("AnzRubLabel"), QString::number(c.ticked));
        EXPECT_TRUE(random.exhausted());
    }
}

TEST_F(KeyboardSetupFormTest, EnterWithTooFewQuestionsKeepsTheWindowAndSays) {
    for (const char* focus : {"Edit1", "Rubrikwahl"}) {
        SCOPED_TRACE(focus);
        dialog.clear();
        control(focus)->setFocus();
        press(form.get(), Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgTooFewQuestionsHead) +
                                          QStringLiteral("20") +
                                          catalogue.text(Msg::MsgTooFewQuestionsTail));
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(engine->view().gameInProgress);
    }
}

TEST_F(KeyboardSetupFormTest, SpaceTicksTheCurrentCategoryLine) {
    struct Case {
        int row;
        int spaces;
        bool ticked;
        const char* questions;  // one player: Bridges counts without its estimations
    };
    const Case cases[] = {
        {0, 1, true, "5"},  {1, 1, true, "5"}, {2, 1, true, "12"},
        {2, 2, false, "0"}, {1, 3, true, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << ", " << c.spaces << " x Space");
        reopen();
        list()->setFocus();
        press(form.get(), Qt::Key_Home);
        for (int i = 0; i < c.row; ++i) {
            press(form.get(), Qt::Key_Down);
        }
        ASSERT_EQ(list()->currentRow(), c.row);
        for (int i = 0; i < c.spaces; ++i) {
            press(form.get(), Qt::Key_Space);
        }
        for (int row = 0; row < list()->count(); ++row) {
            const bool ticked = row == c.row && c.ticked;
            EXPECT_EQ(list()->item(row)->checkState() == Qt::Checked, ticked) << row;
            EXPECT_EQ(form->setup().categories().rows()[static_cast<std::size_t>(row)].ticked,
                      ticked)
                << row;
        }
        EXPECT_EQ(label("AnzRubLabel"), QString::number(c.ticked ? 1 : 0));
        EXPECT_EQ(label("AnzFragLabel"), QLatin1String(c.questions));
    }

    // In a name field Space is a blank of the name, not a tick.
    reopen();
    control("Edit1")->setFocus();
    press(form.get(), Qt::Key_End);
    type(form.get(), QStringLiteral(" X"));
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("Player 1 X"));
    EXPECT_EQ(label("AnzRubLabel"), QStringLiteral("0"));
}

TEST_F(KeyboardSetupFormTest, TabVisitsTheControlsInReadingOrder) {
    struct Case {
        Qt::Key count;
        std::vector<std::string> chain;
    };
    const std::vector<std::string> categories{"Rubrikwahl", "AllesButton", "NichtsButton",
                                              "MaxCombo",   "OKButton",    "AbbrechenButton"};
    const auto join = [&](std::vector<std::string> head) {
        head.insert(head.end(), categories.begin(), categories.end());
        return head;
    };
    // Every picture is the first: "previous" is disabled and skipped.
    const Case cases[] = {
        {Qt::Key_2, join({"FlatRadioButton2", "Edit1", "Edit2", "Spieler1BildButton", "Button2",
                          "Spieler2BildButton", "Button4", "zufallscheck"})},
        {Qt::Key_3,
         join({"FlatRadioButton3", "Edit1", "Edit2", "Edit3", "Spieler1BildButton", "Button2",
               "Spieler2BildButton", "Button4", "Spieler3BildButton", "Button6", "zufallscheck"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chain.front());
        reopen();
        // The window opens on the player count it keeps from the last time; the arrow keys
        // choose another.
        int count = form->setup().players().PlayerCount();
        ASSERT_EQ(focusName(form.get()), "FlatRadioButton" + std::to_string(count));
        const int wanted = c.count - Qt::Key_0;
        for (; count < wanted; ++count) {
            press(form.get(), Qt::Key_Right);
        }
        for (; count > wanted; --count) {
            press(form.get(), Qt::Key_Left);
        }
        std::vector<std::string> walked{focusName(form.get())};
        for (std::size_t i = 1; i <= c.chain.size(); ++i) {
            press(form.get(), Qt::Key_Tab);
            walked.push_back(focusName(form.get()));
        }
        std::vector<std::string> expected = c.chain;
        expected.push_back(c.chain.front());  // and round again
        EXPECT_EQ(walked, expected);
    }
}

TEST_F(KeyboardSetupFormTest, CategoryHalfHasCleanSpacingInBothLanguages) {
    const char* rightColumn[] = {"Label3",      "AnzRubLabel",    "Label4", "AnzFragLabel",
                                 "AllesButton", "NichtsButton",   "Label6", "MaxCombo",
                                 "OKButton",    "AbbrechenButton"};
    for (Language language : {Language::Englisch, Language::Deutsch}) {
        SCOPED_TRACE(language == Language::Englisch ? "English" : "German");
        applyWindowTexts(form.get(), resolvedWindowTexts(QStringLiteral("TSpielerForm"), language));
        std::vector<std::pair<std::string, QRect>> places{{"Rubrikwahl", list()->geometry()}};
        for (const char* name : rightColumn) {
            places.emplace_back(name, control(name)->geometry());
        }
        const QRect inside = form->rect().adjusted(12, 12, -12, -12);
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_TRUE(inside.contains(places[i].second)) << places[i].first;
            // None touches another: at least two pixels of air between any two.
            for (std::size_t j = i + 1; j < places.size(); ++j) {
                EXPECT_FALSE(places[i]
                                 .second.adjusted(-1, -1, 1, 1)
                                 .intersects(places[j].second.adjusted(-1, -1, 1, 1)))
                    << places[i].first << " / " << places[j].first;
            }
        }
        // Captions are not cut.
        for (const char* name : {"Label3", "Label4", "Label6", "Label5"}) {
            auto* caption = control<QLabel>(name);
            EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width())
                << name;
        }
        for (const char* name : {"AllesButton", "NichtsButton", "OKButton", "AbbrechenButton"}) {
            auto* button = control<QAbstractButton>(name);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width())
                << name;
        }
        // OK and Cancel end on the list's bottom line; the count labels start on its top line.
        EXPECT_EQ(control("OKButton")->geometry().bottom(), list()->geometry().bottom());
        EXPECT_EQ(control("AbbrechenButton")->geometry().bottom(), list()->geometry().bottom());
        EXPECT_EQ(control("Label3")->y(), list()->y());
        EXPECT_EQ(control("AbbrechenButton")->geometry().right(),
                  control("MaxCombo")->geometry().right());
    }

    // The list shows whole lines: with more categories than fit, the last one shown ends on
    // the viewport's bottom edge.
    for (int i = 0; i < 12; ++i) {
        setuptest::writeCategory(prog(), QStringLiteral("Zoo%1").arg(i, 2, 10, QLatin1Char('0')),
                                 1);
    }
    reopen();
    ASSERT_EQ(list()->count(), 15);
    const int row = list()->visualItemRect(list()->item(0)).height();
    ASSERT_GT(row, 0);
    EXPECT_EQ(list()->viewport()->height() % row, 0);
    const int shown = list()->viewport()->height() / row;
    EXPECT_GE(shown, 9);
    EXPECT_EQ(list()->visualItemRect(list()->item(shown - 1)).bottom(),
              list()->viewport()->height() - 1);
}

}  // namespace
}  // namespace trivanto
