#include "core/lang/message_catalogue.h"

#include <iterator>
#include <utility>

#include "core/app/server_config.h"
#include "core/lang/catalogue_tables.h"

namespace trivanto {

namespace {

constexpr const char* kKeyNames[] = {
    "MsgAskSaveGame",
    "MsgBetIntegerRange",
    "MsgPlayerPictureMissing",
    "MsgEstimateInteger",
    "MsgTooFewQuestionsHead",
    "MsgTooFewQuestionsTail",
    "MsgPlayerNamesUnique",
    "MsgNoQuestionFiles",
    "MsgTop50NotDownloaded",
    "MsgTop50Outdated",
    "MsgAskClearHighScores",
    "MsgAskDeleteQuestion",
    "MsgCategoryFull",
    "MsgEstimateAnswerInteger",
    "MsgQuestionIncomplete",
    "MsgSearchNoMatch",
    "MsgCategoryTitleChars",
    "MsgAskReplaceCategory",
    "MsgTransferError",
    "MsgServerMalfunction",
    "MsgNoConnectionFound",
    "MsgAskDisconnect",
    "MsgFillAllFields",
    "MsgNameOnlyOnce",
    "MsgEmailInvalid",
    "MsgSelectOption",
    "MsgAskQuitTransfer",
    "MsgSelectPackage",
    "MsgNeedTrueColor",
    "MsgFolderWriteProtected",
    "MsgBetLimit500",
    "MsgBetLimitAccount",
    "MsgAskConnected",
    "MsgSavedGameNoTop50",
    "MsgTop50Invite",
    "MsgSavedGameNoTransfer",
    "MsgDisconnectFailed",
    "MsgPlayer1",
    "MsgPlayer2",
    "MsgPlayer3",
    "MsgPlayer4",
    "MsgQuestionPrefix",
    "MsgOfInfix",
    "MsgAndInfix",
    "MsgWinnerIs",
    "MsgWithInfix",
    "MsgCorrectAnswerIs",
    "MsgClosestGuess",
    "MsgEditorTitleEmpty",
    "MsgLoadingCategory",
    "MsgLoadingCategoryTail",
    "MsgStandardPicture",
    "MsgOwnPicture",
    "MsgTitleTop50",
    "MsgTitleTop10",
    "MsgEmptySlot",
    "MsgRanksPrefix",
    "MsgRanksInfix",
    "MsgAnswerLabel",
    "MsgAnswer1Label",
    "MsgEditorTitlePrefix",
    "MsgRecordPrefix",
    "MsgChangedPrefix",
    "MsgClose",
    "MsgRankLabel",
    "MsgScoreTooLow",
    "MsgAmountLabel",
    "MsgCancel",
    "MsgPackagePrefix",
    "MsgDownloadingSuffix",
    "MsgDownloadFinished",
    "MsgUpdateSuccess",
    "MsgDownloadIncomplete",
    "MsgUpdateServerFailed",
    "MsgUpdatePartial",
    "MsgUnzippingSuffix",
    "MsgAskCancelUpdate",
    "MsgUpdateConnectFailed",
    "MsgPayoutStake",
    "MsgPayoutDouble",
    "MsgRatioFootnote",
    "MsgNoDialUpEntry",
    "MsgAskOnline",
    "MsgRasOpenPort",
    "MsgRasPortOpened",
    "MsgRasConnectDevice",
    "MsgRasDeviceConnected",
    "MsgRasAllDevicesConnected",
    "MsgRasAuthenticate",
    "MsgRasAuthenticated",
    "MsgRasStartAuthentication",
    "MsgRasLogonNetwork",
    "MsgRasConnected",
    "MsgRasDisconnected",
    "MsgDialFailed",
    "MsgPoolTooFewDistinct",
    "MsgGameLengthInvalid",
    "MsgCategoryUnreadable",
    "MsgGameListUnreadable",
    "MsgPictureUnreadable",
    "MsgCatalogueDamaged",
    "MsgPackageDamaged",
    "MsgPackageUnavailable",
    "MsgSelectionFull",
    "MsgStartFileRefused",
    "MsgGameListUnwritable",
    "MsgPoolFileUnwritable",
    "MsgAskSaveChanges",
    "MsgAnswerIsMarker",
    "MsgQuestionDuplicate",
    "MsgCategoryTitleUnusable",
    "MsgCategoryWriteFailed",
    "MsgImportProblems",
    "MsgExportFailed",
    "MsgCategoryUnreadableMark",
    "MsgCheckNoQuestions",
    "MsgCheckQuestionEmpty",
    "MsgCheckSameQuestion",
    "MsgCheckSimilarQuestion",
    "MsgCheckEstimateValue",
    "MsgCheckEstimationMarkers",
    "MsgCheckAnswerEmpty",
    "MsgCheckAnswerIsMarker",
    "MsgCheckNoRightAnswer",
    "MsgCheckJoker",
    "MsgCheckNotCodePage",
    "MsgCheckTooLong",
    "MsgCheckControlInQuestion",
    "MsgCheckControlInAnswer",
    "MsgCheckTitleControl",
    "MsgCheckTitleEmpty",
    "MsgCheckGap",
    "MsgCheckSameAnswers",
    "MsgCheckAnswerSpread",
    "MsgScoreRefused",
    "MsgScoreServerBusy",
    "MsgSaveOnlyAtBet",
    "MsgSavedGameUnwritable",
    "MsgSavedGameUnreadable",
    "MsgSavedGameDamaged",
    "MsgCategoryFileFilter",
    "MsgSourceFileFilter",
    "MsgEditorImportCaption",
    "MsgEditorImportHint",
    "MsgEditorImportTitle",
    "MsgEditorExportCaption",
    "MsgEditorExportHint",
    "MsgEditorExportTitle",
    "MsgEditorChecksHeading",
    "MsgEditorChecksClean",
    "MsgSettingsUnwritable",
    "MsgCategoriesNotListed",
};

static_assert(std::size(kKeyNames) == static_cast<std::size_t>(kMsgCount), "one name per key");

void fill(std::array<QString, static_cast<std::size_t>(Msg::Count)>& texts,
          std::span<const CatalogueEntry> table) {
    for (const CatalogueEntry& entry : table) {
        texts[static_cast<std::size_t>(entry.key)] = QString::fromUtf16(entry.text);
    }
}

// The name of the remote catalogue and banner files is "update"/"banner" + this extension.
LanguageSettings settingsFor(Language language, const QString& updateHost) {
    if (language == Language::Deutsch) {
        return {QStringLiteral(" EUR"), updateHost + QStringLiteral("/orvalquest/"),
                QStringLiteral(".ar1"), QStringLiteral("deutsch"), QStringLiteral("hilfe")};
    }
    return {QStringLiteral(" $"), updateHost + QStringLiteral("/Orvalquest/"),
            QStringLiteral(".ar2"), QStringLiteral("english"), QStringLiteral("help")};
}

}  // namespace

const char* msgKeyName(Msg key) {
    const auto index = static_cast<std::size_t>(key);
    return index < std::size(kKeyNames) ? kKeyNames[index] : "";
}

QString languageSettingText(Language language) {
    return language == Language::Deutsch ? QStringLiteral("deutsch") : QStringLiteral("englisch");
}

Language buildLanguage() {
    // Anything but "deutsch" builds the English program, as the start-up treats it.
    return QLatin1String(TRIVANTO_DEFAULT_LANGUAGE) == QLatin1String("deutsch")
               ? Language::Deutsch
               : Language::Englisch;
}

MessageCatalogue::MessageCatalogue(QString updateHost) : m_updateHost(std::move(updateHost)) {}

QString MessageCatalogue::defaultUpdateHost() {
    return trivanto::defaultUpdateHost();
}

void MessageCatalogue::SetEnglishTexts() {
    m_language = Language::Englisch;
    m_settings = settingsFor(m_language, m_updateHost);
    fill(m_texts, englishCatalogue());
}

void MessageCatalogue::SetGermanTexts() {
    m_language = Language::Deutsch;
    m_settings = settingsFor(m_language, m_updateHost);
    fill(m_texts, germanCatalogue());
}

void MessageCatalogue::apply(Language language) {
    if (language == Language::Deutsch) {
        SetGermanTexts();
    } else {
        SetEnglishTexts();
    }
}

QString alreadyRunningText(Language language) {
    return language == Language::Deutsch ? QStringLiteral("Trivanto läuft bereits.")
                                         : QStringLiteral("Trivanto is already running.");
}

QString lockUnusableText(Language language, const QString& problem) {
    return (language == Language::Deutsch
                ? QStringLiteral("Trivanto kann seine Sperrdatei nicht anlegen, mit der es "
                                 "sicherstellt, dass es nur einmal läuft: ")
                : QStringLiteral("Trivanto cannot create the lock file that keeps it from running "
                                 "twice: ")) +
           problem;
}

QString needColoursText(Language language) {
    return language == Language::Deutsch
               ? QStringLiteral(
                     "Trivanto benötigt mindestens 256 Farben. Bitte stellen Sie den "
                     "Grafikmodus in der Systemsteuerung um.")
               : QStringLiteral(
                     "Trivanto needs at least 256 colors to run successfully. Please "
                     "change your mode of display.");
}

}  // namespace trivanto
