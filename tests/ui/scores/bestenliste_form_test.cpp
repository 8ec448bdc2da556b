// The high-score window through its controls: the local top ten, clearing, the pages of the
// on-line list, the reminder and the refresh through the wizard.
#include <QLabel>
#include <QStackedWidget>

#include "core/scores/local_top_ten.h"
#include "support/scores_fixture.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

class BestenlisteFormTest : public ScoresFixture {
protected:
    QString row(const char* control, int r) {
        return hofText(QLatin1String(control) + QString::number(r));
    }
    bool rowShown(const char* control, int r) {
        return shownInHof(QLatin1String(control) + QString::number(r));
    }
    int flag(int r) {
        return hof(QStringLiteral("FlaggeImage%1").arg(r))->property("flagIndex").toInt();
    }
    QString caption(const char* button) {
        return hof<QAbstractButton>(QLatin1String(button))->text();
    }
    bool enabled(const char* button) { return hof(QLatin1String(button))->isEnabled(); }
    void setSlot(int n, const char* name, const char* money) {
        fakes.settings.setString(LocalTopTen::key(n, "Name"), QString::fromUtf8(name));
        fakes.settings.setString(LocalTopTen::key(n, "Money"), QString::fromUtf8(money));
        fakes.settings.setString(LocalTopTen::key(n, "Date"), QStringLiteral("09.03.24"));
        fakes.settings.setString(LocalTopTen::key(n, "Time"), QStringLiteral("14:05:07"));
    }
    const QDateTime now() const { return fakes.clock.now(); }
};

TEST_F(BestenlisteFormTest, LocalViewShowsTheTopTenFromTheSettings) {
    LocalTopTen(fakes.settings).clear(QStringLiteral("Frei"));
    setSlot(1, "Ann", "2900");
    setSlot(2, "<b>Bob</b> & Co", "-150");
    openFromMain();

    EXPECT_EQ(hofText("Label1"), QStringLiteral("Hall Of Fame - My Top10"));
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("1."));
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Ann"));
    EXPECT_EQ(row("GeldLabel", 1), QStringLiteral("2900 $"));
    EXPECT_EQ(row("DatumLabel", 1), QStringLiteral("09.03.24"));
    EXPECT_EQ(row("ZeitLabel", 1), QStringLiteral("14:05:07"));
    // A name is plain text, never markup.
    EXPECT_EQ(row("NameLabel", 2), QStringLiteral("<b>Bob</b> & Co"));
    EXPECT_EQ(hof<QLabel>(QStringLiteral("NameLabel2"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(row("GeldLabel", 2), QStringLiteral("-150 $"));
    EXPECT_EQ(row("PlatzLabel", 10), QStringLiteral("10."));
    EXPECT_EQ(row("NameLabel", 10), QStringLiteral("Frei"));
    EXPECT_EQ(row("GeldLabel", 10), QStringLiteral("- $"));

    EXPECT_TRUE(rowShown("DatumLabel", 1));
    EXPECT_TRUE(rowShown("ZeitLabel", 10));
    EXPECT_FALSE(rowShown("eMailLabel", 1));
    EXPECT_FALSE(rowShown("FlaggeImage", 1));
    EXPECT_EQ(hof(QStringLiteral("GeldLabel1"))->x(), TBestenlisteForm::kLocalMoneyLeft);
    EXPECT_FALSE(enabled("OfflinehighscoresButton"));
    EXPECT_TRUE(enabled("OnlinehighscoresButton"));
    EXPECT_TRUE(shownInHof(QStringLiteral("ListeLoeschenButton")));
    EXPECT_FALSE(shownInHof(QStringLiteral("ListeAktualisierenButton")));
    EXPECT_FALSE(shownInHof(QStringLiteral("ZurueckButton")));
    EXPECT_FALSE(shownInHof(QStringLiteral("WeiterButton")));
    EXPECT_TRUE(dialog.empty());
}

TEST_F(BestenlisteFormTest, ClearingAsksFirstAndWritesTenEmptyRows) {
    setSlot(1, "Ann", "2900");
    openFromMain();

    dialog.pushAnswer(AnswerNo);
    clickHof(QStringLiteral("ListeLoeschenButton"));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().mode, DialogMode::Question);
    EXPECT_EQ(dialog.last().text,
              QStringLiteral("Do you really want to clear the high score list?"));
    EXPECT_EQ(dialog.last().width, 279);
    EXPECT_FALSE(dialog.last().wordWrap);
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Ann"));
    EXPECT_EQ(fakes.settings.stringValue(LocalTopTen::key(1, "Money")), QStringLiteral("2900"));

    dialog.pushAnswer(AnswerYes);
    clickHof(QStringLiteral("ListeLoeschenButton"));
    for (int n = 1; n <= LocalTopTen::kSlots; ++n) {
        const TopTenSlot slot = LocalTopTen(fakes.settings).slot(n);
        EXPECT_EQ(slot.name, QStringLiteral("Empty")) << n;
        EXPECT_EQ(slot.money, QStringLiteral("-")) << n;
        EXPECT_EQ(slot.date, QStringLiteral("00.00.00")) << n;
        EXPECT_EQ(slot.time, QStringLiteral("00:00:00")) << n;
        EXPECT_EQ(row("GeldLabel", n), QStringLiteral("- $")) << n;
        EXPECT_EQ(row("NameLabel", n), QStringLiteral("Empty")) << n;
    }
}

TEST_F(BestenlisteFormTest, WithoutACopyNoToTheQuestionLeavesTheWindowAsItWas) {
    openFromMain();
    dialog.pushAnswer(AnswerNo);
    clickHof(QStringLiteral("OnlinehighscoresButton"));

    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgTop50NotDownloaded));
    EXPECT_EQ(dialog.last().width, 269);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_EQ(wizardOpenedForDownload, 0);
    EXPECT_EQ(hofText("Label1"), QStringLiteral("Hall Of Fame - My Top10"));
    EXPECT_TRUE(rowShown("DatumLabel", 1));
}

