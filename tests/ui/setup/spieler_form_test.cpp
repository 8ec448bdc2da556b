#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/app/memory_settings_store.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/setup/player_setup.h"
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
#include "ui/widgets/artwork.h"

namespace trivanto {
namespace {

using setuptest::writeCategory;

// The new-game window on fakes, opened the way "New Game" opens it (without the modal loop).
class SetupFormTest : public SetupFormFixture {
protected:
    void SetUp() override {
        SetupFormFixture::SetUp();
        QApplication::setActiveWindow(form.get());
    }

    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QImage image(int n) {
        return control<QLabel>(QStringLiteral("Image%1").arg(n))->pixmap().toImage();
    }
    void tickCategory(int row) {
        auto* list = control<QListWidget>(QStringLiteral("Rubrikwahl"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void setName(int n, const QString& name) {
        auto* edit = control<QLineEdit>(QStringLiteral("Edit%1").arg(n));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, name);
    }
};

TEST_F(SetupFormTest, FirstOpeningShowsDefaultsAndTheCategories) {
    EXPECT_TRUE(control<QAbstractButton>(QStringLiteral("FlatRadioButton1"))->isChecked());
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit%1").arg(n))->text(),
                  QStringLiteral("Player %1").arg(n));
    }
    auto* list = control<QListWidget>(QStringLiteral("Rubrikwahl"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Bridges"));
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("0"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("0"));
    EXPECT_EQ(control<QAbstractButton>(QStringLiteral("Spieler1BildButton"))->text(),
              catalogue.text(Msg::MsgOwnPicture));
}

TEST_F(SetupFormTest, PlayerCountLayout) {
    for (int count : {1, 2, 3, 4, 2, 1}) {
        SCOPED_TRACE(count);
        click(QStringLiteral("FlatRadioButton%1").arg(count));
        EXPECT_EQ(control(QStringLiteral("zufallscheck"))->isVisibleTo(form.get()), count > 1);
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(n);
            const bool plays = n <= count;
            EXPECT_EQ(control(QStringLiteral("Edit%1").arg(n))->isEnabled(), plays);
            EXPECT_EQ(control(QStringLiteral("Spieler%1BildButton").arg(n))->isEnabled(), plays);
            EXPECT_FALSE(control(QStringLiteral("Button%1").arg(2 * n - 1))->isEnabled());  // at 0
            EXPECT_EQ(control(QStringLiteral("Button%1").arg(2 * n))->isEnabled(), plays);
            EXPECT_EQ(
                image(n),
                (plays ? artwork::playerPicture(0) : artwork::placeholderPicture()).toImage());
            // Names of players who do not play stay in their fields.
            EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit%1").arg(n))->text(),
                      QStringLiteral("Player %1").arg(n));
        }
        auto* length = control<QComboBox>(QStringLiteral("MaxCombo"));
        QStringList expected;
        for (int per : {10, 20, 30, 40, 50}) {
            expected << QString::number(per * count);
        }
        QStringList entries;
        for (int i = 0; i < length->count(); ++i) {
            entries << length->itemText(i);
        }
        EXPECT_EQ(entries, expected);
        EXPECT_EQ(length->currentText(), QString::number(20 * count));
    }
}

TEST_F(SetupFormTest, RandomOrderIsClearedWithOnePlayer) {
    click(QStringLiteral("FlatRadioButton2"));
    auto* box = control<QAbstractButton>(QStringLiteral("zufallscheck"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(form->setup().players().RandomOrder());
    click(QStringLiteral("FlatRadioButton1"));
    click(QStringLiteral("FlatRadioButton2"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(form->setup().players().RandomOrder());
}

TEST_F(SetupFormTest, ArrowsStepThePictureWithinItsRange) {
    for (int i = 0; i < 12; ++i) {
        click(QStringLiteral("Button2"));  // next of player 1, more often than there are pictures
    }
    EXPECT_EQ(image(1), artwork::playerPicture(9).toImage());
    EXPECT_FALSE(control(QStringLiteral("Button2"))->isEnabled());
    EXPECT_TRUE(control(QStringLiteral("Button1"))->isEnabled());
    click(QStringLiteral("Button1"));
    EXPECT_EQ(image(1), artwork::playerPicture(8).toImage());
    EXPECT_TRUE(control(QStringLiteral("Button2"))->isEnabled());
}

TEST_F(SetupFormTest, TicksRecountAndTheCountsFollowThePlayerCount) {
    tickCategory(1);  // Bridges: 5 questions and 2 estimations
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("1"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("5"));  // one player
    click(QStringLiteral("FlatRadioButton2"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("7"));
    tickCategory(2);
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("2"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("19"));
    tickCategory(1);  // untick
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("1"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("12"));
    EXPECT_EQ(control<QListWidget>(QStringLiteral("Rubrikwahl"))->item(1)->checkState(),
              Qt::Unchecked);

    click(QStringLiteral("AllesButton"));
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("3"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("24"));
    auto* list = control<QListWidget>(QStringLiteral("Rubrikwahl"));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->item(i)->checkState(), Qt::Checked);
    }
    click(QStringLiteral("NichtsButton"));
    EXPECT_EQ(label(QStringLiteral("AnzRubLabel")), QStringLiteral("0"));
    EXPECT_EQ(label(QStringLiteral("AnzFragLabel")), QStringLiteral("0"));
}

TEST_F(SetupFormTest, OkChecksQuestionsThenNames) {
    struct Case {
        const char* first;
        const char* second;
        bool starts;
    };
    click(QStringLiteral("FlatRadioButton2"));
    click(QStringLiteral("AllesButton"));  // 24 questions: enough for 2 x 10
    auto* length = control<QComboBox>(QStringLiteral("MaxCombo"));
    ASSERT_EQ(length->currentText(), QStringLiteral("40"));
    click(QStringLiteral("OKButton"));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, QStringLiteral("To start a new game there must be at least 40 "
                                                 "questions. Please select more categories."));
    length->setCurrentIndex(0);

    for (const Case& c : {Case{"Ann", "Ann", false}, Case{" ", "Bob", false},
                          Case{"", "Bob", false}, Case{"ann", "Ann", true}}) {
        SCOPED_TRACE(std::string(c.first) + "/" + c.second);
        dialog.clear();
        setName(1, QString::fromUtf8(c.first));
        setName(2, QString::fromUtf8(c.second));
        for (int j = 0; j < 20; ++j) {
            random.push(1);  // the first question still left
        }
        random.push({1, 5});  // one joker, on slot 5
        click(QStringLiteral("OKButton"));
        finishStart();
        EXPECT_EQ(form->isVisible(), !c.starts);
        if (c.starts) {
            EXPECT_TRUE(dialog.empty());
            EXPECT_TRUE(engine->view().gameInProgress);
            EXPECT_EQ(settings.stringValue(QStringLiteral("Players/Player1")),
                      QStringLiteral("ann"));
        } else {
            ASSERT_EQ(dialog.requests().size(), 1u);
            EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgPlayerNamesUnique));
            EXPECT_EQ(dialog.last().width, 267);
            EXPECT_FALSE(engine->view().gameInProgress);
            random = ScriptedRandom();  // nothing was drawn
        }
    }
}

TEST_F(SetupFormTest, OwnPictureCancelBadFileAndGoodFile) {
    const QString bad = filePath(prog(), QStringLiteral("notes.png"));
    QFile text(bad);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is no picture");
    text.close();
    QImage picture(40, 50, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    const QString good = filePath(prog(), QStringLiteral("me.png"));
    ASSERT_TRUE(picture.save(good));

    const QString button = QStringLiteral("Spieler1BildButton");
    files.push({});  // cancelled
    click(button);
    files.push(bad);
    click(button);
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgPictureUnreadable));
    EXPECT_EQ(image(1), artwork::playerPicture(0).toImage());
    EXPECT_FALSE(settings.contains(PlayerSetup::ownPicKey(1)));
    ASSERT_EQ(files.requests().size(), 2u);
    EXPECT_EQ(files.requests()[0].title, QStringLiteral("Open own picture"));
    EXPECT_EQ(files.requests()[0].folder, prog());
    EXPECT_EQ(files.requests()[0].filter, QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg)"));

