// The upload wizard through its controls: its pages, the checks of the names page, the
// transfer against a loopback server, the errors and the ways out.
#include <QTcpServer>

#include "core/net/connection_manager.h"
#include "core/scores/top_list_connector.h"
#include "support/scores_fixture.h"
#include "support/test_names.h"
#include "ui/widgets/t_busy_indicator.h"

namespace trivanto {
namespace {

class OnlinehighscoreFormTest : public ScoresFixture {
protected:
    bool checked(const char* box) { return wiz<QAbstractButton>(QLatin1String(box))->isChecked(); }
    bool enabled(const char* control) { return wiz(QLatin1String(control))->isEnabled(); }
    QString field(const QString& name) { return wiz<QLineEdit>(name)->text(); }
    void proceed() { clickWiz(QStringLiteral("WeiterButton")); }
    void cancel() { clickWiz(QStringLiteral("AbbrechenButton")); }
    QStringList dialogTexts() const {
        QStringList texts;
        for (const MessageRequest& r : dialog.requests()) {
            texts << r.text;
        }
        return texts;
    }
    // The names the server was sent, in order.
    QStringList sentNames() const {
        QStringList names;
        for (const LoopbackRequest& r : server.requests()) {
            if (r.target.contains("TLADDUSER")) {
                names << QString::fromLatin1(r.target.split('&').value(1));
            }
        }
        return names;
    }
    // From the first page to the connection page with the winners as they are.
    void toConnectPage() {
        openForGameEnd();
        proceed();
        ASSERT_EQ(wizardPage(), QStringLiteral("namen"));
        proceed();
        ASSERT_EQ(wizardPage(), QStringLiteral("verbinden")) << dialog.last().text.toStdString();
    }
};

TEST_F(OnlinehighscoreFormTest, OpenedAtTheGameEndItStartsOnTheFirstPage) {
    finishedGame({{"Ann", 2900, "ann@x.test", 1}});
    openForGameEnd();
    EXPECT_EQ(wizardPage(), QStringLiteral("start"));
    EXPECT_EQ(wizText(QStringLiteral("Label2")), QStringLiteral("Top50 of the week - Update"));
    EXPECT_EQ(wizText(QStringLiteral("Label1")),
              QStringLiteral("Welcome to the online high score list"));
    EXPECT_TRUE(checked("UebertragenCheckBox"));
    EXPECT_TRUE(enabled("UebertragenCheckBox"));
    EXPECT_TRUE(checked("AbrufenCheckBox"));
    EXPECT_TRUE(checked("AnzeigenCheckBox"));
    EXPECT_TRUE(enabled("AnzeigenCheckBox"));
    EXPECT_TRUE(enabled("WeiterButton"));
    EXPECT_FALSE(enabled("ZurueckButton"));
    EXPECT_EQ(wiz<QAbstractButton>(QStringLiteral("AbbrechenButton"))->text(),
              QStringLiteral("Cancel"));
    for (int k = 2; k <= 4; ++k) {
        EXPECT_FALSE(shownInWiz(QStringLiteral("Name%1Edit").arg(k))) << k;
    }
    EXPECT_FALSE(shownInWiz(QStringLiteral("PlaetzeLabel")));
    EXPECT_FALSE(shownInWiz(QStringLiteral("Platz1Label")));

    // Both options off: a notice, and the page stays.
    clickWiz(QStringLiteral("UebertragenCheckBox"));
    clickWiz(QStringLiteral("AbrufenCheckBox"));
    proceed();
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(
        dialog.last().text,
        QStringLiteral("You have to activateat least one of the options in order to proceed."));
    EXPECT_EQ(dialog.last().width, 323);
    EXPECT_FALSE(dialog.last().wordWrap);
    EXPECT_EQ(wizardPage(), QStringLiteral("start"));

    // The download option is kept as the user left it; the send option is on again.
    cancel();  // "Yes" to the quit question
    openForGameEnd();
    EXPECT_TRUE(checked("UebertragenCheckBox"));
    EXPECT_FALSE(checked("AbrufenCheckBox"));
}

TEST_F(OnlinehighscoreFormTest, TheNamesPageShowsEachWinnerWithAmountAndAddress) {
    finishedGame({{"Ann", 2900, "ann@x.test", 2}, {"Bob Lee", 2900, "", 4}});
    openForGameEnd();
    proceed();
    EXPECT_EQ(wizardPage(), QStringLiteral("namen"));
    EXPECT_EQ(wizText(QStringLiteral("Name1Label")), QStringLiteral("Ann:"));
    EXPECT_EQ(field(QStringLiteral("Name1Edit")), QStringLiteral("Ann"));
    EXPECT_EQ(wizText(QStringLiteral("Punkte1Label")), QStringLiteral("Amount: 2900 $"));
    EXPECT_EQ(field(QStringLiteral("eMail1Edit")), QStringLiteral("ann@x.test"));
    EXPECT_EQ(field(QStringLiteral("Name2Edit")), QStringLiteral("Bob Lee"));
    EXPECT_TRUE(shownInWiz(QStringLiteral("eMail2Edit")));
    EXPECT_FALSE(shownInWiz(QStringLiteral("Name3Edit")));
    EXPECT_EQ(wiz<QLineEdit>(QStringLiteral("Name1Edit"))->maxLength(), 15);
    EXPECT_TRUE(wiz(QStringLiteral("Name1Edit"))->hasFocus() || !wizard->isActiveWindow());

    // Bob has no address yet.
    proceed();
    EXPECT_EQ(dialogTexts(), QStringList{msg(Msg::MsgFillAllFields)});
    EXPECT_EQ(dialog.last().width, 155);
    EXPECT_EQ(wizardPage(), QStringLiteral("namen"));
}

struct NamesCase {
    const char* name;
    std::array<const char*, 3> names;
    std::array<const char*, 3> emails;
    std::vector<Msg> notices;
    std::array<const char*, 3> sentNames;  // the fields after Proceed
};

class WizardNameChecks : public OnlinehighscoreFormTest,
                         public ::testing::WithParamInterface<NamesCase> {};

TEST_P(WizardNameChecks, NoticesComeInOrderAndKeepThePage) {
    const NamesCase& c = GetParam();
    finishedGame({{"One", 100, "", 1}, {"Two", 100, "", 2}, {"Three", 100, "", 3}});
    openForGameEnd();
    proceed();
    for (int k = 0; k < 3; ++k) {
        typeInto(QStringLiteral("Name%1Edit").arg(k + 1),
                 QString::fromUtf8(c.names[std::size_t(k)]));
        typeInto(QStringLiteral("eMail%1Edit").arg(k + 1),
                 QString::fromUtf8(c.emails[std::size_t(k)]));
    }
    proceed();
    QStringList expected;
    for (Msg notice : c.notices) {
        expected << msg(notice);
    }
    EXPECT_EQ(dialogTexts(), expected);
    EXPECT_EQ(wizardPage(),
              c.notices.empty() ? QStringLiteral("verbinden") : QStringLiteral("namen"));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(field(QStringLiteral("Name%1Edit").arg(k + 1)),
                  QString::fromUtf8(c.sentNames[std::size_t(k)]))
            << k;
    }
    for (const MessageRequest& r : dialog.requests()) {
        if (r.text == msg(Msg::MsgEmailInvalid)) {
            EXPECT_EQ(r.width, 325);
            EXPECT_TRUE(r.wordWrap);
        } else if (r.text == msg(Msg::MsgNameOnlyOnce)) {
            EXPECT_EQ(r.width, 207);
            EXPECT_FALSE(r.wordWrap);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, WizardNameChecks,
                         ::testing::Values(NamesCase{"AllFine",
                                                     {"ann", " bo ", "Ça va"},
                                                     {"a@b.test", "b.c@d", "x.y@z"},
                                                     {},
                                                     {"Ann", "Bo", "Ça va"}},
                                           NamesCase{"SameNameOnceCapitalised",
                                                     {"anna", "Anna", "Cy"},
                                                     {"a@b.test", "b@c.test", "c@d.test"},
                                                     {Msg::MsgNameOnlyOnce},
                                                     {"Anna", "Anna", "Cy"}},
                                           NamesCase{"AddressWithoutAt",
                                                     {"Ann", "Bo", "Cy"},
                                                     {"a@b.test", "bc.test", "c@d.test"},
                                                     {Msg::MsgEmailInvalid},
                                                     {"Ann", "Bo", "Cy"}},
                                           NamesCase{"AddressWithoutDot",
                                                     {"Ann", "Bo", "Cy"},
                                                     {"a@btest", "b@c.test", "c@d.test"},
                                                     {Msg::MsgEmailInvalid},
                                                     {"Ann", "Bo", "Cy"}},
                                           NamesCase{"TwoEmptyRowsOneNotice",
                                                     {"Ann", "", "  "},
                                                     {"a@b.test", "", ""},
                                                     {Msg::MsgFillAllFields},
                                                     {"Ann", "", ""}},
                                           NamesCase{"ThreeProblemsThreeNotices",
                                                     {"ann", "Ann", ""},
                                                     {"a@b.test", "nowhere", "c@d.test"},
                                                     {Msg::MsgFillAllFields, Msg::MsgNameOnlyOnce,
                                                      Msg::MsgEmailInvalid},
                                                     {"Ann", "Ann", ""}}),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(OnlinehighscoreFormTest, SendsTheWinnersFetchesTheListAndShowsTheRanks) {
    finishedGame({{"Ann", 2900, "old@x.test", 3}, {"Bob", 2900, "bob@x.test", 1}});
    fakes.settings.setString(QStringLiteral("Players/Player1_eMail"), QStringLiteral("bob@x.test"));
    serve(listBody(5), 50);
    openForGameEnd();
    proceed();
    typeInto(QStringLiteral("eMail1Edit"), QStringLiteral("ann@new.test"));
    proceed();
    ASSERT_EQ(wizardPage(), QStringLiteral("verbinden"));
    // The corrected address is kept for the winner's seat only.
    EXPECT_EQ(fakes.settings.stringValue(QStringLiteral("Players/Player3_eMail")),
              QStringLiteral("ann@new.test"));
    EXPECT_EQ(fakes.settings.stringValue(QStringLiteral("Players/Player1_eMail")),
              QStringLiteral("bob@x.test"));
    EXPECT_FALSE(fakes.settings.contains(QStringLiteral("Players/Player2_eMail")));
    EXPECT_TRUE(shownInWiz(QStringLiteral("PlaetzeLabel")));

    proceed();
    EXPECT_FALSE(enabled("WeiterButton")) << "no second start while connecting";
    dialog.pushAnswer(AnswerNo);  // stay connected
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(sentTargets(),
              QStringList({QStringLiteral("/orvalquest/top50/toplist.pl?TLADDUSER&Ann&ann@new.test&"
                                          "2,900&english"),
                           QStringLiteral("/orvalquest/top50/toplist.pl?TLADDUSER&Bob&bob@x.test&"
                                          "2,900&english"),
                           QStringLiteral("/orvalquest/top50/toplist.dat")}));
    EXPECT_TRUE(online.banner.BannerBusy()) << "once on line the banner gets its chance too";
    EXPECT_EQ(dialogTexts(), QStringList{msg(Msg::MsgAskDisconnect)});
    EXPECT_EQ(dialog.last().width, 235);
    EXPECT_FALSE(dialog.last().wordWrap);
    EXPECT_TRUE(backend.hangUps().isEmpty());

    EXPECT_EQ(wizardPage(), QStringLiteral("fertig"));
    EXPECT_EQ(wizText(QStringLiteral("Name1Label2")), QStringLiteral("Ann"));
    EXPECT_EQ(wizText(QStringLiteral("Platz1Label")), QStringLiteral("Rank: 50"));
    EXPECT_EQ(wizText(QStringLiteral("Platz2Label")), QStringLiteral("scores too low"));
    EXPECT_FALSE(shownInWiz(QStringLiteral("Platz3Label")));
    EXPECT_EQ(winners.WinnerRank[0], 50);
    EXPECT_EQ(winners.WinnerRank[1], 51);
    EXPECT_EQ(winners.WinnerEMail[0], QStringLiteral("ann@new.test"));
    EXPECT_FALSE(enabled("WeiterButton"));
    EXPECT_TRUE(enabled("AnzeigenCheckBox"));
    EXPECT_EQ(wiz<QAbstractButton>(QStringLiteral("AbbrechenButton"))->text(),
              QStringLiteral("Close"));
    EXPECT_TRUE(hallOfFame->Top50Refreshed());
    ASSERT_TRUE(QFile::exists(topListPath()));
    EXPECT_EQ(TTopListFile(topListPath()).Load()->size(), 5);

    cancel();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(dialog.requests().size(), 1u) << "closing the last page asks nothing";
    EXPECT_EQ(endPanelHidden, 1);
    EXPECT_EQ(hallOfFameOpened, 1);
    EXPECT_EQ(hallOfFame->highScoreView(), HighScoreView::Online);
}

TEST_F(OnlinehighscoreFormTest, ABadReplyStopsTheRunAndARetrySendsOnlyWhatWasNotTaken) {
    finishedGame(
        {{"Ann", 100, "a@x.test", 1}, {"Bob", 100, "b@x.test", 2}, {"Cy", 100, "c@x.test", 3}});
    int sends = 0;
    server.setHandler([&](const LoopbackRequest& request) {
        if (!request.target.contains("toplist.pl")) {
            return reply(listBody(3));
        }
        ++sends;
        return sends == 2 ? reply("<html>oops</html>")
                          : reply("1\nok\n" + QByteArray::number(sends));
    });
    toConnectPage();
    proceed();
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(dialogTexts(), QStringList{msg(Msg::MsgTransferError)});
    EXPECT_EQ(dialog.last().width, 351);
    EXPECT_FALSE(dialog.last().wordWrap);
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    EXPECT_TRUE(enabled("WeiterButton"));
    EXPECT_EQ(sentNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
    EXPECT_EQ(winners.WinnerRank[0], 1);
    EXPECT_FALSE(QFile::exists(topListPath())) << "no download after the error";

    dialog.pushAnswer(AnswerNo);
    proceed();
    ASSERT_TRUE(runTransfer());
    // Ann's result is already on the list: only Bob and Cy go again.
    EXPECT_EQ(sentNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob"),
                                        QStringLiteral("Bob"), QStringLiteral("Cy")}));
    EXPECT_EQ(wizardPage(), QStringLiteral("fertig"));
    EXPECT_EQ(wizText(QStringLiteral("Platz1Label")), QStringLiteral("Rank: 1"));
    EXPECT_EQ(wizText(QStringLiteral("Platz2Label")), QStringLiteral("Rank: 3"));
    EXPECT_EQ(wizText(QStringLiteral("Platz3Label")), QStringLiteral("Rank: 4"));
}

TEST_F(OnlinehighscoreFormTest, RefusedResultsSayWhyInsteadOfABorrowedRank) {
    finishedGame(
        {{"Ann", 100, "a@x.test", 1}, {"Bob", 100, "b@x.test", 2}, {"Cy", 100, "c@x.test", 3}});
    const QByteArray replies[] = {"1\nok\n4", "2\n", "4\n"};
    int sends = 0;
    server.setHandler([&](const LoopbackRequest& request) {
        if (!request.target.contains("toplist.pl")) {
            return reply(listBody(1));
        }
        return reply(replies[sends++]);
    });
    toConnectPage();
    proceed();
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(wizardPage(), QStringLiteral("fertig"));
    EXPECT_EQ(wizText(QStringLiteral("Platz1Label")), QStringLiteral("Rank: 4"));
    EXPECT_EQ(wizText(QStringLiteral("Platz2Label")), msg(Msg::MsgScoreRefused));
    EXPECT_EQ(wizText(QStringLiteral("Platz3Label")), msg(Msg::MsgScoreServerBusy));
    EXPECT_EQ(winners.WinnerRank[1], -1);
    EXPECT_EQ(winners.WinnerRank[2], -1);
}

TEST_F(OnlinehighscoreFormTest, WithoutAConnectionItSaysSoAndStays) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    backend.connections.clear();  // nothing active, nothing to dial
    toConnectPage();
    dialog.pushAnswer(AnswerNo);  // "Are you online?"
    proceed();
    backend.settle();
    EXPECT_EQ(dialogTexts(), QStringList({msg(Msg::MsgNoDialUpEntry), msg(Msg::MsgAskOnline),
                                          msg(Msg::MsgNoConnectionFound)}));
    EXPECT_EQ(dialog.last().width, 353);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    EXPECT_TRUE(enabled("WeiterButton"));
    EXPECT_FALSE(upload->busy());
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(online.banner.BannerBusy());
}

TEST_F(OnlinehighscoreFormTest, AServerThatCannotBeReachedIsAMalfunction) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    topList->setURL(QStringLiteral("http://127.0.0.1:%1/orvalquest/top50").arg(port));
    toConnectPage();
    proceed();
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(dialogTexts(), QStringList{msg(Msg::MsgServerMalfunction)});
    EXPECT_EQ(dialog.last().width, 375);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    EXPECT_TRUE(enabled("WeiterButton"));
}

TEST_F(OnlinehighscoreFormTest, AServerThatNeverAnswersEndsOnTheClockAndCancelAsksFirst) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    server.setReply(LoopbackReply::silence());
    toConnectPage();
    proceed();
    backend.settle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().isEmpty(); }, 10000));
    EXPECT_EQ(wizardPage(), QStringLiteral("online"));
    EXPECT_TRUE(wiz<TBusyIndicator>(QStringLiteral("Animate1"))->isRunning());
    EXPECT_FALSE(enabled("WeiterButton"));

    // No: the transfer goes on.
    dialog.pushAnswer(AnswerNo);
    cancel();
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgAskQuitTransfer));
    EXPECT_EQ(dialog.last().width, 245);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_TRUE(upload->busy());

    // Thirty seconds without a byte end the exchange: the user is told, nothing hangs.
    fakes.clock.advance(TTopListConnector::kInactivityTimeoutMs);
    EXPECT_FALSE(upload->busy());
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgServerMalfunction));
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
}

