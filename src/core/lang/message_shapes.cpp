#include "core/lang/message_shapes.h"

#include <array>

namespace trivanto {

namespace {

constexpr MessageShape wraps(int width) {
    return {width, true};
}
constexpr MessageShape oneLine(int width) {
    return {width, false};
}

// The widths are the designed ones; a file name or reason stands for what the caller adds.
// The windows still to come (editor, high scores, the upload of the top fifty) take theirs
// from here too.
const std::array kMessages{
    DialogMessage{Msg::MsgAskSaveGame, oneLine(237)},
    DialogMessage{Msg::MsgBetIntegerRange, oneLine(313)},
    DialogMessage{Msg::MsgEstimateInteger, wraps(365)},
    DialogMessage{Msg::MsgTooFewQuestionsHead, wraps(279), u"200", Msg::MsgTooFewQuestionsTail},
    DialogMessage{Msg::MsgPlayerNamesUnique, oneLine(267)},
    DialogMessage{Msg::MsgNoQuestionFiles, oneLine(299)},
    DialogMessage{Msg::MsgAskDisconnect, oneLine(235)},
    DialogMessage{Msg::MsgSelectPackage, wraps(320)},
    DialogMessage{Msg::MsgNeedTrueColor, wraps(363)},
    DialogMessage{Msg::MsgFolderWriteProtected, wraps(363)},
    DialogMessage{Msg::MsgBetLimit500, oneLine(345)},
    DialogMessage{Msg::MsgBetLimitAccount, wraps(290)},
    DialogMessage{Msg::MsgDisconnectFailed, oneLine(320)},
    DialogMessage{Msg::MsgUpdateServerFailed, wraps(375)},
    DialogMessage{Msg::MsgUpdateConnectFailed, wraps(375)},
    DialogMessage{Msg::MsgNoDialUpEntry, wraps(371)},
    DialogMessage{Msg::MsgAskOnline, wraps(271)},
    DialogMessage{Msg::MsgAskConnected, wraps(271)},
    DialogMessage{Msg::MsgPoolTooFewDistinct, wraps(300)},
    DialogMessage{Msg::MsgGameLengthInvalid, wraps(300)},
    DialogMessage{Msg::MsgCategoryUnreadable, wraps(300), u"A category with a long name.trv"},
    DialogMessage{Msg::MsgGameListUnreadable, wraps(300)},
    DialogMessage{Msg::MsgPictureUnreadable, wraps(300)},
    DialogMessage{Msg::MsgCatalogueDamaged, wraps(375)},
    DialogMessage{Msg::MsgPackageDamaged, wraps(375), u"Questions-Geography-2024"},
    DialogMessage{Msg::MsgPackageUnavailable, wraps(320)},
    DialogMessage{Msg::MsgSelectionFull, wraps(320)},
    DialogMessage{Msg::MsgStartFileRefused, wraps(375), u"readme-of-the-package.html"},
    DialogMessage{Msg::MsgGameListUnwritable, wraps(300),
                  u"/home/player/.local/share/Trivanto/game.log: cannot be written: No space "
                  u"left on device"},
    DialogMessage{Msg::MsgPoolFileUnwritable, wraps(300),
                  u"/home/player/.local/share/Trivanto/fragen.tmp: cannot be written: "
                  u"Permission denied"},
    DialogMessage{Msg::MsgSavedGameNoTop50, wraps(347)},
    DialogMessage{Msg::MsgPlayerPictureMissing, wraps(270)},
    DialogMessage{Msg::MsgSaveOnlyAtBet, wraps(300)},
    DialogMessage{Msg::MsgSavedGameUnwritable, wraps(300),
                  u"/home/player/Saved games/A long evening with the family.sav: cannot be "
                  u"written: No space left on device"},
    DialogMessage{Msg::MsgSavedGameUnreadable, wraps(300),
                  u"/home/player/Saved games/A long evening with the family.sav: cannot be "
                  u"opened: Permission denied"},
    DialogMessage{Msg::MsgSavedGameDamaged, wraps(300), u"A long evening with the family.sav"},
    DialogMessage{Msg::MsgCategoryFull, oneLine(330)},
    DialogMessage{Msg::MsgEstimateAnswerInteger, oneLine(310)},
    DialogMessage{Msg::MsgQuestionIncomplete, wraps(213)},
    DialogMessage{Msg::MsgAskDeleteQuestion, oneLine(299)},
    DialogMessage{Msg::MsgCategoryTitleChars, wraps(203)},
    DialogMessage{Msg::MsgAskReplaceCategory, wraps(273)},
    DialogMessage{Msg::MsgSearchNoMatch, oneLine(377)},
    DialogMessage{Msg::MsgAskClearHighScores, oneLine(279)},
    DialogMessage{Msg::MsgTop50Outdated, wraps(290)},
    DialogMessage{Msg::MsgTop50NotDownloaded, wraps(269)},
    DialogMessage{Msg::MsgSelectOption, oneLine(323)},
    DialogMessage{Msg::MsgFillAllFields, oneLine(155)},
    DialogMessage{Msg::MsgNameOnlyOnce, oneLine(207)},
    DialogMessage{Msg::MsgEmailInvalid, wraps(325)},
    DialogMessage{Msg::MsgNoConnectionFound, wraps(353)},
    DialogMessage{Msg::MsgServerMalfunction, wraps(375)},
    DialogMessage{Msg::MsgTransferError, oneLine(351)},
    DialogMessage{Msg::MsgAskQuitTransfer, wraps(245)},
    DialogMessage{Msg::MsgAskCancelUpdate, oneLine(307)},
    // The editor's own messages.
    DialogMessage{Msg::MsgAskSaveChanges, wraps(300)},
    DialogMessage{Msg::MsgAnswerIsMarker, wraps(300)},
    DialogMessage{Msg::MsgQuestionDuplicate, wraps(300)},
    DialogMessage{Msg::MsgCategoryTitleUnusable, wraps(300)},
    DialogMessage{Msg::MsgCategoryWriteFailed, wraps(300),
                  u"/home/player/.local/share/Trivanto/program/A category with a long name.trv: "
                  u"cannot be written: No space left on device"},
    DialogMessage{
        Msg::MsgImportProblems, wraps(377),
        u"\nline 12: the same question as question 4\nline 30: no right answer is chosen"},
    DialogMessage{Msg::MsgExportFailed, wraps(300),
                  u"/home/player/Documents/A category with a long name.json: cannot be written: "
                  u"Permission denied"},
    DialogMessage{Msg::MsgSettingsUnwritable, wraps(363),
                  u"/home/player/.config/velmora.engineering/Trivanto.conf: No space left on "
                  u"device"},
    DialogMessage{Msg::MsgCategoriesNotListed, wraps(300), u"1000"},
};

}  // namespace

std::span<const DialogMessage> dialogMessages() {
    return kMessages;
}

MessageShape messageShape(Msg key) {
    for (const DialogMessage& message : kMessages) {
        if (message.key == key) {
            return message.shape;
        }
    }
    return {};
}

MessageRequest catalogueMessage(const MessageCatalogue& catalogue, Msg key, DialogMode mode,
                                const QString& appended) {
    const MessageShape shape = messageShape(key);
    return {mode, catalogue.text(key) + appended, shape.width, shape.wordWrap};
}

}  // namespace trivanto
