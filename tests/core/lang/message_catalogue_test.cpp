#include "core/lang/message_catalogue.h"

#include <gtest/gtest.h>

#include <QSet>

#include "core/text/cp1252.h"

namespace trivanto {
namespace {

MessageCatalogue catalogueIn(Language language) {
    MessageCatalogue catalogue;
    catalogue.apply(language);
    return catalogue;
}

struct TextCase {
    Msg key;
    const char16_t* english;
    const char16_t* german;
};

// Texts whose exact form matters: blanks at either end, quotes, the bar, the odd spellings,
// umlauts, and our own keys at the end of the catalogue.
const TextCase kTextCases[] = {
    {Msg::MsgAskSaveGame, u"Do you want to save the current game?",
     u"Möchten Sie den aktuellen Spielstand speichern?"},
    {Msg::MsgTooFewQuestionsHead, u"To start a new game there must be at least ",
     u"Um ein neues Spiel zu starten, sind mindestens "},
    {Msg::MsgTooFewQuestionsTail, u" questions. Please select more categories.",
     u" Fragen notwendig. Bitte selektieren Sie weitere Rubriken."},
    {Msg::MsgCategoryTitleChars,
     u"The title of a category may not contain these characters: \\ / : * \" < > |",
     u"Der Rubrikname darf keines der folgenden Zeichen enthalten: \\ / : * \" < > |"},
    {Msg::MsgPackagePrefix, u"The package \"", u"Das Datenpaket \""},
    {Msg::MsgDownloadingSuffix, u"\" Download in Process ...", u"\" wird heruntergeladen ..."},
    {Msg::MsgUnzippingSuffix, u"\": The unzip operation is in progress ...",
     u"\" wird dekomprimiert ..."},
    {Msg::MsgPayoutStake, u"You will now receive your fortune... ",
     u"Sie erhalten den Einsatz... "},
    {Msg::MsgPayoutDouble, u"You will now receive twice the amount of your bet... ",
     u"Sie erhalten den doppelten Einsatz... "},
    {Msg::MsgQuestionPrefix, u"Question ", u"Frage "},
    {Msg::MsgRecordPrefix, u"Question ", u"Datensatz "},
    {Msg::MsgOfInfix, u" of ", u" von "},
    {Msg::MsgWithInfix, u"with ", u"mit "},
    {Msg::MsgLoadingCategoryTail, u". The information is being processed ...",
     u" wird eingelesen..."},
    {Msg::MsgAskConnected, u"Are you connected to the internet?",
     u"Besteht eine Internetverbindung?"},
    {Msg::MsgAskOnline, u"Are you online?", u"Besteht eine Internetverbindung?"},
    {Msg::MsgBetLimitAccount,
     u"Your are not allowed to place a bet higher than the sum on your account or a total of "
     u"100,000 Dollars.",
     u"Sie dürfen maximal so viel setzen, wie Sie besitzen, jedoch nicht mehr als 100.000 Euro."},
    {Msg::MsgSelectOption, u"You have to activateat least one of the options in order to proceed.",
     u"Sie müssen mindestens eine Option aktiviert haben, um fortzufahren."},
    {Msg::MsgTransferError,
     u"An error occured while Trivanto tried to transfer data. Please try again.",
     u"Es ist ein Übertragungsfehler aufgetreten. Bitte versuchen Sie es erneut."},
    {Msg::MsgFolderWriteProtected,
     u"As the directory containing Trivanto is write-protected, major disfunctions may occur. "
     u"Please contact your administrator, immediately.",
     u"Da das Programmverzeichnis von Trivanto schreibgeschützt ist, kann es zu schweren Fehlern "
     u"kommen. Bitte wenden Sie sich an Ihren Administrator."},
    {Msg::MsgDownloadIncomplete, u"The download could not be completed succesfully.",
     u"Der Download konnte nicht erfolgreich abgeschlossen werden."},
    {Msg::MsgNoConnectionFound,
     u"Trivanto was not able to find a connection to the internet. Please establish a connection "
     u"and then click on \"Proceed\".",
     u"Verbindung fehlgeschlagen. Bitte überprüfen Sie Ihre Verbindung, stellen Sie sie ggf. von "
     u"Hand her oder versuchen Sie es später wieder."},
    {Msg::MsgEmailInvalid,
     u"That e-mail address is not valid. Please uses addresses like name@example.com.",
     u"Sie haben eine ungültige eMail-Adresse eingegeben. Bitte geben Sie eine eMail-Adresse nach "
     u"dem Muster name@example.com ein."},
    {Msg::MsgAskReplaceCategory,
     u"A category with this name already exists. Would you like to replace that category?",
     u"Eine Datei mit dem eingegebenen Namen existiert bereits. Möchten Sie diese Datei "
     u"überschreiben?"},
    {Msg::MsgStandardPicture, u"Custom picture", u"Standardbild"},
    {Msg::MsgEmptySlot, u"Empty", u"Frei"},
    {Msg::MsgRanksPrefix, u"Rank ", u"Plätze "},
    {Msg::MsgClosestGuess, u"The guess that came closest was: ", u"Am nähesten dran war: "},
    {Msg::MsgRasAuthenticate, u"Start authenticating", u"Überprüfen von Benutzername und Kennwort"},
    {Msg::MsgDialFailed, u"Connection failed: ", u"Verbindung fehlgeschlagen: "},
    {Msg::MsgPoolTooFewDistinct,
     u"The chosen categories do not hold enough different questions for a game of this length. "
     u"Please select more categories or a shorter game.",
     u"Die gewählten Rubriken enthalten nicht genügend verschiedene Fragen für ein Spiel dieser "
     u"Länge. Bitte wählen Sie weitere Rubriken oder ein kürzeres Spiel."},
    {Msg::MsgGameLengthInvalid, u"The number of questions must be a whole number from 1 to 200.",
     u"Die Anzahl der Fragen muss eine ganze Zahl von 1 bis 200 sein."},
    {Msg::MsgCategoryUnreadable, u"Trivanto could not read this category file: ",
     u"Trivanto konnte diese Rubrikdatei nicht lesen: "},
    {Msg::MsgGameListUnreadable,
     u"Trivanto could not read the questions of the new game. Please start the game again.",
     u"Trivanto konnte die Fragen des neuen Spiels nicht lesen. Bitte starten Sie das Spiel "
     u"erneut."},
};

TEST(MessageCatalogue, TextsAreExactInBothLanguages) {
    const MessageCatalogue english = catalogueIn(Language::Englisch);
    const MessageCatalogue german = catalogueIn(Language::Deutsch);
    for (const TextCase& c : kTextCases) {
        EXPECT_EQ(english.text(c.key), QString::fromUtf16(c.english)) << msgKeyName(c.key);
        EXPECT_EQ(german.text(c.key), QString::fromUtf16(c.german)) << msgKeyName(c.key);
    }
}

TEST(MessageCatalogue, EmptyUntilATableRuns) {
    const MessageCatalogue catalogue;
    for (int i = 0; i < kMsgCount; ++i) {
        EXPECT_TRUE(catalogue.text(static_cast<Msg>(i)).isEmpty())
            << msgKeyName(static_cast<Msg>(i));
    }
    EXPECT_TRUE(catalogue.settings().CurrencySuffix.isEmpty());
}

// Every text is stored in the code page with a capacity of 255 characters.
TEST(MessageCatalogue, EveryTextIsPresentAndFitsItsSlot) {
    for (const Language language : {Language::Englisch, Language::Deutsch}) {
        const MessageCatalogue catalogue = catalogueIn(language);
        qsizetype longest = 0;
        Msg longestKey = Msg::Count;
        for (int i = 0; i < kMsgCount; ++i) {
            const Msg key = static_cast<Msg>(i);
            const QString& text = catalogue.text(key);
            EXPECT_FALSE(text.isEmpty()) << msgKeyName(key);
            EXPECT_LE(text.size(), 255) << msgKeyName(key);
            EXPECT_TRUE(isCp1252(text)) << msgKeyName(key);
            EXPECT_EQ(toCp1252(text).size(), text.size()) << msgKeyName(key);
            if (text.size() > longest) {
                longest = text.size();
                longestKey = key;
            }
        }
        if (language == Language::Deutsch) {
            EXPECT_EQ(longestKey, Msg::MsgUpdatePartial);
            EXPECT_EQ(longest, 231);
        }
    }
}

// Pairs of keys that share a text in one language and must differ in the other: a table that
// copied a row into the wrong slot breaks one of them.
TEST(MessageCatalogue, SharedTextsDifferWhereTheLanguagesDo) {
    struct Pair {
        Msg a;
        Msg b;
        bool sameInEnglish;
        bool sameInGerman;
    };
    const Pair pairs[] = {
        {Msg::MsgQuestionPrefix, Msg::MsgRecordPrefix, true, false},
        {Msg::MsgAskConnected, Msg::MsgAskOnline, false, true},
        {Msg::MsgRasAllDevicesConnected, Msg::MsgRasPortOpened, false, true},
        {Msg::MsgRasAuthenticate, Msg::MsgRasStartAuthentication, false, true},
        {Msg::MsgUpdateServerFailed, Msg::MsgUpdateConnectFailed, false, true},
        {Msg::MsgCancel, Msg::MsgClose, false, false},
    };
    const MessageCatalogue english = catalogueIn(Language::Englisch);
    const MessageCatalogue german = catalogueIn(Language::Deutsch);
    for (const Pair& p : pairs) {
        EXPECT_EQ(english.text(p.a) == english.text(p.b), p.sameInEnglish) << msgKeyName(p.a);
        EXPECT_EQ(german.text(p.a) == german.text(p.b), p.sameInGerman) << msgKeyName(p.a);
    }
}

TEST(MessageCatalogue, KeyNamesAreUniqueAndMatchTheEnum) {
    QSet<QString> names;
    for (int i = 0; i < kMsgCount; ++i) {
        const QString name = QString::fromLatin1(msgKeyName(static_cast<Msg>(i)));
        EXPECT_TRUE(name.startsWith(QLatin1String("Msg"))) << i;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), kMsgCount);
    EXPECT_STREQ(msgKeyName(Msg::MsgAskSaveGame), "MsgAskSaveGame");
    EXPECT_STREQ(msgKeyName(Msg::MsgDialFailed), "MsgDialFailed");
    EXPECT_STREQ(msgKeyName(Msg::MsgGameListUnreadable), "MsgGameListUnreadable");
}

TEST(MessageCatalogue, SettingsFollowTheLanguage) {
    struct SettingsCase {
        Language language;
        LanguageSettings expected;
    };
    const SettingsCase cases[] = {
        {Language::Englisch,
         {QStringLiteral(" $"), QStringLiteral("files.test:8080/Orvalquest/"),
          QStringLiteral(".ar2"), QStringLiteral("english"), QStringLiteral("help")}},
        {Language::Deutsch,
         {QStringLiteral(" EUR"), QStringLiteral("files.test:8080/orvalquest/"),
          QStringLiteral(".ar1"), QStringLiteral("deutsch"), QStringLiteral("hilfe")}},
    };
    for (const SettingsCase& c : cases) {
        MessageCatalogue catalogue(QStringLiteral("files.test:8080"));
        catalogue.apply(c.language);
        const LanguageSettings& s = catalogue.settings();
        EXPECT_EQ(s.CurrencySuffix, c.expected.CurrencySuffix);
        EXPECT_EQ(s.UpdateBasePath, c.expected.UpdateBasePath);
        EXPECT_EQ(s.UpdateFileExtension, c.expected.UpdateFileExtension);
        EXPECT_EQ(s.LanguageWord, c.expected.LanguageWord);
        EXPECT_EQ(s.HelpFile, c.expected.HelpFile);
        EXPECT_EQ(catalogue.language(), c.language);
    }
    EXPECT_EQ(catalogueIn(Language::Englisch).settings().UpdateBasePath,
              QStringLiteral("update.velmora.engineering/Orvalquest/"));
}

TEST(MessageCatalogue, ASecondTableReplacesEveryText) {
    MessageCatalogue catalogue;
    catalogue.SetEnglishTexts();
    catalogue.SetGermanTexts();
    const MessageCatalogue german = catalogueIn(Language::Deutsch);
    for (int i = 0; i < kMsgCount; ++i) {
        EXPECT_EQ(catalogue.text(static_cast<Msg>(i)), german.text(static_cast<Msg>(i)));
    }
    EXPECT_EQ(catalogue.settings().CurrencySuffix, QStringLiteral(" EUR"));
}

TEST(LanguageSetting, TextsAndBuildLanguage) {
    EXPECT_EQ(languageSettingText(Language::Englisch), QStringLiteral("englisch"));
    EXPECT_EQ(languageSettingText(Language::Deutsch), QStringLiteral("deutsch"));
    EXPECT_EQ(languageSettingText(buildLanguage()), QLatin1String(TRIVANTO_DEFAULT_LANGUAGE));
}

TEST(StartupTexts, BothLanguages) {
    EXPECT_EQ(alreadyRunningText(Language::Englisch),
              QStringLiteral("Trivanto is already running."));
    EXPECT_EQ(alreadyRunningText(Language::Deutsch), QStringLiteral("Trivanto läuft bereits."));
    EXPECT_EQ(needColoursText(Language::Englisch),
              QStringLiteral("Trivanto needs at least 256 colors to run successfully. Please "
                             "change your mode of display."));
    EXPECT_EQ(needColoursText(Language::Deutsch),
              QStringLiteral("Trivanto benötigt mindestens 256 Farben. Bitte stellen Sie den "
                             "Grafikmodus in der Systemsteuerung um."));
}

}  // namespace
}  // namespace trivanto