TEST_F(OnlinehighscoreFormTest, CancellingATransferDropsItsLateAnswer) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    server.setReply(LoopbackReply::silence());
    toConnectPage();
    proceed();
    backend.settle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().isEmpty(); }, 10000));
    dialog.pushAnswer(AnswerYes);
    cancel();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_FALSE(upload->busy());
    EXPECT_FALSE(wiz<TBusyIndicator>(QStringLiteral("Animate1"))->isRunning());
    const std::size_t shown = dialog.requests().size();
    fakes.clock.advance(TTopListConnector::kInactivityTimeoutMs);
    EXPECT_EQ(dialog.requests().size(), shown) << "a cancelled run says nothing more";
    EXPECT_EQ(endPanelHidden, 0);

    // A cancelled connection check that answers late changes nothing either.
    openForGameEnd();
    proceed();
    proceed();
    proceed();
    dialog.pushAnswer(AnswerYes);
    cancel();
    backend.settle();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(upload->view().page, UploadPage::verbinden);
}

TEST_F(OnlinehighscoreFormTest, YesToDisconnectHangsUpAndReportsAConnectionThatStays) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    serve(listBody(1));
    backend.hangUpRemoves = false;
    toConnectPage();
    proceed();
    dialog.pushAnswer(AnswerYes);
    backend.settle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return connections.view().hangingUp; }, 10000));
    backend.settle();
    fakes.clock.advance(ConnectionManager::kHangUpPauseMs);
    backend.settle();
    EXPECT_EQ(backend.hangUps(), QStringList{QStringLiteral("wlan0")});
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgDisconnectFailed));
    EXPECT_EQ(wizardPage(), QStringLiteral("fertig"));
}

