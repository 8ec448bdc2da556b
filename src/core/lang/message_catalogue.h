#pragma once

#include <QString>
#include <array>

namespace trivanto {

// The keys of the message catalogue, in the order of its slots. The texts are filled once at
// start-up by SetEnglishTexts or SetGermanTexts and only read afterwards.
enum class Msg {
    MsgAskSaveGame,
    MsgBetIntegerRange,
    MsgPlayerPictureMissing,
    MsgEstimateInteger,
    MsgTooFewQuestionsHead,
    MsgTooFewQuestionsTail,
    MsgPlayerNamesUnique,
    MsgNoQuestionFiles,
    MsgTop50NotDownloaded,
    MsgTop50Outdated,
    MsgAskClearHighScores,
    MsgAskDeleteQuestion,
    MsgCategoryFull,
    MsgEstimateAnswerInteger,
    MsgQuestionIncomplete,
    MsgSearchNoMatch,
    MsgCategoryTitleChars,
    MsgAskReplaceCategory,
    MsgTransferError,
    MsgServerMalfunction,
    MsgNoConnectionFound,
    MsgAskDisconnect,
    MsgFillAllFields,
    MsgNameOnlyOnce,
    MsgEmailInvalid,
    MsgSelectOption,
    MsgAskQuitTransfer,
    MsgSelectPackage,
    MsgNeedTrueColor,
    MsgFolderWriteProtected,
    MsgBetLimit500,
    MsgBetLimitAccount,
    MsgAskConnected,
    MsgSavedGameNoTop50,
    MsgTop50Invite,
    MsgSavedGameNoTransfer,
    MsgDisconnectFailed,
    MsgPlayer1,
    MsgPlayer2,
    MsgPlayer3,
    MsgPlayer4,
    MsgQuestionPrefix,
    MsgOfInfix,
    MsgAndInfix,
    MsgWinnerIs,
    MsgWithInfix,
    MsgCorrectAnswerIs,
    MsgClosestGuess,
    MsgEditorTitleEmpty,
    MsgLoadingCategory,
    MsgLoadingCategoryTail,
    MsgStandardPicture,
    MsgOwnPicture,
    MsgTitleTop50,
    MsgTitleTop10,
    MsgEmptySlot,
    MsgRanksPrefix,
    MsgRanksInfix,
    MsgAnswerLabel,
    MsgAnswer1Label,
    MsgEditorTitlePrefix,
    MsgRecordPrefix,
    MsgChangedPrefix,
    MsgClose,
    MsgRankLabel,
    MsgScoreTooLow,
    MsgAmountLabel,
    MsgCancel,
    MsgPackagePrefix,
    MsgDownloadingSuffix,
    MsgDownloadFinished,
    MsgUpdateSuccess,
    MsgDownloadIncomplete,
    MsgUpdateServerFailed,
    MsgUpdatePartial,
    MsgUnzippingSuffix,
    MsgAskCancelUpdate,
    MsgUpdateConnectFailed,
    MsgPayoutStake,
    MsgPayoutDouble,
    MsgRatioFootnote,
    MsgNoDialUpEntry,
    MsgAskOnline,
    MsgRasOpenPort,
    MsgRasPortOpened,
    MsgRasConnectDevice,
    MsgRasDeviceConnected,
    MsgRasAllDevicesConnected,
    MsgRasAuthenticate,
    MsgRasAuthenticated,
    MsgRasStartAuthentication,
    MsgRasLogonNetwork,
    MsgRasConnected,
    MsgRasDisconnected,
    MsgDialFailed,
    // Texts of our own for situations the game reports beyond the classic catalogue.
    MsgPoolTooFewDistinct,
    MsgGameLengthInvalid,
    MsgCategoryUnreadable,
    MsgGameListUnreadable,
    MsgPictureUnreadable,
    MsgCatalogueDamaged,
    MsgPackageDamaged,
    MsgPackageUnavailable,
    MsgSelectionFull,
    MsgStartFileRefused,
    MsgGameListUnwritable,
    MsgPoolFileUnwritable,
    MsgAskSaveChanges,
    MsgAnswerIsMarker,
    MsgQuestionDuplicate,
    MsgCategoryTitleUnusable,
    MsgCategoryWriteFailed,
    MsgImportProblems,
    MsgExportFailed,
    MsgCategoryUnreadableMark,
    MsgCheckNoQuestions,
    MsgCheckQuestionEmpty,
    MsgCheckSameQuestion,
    MsgCheckSimilarQuestion,
    MsgCheckEstimateValue,
    MsgCheckEstimationMarkers,
    MsgCheckAnswerEmpty,
    MsgCheckAnswerIsMarker,
    MsgCheckNoRightAnswer,
    MsgCheckJoker,
    MsgCheckNotCodePage,
    MsgCheckTooLong,
    MsgCheckControlInQuestion,
    MsgCheckControlInAnswer,
    MsgCheckTitleControl,
    MsgCheckTitleEmpty,
    MsgCheckGap,
    MsgCheckSameAnswers,
    MsgCheckAnswerSpread,
    MsgScoreRefused,
    MsgScoreServerBusy,
    MsgSaveOnlyAtBet,
    MsgSavedGameUnwritable,
    MsgSavedGameUnreadable,
    MsgSavedGameDamaged,
    MsgCategoryFileFilter,
    MsgSourceFileFilter,
    MsgEditorImportCaption,
    MsgEditorImportHint,
    MsgEditorImportTitle,
    MsgEditorExportCaption,
    MsgEditorExportHint,
    MsgEditorExportTitle,
    MsgEditorChecksHeading,
    MsgEditorChecksClean,
    MsgSettingsUnwritable,
    MsgCategoriesNotListed,
    Count
};

inline constexpr int kMsgCount = static_cast<int>(Msg::Count);

// The key's name as written in code ("MsgAskSaveGame"), for tests and diagnostics.
const char* msgKeyName(Msg key);

// "englisch" or "deutsch": the value of LanguageSetting.
enum class Language { Englisch, Deutsch };

QString languageSettingText(Language language);  // "englisch" / "deutsch"
// The build's language (TRIVANTO_LANGUAGE), unless overridden at start-up.
Language buildLanguage();

// The language-dependent settings the tables fill beside the catalogue.
struct LanguageSettings {
    QString CurrencySuffix;       // " $" / " EUR"
    QString UpdateBasePath;       // host + "/Orvalquest/" / host + "/orvalquest/", no scheme
    QString UpdateFileExtension;  // ".ar2" / ".ar1"
    QString LanguageWord;         // "english" / "deutsch"
    QString HelpFile;             // help document folder name: "help" / "hilfe"
};

class MessageCatalogue {
public:
    // updateHost: host (and optional port) of the update server, without scheme.
    explicit MessageCatalogue(QString updateHost = defaultUpdateHost());

    void SetEnglishTexts();
    void SetGermanTexts();
    // Calls the table that matches `language`.
    void apply(Language language);

    // The text of the active language; empty until a table has run.
    const QString& text(Msg key) const { return m_texts[static_cast<std::size_t>(key)]; }
    const LanguageSettings& settings() const { return m_settings; }
    Language language() const { return m_language; }

    static QString defaultUpdateHost();

private:
    QString m_updateHost;
    Language m_language = Language::Englisch;
    LanguageSettings m_settings;
    std::array<QString, static_cast<std::size_t>(Msg::Count)> m_texts;
};

// The two start-up texts that are not in the catalogue (shown before any window exists).
QString alreadyRunningText(Language language);
// The lock folder refuses the lock file; `problem` names the file and the system's reason.
QString lockUnusableText(Language language, const QString& problem);
QString needColoursText(Language language);

}  // namespace trivanto
