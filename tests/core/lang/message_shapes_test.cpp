#include "core/lang/message_shapes.h"

#include <gtest/gtest.h>

#include <QSet>

#include "core/editor/editor_messages.h"

namespace trivanto {
namespace {

bool inTable(Msg key) {
    for (const DialogMessage& message : dialogMessages()) {
        if (message.key == key) {
            return true;
        }
    }
    return false;
}

// The table is what the test of whole texts renders: a key missing there, or a caller with a
// shape of its own, would escape that test.
TEST(MessageShapes, EveryKeyOnceAndTheEditorInItsTablesShape) {
    QSet<int> seen;
    for (const DialogMessage& message : dialogMessages()) {
        EXPECT_FALSE(seen.contains(static_cast<int>(message.key))) << msgKeyName(message.key);
        seen.insert(static_cast<int>(message.key));
        EXPECT_GT(message.shape.width, 0) << msgKeyName(message.key);
    }
    namespace m = editor_messages;
    for (const EditorMessage& message :
         {m::kEstimateAnswerInteger, m::kQuestionIncomplete, m::kAskDeleteQuestion,
          m::kCategoryFull, m::kSearchNoMatch, m::kCategoryTitleChars, m::kAskReplaceCategory,
          m::kAskSaveChanges, m::kAnswerIsMarker, m::kQuestionDuplicate, m::kCategoryTitleUnusable,
          m::kCategoryUnreadable, m::kCategoryWriteFailed, m::kImportProblems, m::kExportFailed}) {
        SCOPED_TRACE(msgKeyName(message.key));
        EXPECT_TRUE(inTable(message.key));
        EXPECT_EQ(message.width, messageShape(message.key).width);
        EXPECT_EQ(message.wordWrap, messageShape(message.key).wordWrap);
    }
}

TEST(MessageShapes, TheRequestCarriesTextAppendixAndShape) {
    MessageCatalogue catalogue;
    catalogue.apply(Language::Deutsch);
    const MessageRequest request =
        catalogueMessage(catalogue, Msg::MsgAskSaveGame, DialogMode::Question, QStringLiteral("!"));
    EXPECT_EQ(request.mode, DialogMode::Question);
    EXPECT_EQ(request.text, catalogue.text(Msg::MsgAskSaveGame) + QStringLiteral("!"));
    EXPECT_EQ(request.width, 237);
    EXPECT_FALSE(request.wordWrap);
}

}  // namespace
}  // namespace trivanto