TEST_F(OnlinehighscoreFormTest, FetchOnlyAtTheGameEndKeepsTheOfferOpen) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    serve(listBody(2));
    openForGameEnd();
    clickWiz(QStringLiteral("UebertragenCheckBox"));
    proceed();
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden"));
    proceed();
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(sentNames(), QStringList());
    EXPECT_FALSE(shownInWiz(QStringLiteral("PlaetzeLabel")));
    // Not shown this time: the wizard closes without the high-score window.
    clickWiz(QStringLiteral("AnzeigenCheckBox"));
    cancel();
    EXPECT_EQ(endPanelHidden, 0) << "the game itself was not sent";
    EXPECT_EQ(hallOfFameOpened, 0);
}

TEST_F(OnlinehighscoreFormTest, AtTheGameEndAfterAFetchFromTheHighScoresTheListOpensAgain) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    serve(listBody(2));
    upload->OpenForDownload();
    wizard->show();
    proceed();
    EXPECT_EQ(wizardPage(), QStringLiteral("verbinden")) << "no names page for a fetch";
    proceed();
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    EXPECT_FALSE(enabled("AnzeigenCheckBox"));
    cancel();
    EXPECT_EQ(hallOfFameOpened, 0);

    openForGameEnd();
    proceed();
    proceed();
    proceed();
    dialog.pushAnswer(AnswerNo);
    ASSERT_TRUE(runTransfer());
    EXPECT_TRUE(enabled("AnzeigenCheckBox"));
    cancel();
    EXPECT_EQ(hallOfFameOpened, 1);
    EXPECT_EQ(endPanelHidden, 1);
}

