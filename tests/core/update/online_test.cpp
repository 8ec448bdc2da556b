#include "core/update/online_update.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include "core/lang/message_catalogue.h"
#include "support/manual_clock.h"
#include "support/recording_message_dialog.h"
#include "support/recording_shell_opener.h"
#include "support/scripted_file_fetcher.h"
#include "support/zip_builder.h"

namespace trivanto {
namespace {

using Outcome = OnlineUpdate::CatalogueOutcome;

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The whole update behind the wizard: a scripted fetcher, a clock the test moves, recorded
// messages, a real program folder.
class OnlineUpdateTest : public testing::Test {
protected:
    void SetUp() override {
        texts = MessageCatalogue(QStringLiteral("updates.test:8080"));
        texts.apply(Language::Englisch);
        prog = m_dir.path();
        alpha = test::buildZip({{"cats/Alpha.trv", "alpha"}, {"alpha.txt", "read me"}});
        beta = test::buildZip({{"Beta.trv", "beta"}});
        catalogue = QStringLiteral(
                        "[Head]\r\nInfo=March\r\n"
                        "[1]\r\nItemName=Categories\r\n"
                        "SubItemName1=Alpha\r\nSubItemText1=All about A\r\n"
                        "SubItemFilename1=alpha.zip\r\nSubItemStart1=alpha.txt\r\n"
                        "SubItemChecksum1=%1\r\n"
                        "SubItemName2=Beta\r\nSubItemFilename2=beta.zip\r\n"
                        "SubItemName3=Broken\r\nSubItemFilename3=../broken.zip\r\n")
                        .arg(sha256(alpha))
                        .toUtf8();
        OnlineUpdate::Hooks hooks;
        hooks.changed = [this] { ++changes; };
        hooks.finished = [this] { ++finishes; };
        hooks.connectionLost = [this] { ++lost; };
        hooks.hangUp = [this](std::function<void()> done) {
            ++hangUps;
            hungUp = std::move(done);
        };
        hooks.ensureOnline = [this](std::function<void(bool)> done) {
            ++ensures;
            goneOnline = std::move(done);
        };
        update = std::make_unique<OnlineUpdate>(fetcher, clock, dialog, texts, prog, hooks);
    }

    Outcome openCatalogue(const QByteArray& bytes) {
        std::optional<Outcome> outcome;
        update->fetchCatalogue([&](Outcome o) { outcome = o; });
        EXPECT_EQ(fetcher.url(), QUrl("http://updates.test:8080/Orvalquest/update.ar2"));
        EXPECT_EQ(fetcher.maxSize(), UpdateCatalogue::kMaxFileSize);
        fetcher.succeed(bytes);
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(Outcome::FetchFailed);
    }

    QStringList messages() const {
        QStringList out;
        for (const MessageRequest& r : dialog.requests()) {
            out.append(r.text);
        }
        return out;
    }