TEST_F(BestenlisteFormTest, WithoutACopyYesFetchesItAndAsksAgainWhileThereIsNone) {
    openFromMain();
    dialog.pushAnswer(AnswerYes);
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    ASSERT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizardPage(), QStringLiteral("start"));

    // The user gives up in the wizard: the question comes again, and No ends it.
    dialog.pushAnswer(AnswerYes);  // quit the wizard
    dialog.pushAnswer(AnswerNo);   // not downloaded yet: no
    clickWiz(QStringLiteral("AbbrechenButton"));
    EXPECT_FALSE(wizard->isVisible());
    ASSERT_EQ(dialog.requests().size(), 3u);
    EXPECT_EQ(dialog.requests()[1].text, msg(Msg::MsgAskQuitTransfer));
    EXPECT_EQ(dialog.requests()[2].text, msg(Msg::MsgTop50NotDownloaded));
    EXPECT_EQ(wizardOpenedForDownload, 1);

    // This time the list arrives; the window then shows it.
    serve(listBody(3));
    dialog.pushAnswer(AnswerYes);  // not downloaded yet: yes
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    clickWiz(QStringLiteral("WeiterButton"));
    dialog.pushAnswer(AnswerNo);  // stay connected
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(wizardPage(), QStringLiteral("fertig"));
    clickWiz(QStringLiteral("AbbrechenButton"));
    EXPECT_EQ(hofText("Label1"), QStringLiteral("Hall Of Fame - Top50 of the week"));
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Winner"));
    EXPECT_EQ(row("NameLabel", 4), QStringLiteral("Empty"));
    EXPECT_EQ(hallOfFameOpened, 0) << "the open window shows the list, none opens again";
}

