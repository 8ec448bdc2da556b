#include "core/update/download_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/lang/message_catalogue.h"
#include "support/zip_builder.h"

namespace trivanto {
namespace {

using Action = DownloadRun::Action;

// The decisions of a run, with the fetcher and the unpacking played by the test.
class DownloadRunTest : public testing::Test {
protected:
    void SetUp() override {
        texts.apply(Language::Englisch);
        prog = m_dir.path();
        test::writeFile(prog + "/update.ini", "[Head]\n");
    }

    std::vector<SelectedPackage> three() const {
        return {{"a.zip", "Alpha", "a.txt", {}},
                {"b.zip", "Beta", "b.txt", {}},
                {"c.zip", "Gamma", {}, "00ff"}};
    }

    // The fetcher writes the file and reports success.
    static void arrive(DownloadRun& run) {
        test::writeFile(run.fetchTarget(), "archive");
        run.fetchFinished(true);
    }

    QString line(Msg suffix, const char* name) const {
        return texts.text(Msg::MsgPackagePrefix) + name + texts.text(suffix);
    }

    MessageCatalogue texts;
    QTemporaryDir m_dir;
    QString prog;
};

TEST_F(DownloadRunTest, SecondOfThreeFailing) {
    DownloadRun run(three(), prog, "host:8080/Orvalquest/", texts);
    ASSERT_EQ(run.next(), Action::Fetch);
    EXPECT_EQ(run.fetchUrl(), QUrl("http://host:8080/Orvalquest/a.zip"));
    EXPECT_EQ(run.fetchTarget(), prog + "/a.zip.download");
    EXPECT_EQ(run.view().downloadLabel, line(Msg::MsgDownloadingSuffix, "Alpha"));
    EXPECT_FALSE(run.view().zipLineVisible);
    arrive(run);

    ASSERT_EQ(run.next(), Action::Fetch);
    EXPECT_EQ(run.fetchUrl(), QUrl("http://host:8080/Orvalquest/b.zip"));
    EXPECT_EQ(run.view().downloadProgress, 0);
    run.fetchProgress(200, 50);
    EXPECT_EQ(run.view().downloadProgress, 25);
    test::writeFile(run.fetchTarget(), "partial");
    run.fetchFinished(false);

    // The partial file is gone, the third is never fetched, the first is unpacked.
    EXPECT_FALSE(QFile::exists(prog + "/b.zip.download"));
    EXPECT_TRUE(run.fetchFailed());
    EXPECT_EQ(run.fetchedCount(), 1);
    EXPECT_EQ(run.view().downloadLabel, texts.text(Msg::MsgDownloadIncomplete));
    const std::vector<MessageRequest> notices = run.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, texts.text(Msg::MsgUpdateServerFailed));
    EXPECT_EQ(notices[0].width, 375);
    EXPECT_TRUE(notices[0].wordWrap);
    EXPECT_TRUE(run.takeNotices().empty());

    ASSERT_EQ(run.next(), Action::Unpack);
    EXPECT_TRUE(run.view().zipLineVisible);
    EXPECT_EQ(run.view().zipLabel, line(Msg::MsgUnzippingSuffix, "Alpha"));
    EXPECT_EQ(run.unpackArchive(), prog + "/a.zip.download");
    EXPECT_EQ(run.unpackFolder(), prog);
    run.unpackFinished(UnpackReport{});

