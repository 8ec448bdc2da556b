#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "core/common/file_path.h"
#include "core/lang/window_texts.h"
#include "core/questions/category_source.h"
#include "core/questions/question_file.h"
#include "support/fake_services.h"
#include "support/find_control.h"
#include "support/plain_questions.h"
#include "ui/common/window_text_applier.h"

namespace trivanto {

// The editor's dialogs on fakes over an empty program folder of their own (English texts),
// with the means to put categories into it and to find a dialog's controls by objectName.
class EditorDialogsFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }

    QString prog() const { return tmp.path(); }
    QString categoryPath(const QString& title) const {
        return filePath(prog(), title + QStringLiteral(".trv"));
    }

public:
    static PlainQuestion choice(const QString& question, std::array<QString, 4> answers,
                                int correct = 1) {
        PlainQuestion q;
        q.question = question;
        q.answers = std::move(answers);
        q.correct = QString::number(correct);
        return q;
    }
    static PlainQuestion estimation(const QString& question, const QString& value) {
        return estimationQuestion(question, value);
    }
    // "<title> 1" ... "<title> n", each with its own four answers.
    static std::vector<PlainQuestion> numbered(const QString& title, int count) {
        std::vector<PlainQuestion> questions;
        for (int i = 1; i <= count; ++i) {
            const QString q = QStringLiteral("%1 %2").arg(title).arg(i);
            questions.push_back(choice(q, {q + QStringLiteral(" A"), q + QStringLiteral(" B"),
                                           q + QStringLiteral(" C"), q + QStringLiteral(" D")}));
        }
        return questions;
    }

protected:
    void writeCategory(const QString& title, const std::vector<PlainQuestion>& questions) {
        const Status written = WriteQuestionFile(
            categoryPath(title),
            buildCategory(questions, title, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))));
        ASSERT_TRUE(written.ok()) << written.error().toStdString();
    }
    // A file named like a category that is no whole question file.
    void writeBroken(const QString& fileName, const QByteArray& bytes) {
        QFile file(filePath(prog(), fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray fileBytes(const QString& title) const {
        QFile file(categoryPath(title));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    template <typename T = QWidget>
    static T* control(QWidget* form, const char* name) {
        return findControl<T>(form, QLatin1String(name));
    }
    static void click(QWidget* form, const char* name) {
        auto* button = control<QAbstractButton>(form, name);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Applies a language's texts; every one of them must find its control.
    static void applyTexts(QWidget* form, const char* windowClass, Language language) {
        const QList<WindowText> texts = resolvedWindowTexts(QLatin1String(windowClass), language);
        EXPECT_EQ(applyWindowTexts(form, texts), texts.size()) << windowClass;
    }

    QTemporaryDir tmp;
    FakeServices fakes{tmp.path(), tmp.filePath(QStringLiteral("win"))};
    RecordingMessageDialog& dialog = fakes.dialog;
    RecordingHelpViewer& help = fakes.help;
    MessageCatalogue& catalogue = fakes.catalogue;
};

}  // namespace trivanto