TEST_F(OnlinehighscoreFormTest, KeysHelpAndTheCloseIcon) {
    finishedGame({{"Ann", 100, "a@x.test", 1}});
    openForGameEnd();
    QTest::keyClick(wizard.get(), Qt::Key_F1);
    clickWiz(QStringLiteral("Button2"));
    QTest::keyClick(wizard.get(), Qt::Key_Return);  // Proceed
    EXPECT_EQ(wizardPage(), QStringLiteral("namen"));
    QTest::keyClick(wizard.get(), Qt::Key_F1);
    clickWiz(QStringLiteral("Button2"));
    EXPECT_EQ(fakes.help.topics(),
              QStringList({ScoreUpload::downloadHelpTopic(), ScoreUpload::downloadHelpTopic(),
                           ScoreUpload::submitHelpTopic(), ScoreUpload::downloadHelpTopic()}));
    clickWiz(QStringLiteral("ToolbarButton974"));
    EXPECT_EQ(infoShown, 1);

    dialog.pushAnswer(AnswerNo);
    QTest::keyClick(wizard.get(), Qt::Key_Escape);
    EXPECT_TRUE(wizard->isVisible());
    dialog.pushAnswer(AnswerYes);
    clickWiz(QStringLiteral("Button3"));
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(dialogTexts(),
              QStringList({msg(Msg::MsgAskQuitTransfer), msg(Msg::MsgAskQuitTransfer)}));
}

}  // namespace
}  // namespace trivanto
