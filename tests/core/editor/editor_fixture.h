#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core/editor/editor_messages.h"
#include "core/editor/question_editor.h"
#include "core/lang/message_catalogue.h"
#include "core/questions/category_source.h"
#include "core/questions/question_file.h"
#include "support/manual_clock.h"
#include "support/plain_questions.h"
#include "support/recording_message_dialog.h"

namespace trivanto::editortest {

inline PlainQuestion mc(const QString& question, int correct = 1) {
    PlainQuestion q;
    q.question = question;
    q.answers = {question + QStringLiteral(" A"), question + QStringLiteral(" B"),
                 question + QStringLiteral(" C"), question + QStringLiteral(" D")};
    q.correct = QString::number(correct);
    return q;
}

inline PlainQuestion estimation(const QString& question, const QString& value) {
    return estimationQuestion(question, value);
}

// "Q1" ... "Qn", multiple choice with the right answer going round 1 to 4.
inline std::vector<PlainQuestion> numbered(int count) {
    std::vector<PlainQuestion> questions;
    for (int i = 1; i <= count; ++i) {
        questions.push_back(mc(QStringLiteral("Q%1").arg(i), (i - 1) % 4 + 1));
    }
    return questions;
}

// The editor on a temporary program folder, English texts, a clock that stands still.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() {
        catalogue.apply(Language::Englisch);
        editor =
            std::make_unique<QuestionEditor>(EditorServices{dialog, catalogue, clock, dir.path()});
    }

    QString path(const QString& title) const {
        return QDir(dir.path()).filePath(title + QStringLiteral(".trv"));
    }
    void writeCategory(const QString& title, const std::vector<PlainQuestion>& questions) {
        const Status written =
            WriteQuestionFile(path(title), buildCategory(questions, title, clock.now()));
        ASSERT_TRUE(written.ok()) << written.error().toStdString();
    }
    QByteArray fileBytes(const QString& title) const {
        QFile file(path(title));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TQuestionFile readBack(const QString& title) const {
        const Result<TQuestionFile> read = ReadQuestionFile(path(title));
        EXPECT_TRUE(read.ok()) << read.error().toStdString();
        return read.ok() ? *read : TQuestionFile{};
    }
    std::vector<PlainQuestion> storedQuestions(const QString& title) const {
        return categoryQuestions(readBack(title));
    }
    void open(const QString& title) {
        ASSERT_TRUE(editor->openCategory(title + QStringLiteral(".trv")));
        dialog.clear();
    }
    // Types a whole multiple-choice question into the shown slot.
    void type(const PlainQuestion& q) {
        editor->setEstimation(q.kind == QuestionKind::Estimation);
        editor->setQuestion(q.question);
        if (q.kind == QuestionKind::Estimation) {
            editor->setAnswer(1, q.answers[0]);
            return;
        }
        for (int i = 1; i <= 4; ++i) {
            editor->setAnswer(i, q.answers[size_t(i - 1)]);
        }
        editor->setCorrect(q.correct.toInt());
    }

    // The catalogue text shown, the way it was shown, and what followed the text.
    void expectShown(const MessageRequest& request, const EditorMessage& message,
                     const QString& tail = {}) const {
        EXPECT_EQ(request.text, catalogue.text(message.key) + tail) << msgKeyName(message.key);
        EXPECT_EQ(request.mode, message.mode) << msgKeyName(message.key);
        EXPECT_EQ(request.width, message.width) << msgKeyName(message.key);
        EXPECT_EQ(request.wordWrap, message.wordWrap) << msgKeyName(message.key);
    }
    void expectOnlyShown(const EditorMessage& message) {
        ASSERT_EQ(dialog.requests().size(), 1u) << "wanted " << msgKeyName(message.key);
        expectShown(dialog.last(), message);
    }

    QTemporaryDir dir;
    RecordingMessageDialog dialog;
    MessageCatalogue catalogue;
    ManualClock clock;
    std::unique_ptr<QuestionEditor> editor;
};

}  // namespace trivanto::editortest
