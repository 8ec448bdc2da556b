#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "core/common/file_path.h"
#include "core/scores/hall_of_fame.h"
#include "core/scores/score_upload.h"
#include "core/scores/top_list.h"
#include "support/fake_online_services.h"
#include "support/fake_services.h"
#include "support/loopback_http_server.h"
#include "ui/common/window_text_applier.h"
#include "ui/scores/bestenliste_form.h"
#include "ui/scores/onlinehighscore_form.h"

namespace trivanto {

// The high-score window and the upload wizard on fakes, wired to each other as the program
// wires them but without modal loops: the wizard opened from the high-score window shows,
// and the high-score window goes on when the wizard hides. The top-list server is a loopback
// server with scripted replies, the update server (for the banner) another one that answers
// 404; the system has one active connection unless a test says otherwise, and its answers
// wait for backend.settle().
class ScoresFixture : public ::testing::Test {
protected:
    explicit ScoresFixture(Language language = Language::Englisch)
        : fakes(dir.filePath(QStringLiteral("prog")), dir.filePath(QStringLiteral("win")),
                language),
          language(language) {
        // The banner is fetched from the update server: one on loopback, never the real one.
        fakes.catalogue = MessageCatalogue(QStringLiteral("127.0.0.1:%1").arg(updateServer.port()));
        fakes.catalogue.apply(language);
        LoopbackReply missing;
        missing.status = 404;
        missing.reason = "Not Found";
        updateServer.setReply(missing);
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("prog"));
        topList = std::make_unique<TTopList>(network, fakes.clock, topListPath());
        topList->setURL(server.url(QStringLiteral("/orvalquest/top50")));
        hallOfFame = std::make_unique<HallOfFame>(fakes.services(), *topList);
        upload = std::make_unique<ScoreUpload>(fakes.services(), *topList, winners, *hallOfFame,
                                               onlineServices);
        upload->setEndPanelHider([this] { ++endPanelHidden; });
        bestenliste = std::make_unique<TBestenlisteForm>(fakes.services(), *hallOfFame,
                                                         [this] { ++infoShown; });
        TOnlinehighscoreForm::Hooks hooks;
        hooks.showInfo = [this] { ++infoShown; };
        hooks.showHallOfFame = [this] { ++hallOfFameOpened; };
        wizard = std::make_unique<TOnlinehighscoreForm>(fakes.services(), *upload, hooks);
        applyWindowTexts(bestenliste.get(),
                         resolvedWindowTexts(QStringLiteral("TBestenlisteForm"), language));
        applyWindowTexts(wizard.get(),
                         resolvedWindowTexts(QStringLiteral("TOnlinehighscoreForm"), language));
        hallOfFame->setOpenForDownload([this](std::function<void()> closed) {
            ++wizardOpenedForDownload;
            m_afterWizard = std::move(closed);
            upload->OpenForDownload();
            wizard->show();
        });
        QObject::connect(wizard.get(), &TShapedForm::hidden, [this] {
            if (auto after = std::exchange(m_afterWizard, {})) {
                after();
            }
        });
        backend.connections = {QStringLiteral("wlan0")};
    }

    void TearDown() override {
        wizard->hide();
        bestenliste->hide();
    }

    QString topListPath() const {
        return filePath(dir.filePath(QStringLiteral("prog")), TTopListFile::defaultName());
    }
    QString msg(Msg key) const { return fakes.catalogue.text(key); }
    QString currency() const { return fakes.catalogue.settings().CurrencySuffix; }

    // The high-score window as the main window's button opens it, without the modal loop.
    void openFromMain() {
        bestenliste->show();
        hallOfFame->OpenFromMain();
        bestenliste->FormShow();
    }
    // The wizard as the game end's button opens it, without the modal loop.
    void openForGameEnd() {
        upload->OpenForGameEnd();
        wizard->show();
    }

