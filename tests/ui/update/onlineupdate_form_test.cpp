// The update wizard driven through its controls: going on line, the package list, the run on
// the download page, the closing page, and every way out.
#include <QCryptographicHash>
#include <QFile>
#include <QPlainTextEdit>

#include "core/net/online_state.h"
#include "core/update/banner_update.h"
#include "support/test_names.h"
#include "support/update_form_fixture.h"
#include "support/zip_builder.h"

namespace trivanto::updatetest {
namespace {

QByteArray alphaZip() {
    // A file in a folder of the archive lands directly in the program folder.
    return test::buildZip({{"cats/Alpha.trv", "alpha"}, {"alpha.txt", "read me"}});
}
QByteArray betaZip() {
    return test::buildZip({{"Beta.trv", "beta"}});
}

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Two groups; Alpha is offered twice under one archive name; Broken names no safe file.
QByteArray catalogue() {
    return QStringLiteral(
               "[Head]\r\nInfo=March 2024\r\n"
               "[1]\r\nItemName=Categories\r\nExpanded=true\r\n"
               "SubItemName1=Alpha\r\nSubItemDate1=2024-03-01\r\nSubItemFilesize1=12 KB\r\n"
               "SubItemText1=All about A\r\nSubItemFilename1=alpha.zip\r\n"
               "SubItemStart1=alpha.txt\r\nSubItemChecksum1=%1\r\n"
               "SubItemName2=Beta\r\nSubItemDate2=2024-03-02\r\nSubItemFilesize2=1 KB\r\n"
               "SubItemText2=All about B\r\nSubItemFilename2=beta.zip\r\n"
               "SubItemName3=Gamma\r\nSubItemText3=All about C\r\nSubItemFilename3=gamma.zip\r\n"
               "SubItemName4=Alpha once more\r\nSubItemText4=The same archive\r\n"
               "SubItemFilename4=alpha.zip\r\nSubItemStart4=alpha.txt\r\n"
               "SubItemName5=Broken\r\nSubItemText5=Nowhere\r\nSubItemFilename5=../broken.zip\r\n"
               "[2]\r\nItemName=Sounds\r\n"
               "SubItemName1=Voices\r\nSubItemText1=Voices of the host\r\n"
               "SubItemFilename1=voices.zip\r\n")
        .arg(sha256(alphaZip()))
        .toUtf8();
}

QStringList selectedFiles(const TOnlineupdateForm& form) {
    QStringList files;
    for (const SelectedPackage& package : form.update().selection().packages()) {
        files.append(package.PackageFile);
    }
    return files;
}

TEST_F(OnlineupdateFormTest, OpensOnTheStartPageWithProceedActiveAndNoWayBack) {
    EXPECT_EQ(form->currentPage(), QStringLiteral("start"));
    EXPECT_FALSE(button("ZurueckButton")->isEnabled());
    EXPECT_TRUE(button("WeiterButton")->isEnabled());
    EXPECT_EQ(button("AbbrechenButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(label("Label1"), QStringLiteral("Welcome to the Online Update"));
    EXPECT_FALSE(control("ToolbarButton974")->isVisible());  // the info icon is hidden
    EXPECT_EQ(form->size(), QSize(455, 347));
}

// Proceed goes on line first and only then asks the update server; a second click while that
// runs starts nothing.
TEST_F(OnlineupdateFormTest, ProceedGoesOnLineThenFetchesTheCatalogueOnce) {
    click("WeiterButton");
    EXPECT_FALSE(fetcher->busy());  // the system has not answered yet
    EXPECT_FALSE(button("WeiterButton")->isEnabled());
    click("WeiterButton");
    keyboardtest::press(form.get(), Qt::Key_Return);  // neither Proceed nor Cancel
    EXPECT_TRUE(fake->dialog.empty());
    online->backend.settle();
    EXPECT_EQ(online->backend.calls(), 1);
    ASSERT_TRUE(fetcher->busy());
    EXPECT_EQ(fetcher->url(), QUrl(QStringLiteral("http://127.0.0.1:9/Orvalquest/update.ar2")));
    click("WeiterButton");
    EXPECT_EQ(fetcher->requests().size(), 1u);

    fetcher->succeed(catalogue());
    EXPECT_EQ(form->currentPage(), QStringLiteral("auswahl"));
    EXPECT_TRUE(button("WeiterButton")->isEnabled());
    EXPECT_TRUE(online->online.IsOnline());
    EXPECT_TRUE(online->banner.BannerBusy());  // the server answered: the banner may come too
    EXPECT_TRUE(QFile::exists(prog(QStringLiteral("update.ini"))));
}

TEST_F(OnlineupdateFormTest, WithoutAConnectionTheStartPageStaysAndProceedWorksAgain) {
    online->backend.connections.clear();  // no connection and nothing to dial
    fake->dialog.pushAnswer(AnswerNo);    // "Are you online?"
    click("WeiterButton");
    online->backend.settle();
    EXPECT_FALSE(fetcher->busy());
    ASSERT_FALSE(fake->dialog.empty());
    EXPECT_EQ(fake->dialog.last().text, text(Msg::MsgNoConnectionFound));
    EXPECT_EQ(fake->dialog.last().width, 353);
    EXPECT_EQ(form->currentPage(), QStringLiteral("start"));
    EXPECT_TRUE(button("WeiterButton")->isEnabled());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OnlineupdateFormTest, TheListShowsGroupsColumnsAndTheCataloguesInfo) {
    openCatalogue(catalogue());
    TCheckGroupList* box = list();
    ASSERT_EQ(box->groupCount(), 2);
    EXPECT_EQ(box->groupHeading(0), QStringLiteral("Categories"));
    EXPECT_EQ(box->groupHeading(1), QStringLiteral("Sounds"));
    EXPECT_TRUE(box->isGroupExpanded(0));
    EXPECT_FALSE(box->isGroupExpanded(1));
    ASSERT_EQ(box->rowCount(0), 5);
    EXPECT_EQ(box->rowText(0, 0), QStringLiteral("Alpha\t2024-03-01\t12 KB"));
    // The columns line up after the widest name and date.
    const QList<int> stops = box->tabStops();
    ASSERT_GE(stops.size(), 2);
    EXPECT_LT(stops[0], stops[1]);
    EXPECT_EQ(box->columnX(0, 0, 1), box->columnX(0, 1, 1));
    EXPECT_EQ(label("InfoLabel"), QStringLiteral("March 2024"));
    EXPECT_EQ(control<QLabel>("InfoLabel")->alignment() & Qt::AlignRight, Qt::AlignRight);
}

// Ticking order is download order; one archive is selected once however many rows name it;
// the box under the list always shows the package just clicked.
TEST_F(OnlineupdateFormTest, TickingKeepsOrderAndSelectsEachArchiveOnce) {
    openCatalogue(catalogue());
    auto* memo = control<QPlainTextEdit>("AuswahlInfoMemo");
    clickBox(0, 0);
    clickBox(0, 1);
    clickBox(0, 2);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("All about C"));
    clickBox(0, 1);  // Beta out again
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("All about B"));
    EXPECT_EQ(selectedFiles(*form), (QStringList{"alpha.zip", "gamma.zip"}));

    // A second row of the same archive shows its box as the selection has it.
    EXPECT_TRUE(list()->isRowChecked(0, 3));
    clickBox(0, 3);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("The same archive"));
    EXPECT_EQ(selectedFiles(*form), (QStringList{"gamma.zip"}));
    EXPECT_FALSE(list()->isRowChecked(0, 0));
    clickBox(0, 3);  // back, at the end, once
    EXPECT_EQ(selectedFiles(*form), (QStringList{"gamma.zip", "alpha.zip"}));
    EXPECT_TRUE(list()->isRowChecked(0, 0));
    clickBox(0, 0);  // clearing one clears both rows of that archive
    EXPECT_FALSE(list()->isRowChecked(0, 3));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("All about A"));
    EXPECT_EQ(selectedFiles(*form), (QStringList{"gamma.zip"}));

