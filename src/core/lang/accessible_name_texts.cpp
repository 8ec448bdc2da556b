// What screen readers call the controls that show no caption of their own: pictures, fields,
// arrows and lists. Each row gives the German and the English name.
#include <QHash>

#include "core/lang/window_texts.h"

namespace trivanto {

namespace {

struct NameRow {
    const char16_t* windowClass;
    const char16_t* objectName;
    const char16_t* german;
    const char16_t* english;
};

constexpr NameRow kNames[] = {
    {u"TMainForm", u"RichtigImage", u"Richtig!", u"Right!"},
    {u"TMainForm", u"FalschImage", u"Falsch!", u"Wrong!"},
    {u"TMainForm", u"JokerImage", u"Joker!", u"Joker!"},
    {u"TMainForm", u"SchaetzfrageImage", u"Schätzfrage", u"Educated guess"},
    {u"TMainForm", u"EndeImage", u"Spielende", u"Game over"},
    {u"TMainForm", u"ImageRahmen", u"Spieler am Zug", u"Player's turn"},
    {u"TMainForm", u"ImageSpieler1", u"Bild von Spieler 1", u"Picture of player 1"},
    {u"TMainForm", u"ImageSpieler2", u"Bild von Spieler 2", u"Picture of player 2"},
    {u"TMainForm", u"ImageSpieler3", u"Bild von Spieler 3", u"Picture of player 3"},
    {u"TMainForm", u"ImageSpieler4", u"Bild von Spieler 4", u"Picture of player 4"},
    {u"TMainForm", u"ToolbarButton971", u"Trivanto im Internet", u"Trivanto on the web"},
    {u"TMainForm", u"Banner", u"Neue Fragen per Onlineupdate", u"More questions by Online Update"},
    {u"TSpielerForm", u"Image1", u"Bild von Spieler 1", u"Picture of player 1"},
    {u"TSpielerForm", u"Image2", u"Bild von Spieler 2", u"Picture of player 2"},
    {u"TSpielerForm", u"Image3", u"Bild von Spieler 3", u"Picture of player 3"},
    {u"TSpielerForm", u"Image4", u"Bild von Spieler 4", u"Picture of player 4"},
    {u"TSpielerForm", u"Button1", u"Voriges Bild für Spieler 1", u"Previous picture for player 1"},
    {u"TSpielerForm", u"Button2", u"Nächstes Bild für Spieler 1", u"Next picture for player 1"},
    {u"TSpielerForm", u"Button3", u"Voriges Bild für Spieler 2", u"Previous picture for player 2"},
    {u"TSpielerForm", u"Button4", u"Nächstes Bild für Spieler 2", u"Next picture for player 2"},
    {u"TSpielerForm", u"Button5", u"Voriges Bild für Spieler 3", u"Previous picture for player 3"},
    {u"TSpielerForm", u"Button6", u"Nächstes Bild für Spieler 3", u"Next picture for player 3"},
    {u"TSpielerForm", u"Button7", u"Voriges Bild für Spieler 4", u"Previous picture for player 4"},
    {u"TSpielerForm", u"Button8", u"Nächstes Bild für Spieler 4", u"Next picture for player 4"},
    {u"TSpielerForm", u"Spieler1BildButton", u"Eigenes Bild für Spieler 1",
     u"Own picture for player 1"},
    {u"TSpielerForm", u"Spieler2BildButton", u"Eigenes Bild für Spieler 2",
     u"Own picture for player 2"},
    {u"TSpielerForm", u"Spieler3BildButton", u"Eigenes Bild für Spieler 3",
     u"Own picture for player 3"},
    {u"TSpielerForm", u"Spieler4BildButton", u"Eigenes Bild für Spieler 4",
     u"Own picture for player 4"},
    {u"TSpielerForm", u"Rubrikwahl", u"Rubriken", u"Categories"},
    {u"TSpielerForm", u"MaxCombo", u"Anzahl der Fragen", u"Number of questions"},
    {u"TRASForm", u"txtUserName", u"Benutzername", u"User name"},
    {u"TRASForm", u"txtPassword", u"Kennwort", u"Password"},
    {u"TInfoForm", u"Image1", u"Trivanto", u"Trivanto"},
    {u"TOnlinehighscoreForm", u"Image1", u"Trivanto", u"Trivanto"},
    {u"TOnlinehighscoreForm", u"Name1Edit", u"Name von Gewinner 1", u"Name of winner 1"},
    {u"TOnlinehighscoreForm", u"eMail1Edit", u"E-Mail von Gewinner 1", u"E-mail of winner 1"},
    {u"TOnlinehighscoreForm", u"Name2Edit", u"Name von Gewinner 2", u"Name of winner 2"},
    {u"TOnlinehighscoreForm", u"eMail2Edit", u"E-Mail von Gewinner 2", u"E-mail of winner 2"},
    {u"TOnlinehighscoreForm", u"Name3Edit", u"Name von Gewinner 3", u"Name of winner 3"},
    {u"TOnlinehighscoreForm", u"eMail3Edit", u"E-Mail von Gewinner 3", u"E-mail of winner 3"},
    {u"TOnlinehighscoreForm", u"Name4Edit", u"Name von Gewinner 4", u"Name of winner 4"},
    {u"TOnlinehighscoreForm", u"eMail4Edit", u"E-Mail von Gewinner 4", u"E-mail of winner 4"},
    {u"TOnlineupdateForm", u"Image1", u"Trivanto", u"Trivanto"},
    {u"TSuchenForm", u"SuchenEdit", u"Suchen nach", u"Search for"},
    {u"TNeueFragendateiForm", u"DateinameEdit", u"Name der Rubrik", u"Name of the category"},
    {u"TFragendateiOeffnenForm", u"Listbox", u"Rubriken", u"Categories"},
    {u"THelpViewer", u"Button3", u"Schließen", u"Close"},
    {u"THelpViewer", u"HelpBrowser", u"Hilfe", u"Help"},
};

QHash<QString, QList<WindowText>> buildNames(Language language) {
    QHash<QString, QList<WindowText>> byClass;
    for (const NameRow& row : kNames) {
        byClass[QString::fromUtf16(row.windowClass)].append(
            {QString::fromUtf16(row.objectName), WindowTextKind::Name,
             QString::fromUtf16(language == Language::Deutsch ? row.german : row.english)});
    }
    return byClass;
}

}  // namespace

const QList<WindowText>& accessibleNameTexts(const QString& windowClass, Language language) {
    // Built once on first use; afterwards only read.
    static const QHash<QString, QList<WindowText>> german = buildNames(Language::Deutsch);
    static const QHash<QString, QList<WindowText>> english = buildNames(Language::Englisch);
    static const QList<WindowText> kNone;
    const auto& names = language == Language::Deutsch ? german : english;
    const auto it = names.constFind(windowClass);
    return it == names.constEnd() ? kNone : *it;
}

}  // namespace trivanto
