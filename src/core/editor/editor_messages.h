#pragma once

#include <QString>

#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

// A message of the editor and its dialogs the way it is shown: catalogue key, notice or
// question, label width in pixels and word wrap.
struct EditorMessage {
    Msg key;
    DialogMode mode;
    int width;
    bool wordWrap;
};

namespace editor_messages {
inline constexpr EditorMessage kEstimateAnswerInteger{Msg::MsgEstimateAnswerInteger,
                                                      DialogMode::Notice, 310, false};
inline constexpr EditorMessage kQuestionIncomplete{Msg::MsgQuestionIncomplete, DialogMode::Notice,
                                                   213, true};
inline constexpr EditorMessage kAskDeleteQuestion{Msg::MsgAskDeleteQuestion, DialogMode::Question,
                                                  299, false};
inline constexpr EditorMessage kCategoryFull{Msg::MsgCategoryFull, DialogMode::Notice, 330, false};
inline constexpr EditorMessage kSearchNoMatch{Msg::MsgSearchNoMatch, DialogMode::Notice, 377,
                                              false};
inline constexpr EditorMessage kCategoryTitleChars{Msg::MsgCategoryTitleChars, DialogMode::Notice,
                                                   203, true};
inline constexpr EditorMessage kAskReplaceCategory{Msg::MsgAskReplaceCategory, DialogMode::Question,
                                                   273, true};
// Our own messages, in the width the program's own messages use.
inline constexpr int kOwnWidth = 300;
inline constexpr EditorMessage kAskSaveChanges{Msg::MsgAskSaveChanges, DialogMode::Question,
                                               kOwnWidth, true};
inline constexpr EditorMessage kAnswerIsMarker{Msg::MsgAnswerIsMarker, DialogMode::Notice,
                                               kOwnWidth, true};
inline constexpr EditorMessage kQuestionDuplicate{Msg::MsgQuestionDuplicate, DialogMode::Notice,
                                                  kOwnWidth, true};
inline constexpr EditorMessage kCategoryTitleUnusable{Msg::MsgCategoryTitleUnusable,
                                                      DialogMode::Notice, kOwnWidth, true};
inline constexpr EditorMessage kCategoryUnreadable{Msg::MsgCategoryUnreadable, DialogMode::Notice,
                                                   kOwnWidth, true};
inline constexpr EditorMessage kCategoryWriteFailed{Msg::MsgCategoryWriteFailed, DialogMode::Notice,
                                                    kOwnWidth, true};
// Lists the problems line by line, so it is wider.
inline constexpr EditorMessage kImportProblems{Msg::MsgImportProblems, DialogMode::Notice, 377,
                                               true};
inline constexpr EditorMessage kExportFailed{Msg::MsgExportFailed, DialogMode::Notice, kOwnWidth,
                                             true};
}  // namespace editor_messages

// Shows the catalogue text followed by `tail` (a name, a number, the reason of a failure);
// returns the answer (AnswerYes for a notice).
int showEditorMessage(MessageDialog& dialog, const MessageCatalogue& catalogue,
                      const EditorMessage& message, const QString& tail = {});

}  // namespace trivanto
