// The Hall of Fame and the upload wizard as the application builds them: reached from the main
// window's button, in the language of the run, and tied to each other.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>

#include "support/app_fixture.h"
#include "support/test_names.h"
#include "ui/scores/bestenliste_form.h"
#include "ui/scores/onlinehighscore_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

struct ScoresTexts {
    const char* name;
    Language language;
    const char* localButton;   // OfflinehighscoresButton
    const char* deleteButton;  // ListeLoeschenButton
    const char* wizardTitle;   // Label2 of the wizard
    const char* proceed;       // WeiterButton of the wizard
};

class ScoresWiring : public ShellAppTest, public ::testing::WithParamInterface<ScoresTexts> {};

TEST_P(ScoresWiring, TheHallOfFameButtonOpensTheWindowAndItsWizardInTheRunsLanguage) {
    const ScoresTexts& texts = GetParam();
    ASSERT_TRUE(startApp(environment(texts.language)));
    TBestenlisteForm* hallOfFame = app->bestenlisteForm();
    TOnlinehighscoreForm* wizard = app->onlinehighscoreForm();
    const QString notDownloaded = app->catalogue().text(Msg::MsgTop50NotDownloaded);
    bool opened = false;
    QString title;
    QString wizardTitle;
    QString wizardProceed;

    dialog.pushAnswer(AnswerYes);  // "not downloaded yet: fetch it now?"
    dialog.pushAnswer(AnswerYes);  // "really quit?" in the wizard
    dialog.pushAnswer(AnswerNo);   // asked again, as there is still no copy
    whenModal([&] {
        opened = hallOfFame->isVisible();
        title = control<QLabel>(hallOfFame, "Label1")->text();
        EXPECT_EQ(control<QAbstractButton>(hallOfFame, "OfflinehighscoresButton")->text(),
                  QString::fromUtf8(texts.localButton));
        EXPECT_EQ(control<QAbstractButton>(hallOfFame, "ListeLoeschenButton")->text(),
                  QString::fromUtf8(texts.deleteButton));
        // The longest caption of the window is whole in either language.
        auto* update = control<QAbstractButton>(hallOfFame, "ListeAktualisierenButton");
        EXPECT_LE(QFontMetrics(update->font()).horizontalAdvance(update->text()),
                  update->width() - 12)
            << update->text().toStdString();
        whenModal([&] {
            // The wizard, opened to fetch only; cancelled before it goes on line.
            wizardTitle = control<QLabel>(wizard, "Label2")->text();
            wizardProceed = control<QAbstractButton>(wizard, "WeiterButton")->text();
            EXPECT_FALSE(control<QAbstractButton>(wizard, "UebertragenCheckBox")->isEnabled());
            QTest::mouseClick(control(wizard, "AbbrechenButton"), Qt::LeftButton);
        });
        QTest::mouseClick(control(hallOfFame, "OnlinehighscoresButton"), Qt::LeftButton);
        QTest::keyClick(hallOfFame, Qt::Key_Escape);
    });
    QTest::mouseClick(control(app->mainForm(), "BestenlisteButton"), Qt::LeftButton);

    EXPECT_TRUE(opened);
    EXPECT_EQ(title, app->catalogue().text(Msg::MsgTitleTop10));
    EXPECT_EQ(wizardTitle, QString::fromUtf8(texts.wizardTitle));
    EXPECT_EQ(wizardProceed, QString::fromUtf8(texts.proceed));
    ASSERT_EQ(dialog.requests().size(), 3u);
    EXPECT_EQ(dialog.requests()[0].text, notDownloaded);
    EXPECT_EQ(dialog.requests()[1].text, app->catalogue().text(Msg::MsgAskQuitTransfer));
    EXPECT_EQ(dialog.requests()[2].text, notDownloaded);
    EXPECT_FALSE(hallOfFame->isVisible());
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(connections.hangUps().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ScoresWiring,
    ::testing::Values(ScoresTexts{"English", Language::Englisch, "My Top10", "Delete Top10",
                                  "Top50 of the week - Update", "Proceed"},
                      ScoresTexts{"German", Language::Deutsch, "Meine Top10", "Top10 löschen",
                                  "Top50 der Woche - Aktualisierung", "Weiter"}),
    [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
