// The German message catalogue. Blanks at either end and the odd spellings belong to the
// texts: callers join them with names and numbers as they are.
#include <iterator>

#include "core/lang/catalogue_tables.h"

namespace trivanto {

namespace {

constexpr CatalogueEntry kEntries[] = {
    {Msg::MsgAskSaveGame, u"Möchten Sie den aktuellen Spielstand speichern?"},
    {Msg::MsgBetIntegerRange, u"Bitte geben Sie nur ganze Zahlen zwischen 1 und 100000 ein."},
    {Msg::MsgPlayerPictureMissing,
     u"Ein verwendetes Spielerbild konnte nicht geladen werden. Es wird durch ein Standardbild "
     u"ersetzt."},
    {Msg::MsgEstimateInteger,
     u"Bitte geben Sie als Schätzwert jeweils eine ganze Zahl ein. Der eingegebene Wert darf eine "
     u"Länge von acht Zeichen nicht überschreiten."},
    {Msg::MsgTooFewQuestionsHead, u"Um ein neues Spiel zu starten, sind mindestens "},
    {Msg::MsgTooFewQuestionsTail, u" Fragen notwendig. Bitte selektieren Sie weitere Rubriken."},
    {Msg::MsgPlayerNamesUnique, u"Bitte geben Sie jedem Spieler einen eindeutigen Namen."},
    {Msg::MsgNoQuestionFiles, u"Trivanto konnte leider keine Fragedatei finden."},
    {Msg::MsgTop50NotDownloaded,
     u"Die Top50 der Woche wurden noch nicht abgerufen. Möchten Sie jetzt die Daten aus dem "
     u"Internet abrufen?"},
    {Msg::MsgTop50Outdated,
     u"Sie haben die Top50 der Woche seit mindestens sieben Tagen nicht mehr aktualisiert. Möchten "
     u"Sie das jetzt tun?"},
    {Msg::MsgAskClearHighScores, u"Sind Sie sicher, dass Sie die Bestenliste löschen möchten?"},
    {Msg::MsgAskDeleteQuestion, u"Möchten Sie diesen Datensatz unwiderruflich löschen?"},
    {Msg::MsgCategoryFull, u"Eine Trivanto-Rubrik darf maximal 200 Fragen beinhalten."},
    {Msg::MsgEstimateAnswerInteger,
     u"Bei Schätzfragen bitte nur ganze Zahlen als Antwort eingeben."},
    {Msg::MsgQuestionIncomplete, u"Die Angaben sind nicht ausreichend, um die Frage aufzunehmen."},
    {Msg::MsgSearchNoMatch, u"Keine Datensätze gefunden, die der Suche entsprechen!"},
    {Msg::MsgCategoryTitleChars,
     u"Der Rubrikname darf keines der folgenden Zeichen enthalten: \\ / : * \" < > |"},
    {Msg::MsgAskReplaceCategory,
     u"Eine Datei mit dem eingegebenen Namen existiert bereits. Möchten Sie diese Datei "
     u"überschreiben?"},
    {Msg::MsgTransferError,
     u"Es ist ein Übertragungsfehler aufgetreten. Bitte versuchen Sie es erneut."},
    {Msg::MsgServerMalfunction,
     u"Bei der Verbindung mit dem Internetserver ist ein Fehler aufgetreten. Überprüfen Sie Ihre "
     u"Internetverbindung oder versuchen Sie es später noch einmal."},
    {Msg::MsgNoConnectionFound,
     u"Verbindung fehlgeschlagen. Bitte überprüfen Sie Ihre Verbindung, stellen Sie sie ggf. von "
     u"Hand her oder versuchen Sie es später wieder."},
    {Msg::MsgAskDisconnect, u"Soll die Internetverbindung jetzt beendet werden?"},
    {Msg::MsgFillAllFields, u"Sie müssen alle Felder ausfüllen!"},
    {Msg::MsgNameOnlyOnce, u"Bitte benutzen Sie jeden Namen nur einmal."},
    {Msg::MsgEmailInvalid,
     u"Sie haben eine ungültige eMail-Adresse eingegeben. Bitte geben Sie eine eMail-Adresse nach "
     u"dem Muster name@example.com ein."},
    {Msg::MsgSelectOption, u"Sie müssen mindestens eine Option aktiviert haben, um fortzufahren."},
    {Msg::MsgAskQuitTransfer,
     u"Sind Sie sicher, dass Sie das Übertragen der Onlinehighscores abbrechen möchten?"},
    {Msg::MsgSelectPackage,
     u"Sie müssen mindestens ein Datenpaket auswählen, bevor mit dem Download begonnen werden "
     u"kann."},
    {Msg::MsgNeedTrueColor,
     u"Trivanto benötigt den TrueColor-Modus (16bit) zur optimalen Darstellung der Grafiken. Bitte "
     u"stellen Sie den Grafikmodus in der Systemsteuerung um."},
    {Msg::MsgFolderWriteProtected,
     u"Da das Programmverzeichnis von Trivanto schreibgeschützt ist, kann es zu schweren Fehlern "
     u"kommen. Bitte wenden Sie sich an Ihren Administrator."},
    {Msg::MsgBetLimit500, u"Momentan dürfen Sie nicht mehr als 500 EUR setzen."},
    {Msg::MsgBetLimitAccount,
     u"Sie dürfen maximal so viel setzen, wie Sie besitzen, jedoch nicht mehr als 100.000 Euro."},
    {Msg::MsgAskConnected, u"Besteht eine Internetverbindung?"},
    {Msg::MsgSavedGameNoTop50,
     u"Mit einem gespeicherten Spielstand können Sie nicht an den Top50 der Woche teilnehmen. "
     u"Wollen Sie trotzdem fortfahren?"},
    {Msg::MsgTop50Invite,
     u"Trivanto kann Ihren Namen und Ihre Punktezahlen in in- ternationalen Top50 der besten "
     u"Spieler eintragen, welche im Internet oder mit Trivanto angesehen werden kann."},
    {Msg::MsgSavedGameNoTransfer,
     u"Leider können Sie Ihr Ergebnis nicht in die internationalen Top50 der besten Spieler "
     u"weltweit eintragen, da Sie ein gespeichertes Spiel benutzt haben."},
    {Msg::MsgDisconnectFailed, u"Trivanto konnte die Verbindung zum Internet nicht trennen."},
    {Msg::MsgPlayer1, u"Spieler 1"},
    {Msg::MsgPlayer2, u"Spieler 2"},
    {Msg::MsgPlayer3, u"Spieler 3"},
    {Msg::MsgPlayer4, u"Spieler 4"},
    {Msg::MsgQuestionPrefix, u"Frage "},
    {Msg::MsgOfInfix, u" von "},
    {Msg::MsgAndInfix, u" und "},
    {Msg::MsgWinnerIs, u"Gewinner: "},
    {Msg::MsgWithInfix, u"mit "},
    {Msg::MsgCorrectAnswerIs, u"Exakte Antwort: "},
    {Msg::MsgClosestGuess, u"Am nähesten dran war: "},
    {Msg::MsgEditorTitleEmpty, u"Frageneditor - [Rubrikname]"},
    {Msg::MsgLoadingCategory, u"Rubrik "},
    {Msg::MsgLoadingCategoryTail, u" wird eingelesen..."},
    {Msg::MsgStandardPicture, u"Standardbild"},
    {Msg::MsgOwnPicture, u"Eigenes Bild"},
    {Msg::MsgTitleTop50, u"Bestenliste - Top50 der Woche"},
    {Msg::MsgTitleTop10, u"Bestenliste - Meine Top10"},
    {Msg::MsgEmptySlot, u"Frei"},
    {Msg::MsgRanksPrefix, u"Plätze "},
    {Msg::MsgRanksInfix, u" bis "},
    {Msg::MsgAnswerLabel, u"Antwort:"},
    {Msg::MsgAnswer1Label, u"Antwort 1:"},
    {Msg::MsgEditorTitlePrefix, u"Frageneditor - ["},
    {Msg::MsgRecordPrefix, u"Datensatz "},
    {Msg::MsgChangedPrefix, u"Geändert: "},
    {Msg::MsgClose, u"Beenden"},
    {Msg::MsgRankLabel, u"Platz: "},
    {Msg::MsgScoreTooLow, u"Geldbetrag zu niedrig."},
    {Msg::MsgAmountLabel, u"Gewinn: "},
    {Msg::MsgCancel, u"Abbrechen"},
    {Msg::MsgPackagePrefix, u"Das Datenpaket \""},
    {Msg::MsgDownloadingSuffix, u"\" wird heruntergeladen ..."},
    {Msg::MsgDownloadFinished, u"Der Download der Datenpakete ist abgeschlossen."},
    {Msg::MsgUpdateSuccess,
     u"Das Onlineupdate wurde erfolgreich abgeschlossen. Bevor Sie die aktualisierten Dateien "
     u"nutzen können, müssen Sie Trivanto neu starten."},
    {Msg::MsgDownloadIncomplete, u"Der Download konnte nicht erfolgreich abgeschlossen werden."},
    {Msg::MsgUpdateServerFailed,
     u"Bei der Verbindung mit dem Updateserver ist ein Fehler aufgetreten. Überprüfen Sie Ihre "
     u"Internetverbindung oder versuchen Sie es später noch einmal."},
    {Msg::MsgUpdatePartial,
     u"Das Onlineupdate konnte nicht erfolgreich abgeschlossen werden. Die Updatepakete, die "
     u"erfolgreich heruntergeladen wurden, sind installiert worden. Bevor Sie die aktualisierten "
     u"Dateien nutzen können, müssen Sie Trivanto neu starten."},
    {Msg::MsgUnzippingSuffix, u"\" wird dekomprimiert ..."},
    {Msg::MsgAskCancelUpdate, u"Sind Sie sicher, dass Sie das Onlineupdate abbrechen möchten?"},
    {Msg::MsgUpdateConnectFailed,
     u"Bei der Verbindung mit dem Updateserver ist ein Fehler aufgetreten. Überprüfen Sie Ihre "
     u"Internetverbindung oder versuchen Sie es später noch einmal."},
    {Msg::MsgPayoutStake, u"Sie erhalten den Einsatz... "},
    {Msg::MsgPayoutDouble, u"Sie erhalten den doppelten Einsatz... "},
    {Msg::MsgRatioFootnote, u"*Berechnet auf der Grundlage von 20 Fragen pro Spieler."},
    {Msg::MsgNoDialUpEntry,
     u"Es wurde kein Internetprovider gefunden, der zum DFÜ-Netzwerk kompatibel ist. Bitte stellen "
     u"Sie die Verbindung manuell her."},
    {Msg::MsgAskOnline, u"Besteht eine Internetverbindung?"},
    {Msg::MsgRasOpenPort, u"Verbindung herstellen"},
    {Msg::MsgRasPortOpened, u"Verbindung hergestellt"},
    {Msg::MsgRasConnectDevice, u"Computer verbinden"},
    {Msg::MsgRasDeviceConnected, u"Computer verbunden"},
    {Msg::MsgRasAllDevicesConnected, u"Verbindung hergestellt"},
    {Msg::MsgRasAuthenticate, u"Überprüfen von Benutzername und Kennwort"},
    {Msg::MsgRasAuthenticated, u"Benutzername und Kennwort gültig"},
    {Msg::MsgRasStartAuthentication, u"Überprüfen von Benutzername und Kennwort"},
    {Msg::MsgRasLogonNetwork, u"Verbinden mit Remote-Netzwerk"},
    {Msg::MsgRasConnected, u"Verbunden"},
    {Msg::MsgRasDisconnected, u"Nicht verbunden"},
    {Msg::MsgDialFailed, u"Verbindung fehlgeschlagen: "},
    {Msg::MsgPoolTooFewDistinct,
     u"Die gewählten Rubriken enthalten nicht genügend verschiedene Fragen für ein Spiel dieser "
     u"Länge. Bitte wählen Sie weitere Rubriken oder ein kürzeres Spiel."},
    {Msg::MsgGameLengthInvalid, u"Die Anzahl der Fragen muss eine ganze Zahl von 1 bis 200 sein."},
    {Msg::MsgCategoryUnreadable, u"Trivanto konnte diese Rubrikdatei nicht lesen: "},
    {Msg::MsgGameListUnreadable,
     u"Trivanto konnte die Fragen des neuen Spiels nicht lesen. Bitte starten Sie das Spiel "
     u"erneut."},
    {Msg::MsgPictureUnreadable,
     u"Trivanto kann diese Datei nicht als Bild anzeigen. Bitte wählen Sie ein BMP-, PNG- oder "
     u"JPEG-Bild."},
    {Msg::MsgCatalogueDamaged,
     u"Die Liste der Datenpakete vom Updateserver ist beschädigt oder leer. Bitte versuchen Sie "
     u"das Onlineupdate später noch einmal."},
    {Msg::MsgPackageDamaged,
     u"Dieses Datenpaket ist beschädigt angekommen und wurde nicht installiert; keine seiner "
     u"Dateien wurde verändert: "},
    {Msg::MsgPackageUnavailable,
     u"Dieses Datenpaket kann nicht installiert werden, weil die Liste der Datenpakete es "
     u"fehlerhaft beschreibt."},
    {Msg::MsgSelectionFull,
     u"Für ein Update können nicht mehr Datenpakete ausgewählt werden. Bitte installieren Sie "
     u"zuerst die ausgewählten."},
    {Msg::MsgStartFileRefused,
     u"Trivanto öffnet diese Datei des Updates nicht, weil sie kein Dokument im Programmordner "
     u"ist: "},
    {Msg::MsgGameListUnwritable, u"Trivanto konnte die Fragen des neuen Spiels nicht speichern: "},
    {Msg::MsgPoolFileUnwritable,
     u"Trivanto konnte die Textkopie des Fragenpools nicht schreiben; das Spiel geht weiter: "},
    {Msg::MsgAskSaveChanges,
     u"Die angezeigte Frage enthält Änderungen, die noch nicht gespeichert sind. Möchten Sie sie "
     u"speichern?"},
    {Msg::MsgAnswerIsMarker,
     u"Die zweite Antwort darf nicht \"ife\" oder \"joker\" lauten: Daran erkennt das Spiel "
     u"Schätzfragen und Joker."},
    {Msg::MsgQuestionDuplicate,
     u"Diese Rubrik enthält dieselbe Frage bereits. Bitte ändern Sie den Text der Frage."},
    {Msg::MsgCategoryTitleUnusable,
     u"Dieser Titel eignet sich nicht für eine Rubrik: Er darf nicht mit einem Punkt beginnen, "
     u"keine Steuerzeichen oder Zeichen außerhalb des westeuropäischen Alphabets enthalten und "
     u"höchstens 110 Zeichen lang sein."},
    {Msg::MsgCategoryWriteFailed, u"Trivanto konnte die Rubrikdatei nicht speichern: "},
    {Msg::MsgImportProblems,
     u"Diese Datei kann erst importiert werden, wenn diese Fehler behoben sind:"},
    {Msg::MsgExportFailed, u"Trivanto konnte die Rubrik nicht exportieren: "},
    {Msg::MsgCategoryUnreadableMark, u" (nicht lesbar)"},
    {Msg::MsgCheckNoQuestions, u"Die Rubrik enthält keine Fragen"},
    {Msg::MsgCheckQuestionEmpty, u"die Frage hat keinen Text"},
    {Msg::MsgCheckSameQuestion, u"dieselbe Frage wie Datensatz "},
    {Msg::MsgCheckSimilarQuestion, u"fast dieselbe Frage wie Datensatz "},
    {Msg::MsgCheckEstimateValue,
     u"die Antwort einer Schätzfrage muss eine ganze Zahl mit höchstens 9 Zeichen sein"},
    {Msg::MsgCheckEstimationMarkers,
     u"eine Schätzfrage, deren Antworten 3 und 4 nicht \"ife\" lauten"},
    {Msg::MsgCheckAnswerEmpty, u"kein Text in Antwort "},
    {Msg::MsgCheckAnswerIsMarker,
     u"Antwort 2 lautet \"ife\" oder \"joker\"; das hält das Spiel für eine Markierung"},
    {Msg::MsgCheckNoRightAnswer, u"keine richtige Antwort gewählt"},
    {Msg::MsgCheckJoker, u"ein Joker, der nur in die Fragen eines Spiels gehört"},
    {Msg::MsgCheckNotCodePage,
     u"ein Zeichen, das eine Rubrik nicht speichern kann, gespeichert als \"?\": "},
    {Msg::MsgCheckTooLong, u"ein Text mit mehr als 110 Zeichen, der Rest wird abgeschnitten"},
    {Msg::MsgCheckControlInQuestion,
     u"ein Steuerzeichen (Zeilenumbruch, Tabulator oder Ähnliches) in der Frage"},
    {Msg::MsgCheckControlInAnswer,
     u"ein Steuerzeichen (Zeilenumbruch, Tabulator oder Ähnliches) in Antwort "},
    {Msg::MsgCheckTitleControl,
     u"Der in der Rubrik gespeicherte Rubrikname enthält ein Steuerzeichen (Zeilenumbruch, "
     u"Tabulator oder Ähnliches)"},
    {Msg::MsgCheckTitleEmpty, u"Der in der Rubrik gespeicherte Rubrikname ist leer"},
    {Msg::MsgCheckGap,
     u"leer, aber es folgen weitere Fragen; die letzte davon erreicht das Spiel nie"},
    {Msg::MsgCheckSameAnswers, u"zwei Antworten mit demselben Text: "},
    {Msg::MsgCheckAnswerSpread,
     u"Die richtigen Antworten sind ungleich verteilt; so oft sind die Antworten 1/2/3/4 "
     u"richtig: "},
    {Msg::MsgScoreRefused, u"vom Server nicht angenommen"},
    {Msg::MsgScoreServerBusy, u"Server ausgelastet, bitte später erneut senden"},
    {Msg::MsgSaveOnlyAtBet,
     u"Ein Spiel kann nur gespeichert werden, während ein Spieler seinen Einsatz wählt. Bitte "
     u"beenden Sie diesen Zug und speichern Sie das Spiel beim nächsten Einsatz."},
    {Msg::MsgSavedGameUnwritable,
     u"Trivanto konnte das Spiel nicht speichern; eine vorhandene Datei behält ihren alten "
     u"Inhalt: "},
    {Msg::MsgSavedGameUnreadable,
     u"Trivanto konnte diesen Spielstand nicht lesen; es wurde nichts verändert: "},
    {Msg::MsgSavedGameDamaged,
     u"Diese Datei ist kein gespeichertes Trivanto-Spiel oder sie ist beschädigt. Sie wurde "
     u"nicht geöffnet, und das Spiel bleibt, wie es war: "},
    {Msg::MsgCategoryFileFilter, u"Trivanto-Rubriken (*.trv)"},
    {Msg::MsgSourceFileFilter, u"Rubrikquellen (*.json *.csv)"},
    {Msg::MsgEditorImportCaption, u"Import"},
    {Msg::MsgEditorImportHint, u"Eine Rubrik aus einer JSON- oder CSV-Datei anlegen!"},
    {Msg::MsgEditorImportTitle, u"Rubrik importieren"},
    {Msg::MsgEditorExportCaption, u"Export"},
    {Msg::MsgEditorExportHint, u"Die Rubrik als JSON- oder CSV-Datei schreiben!"},
    {Msg::MsgEditorExportTitle, u"Rubrik exportieren"},
    {Msg::MsgEditorChecksHeading, u"Prüfung der Rubrik"},
    {Msg::MsgEditorChecksClean, u"Keine Probleme gefunden."},
    {Msg::MsgSettingsUnwritable,
     u"Trivanto kann seine Einstellungen nicht speichern, daher bleiben die Bestenliste, die "
     u"Spielernamen und die Toneinstellung nicht erhalten: "},
    {Msg::MsgCategoriesNotListed,
     u"Die Rubrikliste fasst höchstens 101 Rubriken. Nicht aufgeführte Rubrikdateien: "},
};

static_assert(std::size(kEntries) == static_cast<std::size_t>(kMsgCount), "one text per key");

}  // namespace

std::span<const CatalogueEntry> germanCatalogue() {
    return kEntries;
}

}  // namespace trivanto