TEST_F(BestenlisteFormTest, OnlineViewPagesThroughTheFiftyPlaces) {
    writeCopy(13, now());
    openFromMain();
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_TRUE(dialog.empty());

    EXPECT_EQ(hofText("Label1"), QStringLiteral("Hall Of Fame - Top50 of the week"));
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("1."));
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("P1"));
    EXPECT_EQ(row("eMailLabel", 1), QStringLiteral("p1@x.test"));
    EXPECT_EQ(row("GeldLabel", 1), QStringLiteral("5000 $"));
    EXPECT_EQ(flag(1), 0);
    EXPECT_EQ(flag(2), 1);
    EXPECT_TRUE(rowShown("eMailLabel", 1));
    EXPECT_TRUE(rowShown("FlaggeImage", 10));
    EXPECT_FALSE(rowShown("DatumLabel", 1));
    EXPECT_FALSE(rowShown("ZeitLabel", 1));
    EXPECT_EQ(hof(QStringLiteral("GeldLabel1"))->x(), TBestenlisteForm::kOnlineMoneyLeft);
    EXPECT_TRUE(enabled("OfflinehighscoresButton"));
    EXPECT_FALSE(enabled("OnlinehighscoresButton"));
    EXPECT_FALSE(shownInHof(QStringLiteral("ListeLoeschenButton")));
    EXPECT_TRUE(shownInHof(QStringLiteral("ListeAktualisierenButton")));
    EXPECT_TRUE(shownInHof(QStringLiteral("WeiterButton")));
    EXPECT_EQ(caption("ZurueckButton"), QStringLiteral("Ranks 1 to 10"));
    EXPECT_FALSE(enabled("ZurueckButton"));
    EXPECT_EQ(caption("WeiterButton"), QStringLiteral("Ranks 11 to 20"));

    // Page 2: places 11 to 13, then seven empty rows.
    clickHof(QStringLiteral("WeiterButton"));
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("11."));
    EXPECT_EQ(row("NameLabel", 3), QStringLiteral("P13"));
    EXPECT_EQ(row("PlatzLabel", 4), QStringLiteral("14."));
    EXPECT_EQ(row("NameLabel", 4), QStringLiteral("Empty"));
    EXPECT_EQ(row("eMailLabel", 4), QStringLiteral("name@example.com"));
    EXPECT_EQ(row("GeldLabel", 4), QStringLiteral("- $"));
    EXPECT_EQ(flag(4), kNoFlag);
    EXPECT_EQ(row("PlatzLabel", 10), QStringLiteral("20."));
    EXPECT_TRUE(enabled("ZurueckButton"));
    EXPECT_EQ(caption("ZurueckButton"), QStringLiteral("Rank 1 to 10"));
    EXPECT_EQ(caption("WeiterButton"), QStringLiteral("Rank 21 to 30"));

    for (int i = 0; i < 3; ++i) {
        clickHof(QStringLiteral("WeiterButton"));
    }
    EXPECT_EQ(row("PlatzLabel", 10), QStringLiteral("50."));
    EXPECT_FALSE(enabled("WeiterButton"));
    EXPECT_EQ(caption("ZurueckButton"), QStringLiteral("Rank 31 to 40"));
    clickHof(QStringLiteral("WeiterButton"));  // disabled: nothing happens
    EXPECT_EQ(hallOfFame->PageOffset(), 40);

    for (int i = 0; i < 4; ++i) {
        clickHof(QStringLiteral("ZurueckButton"));
    }
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("1."));
    EXPECT_FALSE(enabled("ZurueckButton"));
    EXPECT_TRUE(enabled("WeiterButton"));
    EXPECT_EQ(caption("WeiterButton"), QStringLiteral("Rank 11 to 20"));

    // The page is kept for the next opening.
    clickHof(QStringLiteral("WeiterButton"));
    bestenliste->hide();
    hallOfFame->setHighScoreView(HighScoreView::Online);
    bestenliste->show();
    bestenliste->FormShow();
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("11."));
}

TEST_F(BestenlisteFormTest, ADamagedCopyShowsTenEmptyRows) {
    writeCopy(3, now());
    QFile file(topListPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x05\x00\x00\x00\x01", 5);
    file.close();
    openFromMain();
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_TRUE(dialog.empty());
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(row("NameLabel", r), QStringLiteral("Empty")) << r;
    }
}

struct ReminderCase {
    const char* name;
    QDateTime written;  // the clock stands at 2024-03-09 14:05:07
    bool asks;
};

class BestenlisteReminder : public BestenlisteFormTest,
                            public ::testing::WithParamInterface<ReminderCase> {};

TEST_P(BestenlisteReminder, AsksToRefreshACopyFromBeforeTheSeventhDayBack) {
    writeCopy(2, GetParam().written);
    openFromMain();
    dialog.pushAnswer(AnswerNo);
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    if (GetParam().asks) {
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().text, msg(Msg::MsgTop50Outdated));
        EXPECT_EQ(dialog.last().width, 290);
        EXPECT_TRUE(dialog.last().wordWrap);
    } else {
        EXPECT_TRUE(dialog.empty());
    }
    // Either way the copy is shown; No does not fetch.
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("P1"));
    EXPECT_EQ(wizardOpenedForDownload, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, BestenlisteReminder,
    ::testing::Values(
        ReminderCase{"WrittenYesterdayLate", QDateTime(QDate(2024, 3, 8), QTime(23, 59)), false},
        ReminderCase{"WrittenAtTheStartOfTheSeventhDayBack",
                     QDateTime(QDate(2024, 3, 2), QTime(0, 0)), false},
        ReminderCase{"WrittenJustBeforeIt", QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59)), true},
        ReminderCase{"WrittenEightDaysAgo", QDateTime(QDate(2024, 3, 1), QTime(14, 0)), true}),
    [](const auto& info) { return testName(info.param.name); });