    MessageCatalogue texts;
    QTemporaryDir m_dir;
    QString prog;
    QByteArray alpha, beta, catalogue;
    ManualClock clock;
    ScriptedFileFetcher fetcher;
    RecordingMessageDialog dialog;
    RecordingShellOpener shell;
    std::unique_ptr<OnlineUpdate> update;
    int changes = 0, finishes = 0, lost = 0, hangUps = 0;
    std::function<void()> hungUp;  // the hang-up's continuation, run by the test
    int ensures = 0;
    std::function<void(bool)> goneOnline;  // EnsureOnline's continuation, run by the test
};

TEST_F(OnlineUpdateTest, FromCatalogueToInstalledFilesAndTheirStartFile) {
    test::writeFile(prog + "/update.ini", "[Head]\nMessageText=stale catalogue\n");
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    EXPECT_EQ(update->catalogue().head().info, QStringLiteral("March"));  // the fresh one
    EXPECT_TRUE(QFile::exists(prog + "/update.ini"));
    EXPECT_EQ(update->packageText(0, 0), QStringLiteral("All about A"));

    EXPECT_EQ(update->setTicked(0, 2, true), PackageSelection::TickOutcome::Unavailable);
    EXPECT_EQ(dialog.last().text, texts.text(Msg::MsgPackageUnavailable));
    EXPECT_EQ(update->setTicked(0, 1, true), PackageSelection::TickOutcome::Added);
    EXPECT_EQ(update->setTicked(0, 0, true), PackageSelection::TickOutcome::Added);
    dialog.clear();

    ASSERT_TRUE(update->startDownload());
    EXPECT_EQ(fetcher.url(), QUrl("http://updates.test:8080/Orvalquest/beta.zip"));
    EXPECT_EQ(fetcher.maxSize(), DownloadRun::kMaxPackageSize);
    fetcher.succeed(beta);
    EXPECT_EQ(fetcher.url(), QUrl("http://updates.test:8080/Orvalquest/alpha.zip"));
    dialog.pushAnswer(AnswerNo);
    fetcher.succeed(alpha);
    // Both arrived: the question, then unpacking on timer ticks.
    EXPECT_EQ(messages(), QStringList{texts.text(Msg::MsgAskDisconnect)});
    EXPECT_EQ(dialog.last().width, 235);
    EXPECT_EQ(hangUps, 0);
    EXPECT_EQ(update->run()->next(), DownloadRun::Action::Unpack);
    EXPECT_EQ(finishes, 0);
    clock.runAllTimers();
    ASSERT_EQ(finishes, 1);
    EXPECT_GT(changes, 4);
    EXPECT_EQ(update->run()->view().closingText, texts.text(Msg::MsgUpdateSuccess));
    EXPECT_EQ(update->run()->view().unpackProgress, 100);
    EXPECT_EQ(test::readFile(prog + "/Alpha.trv"), "alpha");
    EXPECT_EQ(test::readFile(prog + "/Beta.trv"), "beta");
    EXPECT_EQ(test::folderListing(prog), (QStringList{"Alpha.trv", "Beta.trv", "alpha.txt"}));

    EXPECT_EQ(update->closeAfterRun(shell), 1);
    ASSERT_EQ(shell.opened().size(), 1);
    EXPECT_EQ(shell.opened()[0], QUrl::fromLocalFile(prog + "/alpha.txt"));
    EXPECT_EQ(lost, 0);
}

TEST_F(OnlineUpdateTest, AnArchiveNotMatchingItsChecksumInstallsNothing) {
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    update->setTicked(0, 0, true);
    ASSERT_TRUE(update->startDownload());
    dialog.pushAnswer(AnswerYes);
    fetcher.succeed(test::buildZip({{"Alpha.trv", "tampered"}, {"alpha.txt", "x"}}));
    EXPECT_EQ(hangUps, 1);
    // Unpacking waits until the hang-up is over.
    clock.runAllTimers();
    EXPECT_EQ(update->run()->next(), DownloadRun::Action::AskDisconnect);
    ASSERT_TRUE(hungUp);
    hungUp();
    EXPECT_EQ(update->run()->next(), DownloadRun::Action::Unpack);
    clock.runAllTimers();
    ASSERT_EQ(finishes, 1);
    EXPECT_EQ(messages().last(), texts.text(Msg::MsgPackageDamaged) + "Alpha");
    ASSERT_EQ(update->run()->outcomes().size(), 1u);
    EXPECT_TRUE(update->run()->outcomes()[0].result.error().contains(QStringLiteral("checksum")));
    EXPECT_EQ(update->run()->view().closingText, texts.text(Msg::MsgUpdatePartial));
    EXPECT_EQ(test::folderListing(prog), QStringList{});
    EXPECT_EQ(update->closeAfterRun(shell), 0);
}

TEST_F(OnlineUpdateTest, TheCatalogueIsFetchedOnlyOnceOnLine) {
    std::vector<Outcome> outcomes;
    const auto proceed = [&] {
        update->goOnlineAndFetchCatalogue([&](Outcome o) { outcomes.push_back(o); });
    };
    proceed();
    ASSERT_EQ(ensures, 1);
    EXPECT_FALSE(fetcher.busy());  // nothing is fetched before the connection is settled
    goneOnline(false);
    EXPECT_EQ(outcomes, std::vector<Outcome>{Outcome::NoConnection});
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, texts.text(Msg::MsgNoConnectionFound));
    EXPECT_EQ(dialog.last().width, 353);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_TRUE(fetcher.requests().empty());

    proceed();  // the user tries again, and the connection is there this time
    goneOnline(true);
    ASSERT_TRUE(fetcher.busy());
    EXPECT_EQ(fetcher.url(), QUrl("http://updates.test:8080/Orvalquest/update.ar2"));
    fetcher.succeed(catalogue);
    EXPECT_EQ(outcomes, (std::vector<Outcome>{Outcome::NoConnection, Outcome::ShowList}));
    EXPECT_EQ(dialog.requests().size(), 1u);
}

// The connection check may answer after the wizard was cancelled or even destroyed; the
// answer then starts nothing.
TEST_F(OnlineUpdateTest, ALateConnectionAnswerStartsNothing) {
    bool answered = false;
    update->goOnlineAndFetchCatalogue([&](Outcome) { answered = true; });
    std::function<void(bool)> afterCancel = std::exchange(goneOnline, nullptr);
    update->cancel();
    afterCancel(true);

    update->goOnlineAndFetchCatalogue([&](Outcome) { answered = true; });
    std::function<void(bool)> afterEnd = std::exchange(goneOnline, nullptr);
    update.reset();
    afterEnd(false);

    EXPECT_FALSE(answered);
    EXPECT_TRUE(fetcher.requests().empty());
    EXPECT_TRUE(dialog.empty());
}

TEST_F(OnlineUpdateTest, NothingTickedKeepsThePage) {
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    EXPECT_FALSE(update->startDownload());
    EXPECT_EQ(dialog.last().text, texts.text(Msg::MsgSelectPackage));
    EXPECT_EQ(dialog.last().width, 320);
    EXPECT_FALSE(fetcher.busy());
}

TEST_F(OnlineUpdateTest, TheCataloguesOwnMessageIsShownInsteadOfTheList) {
    ASSERT_EQ(openCatalogue("[Head]\r\nMessageText=Back on Monday\r\nMessageWidth=250\r\n"),
              Outcome::MessageShown);
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, QStringLiteral("Back on Monday"));
    EXPECT_EQ(dialog.last().width, 250);
    EXPECT_FALSE(dialog.last().wordWrap);
}

