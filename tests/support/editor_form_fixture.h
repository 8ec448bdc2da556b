#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "core/editor/question_editor.h"
#include "core/questions/category_source.h"
#include "core/questions/question_file.h"
#include "support/fake_services.h"
#include "support/find_control.h"
#include "ui/common/window_text_applier.h"
#include "ui/editor/editor_form.h"

namespace trivanto {

// The editor window on fakes with an empty program folder, opened the way the main window's
// Editor button opens it (without the modal loop). The new-category and open dialogs answer
// from scripts; an empty script is a cancelled dialog.
class EditorFormFixture : public ::testing::Test {
protected:
    explicit EditorFormFixture(Language language = Language::Englisch)
        : fakes(tmp.filePath(QStringLiteral("prog")), tmp.filePath(QStringLiteral("win")),
                language) {}

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        QDir(tmp.path()).mkpath(QStringLiteral("prog"));
        editor = std::make_unique<QuestionEditor>(
            EditorServices{fakes.dialog, fakes.catalogue, fakes.clock, prog()});
        form = std::make_unique<TEditorForm>(fakes.services(), *editor);
        applyWindowTexts(form.get(), resolvedWindowTexts(QStringLiteral("TEditorForm"),
                                                         fakes.catalogue.language()));
        form->applyOwnTexts();
        EditorFormHooks hooks;
        hooks.askNewCategory = [this] { return next(newTitles); };
        hooks.askOpenCategory = [this] { return next(openNames); };
        hooks.showSearch = [this] { ++searchShown; };
        hooks.showInfo = [this] { ++infoShown; };
        form->setHooks(std::move(hooks));
        form->FormActivate();
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    QString prog() const { return tmp.filePath(QStringLiteral("prog")); }
    QString path(const QString& title) const {
        return QDir(prog()).filePath(title + QStringLiteral(".trv"));
    }
    QString outside(const QString& name) const { return tmp.filePath(name); }

    void writeCategory(const QString& title, const std::vector<PlainQuestion>& questions) {
        const Status written =
            WriteQuestionFile(path(title), buildCategory(questions, title, fakes.clock.now()));
        ASSERT_TRUE(written.ok()) << written.error().toStdString();
    }
    std::vector<PlainQuestion> stored(const QString& title) const {
        const Result<TQuestionFile> read = ReadQuestionFile(path(title));
        EXPECT_TRUE(read.ok());
        return read.ok() ? categoryQuestions(*read) : std::vector<PlainQuestion>{};
    }
    static QByteArray fileBytes(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    template <typename T = QWidget>
    T* control(const QString& name) {
        return findControl<T>(form.get(), name);
    }
    template <typename T = QWidget>
    T* control(const char* name) {
        return control<T>(QLatin1String(name));
    }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    QString field(const char* name) { return control<QLineEdit>(name)->text(); }
    bool shown(const char* name) { return control(name)->isVisible(); }
    bool enabled(const char* name) { return control(name)->isEnabled(); }

    // Check boxes and radio buttons take a click on their box.
    void click(const char* name) {
        QWidget* widget = control(name);
        const bool boxed = qobject_cast<QCheckBox*>(widget) != nullptr ||
                           qobject_cast<QRadioButton*>(widget) != nullptr;
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          boxed ? QPoint(6, widget->height() / 2) : widget->rect().center());
    }
    // Replaces the text of a field by typing, as an author would.
    void type(const char* name, const QString& text) {
        auto* edit = control<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    // Types a multiple-choice question with the Enter chain, then ticks its right answer.
    void typeQuestion(const QString& question, const QStringList& answers, int right) {
        type("FrageEdit", question);
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Return);
            QTest::keyClicks(QApplication::focusWidget(), answers[i]);
        }
        click(QStringLiteral("check%1").arg(right).toLatin1().constData());
    }
    void newCategory(const QString& title) {
        newTitles.push_back(title);
        click("NeueDateiButton");
    }
    void openCategory(const QString& title) {
        openNames.push_back(title + QStringLiteral(".trv"));
        click("OeffnenButton");
        fakes.dialog.clear();
    }

    static std::optional<QString> next(std::deque<QString>& script) {
        if (script.empty()) {
            return std::nullopt;
        }
        QString answer = script.front();
        script.pop_front();
        return answer;
    }

    QTemporaryDir tmp;
    FakeServices fakes;
    RecordingMessageDialog& dialog = fakes.dialog;
    ScriptedFileDialogs& files = fakes.files;
    const MessageCatalogue& catalogue = fakes.catalogue;
    std::unique_ptr<QuestionEditor> editor;
    std::unique_ptr<TEditorForm> form;
    std::deque<QString> newTitles;
    std::deque<QString> openNames;
    int searchShown = 0;
    int infoShown = 0;
};

}  // namespace trivanto