    files.push(good);
    click(button);
    EXPECT_EQ(control<QAbstractButton>(button)->text(), catalogue.text(Msg::MsgStandardPicture));
    EXPECT_EQ(image(1).pixelColor(10, 10), QColor(Qt::magenta));
    EXPECT_FALSE(control(QStringLiteral("Button2"))->isEnabled());
    EXPECT_EQ(settings.stringValue(PlayerSetup::ownPicKey(1)), good);

    click(button);  // back to the built-in picture, no dialog
    EXPECT_EQ(files.requests().size(), 3u);
    EXPECT_EQ(image(1), artwork::playerPicture(0).toImage());
    EXPECT_TRUE(control(QStringLiteral("Button2"))->isEnabled());
    EXPECT_FALSE(settings.contains(PlayerSetup::ownPicKey(1)));
}

TEST_F(SetupFormTest, HelpInfoAndTheWaysOut) {
    click(QStringLiteral("Button2x"));
    QTest::keyClick(control(QStringLiteral("Edit1")), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QStringList(2, QStringLiteral("Neues_Spiel_starten")));
    click(QStringLiteral("ToolbarButton974"));
    EXPECT_EQ(infoShown, 1);

    sound.clear();
    QTest::keyClick(control(QStringLiteral("Edit1")), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(sound.calls().isEmpty());  // Escape lets the music play on

    for (const char* name : {"AbbrechenButton", "Button3x"}) {
        form->show();
        sound.clear();
        click(QLatin1String(name));
        EXPECT_FALSE(form->isVisible()) << name;
        EXPECT_EQ(sound.calls(), QStringList{QStringLiteral("stop")}) << name;
    }
}

}  // namespace
}  // namespace trivanto