TEST_F(OnlineUpdateTest, ADamagedCatalogueIsReportedAndRemoved) {
    ASSERT_EQ(openCatalogue("<html>Service Unavailable</html>"), Outcome::Damaged);
    EXPECT_EQ(messages(), QStringList{texts.text(Msg::MsgCatalogueDamaged)});
    EXPECT_EQ(test::folderListing(prog), QStringList{});
    EXPECT_EQ(lost, 0);
}

TEST_F(OnlineUpdateTest, AFailedCatalogueFetchReportsTheConnection) {
    std::optional<Outcome> outcome;
    update->fetchCatalogue([&](Outcome o) { outcome = o; });
    fetcher.fail("<html>par");
    EXPECT_EQ(outcome, Outcome::FetchFailed);
    EXPECT_EQ(messages(), QStringList{texts.text(Msg::MsgUpdateConnectFailed)});
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(test::folderListing(prog), QStringList{});
}

TEST_F(OnlineUpdateTest, SecondOfThreeFailingEndsOnThePartialText) {
    const QByteArray third = test::buildZip({{"Gamma.trv", "gamma"}});
    ASSERT_EQ(openCatalogue("[1]\nItemName=G\n"
                            "SubItemName1=A\nSubItemFilename1=a.zip\nSubItemStart1=a.txt\n"
                            "SubItemName2=B\nSubItemFilename2=b.zip\n"
                            "SubItemName3=C\nSubItemFilename3=c.zip\n"),
              Outcome::ShowList);
    for (int k = 0; k < 3; ++k) {
        update->setTicked(0, k, true);
    }
    ASSERT_TRUE(update->startDownload());
    fetcher.succeed(test::buildZip({{"Alpha.trv", "alpha"}, {"a.txt", "notes"}}));
    fetcher.fail("half an arch");
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(messages(), QStringList{texts.text(Msg::MsgUpdateServerFailed)});
    EXPECT_FALSE(fetcher.busy());  // the third is not fetched
    clock.runAllTimers();
    ASSERT_EQ(finishes, 1);
    EXPECT_EQ(fetcher.requests().size(), 3u);  // catalogue, a, b
    EXPECT_EQ(update->run()->view().unpackProgress, 33);
    EXPECT_EQ(update->run()->view().closingText, texts.text(Msg::MsgUpdatePartial));
    EXPECT_EQ(test::folderListing(prog), (QStringList{"Alpha.trv", "a.txt"}));
    EXPECT_EQ(update->closeAfterRun(shell), 1);
}

TEST_F(OnlineUpdateTest, CancelDuringUnpackingInstallsNothingMore) {
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    update->setTicked(0, 0, true);
    ASSERT_TRUE(update->startDownload());
    dialog.pushAnswer(AnswerNo);
    fetcher.succeed(alpha);
    ASSERT_EQ(update->run()->next(), DownloadRun::Action::Unpack);
    update->cancel();
    clock.runAllTimers();
    EXPECT_EQ(finishes, 0);
    EXPECT_TRUE(update->run()->cancelled());
    EXPECT_EQ(test::folderListing(prog), QStringList{});
    EXPECT_EQ(update->closeAfterRun(shell), 0);
    EXPECT_TRUE(shell.opened().isEmpty());
}

TEST_F(OnlineUpdateTest, CancelWhileHangingUpEndsTheRunForGood) {
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    update->setTicked(0, 0, true);
    ASSERT_TRUE(update->startDownload());
    fetcher.succeed(alpha);  // Yes to the question
    ASSERT_TRUE(hungUp);
    update->cancel();
    hungUp();  // the hang-up ends after the cancel
    clock.runAllTimers();
    EXPECT_EQ(finishes, 0);
    EXPECT_EQ(update->run()->next(), DownloadRun::Action::Finished);
    EXPECT_EQ(test::folderListing(prog), QStringList{});
}

TEST_F(OnlineUpdateTest, CancelDuringAFetchStopsTheFetcher) {
    ASSERT_EQ(openCatalogue(catalogue), Outcome::ShowList);
    update->setTicked(0, 1, true);
    ASSERT_TRUE(update->startDownload());
    ASSERT_TRUE(fetcher.busy());
    update->cancel();
    EXPECT_FALSE(fetcher.busy());
    EXPECT_GE(fetcher.cancels(), 1);
    EXPECT_EQ(test::folderListing(prog), QStringList{});
}

}  // namespace
}  // namespace trivanto