    clickRow(1, 0);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Voices of the host"));
    EXPECT_FALSE(list()->isRowChecked(1, 0));
}

TEST_F(OnlineupdateFormTest, APackageWithoutASafeArchiveNameCannotBeTicked) {
    openCatalogue(catalogue());
    clickBox(0, 4);
    EXPECT_FALSE(list()->isRowChecked(0, 4));
    EXPECT_TRUE(selectedFiles(*form).isEmpty());
    ASSERT_FALSE(fake->dialog.empty());
    EXPECT_EQ(fake->dialog.last().text, text(Msg::MsgPackageUnavailable));
}

TEST_F(OnlineupdateFormTest, ProceedWithNothingTickedAsksForAPackage) {
    openCatalogue(catalogue());
    click("WeiterButton");
    ASSERT_FALSE(fake->dialog.empty());
    EXPECT_EQ(fake->dialog.last().text, text(Msg::MsgSelectPackage));
    EXPECT_EQ(fake->dialog.last().width, 320);
    EXPECT_EQ(form->currentPage(), QStringLiteral("auswahl"));
    EXPECT_FALSE(fetcher->busy());
}

// Two packages that arrive: fetched in ticking order, then the disconnect question, then
// unpacked; the start file opens only with Close.
TEST_F(OnlineupdateFormTest, ARunFetchesUnpacksAndOpensTheStartFileOnClose) {
    openCatalogue(catalogue());
    clickBox(0, 1);
    clickBox(0, 0);
    click("WeiterButton");
    EXPECT_EQ(form->currentPage(), QStringLiteral("download"));
    EXPECT_FALSE(button("WeiterButton")->isEnabled());
    EXPECT_EQ(label("FilenameDownloadLabel"),
              text(Msg::MsgPackagePrefix) + "Beta" + text(Msg::MsgDownloadingSuffix));
    EXPECT_FALSE(control("zipprogressbar")->isVisible());
    ASSERT_TRUE(fetcher->busy());
    EXPECT_EQ(fetcher->url().fileName(), QStringLiteral("beta.zip"));
    fetcher->succeed(betaZip());
    ASSERT_TRUE(fetcher->busy());
    EXPECT_EQ(fetcher->url().fileName(), QStringLiteral("alpha.zip"));
    EXPECT_EQ(label("FilenameDownloadLabel"),
              text(Msg::MsgPackagePrefix) + "Alpha" + text(Msg::MsgDownloadingSuffix));

    QString lineAtQuestion;
    fake->dialog.onShow = [&](const MessageRequest& request) {
        if (request.text == text(Msg::MsgAskDisconnect)) {
            lineAtQuestion = label("FilenameDownloadLabel");
        }
    };
    fake->dialog.pushAnswer(AnswerNo);  // stay connected
    fetcher->succeed(alphaZip());
    EXPECT_EQ(lineAtQuestion, text(Msg::MsgDownloadFinished));
    EXPECT_EQ(bar("progressbar1"), 100);
    runClock();

    EXPECT_EQ(form->currentPage(), QStringLiteral("fertig"));
    EXPECT_EQ(label("AbschlussmessageLabel"), text(Msg::MsgUpdateSuccess));
    EXPECT_EQ(button("AbbrechenButton")->text(), text(Msg::MsgClose));
    EXPECT_EQ(bar("zipprogressbar"), 100);
    EXPECT_EQ(test::readFile(prog(QStringLiteral("Alpha.trv"))), "alpha");
    EXPECT_EQ(test::readFile(prog(QStringLiteral("Beta.trv"))), "beta");
    EXPECT_TRUE(online->backend.hangUps().isEmpty());
    EXPECT_TRUE(online->online.IsOnline());
    EXPECT_TRUE(fake->shell.opened().isEmpty());

    const size_t asked = fake->dialog.requests().size();
    click("AbbrechenButton");                          // Close
    EXPECT_EQ(fake->dialog.requests().size(), asked);  // no question on the last page
    ASSERT_EQ(fake->shell.opened().size(), 1);
    EXPECT_EQ(fake->shell.opened()[0], QUrl::fromLocalFile(prog(QStringLiteral("alpha.txt"))));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(prog(QStringLiteral("update.ini"))));
}

