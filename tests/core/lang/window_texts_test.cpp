#include "core/lang/window_texts.h"

#include <gtest/gtest.h>

#include <QSet>

namespace trivanto {
namespace {

QString textOf(const QList<WindowText>& texts, const QString& objectName, WindowTextKind kind) {
    for (const WindowText& t : texts) {
        if (t.objectName == objectName && t.kind == kind) {
            return t.text;
        }
    }
    return QStringLiteral("<missing>");
}

TEST(WindowTexts, EnglishCountsPerWindow) {
    struct CountCase {
        const char* windowClass;
        qsizetype count;
    };
    const CountCase cases[] = {
        {"TMainForm", 39},
        {"TSpielerForm", 18},
        {"TBestenlisteForm", 14},
        {"TEditorForm", 28},
        {"TFragendateiOeffnenForm", 3},
        {"TNeueFragendateiForm", 5},
        {"TOnlinehighscoreForm", 25},
        {"TOnlineupdateForm", 16},
        {"TSuchenForm", 11},
        {"TRASForm", 9},
        {"TInfoForm", 8},
        // The message dialog's three buttons and close hint, set beside the window texts.
        {"TFehlermeldungForm", 4},
        // The two lines on the splash picture.
        {"TStartscreenForm", 2},
    };
    qsizetype windowTotal = 0;
    for (const CountCase& c : cases) {
        const qsizetype n =
            windowTexts(QString::fromLatin1(c.windowClass), Language::Englisch).size();
        EXPECT_EQ(n, c.count) << c.windowClass;
        if (QLatin1String(c.windowClass) != QLatin1String("TFehlermeldungForm") &&
            QLatin1String(c.windowClass) != QLatin1String("TStartscreenForm")) {
            windowTotal += n;
        }
    }
    EXPECT_EQ(windowTotal, 176);
    EXPECT_EQ(windowTextClasses(Language::Englisch).size(),
              static_cast<qsizetype>(std::size(cases)));
}

TEST(WindowTexts, SpotChecks) {
    using K = WindowTextKind;
    struct SpotCase {
        const char* windowClass;
        const char* objectName;
        K kind;
        Language language;
        const char16_t* text;
    };
    const Language en = Language::Englisch;
    const Language de = Language::Deutsch;
    const SpotCase cases[] = {
        {"TMainForm", "BestenlisteButton", K::Hint, en,
         u"View a list of the local and international highscores! "},
        {"TMainForm", "GuthabenLabel3", K::Caption, en, u"Account ($):"},
        {"TMainForm", "GewinnerLabel", K::Caption, en, u"And... the winner is: "},
        {"TMainForm", "OpenSavDialog", K::Title, en, u"Open Trivanto Savegame"},
        {"TMainForm", "NeuesSpielButton", K::Caption, en, u"New Game"},
        {"TMainForm", "NeuesSpielButton", K::Hint, en, u"Start a new game!"},
        {"TSpielerForm", "zufallscheck", K::Caption, en, u"Randomly selected players"},
        {"TSpielerForm", "Button3x", K::Hint, en, u"Close"},
        {"TEditorForm", "SchaetzenCheckBox", K::Caption, en, u"Educated Guess"},
        {"TOnlinehighscoreForm", "Label3", K::Caption, en,
         u"With the International To50 you can submit your scores to the internet. This enables "
         u"you to compete with players from all over the world."},
        {"TOnlinehighscoreForm", "Label10", K::Caption, en,
         u"Before Trivanto can proceed with the update, the program will attempt to detect a "
         u"connection to the internet or, if there be none in existence,  to establish one. "
         u"Please, click on proceed. "},
        {"TOnlinehighscoreForm", "Label15", K::Caption, en,
         u"Trivanto has successfully submitted all data. Please click on ´Done´"},
        {"TOnlineupdateForm", "Label7", K::Caption, en,
         u"Select all the packages you want to download. Then click on \"Proceed\"."},
        {"TSuchenForm", "ToolbarButton972", K::Hint, en, u"Close"},
        {"TRASForm", "FlatButton2", K::Caption, en, u"Manually ..."},
        {"TInfoForm", "la5", K::Caption, en, u"Translation by:"},
        {"TFehlermeldungForm", "NeinButton", K::Caption, en, u"No"},
        {"TFehlermeldungForm", "Button3", K::Hint, en, u"Close"},
        {"TMainForm", "GuthabenLabel1", K::Caption, de, u"Guthaben in Euro:"},
        {"TMainForm", "LabelSpieler4", K::Caption, de, u"Spieler 4"},
        {"TMainForm", "SaveSavDialog", K::Title, de, u"Speichern eines Trivanto-Spiels"},
        {"TSpielerForm", "OpenPicDialog", K::Title, de, u"Öffnen eines eigenen Bildes"},
        {"TInfoForm", "Label2", K::Caption, de, u"Infos zu Trivanto ..."},
        {"TInfoForm", "la2", K::Caption, de, u"Projektleitung:"},
        {"TInfoForm", "la6", K::Caption, de, u"Top50 (CGI):"},
        {"TFehlermeldungForm", "AbbrechenButton", K::Caption, de, u"Abbrechen"},
        {"TFehlermeldungForm", "Button3", K::Hint, de, u"Schließen"},
        {"TStartscreenForm", "Label2", K::Caption, de, u"Version 1.04"},
        {"TBestenlisteForm", "WeiterButton", K::Caption, de, u"Plätze 11 bis 20"},
    };
    for (const SpotCase& c : cases) {
        EXPECT_EQ(textOf(windowTexts(QString::fromLatin1(c.windowClass), c.language),
                         QString::fromLatin1(c.objectName), c.kind),
                  QString::fromUtf16(c.text))
            << c.windowClass << "." << c.objectName;
    }
}

// A control named twice in one window would let the later text silently win.
TEST(WindowTexts, EachControlAndKindAppearsOncePerWindow) {
    for (const Language language : {Language::Englisch, Language::Deutsch}) {
        for (const QString& windowClass : windowTextClasses(language)) {
            QSet<QString> seen;
            for (const WindowText& t : windowTexts(windowClass, language)) {
                const QString id =
                    t.objectName + QLatin1Char('/') + QString::number(static_cast<int>(t.kind));
                EXPECT_FALSE(seen.contains(id)) << qPrintable(windowClass) << " " << qPrintable(id);
                seen.insert(id);
                EXPECT_FALSE(t.text.isEmpty()) << qPrintable(windowClass) << " " << qPrintable(id);
            }
        }
    }
}

// The German design must name every control the English table rewrites, or the German build
// shows an empty or stray control where the English one has text.
TEST(WindowTexts, GermanDesignCoversEveryEnglishText) {
    for (const QString& windowClass : windowTextClasses(Language::Englisch)) {
        const QList<WindowText>& german = windowTexts(windowClass, Language::Deutsch);
        for (const WindowText& t : windowTexts(windowClass, Language::Englisch)) {
            EXPECT_NE(textOf(german, t.objectName, t.kind), QStringLiteral("<missing>"))
                << qPrintable(windowClass) << "." << qPrintable(t.objectName);
        }
    }
}

TEST(WindowTexts, ResolvedTextsOverlayTheLanguageOnTheDesign) {
    const QList<WindowText> english =
        resolvedWindowTexts(QStringLiteral("TInfoForm"), Language::Englisch);
    EXPECT_EQ(textOf(english, QStringLiteral("Label2"), WindowTextKind::Caption),
              QStringLiteral("About Trivanto"));
    // Texts the English table leaves alone keep their design text.
    EXPECT_EQ(textOf(english, QStringLiteral("la6"), WindowTextKind::Caption),
              QStringLiteral("Top50 (CGI):"));
    EXPECT_EQ(textOf(english, QStringLiteral("OKButton"), WindowTextKind::Caption),
              QStringLiteral("OK"));
    // The accessible names of the language follow the design's texts.
    const QList<WindowText>& names =
        accessibleNameTexts(QStringLiteral("TInfoForm"), Language::Englisch);
    EXPECT_EQ(english.size(),
              windowTexts(QStringLiteral("TInfoForm"), Language::Deutsch).size() + names.size());
    EXPECT_EQ(english.mid(english.size() - names.size()), names);

    const QList<WindowText>& design = windowTexts(QStringLiteral("TMainForm"), Language::Deutsch);
    EXPECT_EQ(resolvedWindowTexts(QStringLiteral("TMainForm"), Language::Deutsch),
              design + accessibleNameTexts(QStringLiteral("TMainForm"), Language::Deutsch));
    EXPECT_EQ(resolvedWindowTexts(QStringLiteral("TStartscreenForm"), Language::Englisch).size(),
              3);
}

TEST(WindowTexts, AccessibleNamesComeInBothLanguagesForTheSameControls) {
    for (const char* windowClass :
         {"TMainForm", "TSpielerForm", "TRASForm", "TInfoForm", "THelpViewer"}) {
        const QList<WindowText>& german =
            accessibleNameTexts(QLatin1String(windowClass), Language::Deutsch);
        const QList<WindowText>& english =
            accessibleNameTexts(QLatin1String(windowClass), Language::Englisch);
        ASSERT_FALSE(german.isEmpty()) << windowClass;
        ASSERT_EQ(german.size(), english.size()) << windowClass;
        for (qsizetype i = 0; i < german.size(); ++i) {
            EXPECT_EQ(german[i].objectName, english[i].objectName);
            EXPECT_EQ(german[i].kind, WindowTextKind::Name);
            EXPECT_FALSE(english[i].text.isEmpty()) << qPrintable(english[i].objectName);
        }
    }
    EXPECT_EQ(textOf(accessibleNameTexts(QStringLiteral("TMainForm"), Language::Deutsch),
                     QStringLiteral("FalschImage"), WindowTextKind::Name),
              QStringLiteral("Falsch!"));
}

TEST(WindowTexts, UnknownWindowHasNoTexts) {
    EXPECT_TRUE(windowTexts(QStringLiteral("TNoSuchForm"), Language::Englisch).isEmpty());
    EXPECT_TRUE(resolvedWindowTexts(QStringLiteral("TNoSuchForm"), Language::Deutsch).isEmpty());
}

}  // namespace
}  // namespace trivanto
