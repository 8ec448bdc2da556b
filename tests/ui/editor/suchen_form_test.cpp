// The search window driven through its controls over an open category.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "core/editor/question_editor.h"
#include "support/editor_dialogs_fixture.h"
#include "support/keyboard_keys.h"
#include "support/test_names.h"
#include "ui/editor/suchen_form.h"

namespace trivanto {
namespace {

using keyboardtest::press;

constexpr int kNewSlot = 0;  // the new, unsaved slot after the last question

// Ten questions: "needle" in the questions of 2, 4, 7 and 9 and as "NEEDLE" in 6, "haystack"
// only in answer 3 of slot 8, a capital umlaut in 3, an estimation question in 10.
std::vector<PlainQuestion> searchCategory() {
    const QString questions[] = {QStringLiteral("Rivers of Europe"),
                                 QStringLiteral("Find the needle here"),
                                 QStringLiteral("\u00C4RGER im Spiel"),
                                 QStringLiteral("Another needle"),
                                 QStringLiteral("Middle question unique5"),
                                 QStringLiteral("NEEDLE in capitals"),
                                 QStringLiteral("needle in the hay"),
                                 QStringLiteral("Plain question"),
                                 QStringLiteral("last needle")};
    std::vector<PlainQuestion> category;
    for (int slot = 1; slot <= 9; ++slot) {
        const QString a = QStringLiteral("Ans %1-").arg(slot);
        category.push_back(EditorDialogsFixture::choice(
            questions[slot - 1],
            {a + QLatin1Char('1'), a + QLatin1Char('2'),
             slot == 8 ? QStringLiteral("haystack") : a + QLatin1Char('3'), a + QLatin1Char('4')},
            slot % 4 + 1));
    }
    category.push_back(EditorDialogsFixture::estimation(QStringLiteral("How high is the mountain?"),
                                                        QStringLiteral("8848")));
    return category;
}

class SuchenFormTest : public EditorDialogsFixture {
protected:
    void SetUp() override {
        EditorDialogsFixture::SetUp();
        writeCategory(QStringLiteral("Mixed"), searchCategory());
        ASSERT_TRUE(editor.openCategory(QStringLiteral("Mixed.trv")));
        applyTexts(&form, "TSuchenForm", Language::Englisch);
        dialog.clear();
    }

    void startAt(int slot) {
        if (slot == kNewSlot) {
            editor.newQuestion();
        } else {
            ASSERT_TRUE(editor.showSlot(slot));
        }
    }
    QLineEdit* text() { return control<QLineEdit>(&form, "SuchenEdit"); }
    // Types over the search field, key by key; the keys of umlauts carry only their text,
    // as a keyboard layout sends them.
    void setText(const QString& wanted) {
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_Backspace);
        for (const QChar c : wanted) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(text(), &press);
            QApplication::sendEvent(text(), &release);
        }
        ASSERT_EQ(text()->text(), wanted);
    }
    // A click on the box or the round button itself, at the left end of the control.
    void clickOption(const char* name) {
        auto* option = control<QAbstractButton>(&form, name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    void setTicked(const char* name, bool ticked) {
        if (control<QAbstractButton>(&form, name)->isChecked() != ticked) {
            clickOption(name);
        }
        ASSERT_EQ(control<QAbstractButton>(&form, name)->isChecked(), ticked) << name;
    }
    void expectNoMatchShown() {
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().text, QStringLiteral("Trivanto could not find any questions "
                                                     "which match the topic of your search."));
        EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
        EXPECT_EQ(dialog.last().width, 377);
        EXPECT_FALSE(dialog.last().wordWrap);
    }

    QuestionEditor editor{
        EditorServices{fakes.dialog, fakes.catalogue, fakes.clock, fakes.paths.progDir}};
    TSuchenForm form{fakes.services(), editor};
};

struct SearchCase {
    const char* name;
    int start;
    const char* text;
    bool up = true;
    bool caseSensitive = false;
    bool inQuestions = true;
    bool inAnswers = true;
    int found = 0;  // 0: nothing matches
};

const SearchCase kSearchCases[] = {
    {"up finds the lowest match above", 5, "needle", true, false, true, true, 6},
    {"case sensitive passes over capitals", 5, "needle", true, true, true, true, 7},
    {"down finds the highest match below", 5, "needle", false, false, true, true, 4},
    {"no wrap past the last slot", 9, "needle", true, false, true, true, 0},
    {"no wrap past slot 1", 2, "needle", false, false, true, true, 0},
    {"a match only in the current slot up", 5, "unique5", true, false, true, true, 0},
    {"a match only in the current slot down", 5, "unique5", false, false, true, true, 0},
    {"an empty text matches nothing", 1, "", true, false, true, true, 0},
    {"neither questions nor answers", 1, "needle", true, false, false, false, 0},
    {"answers only", 1, "haystack", true, false, false, true, 8},
    {"questions only", 1, "haystack", true, false, true, false, 0},
    {"a to z fold to capitals", 1, "\xC3\x84rger", true, false, true, true, 3},
    {"umlauts keep their case", 1, "\xC3\xA4rger", true, false, true, true, 0},
    {"the value of an estimation question", 1, "8848", true, false, true, true, 10},
    {"the ife answers of an estimation question", 1, "ife", true, false, true, true, 10},
    {"up from the new slot scans nothing", kNewSlot, "needle", true, false, true, true, 0},
    {"down from the new slot", kNewSlot, "needle", false, false, true, true, 9},
};

class SuchenFormSearch : public SuchenFormTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SuchenFormSearch, ProceedFindsTheNextMatchOrSaysThereIsNone) {
    const SearchCase& c = GetParam();
    startAt(c.start);
    const int start = editor.CurrentSlot();
    form.present();
    setText(QString::fromUtf8(c.text));
    setTicked(c.up ? "obenradio" : "untenradio", true);
    setTicked("grosskleincheck", c.caseSensitive);
    setTicked("FrageCheck", c.inQuestions);
    setTicked("AntwortCheck", c.inAnswers);
    click(&form, "WeitersuchenButton");