TEST_F(OnlineupdateFormTest, YesToDisconnectHangsUpBeforeUnpacking) {
    openCatalogue(catalogue());
    clickBox(0, 1);
    click("WeiterButton");
    fake->dialog.pushAnswer(AnswerYes);
    fetcher->succeed(betaZip());
    runClock();
    EXPECT_EQ(online->backend.hangUps(), QStringList{QStringLiteral("eth0")});
    EXPECT_EQ(form->currentPage(), QStringLiteral("fertig"));
    EXPECT_EQ(test::readFile(prog(QStringLiteral("Beta.trv"))), "beta");
}

// The second of three fails: the first is installed, the third is not fetched, the program is
// off line, and the page says what happened.
TEST_F(OnlineupdateFormTest, AFailedPackageEndsTheFetchingAndTheRestIsInstalled) {
    openCatalogue(catalogue());
    clickBox(0, 0);
    clickBox(0, 1);
    clickBox(0, 2);
    click("WeiterButton");
    fetcher->succeed(alphaZip());
    fetcher->fail("PK\x03\x04 partial");
    EXPECT_FALSE(fetcher->busy());
    EXPECT_FALSE(online->online.IsOnline());
    runClock();
    EXPECT_EQ(fetcher->requests().size(), 3u);  // catalogue, alpha, beta; never gamma
    EXPECT_EQ(form->currentPage(), QStringLiteral("fertig"));
    EXPECT_EQ(label("FilenameDownloadLabel"), text(Msg::MsgDownloadIncomplete));
    EXPECT_EQ(label("AbschlussmessageLabel"), text(Msg::MsgUpdatePartial));
    EXPECT_EQ(bar("zipprogressbar"), 33);
    EXPECT_TRUE(messages().contains(text(Msg::MsgUpdateServerFailed)));
    EXPECT_FALSE(messages().contains(text(Msg::MsgAskDisconnect)));
    EXPECT_EQ(test::readFile(prog(QStringLiteral("Alpha.trv"))), "alpha");
    EXPECT_FALSE(QFile::exists(prog(QStringLiteral("Beta.trv"))));
    EXPECT_FALSE(test::folderListing(progDir()).join(' ').contains(QStringLiteral("beta")));
}