    template <typename T = QWidget>
    T* in(QWidget* window, const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <typename T = QWidget>
    T* hof(const QString& name) {
        return in<T>(bestenliste.get(), name);
    }
    template <typename T = QWidget>
    T* wiz(const QString& name) {
        return in<T>(wizard.get(), name);
    }
    QString hofText(const QString& name) { return hof<QLabel>(name)->text(); }
    QString wizText(const QString& name) { return wiz<QLabel>(name)->text(); }
    void clickHof(const QString& name) { QTest::mouseClick(hof(name), Qt::LeftButton); }
    void clickWiz(const QString& name) { QTest::mouseClick(wiz(name), Qt::LeftButton); }
    bool shownInHof(const QString& name) { return hof(name)->isVisibleTo(bestenliste.get()); }
    // Whether the control shows when its page does (the other pages are hidden).
    bool shownInWiz(const QString& name) { return !wiz(name)->isHidden(); }
    QString wizardPage() {
        auto* pages = wiz<QStackedWidget>(QStringLiteral("Seiten"));
        return pages->currentWidget()->objectName();
    }
    void typeInto(const QString& field, const QString& text) {
        auto* edit = wiz<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // The winners of a finished game: (name, score, e-mail, seat) for each.
    struct Winner {
        const char* name;
        qint32 score;
        const char* email;
        int seat;
    };
    void finishedGame(std::initializer_list<Winner> list) {
        winners = WinnersList{};
        for (const Winner& w : list) {
            const auto k = std::size_t(winners.WinnerCount++);
            winners.WinnerName[k] = QString::fromUtf8(w.name);
            winners.WinnerScore[k] = w.score;
            winners.WinnerEMail[k] = QString::fromUtf8(w.email);
            winners.WinnerSeat[k] = w.seat;
        }
    }

    // Writes toplist.dat with `count` entries "P1".. (score 5000 down), written at `at`.
    void writeCopy(int count, const QDateTime& at) {
        TTopListEntryList list;
        for (int i = 0; i < count; ++i) {
            list.append({qint16(i + 1),
                         5000 - i,
                         QStringLiteral("P%1").arg(i + 1),
                         QStringLiteral("p%1@x.test").arg(i + 1),
                         i == 0 ? QStringLiteral("deutsch") : QStringLiteral("english"),
                         {}});
        }
        ASSERT_TRUE(TTopListFile(topListPath()).Save(list).ok());
        QFile file(topListPath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(at, QFileDevice::FileModificationTime));
    }
    // The served list: lines "name~e-mail~score~language~".
    static QByteArray listBody(int count, const char* first = "Winner") {
        QByteArray body;
        for (int i = 0; i < count; ++i) {
            const QByteArray name = i == 0 ? QByteArray(first) : "S" + QByteArray::number(i + 1);
            body += name + "~" + name.toLower() + "@x.test~" + QByteArray::number(9000 - i) +
                    "~english~\n";
        }
        return body;
    }
    static LoopbackReply reply(QByteArray body, int status = 200) {
        LoopbackReply r;
        r.status = status;
        r.reason = status == 200 ? "OK" : "Error";
        r.body = std::move(body);
        return r;
    }
    // Answers TLADDUSER with `send` (rank counting up from `firstRank`) and the list with
    // `list`.
    void serve(QByteArray list, int firstRank = 1) {
        m_nextRank = firstRank;
        server.setHandler([this, list](const LoopbackRequest& request) {
            if (request.target.contains("toplist.pl")) {
                return reply("1\nWell done\n" + QByteArray::number(m_nextRank++) + "\n");
            }
            return reply(list);
        });
    }
    // Lets the connection manager find the connection, then waits until the wizard is no
    // longer busy (a real socket on loopback; the bound is never reached).
    bool runTransfer() {
        backend.settle();
        return QTest::qWaitFor([this] { return !upload->busy(); }, 10000);
    }
    QStringList sentTargets() const {
        QStringList targets;
        for (const LoopbackRequest& r : server.requests()) {
            targets << QString::fromLatin1(r.target);
        }
        return targets;
    }

    QTemporaryDir dir;
    LoopbackHttpServer updateServer;
    FakeServices fakes;
    Language language;
    LoopbackHttpServer server;
    FakeOnlineServices online{fakes};
    OnlineServices onlineServices = online.services();
    HttpClient& network = online.network;
    ScriptedConnectionBackend& backend = online.backend;
    ConnectionManager& connections = online.manager;
    WinnersList winners;
    std::unique_ptr<TTopList> topList;
    std::unique_ptr<HallOfFame> hallOfFame;
    std::unique_ptr<ScoreUpload> upload;
    std::unique_ptr<TBestenlisteForm> bestenliste;
    std::unique_ptr<TOnlinehighscoreForm> wizard;
    RecordingMessageDialog& dialog = fakes.dialog;
    int infoShown = 0;
    int hallOfFameOpened = 0;
    int wizardOpenedForDownload = 0;
    int endPanelHidden = 0;

private:
    std::function<void()> m_afterWizard;
    int m_nextRank = 1;
};

}  // namespace trivanto