    ASSERT_EQ(run.next(), Action::Finished);
    EXPECT_EQ(run.view().unpackProgress, 33);
    EXPECT_EQ(run.view().closingText, texts.text(Msg::MsgUpdatePartial));
    EXPECT_EQ(run.runList(), QStringList{"a.txt"});
    EXPECT_EQ(QDir(prog).entryList(QDir::Files), QStringList{});  // archive and update.ini gone
}

TEST_F(DownloadRunTest, AllThreeArriveThenTheQuestionThenUnpacking) {
    DownloadRun run(three(), prog, "host/Orvalquest/", texts);
    arrive(run);
    arrive(run);
    arrive(run);
    ASSERT_EQ(run.next(), Action::AskDisconnect);
    EXPECT_EQ(run.view().downloadLabel, texts.text(Msg::MsgDownloadFinished));
    EXPECT_EQ(run.view().downloadProgress, 100);
    run.disconnectAsked();
    std::vector<int> bar;
    while (run.next() == Action::Unpack) {
        run.unpackFinished(UnpackReport{});
        bar.push_back(run.view().unpackProgress);
    }
    EXPECT_EQ(bar, (std::vector<int>{33, 66, 99}));
    EXPECT_EQ(run.next(), Action::Finished);
    EXPECT_EQ(run.view().closingText, texts.text(Msg::MsgUpdateSuccess));
    EXPECT_EQ(run.runList(), (QStringList{"a.txt", "b.txt"}));
    EXPECT_TRUE(run.takeNotices().empty());
}

TEST_F(DownloadRunTest, ADamagedArchiveIsReportedAndItsStartFileDropped) {
    DownloadRun run({{"a.zip", "Alpha", "a.txt", {}}, {"b.zip", "Beta", "b.txt", {}}}, prog,
                    "host/o/", texts);
    arrive(run);
    arrive(run);
    run.disconnectAsked();
    run.unpackFinished(Result<UnpackReport>::failure("a.zip: damaged archive"));
    run.unpackFinished(UnpackReport{});
    EXPECT_EQ(run.next(), Action::Finished);
    EXPECT_EQ(run.runList(), QStringList{"b.txt"});
    EXPECT_EQ(run.damagedPackages(), QStringList{"Alpha"});
    ASSERT_EQ(run.outcomes().size(), 2u);
    EXPECT_EQ(run.outcomes()[0].result.error(), QStringLiteral("a.zip: damaged archive"));
    EXPECT_EQ(run.outcomes()[1].packageName, QStringLiteral("Beta"));
    EXPECT_EQ(run.view().unpackProgress, 100);
    EXPECT_EQ(run.view().closingText, texts.text(Msg::MsgUpdatePartial));
    const std::vector<MessageRequest> notices = run.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, texts.text(Msg::MsgPackageDamaged) + "Alpha");
}

TEST_F(DownloadRunTest, AFetchThatReportsSuccessWithoutAFileFailed) {
    DownloadRun run({{"a.zip", "Alpha", {}, {}}}, prog, "host/o/", texts);
    run.fetchProgress(100, 100);  // equal: the bar does not move
    EXPECT_EQ(run.view().downloadProgress, 0);
    run.fetchFinished(true);
    EXPECT_TRUE(run.fetchFailed());
    EXPECT_EQ(run.next(), Action::Finished);  // nothing to unpack
    EXPECT_FALSE(run.view().zipLineVisible);
    EXPECT_EQ(run.view().closingText, texts.text(Msg::MsgUpdatePartial));
}

TEST_F(DownloadRunTest, AFirstFetchFailingUnpacksNothing) {
    DownloadRun run(three(), prog, "host/o/", texts);
    test::writeFile(run.fetchTarget(), "part");
    run.fetchFinished(false);
    EXPECT_EQ(run.next(), Action::Finished);
    EXPECT_EQ(run.fetchedCount(), 0);
    EXPECT_TRUE(run.runList().isEmpty());
    EXPECT_EQ(QDir(prog).entryList(QDir::Files), QStringList{});
}

TEST_F(DownloadRunTest, CancelDeletesWhatWasFetchedAndNotInstalled) {
    DownloadRun run(three(), prog, "host/o/", texts);
    arrive(run);
    test::writeFile(run.fetchTarget(), "part");
    run.cancel();
    EXPECT_TRUE(run.cancelled());
    EXPECT_EQ(run.next(), Action::Finished);
    EXPECT_EQ(QDir(prog).entryList(QDir::Files), QStringList{});
    // Late answers of the fetcher change nothing.
    run.fetchFinished(true);
    run.unpackFinished(UnpackReport{});
    EXPECT_EQ(run.next(), Action::Finished);
    EXPECT_TRUE(run.runList().isEmpty());
}

TEST_F(DownloadRunTest, ALeftoverDownloadDoesNotPassForAFetchedFile) {
    test::writeFile(prog + "/a.zip.download", "from an earlier run");
    DownloadRun run({{"a.zip", "Alpha", {}, {}}}, prog, "host/o/", texts);
    run.fetchFinished(true);  // the fetcher claims success but wrote nothing
    EXPECT_TRUE(run.fetchFailed());
}

TEST_F(DownloadRunTest, AddressesEscapeOddFileNames) {
    DownloadRun run({{"my pack#1.zip", "P", {}, {}}}, prog, "host/Orvalquest/", texts);
    EXPECT_EQ(run.fetchUrl().toString(QUrl::FullyEncoded),
              QStringLiteral("http://host/Orvalquest/my%20pack%231.zip"));
    EXPECT_EQ(run.fetchTarget(), prog + "/my pack#1.zip.download");
}

}  // namespace
}  // namespace trivanto