TEST_F(OnlineupdateFormTest, AFailedCatalogueFetchReportsAndCloses) {
    click("WeiterButton");
    online->backend.settle();
    fetcher->fail();
    EXPECT_EQ(fake->dialog.last().text, text(Msg::MsgUpdateConnectFailed));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(online->online.IsOnline());
    EXPECT_FALSE(online->banner.BannerBusy());
}

TEST_F(OnlineupdateFormTest, ACataloguesOwnMessageIsShownAloneAndClosesTheWizard) {
    openCatalogue(
        "[Head]\r\nMessageText=Closed for the summer\r\nMessageWidth=300\r\n"
        "MessageWordWrap=true\r\n[1]\r\nItemName=Categories\r\nSubItemName1=Alpha\r\n");
    ASSERT_FALSE(fake->dialog.empty());
    EXPECT_EQ(fake->dialog.last().text, QStringLiteral("Closed for the summer"));
    EXPECT_EQ(fake->dialog.last().width, 300);
    EXPECT_TRUE(fake->dialog.last().wordWrap);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(online->banner.BannerBusy());
    EXPECT_FALSE(QFile::exists(prog(QStringLiteral("update.ini"))));
}

// Cancel and the close icon ask first; No changes nothing, Yes stops the fetch without a word
// more and leaves nothing of it behind.
class CancelTest : public OnlineupdateFormTest, public testing::WithParamInterface<const char*> {};

TEST_P(CancelTest, AsksThenStopsTheRunningFetch) {
    openCatalogue(catalogue());
    clickBox(0, 1);
    click("WeiterButton");
    ASSERT_TRUE(fetcher->busy());

    fake->dialog.pushAnswer(AnswerNo);
    click(GetParam());
    EXPECT_EQ(fake->dialog.last().text, text(Msg::MsgAskCancelUpdate));
    EXPECT_EQ(fake->dialog.last().width, 307);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fetcher->busy());

    const size_t asked = fake->dialog.requests().size();
    fake->dialog.pushAnswer(AnswerYes);
    click(GetParam());
    EXPECT_EQ(fake->dialog.requests().size(), asked + 1);  // the question, no failure notice
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(fetcher->busy());
    EXPECT_FALSE(QFile::exists(prog(QStringLiteral("update.ini"))));
    runClock();
    EXPECT_NE(form->currentPage(), QStringLiteral("fertig"));
    EXPECT_FALSE(QFile::exists(prog(QStringLiteral("Beta.trv"))));
}

INSTANTIATE_TEST_SUITE_P(Buttons, CancelTest, testing::Values("AbbrechenButton", "Button3"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return testName(info.param);
                         });

TEST_F(OnlineupdateFormTest, EscapeClosesAtOnceWithoutQuestionOrStartFiles) {
    openCatalogue(catalogue());
    const size_t shown = fake->dialog.requests().size();
    keyboardtest::press(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fake->dialog.requests().size(), shown);

    // Also on the last page: the start files stay closed.
    form->FormShow();
    form->show();
    openCatalogue(catalogue());
    clickBox(0, 0);
    click("WeiterButton");
    fake->dialog.pushAnswer(AnswerNo);
    fetcher->succeed(alphaZip());
    runClock();
    ASSERT_EQ(form->currentPage(), QStringLiteral("fertig"));
    keyboardtest::press(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(fake->shell.opened().isEmpty());
}

TEST_F(OnlineupdateFormTest, OpeningAgainStartsAfresh) {
    openCatalogue(catalogue());
    clickBox(0, 1);
    click("WeiterButton");
    fake->dialog.pushAnswer(AnswerNo);
    fetcher->succeed(betaZip());
    runClock();
    click("AbbrechenButton");
    ASSERT_FALSE(form->isVisible());

    form->FormShow();
    form->show();
    EXPECT_EQ(form->currentPage(), QStringLiteral("start"));
    EXPECT_TRUE(button("WeiterButton")->isEnabled());
    EXPECT_EQ(button("AbbrechenButton")->text(), QStringLiteral("Cancel"));
    openCatalogue(catalogue());
    EXPECT_TRUE(selectedFiles(*form).isEmpty());
    EXPECT_TRUE(list()->checkedRows().isEmpty());
}

TEST_F(OnlineupdateFormTest, F1AndTheHelpIconOpenTheUpdatesHelp) {
    keyboardtest::press(form.get(), Qt::Key_F1);
    click("Button2");
    EXPECT_EQ(fake->help.topics(),
              (QStringList{QStringLiteral("Onlineupdate"), QStringLiteral("Onlineupdate")}));
}

}  // namespace
}  // namespace trivanto::updatetest