    EXPECT_TRUE(form.isVisible());
    if (c.found == 0) {
        expectNoMatchShown();
        EXPECT_EQ(editor.CurrentSlot(), start);
    } else {
        EXPECT_TRUE(dialog.empty());
        EXPECT_EQ(editor.CurrentSlot(), c.found);
        EXPECT_EQ(editor.view().recordText, QStringLiteral("Question %1/10").arg(c.found));
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, SuchenFormSearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(SuchenFormTest, StartsUpwardsInQuestionsAndAnswersRegardlessOfCase) {
    form.present();
    EXPECT_TRUE(text()->text().isEmpty());
    EXPECT_TRUE(control<QRadioButton>(&form, "obenradio")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(&form, "untenradio")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(&form, "grosskleincheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(&form, "FrageCheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(&form, "AntwortCheck")->isChecked());
    EXPECT_EQ(form.focusWidget(), text());
}

TEST_F(SuchenFormTest, RepeatedProceedStepsFromMatchToMatch) {
    startAt(1);
    form.present();
    setText(QStringLiteral("needle"));
    for (const int expected : {2, 4, 6, 7, 9}) {
        click(&form, "WeitersuchenButton");
        EXPECT_EQ(editor.CurrentSlot(), expected);
    }
    EXPECT_TRUE(dialog.empty());
    click(&form, "WeitersuchenButton");
    expectNoMatchShown();
    EXPECT_EQ(editor.CurrentSlot(), 9);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SuchenFormTest, EnterInTheSearchFieldSearchesAndCloses) {
    startAt(3);
    form.present();
    setText(QStringLiteral("needle"));
    press(&form, Qt::Key_Return);
    EXPECT_EQ(editor.CurrentSlot(), 4);
    EXPECT_FALSE(form.isVisible());

    // Without a match the message comes first, then the window closes all the same.
    form.present();
    setText(QStringLiteral("nowhere"));
    press(&form, Qt::Key_Enter);
    expectNoMatchShown();
    EXPECT_EQ(editor.CurrentSlot(), 4);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SuchenFormTest, CancelCloseAndEscapeCloseWithoutSearching) {
    startAt(1);
    const std::function<void()> ways[] = {
        [&] { click(&form, "AbbrechenButton"); },
        [&] { click(&form, "ToolbarButton972"); },
        [&] { press(&form, Qt::Key_Escape); },
    };
    for (const auto& leave : ways) {
        form.present();
        setText(QStringLiteral("needle"));
        leave();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(editor.CurrentSlot(), 1);
    }
    EXPECT_TRUE(dialog.empty());
}

TEST_F(SuchenFormTest, TheSettingsStayFromOneSearchToTheNext) {
    form.present();
    setText(QStringLiteral("hay"));
    setTicked("untenradio", true);
    setTicked("grosskleincheck", true);
    setTicked("FrageCheck", false);
    press(&form, Qt::Key_Escape);

    form.present();
    EXPECT_EQ(text()->text(), QStringLiteral("hay"));
    EXPECT_EQ(text()->selectedText(), QStringLiteral("hay"));
    EXPECT_TRUE(control<QRadioButton>(&form, "untenradio")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(&form, "obenradio")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(&form, "grosskleincheck")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(&form, "FrageCheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(&form, "AntwortCheck")->isChecked());
    const SearchOptions& options = form.model().options();
    EXPECT_EQ(options.text, QStringLiteral("hay"));
    EXPECT_FALSE(options.up);
    EXPECT_TRUE(options.caseSensitive);
    EXPECT_FALSE(options.inQuestions);
    EXPECT_TRUE(options.inAnswers);
}

TEST_F(SuchenFormTest, EnterOnAButtonPressesThatButton) {
    startAt(1);
    form.present();
    setText(QStringLiteral("needle"));
    control<QWidget>(&form, "WeitersuchenButton")->setFocus();
    press(&form, Qt::Key_Return);
    EXPECT_EQ(editor.CurrentSlot(), 2);
    EXPECT_TRUE(form.isVisible());
    control<QWidget>(&form, "AbbrechenButton")->setFocus();
    press(&form, Qt::Key_Return);
    EXPECT_EQ(editor.CurrentSlot(), 2);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SuchenFormTest, F1OpensTheEditorsHelp) {
    form.present();
    press(&form, Qt::Key_F1);
    EXPECT_EQ(help.topics(), QStringList{QStringLiteral("Frageneditor")});
}

}  // namespace
}  // namespace trivanto