TEST_F(BestenlisteFormTest, AnOutdatedCopyIsRefreshedThenShown) {
    writeCopy(2, QDateTime(QDate(2024, 2, 1), QTime(12, 0)));
    serve(listBody(2, "Fresh"));
    openFromMain();
    dialog.pushAnswer(AnswerYes);
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    ASSERT_TRUE(wizard->isVisible());
    clickWiz(QStringLiteral("WeiterButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    clickWiz(QStringLiteral("AbbrechenButton"));
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Fresh"));
    EXPECT_FALSE(shownInHof(QStringLiteral("ListeAktualisierenButton")));
    // The copy on disk is the new one: no reminder next time.
    dialog.clear();
    clickHof(QStringLiteral("OfflinehighscoresButton"));
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_TRUE(dialog.empty());
}

TEST_F(BestenlisteFormTest, TheUpdateButtonStaysHiddenUntilTheNextOpeningFromTheMainWindow) {
    writeCopy(12, now());
    serve(listBody(12, "Fresh"));
    openFromMain();
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    clickHof(QStringLiteral("WeiterButton"));

    clickHof(QStringLiteral("ListeAktualisierenButton"));
    ASSERT_TRUE(wizard->isVisible());
    EXPECT_FALSE(wiz<QAbstractButton>(QStringLiteral("UebertragenCheckBox"))->isChecked());
    EXPECT_FALSE(wiz(QStringLiteral("UebertragenCheckBox"))->isEnabled());
    EXPECT_TRUE(wiz<QAbstractButton>(QStringLiteral("AbrufenCheckBox"))->isChecked());
    clickWiz(QStringLiteral("WeiterButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    EXPECT_FALSE(wiz(QStringLiteral("AnzeigenCheckBox"))->isEnabled());
    clickWiz(QStringLiteral("AbbrechenButton"));

    // The open window shows the fresh list on the page it was on.
    EXPECT_EQ(row("PlatzLabel", 1), QStringLiteral("11."));
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("S11"));
    EXPECT_FALSE(shownInHof(QStringLiteral("ListeAktualisierenButton")));
    clickHof(QStringLiteral("OfflinehighscoresButton"));
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_FALSE(shownInHof(QStringLiteral("ListeAktualisierenButton")));

    bestenliste->hide();
    openFromMain();
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_TRUE(shownInHof(QStringLiteral("ListeAktualisierenButton")));
}

TEST_F(BestenlisteFormTest, AFailedRefreshKeepsShowingTheCopy) {
    writeCopy(12, now());
    server.setReply(reply("<html>Internal error</html>", 500));
    openFromMain();
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    clickHof(QStringLiteral("ListeAktualisierenButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgServerMalfunction));
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    dialog.pushAnswer(AnswerYes);
    clickWiz(QStringLiteral("AbbrechenButton"));
    ASSERT_FALSE(wizard->isVisible());

    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("P1"));
    clickHof(QStringLiteral("WeiterButton"));
    EXPECT_EQ(row("NameLabel", 2), QStringLiteral("P12"));
    EXPECT_EQ(topList->Count(), 12);
}

TEST_F(BestenlisteFormTest, AListThatCannotBeStoredIsShownWithoutAskingAgain) {
    // A folder where the copy should be: the list cannot be written.
    ASSERT_TRUE(QDir().mkpath(topListPath()));
    serve(listBody(2, "Fresh"));
    openFromMain();
    dialog.pushAnswer(AnswerYes);
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    clickWiz(QStringLiteral("WeiterButton"));
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    dialog.clear();
    clickWiz(QStringLiteral("AbbrechenButton"));
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Fresh"));
    clickHof(QStringLiteral("OfflinehighscoresButton"));
    clickHof(QStringLiteral("OnlinehighscoresButton"));
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(row("NameLabel", 1), QStringLiteral("Fresh"));
}

TEST_F(BestenlisteFormTest, KeysAndSmallButtons) {
    openFromMain();
    QTest::keyClick(bestenliste.get(), Qt::Key_F1);
    clickHof(QStringLiteral("HilfeButton"));
    clickHof(QStringLiteral("Button2"));
    EXPECT_EQ(fakes.help.topics(),
              QStringList({QStringLiteral("Bestenliste"), QStringLiteral("Bestenliste"),
                           QStringLiteral("Bestenliste")}));
    clickHof(QStringLiteral("Button1"));
    EXPECT_EQ(infoShown, 1);
    EXPECT_EQ(hof(QStringLiteral("OnlinehighscoresButton"))->toolTip(),
              QStringLiteral("Open Top50 of the week"));
    QTest::keyClick(bestenliste.get(), Qt::Key_Escape);
    EXPECT_FALSE(bestenliste->isVisible());
    openFromMain();
    clickHof(QStringLiteral("BeendenButton"));
    EXPECT_FALSE(bestenliste->isVisible());
    openFromMain();
    clickHof(QStringLiteral("Button3"));
    EXPECT_FALSE(bestenliste->isVisible());
}

}  // namespace
}  // namespace trivanto
