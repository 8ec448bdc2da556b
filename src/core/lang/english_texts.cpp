// The English message catalogue. Blanks at either end and the odd spellings belong to the
// texts: callers join them with names and numbers as they are.
#include <iterator>

#include "core/lang/catalogue_tables.h"

namespace trivanto {

namespace {

constexpr CatalogueEntry kEntries[] = {
    {Msg::MsgAskSaveGame, u"Do you want to save the current game?"},
    {Msg::MsgBetIntegerRange, u"Please use only integers between 1 and 100000."},
    {Msg::MsgPlayerPictureMissing,
     u"The picture you have used could not be accessed by Trivanto. One of the custom picture will "
     u"be used instead."},
    {Msg::MsgEstimateInteger,
     u"Please use an integer for your estimate. The pertaining number of your guess may not exceed "
     u"eight characters."},
    {Msg::MsgTooFewQuestionsHead, u"To start a new game there must be at least "},
    {Msg::MsgTooFewQuestionsTail, u" questions. Please select more categories."},
    {Msg::MsgPlayerNamesUnique,
     u"Please make sure that every player has been given a name. The same name may not appear in "
     u"multiple cases."},
    {Msg::MsgNoQuestionFiles, u"Trivanto could not access the question files."},
    {Msg::MsgTop50NotDownloaded,
     u"The Top50 of the week have not been downloaded yet. Would you like to do that now?"},
    {Msg::MsgTop50Outdated,
     u"You have not updated the Top50 of the week for at least seven days. Would you like to do "
     u"so, now?"},
    {Msg::MsgAskClearHighScores, u"Do you really want to clear the high score list?"},
    {Msg::MsgAskDeleteQuestion, u"Do you really want to delete this question?"},
    {Msg::MsgCategoryFull, u"The contents of a category may not exceed 200 questions."},
    {Msg::MsgEstimateAnswerInteger, u"Please use only integers for this kind of answer."},
    {Msg::MsgQuestionIncomplete,
     u"The information you have supplied the editor with, is not sufficient to save this "
     u"question."},
    {Msg::MsgSearchNoMatch,
     u"Trivanto could not find any questions which match the topic of your search."},
    {Msg::MsgCategoryTitleChars,
     u"The title of a category may not contain these characters: \\ / : * \" < > |"},
    {Msg::MsgAskReplaceCategory,
     u"A category with this name already exists. Would you like to replace that category?"},
    {Msg::MsgTransferError,
     u"An error occured while Trivanto tried to transfer data. Please try again."},
    {Msg::MsgServerMalfunction,
     u"A malfunction occured while Trivanto tried to connect to the internetserver. Please, check "
     u"you internet connection or try again later."},
    {Msg::MsgNoConnectionFound,
     u"Trivanto was not able to find a connection to the internet. Please establish a connection "
     u"and then click on \"Proceed\"."},
    {Msg::MsgAskDisconnect, u"Do you want to disconnect from the internet now?"},
    {Msg::MsgFillAllFields, u"Please, fill in all the gaps!"},
    {Msg::MsgNameOnlyOnce, u"Please, use each name only once."},
    {Msg::MsgEmailInvalid,
     u"That e-mail address is not valid. Please uses addresses like name@example.com."},
    {Msg::MsgSelectOption, u"You have to activateat least one of the options in order to proceed."},
    {Msg::MsgAskQuitTransfer, u"Do you really wish to quit the update function, now?"},
    {Msg::MsgSelectPackage,
     u"You have to select at least one package of data before starting the download."},
    {Msg::MsgNeedTrueColor,
     u"Trivanto needs the TrueColor (16bit) mode in order to optimize the display of graphics "
     u"during the game. Please change the graphic before you run the game."},
    {Msg::MsgFolderWriteProtected,
     u"As the directory containing Trivanto is write-protected, major disfunctions may occur. "
     u"Please contact your administrator, immediately."},
    {Msg::MsgBetLimit500, u"At the moment, you are not allowed to bet more than 500 Dollars."},
    {Msg::MsgBetLimitAccount,
     u"Your are not allowed to place a bet higher than the sum on your account or a total of "
     u"100,000 Dollars."},
    {Msg::MsgAskConnected, u"Are you connected to the internet?"},
    {Msg::MsgSavedGameNoTop50,
     u"For reasons of fairness, you are not allowed to join the Top50 of the week with a saved "
     u"game. Do you still want to proceed?"},
    {Msg::MsgTop50Invite,
     u"Trivanto will transfer your scores to the Top50 of the week, where the true champions can "
     u"be found, if you click on the button below."},
    {Msg::MsgSavedGameNoTransfer,
     u"Unfortunately, since you have played a saved game you cannot transfer your score to the "
     u"Top50 of the week."},
    {Msg::MsgDisconnectFailed, u"Trivanto could not disconnect from the internet."},
    {Msg::MsgPlayer1, u"Player 1"},
    {Msg::MsgPlayer2, u"Player 2"},
    {Msg::MsgPlayer3, u"Player 3"},
    {Msg::MsgPlayer4, u"Player 4"},
    {Msg::MsgQuestionPrefix, u"Question "},
    {Msg::MsgOfInfix, u" of "},
    {Msg::MsgAndInfix, u" and "},
    {Msg::MsgWinnerIs, u"The Winner is: "},
    {Msg::MsgWithInfix, u"with "},
    {Msg::MsgCorrectAnswerIs, u"The correct answer is: "},
    {Msg::MsgClosestGuess, u"The guess that came closest was: "},
    {Msg::MsgEditorTitleEmpty, u"Editor - [Category]"},
    {Msg::MsgLoadingCategory, u"Loading Category "},
    {Msg::MsgLoadingCategoryTail, u". The information is being processed ..."},
    {Msg::MsgStandardPicture, u"Custom picture"},
    {Msg::MsgOwnPicture, u"Own picture"},
    {Msg::MsgTitleTop50, u"Hall Of Fame - Top50 of the week"},
    {Msg::MsgTitleTop10, u"Hall Of Fame - My Top10"},
    {Msg::MsgEmptySlot, u"Empty"},
    {Msg::MsgRanksPrefix, u"Rank "},
    {Msg::MsgRanksInfix, u" to "},
    {Msg::MsgAnswerLabel, u"Answer:"},
    {Msg::MsgAnswer1Label, u"Answer 1:"},
    {Msg::MsgEditorTitlePrefix, u"Editor - ["},
    {Msg::MsgRecordPrefix, u"Question "},
    {Msg::MsgChangedPrefix, u"Changed: "},
    {Msg::MsgClose, u"Close"},
    {Msg::MsgRankLabel, u"Rank: "},
    {Msg::MsgScoreTooLow, u"scores too low"},
    {Msg::MsgAmountLabel, u"Amount: "},
    {Msg::MsgCancel, u"Cancel"},
    {Msg::MsgPackagePrefix, u"The package \""},
    {Msg::MsgDownloadingSuffix, u"\" Download in Process ..."},
    {Msg::MsgDownloadFinished, u"The download is finished."},
    {Msg::MsgUpdateSuccess,
     u"The online update was successful. Please start Trivanto again to use your new files."},
    {Msg::MsgDownloadIncomplete, u"The download could not be completed succesfully."},
    {Msg::MsgUpdateServerFailed,
     u"Trivanto was not able to connect to the internet server. Please, check your connection to "
     u"the internet or try again, later."},
    {Msg::MsgUpdatePartial,
     u"The download could not be completed successfully. However, the packages of data which are "
     u"already on your harddisk have been installed. Please start Trivanto again to use them."},
    {Msg::MsgUnzippingSuffix, u"\": The unzip operation is in progress ..."},
    {Msg::MsgAskCancelUpdate, u"Do you really want to cancel the online update?"},
    {Msg::MsgUpdateConnectFailed,
     u"Trivanto could not connect to the internet server. Please, check your connection to the "
     u"internet or try again, later."},
    {Msg::MsgPayoutStake, u"You will now receive your fortune... "},
    {Msg::MsgPayoutDouble, u"You will now receive twice the amount of your bet... "},
    {Msg::MsgRatioFootnote, u"*Calculated on the ratio of 20 questions per player."},
    {Msg::MsgNoDialUpEntry,
     u"Trivanto could not find any dial up network entry. Consequently, you will have to connect "
     u"to the internet manually."},
    {Msg::MsgAskOnline, u"Are you online?"},
    {Msg::MsgRasOpenPort, u"Opening port"},
    {Msg::MsgRasPortOpened, u"Port opened"},
    {Msg::MsgRasConnectDevice, u"Connecting device"},
    {Msg::MsgRasDeviceConnected, u"Device connected"},
    {Msg::MsgRasAllDevicesConnected, u"All devices connected"},
    {Msg::MsgRasAuthenticate, u"Start authenticating"},
    {Msg::MsgRasAuthenticated, u"Authenticated"},
    {Msg::MsgRasStartAuthentication, u"Start authentication"},
    {Msg::MsgRasLogonNetwork, u"Logging on network"},
    {Msg::MsgRasConnected, u"Connected"},
    {Msg::MsgRasDisconnected, u"Disconnected"},
    {Msg::MsgDialFailed, u"Connection failed: "},
    {Msg::MsgPoolTooFewDistinct,
     u"The chosen categories do not hold enough different questions for a game of this length. "
     u"Please select more categories or a shorter game."},
    {Msg::MsgGameLengthInvalid, u"The number of questions must be a whole number from 1 to 200."},
    {Msg::MsgCategoryUnreadable, u"Trivanto could not read this category file: "},
    {Msg::MsgGameListUnreadable,
     u"Trivanto could not read the questions of the new game. Please start the game again."},
    {Msg::MsgPictureUnreadable,
     u"Trivanto cannot show this file as a picture. Please choose a BMP, PNG or JPEG picture."},
    {Msg::MsgCatalogueDamaged,
     u"The list of packages from the update server is damaged or empty. Please try the online "
     u"update again later."},
    {Msg::MsgPackageDamaged,
     u"This package arrived damaged and was not installed, so none of its files were changed: "},
    {Msg::MsgPackageUnavailable,
     u"This package cannot be installed, because the list of packages describes it wrongly."},
    {Msg::MsgSelectionFull,
     u"No more packages can be selected for one update. Please install the selected ones first."},
    {Msg::MsgStartFileRefused,
     u"Trivanto does not open this file of the update, because it is not a document in the "
     u"program folder: "},
    {Msg::MsgGameListUnwritable, u"Trivanto could not store the questions of the new game: "},
    {Msg::MsgPoolFileUnwritable,
     u"Trivanto could not write its plain-text copy of the question pool; the game goes on: "},
    {Msg::MsgAskSaveChanges,
     u"The question shown has changes that are not saved yet. Do you want to save them?"},
    {Msg::MsgAnswerIsMarker,
     u"The second answer may not read \"ife\" or \"joker\": the game takes these words as the "
     u"marks of estimation questions and jokers."},
    {Msg::MsgQuestionDuplicate,
     u"This category holds the same question already. Please change the text of the question."},
    {Msg::MsgCategoryTitleUnusable,
     u"This title cannot be used for a category: it may not begin with a dot, hold control "
     u"characters or characters outside the Western European alphabet, or be longer than 110 "
     u"characters."},
    {Msg::MsgCategoryWriteFailed, u"Trivanto could not save the category file: "},
    {Msg::MsgImportProblems, u"This file cannot be imported until these problems are mended:"},
    {Msg::MsgExportFailed, u"Trivanto could not export the category: "},
    {Msg::MsgCheckNoQuestions, u"The category holds no questions"},
    {Msg::MsgCheckQuestionEmpty, u"the question has no text"},
    {Msg::MsgCheckSameQuestion, u"the same question as question "},
    {Msg::MsgCheckSimilarQuestion, u"nearly the same question as question "},
    {Msg::MsgCheckEstimateValue,
     u"the answer of an estimation question must be a whole number of at most 9 characters"},
    {Msg::MsgCheckEstimationMarkers,
     u"an estimation question whose answers 3 and 4 are not \"ife\""},
    {Msg::MsgCheckAnswerEmpty, u"no text in answer "},
    {Msg::MsgCheckAnswerIsMarker,
     u"answer 2 reads \"ife\" or \"joker\", which the game takes as a mark"},
    {Msg::MsgCheckNoRightAnswer, u"no right answer is chosen"},
    {Msg::MsgCheckJoker, u"a joker, which belongs only in the questions of a game"},
    {Msg::MsgCheckNotCodePage, u"a character that a category cannot store, saved as \"?\": "},
    {Msg::MsgCheckTooLong, u"a text of more than 110 characters, the rest is cut off"},
    {Msg::MsgCheckGap,
     u"empty, but more questions follow; the game never reaches the last of them"},
    {Msg::MsgCheckSameAnswers, u"two answers with the same text: "},
    {Msg::MsgCheckAnswerSpread,
     u"The right answers are unevenly spread; answers 1/2/3/4 are right this often: "},
    {Msg::MsgScoreRefused, u"not accepted by the server"},
    {Msg::MsgScoreServerBusy, u"server busy, please try again later"},
    {Msg::MsgSaveOnlyAtBet,
     u"A game can be saved only while a player is about to bet. Please finish this turn and "
     u"save the game at the next bet."},
    {Msg::MsgSavedGameUnwritable,
     u"Trivanto could not save the game; a file that was there keeps its old content: "},
    {Msg::MsgSavedGameUnreadable,
     u"Trivanto could not read this saved game, so nothing was changed: "},
    {Msg::MsgSavedGameDamaged,
     u"This file is no saved Trivanto game, or it is damaged. It was not opened, and the game "
     u"stays as it was: "},
};

static_assert(std::size(kEntries) == static_cast<std::size_t>(kMsgCount), "one text per key");

}  // namespace

std::span<const CatalogueEntry> englishCatalogue() {
    return kEntries;
}

}  // namespace trivanto
