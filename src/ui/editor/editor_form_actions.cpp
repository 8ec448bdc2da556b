// The editor window's handlers and the rendering of the model's view.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include "core/app/file_dialogs.h"
#include "core/app/help_viewer.h"
#include "core/app/message_dialog.h"
#include "core/editor/editor_messages.h"
#include "core/editor/new_category_dialog.h"
#include "core/editor/question_editor.h"
#include "core/lang/message_catalogue.h"
#include "ui/editor/editor_form.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_edit.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

constexpr int kPositionRole = Qt::UserRole;

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
    // Only a real change replaces the text, so the cursor stays where the author types.
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void setRightAnswer(TFlatRadioButton* button, bool ticked) {
    // Exclusive radio buttons cannot all be unticked while they are exclusive.
    button->setAutoExclusive(false);
    button->setChecked(ticked);
    button->setAutoExclusive(true);
}

}  // namespace

void TEditorForm::applyOwnTexts() {
    const MessageCatalogue& catalogue = m_services.catalogue;
    m_import->setText(catalogue.text(Msg::MsgEditorImportCaption));
    m_import->setToolTip(catalogue.text(Msg::MsgEditorImportHint));
    m_export->setText(catalogue.text(Msg::MsgEditorExportCaption));
    m_export->setToolTip(catalogue.text(Msg::MsgEditorExportHint));
    m_checksLabel->setText(catalogue.text(Msg::MsgEditorChecksHeading));
    // The list's lines are in the old language (or none at all): all of them are made anew.
    m_shownChecks.clear();
    m_checks->clear();
    render();
}

void TEditorForm::open() {
    FormActivate();
    showModal();
}

void TEditorForm::FormActivate() {
    m_editor.FormActivate();
    if (m_editor.CurrentSlot() != 0) {
        focusQuestion();
    } else {
        m_newFile->setFocus(Qt::OtherFocusReason);
    }
}

bool TEditorForm::Schliessen() {
    if (!m_editor.requestClose()) {
        return false;
    }
    hide();
    // Ready for the next time: no category, the caption of a closed editor.
    m_editor.reset();
    return true;
}

void TEditorForm::focusQuestion() {
    if (m_question->isVisible()) {
        m_question->setFocus(Qt::OtherFocusReason);
    }
}

void TEditorForm::render() {
    const EditorView& v = m_editor.view();
    m_caption->setText(v.caption);
    m_record->setText(v.recordText);
    m_changed->setText(v.changedText);
    m_size->setText(v.sizeText);

    m_newQuestion->setEnabled(v.newQuestionEnabled);
    m_next->setEnabled(v.nextEnabled);
    m_back->setEnabled(v.backEnabled);
    m_delete->setEnabled(v.deleteEnabled);
    for (QWidget* control : {static_cast<QWidget*>(m_save), static_cast<QWidget*>(m_undo),
                             static_cast<QWidget*>(m_search)}) {
        control->setEnabled(v.categoryOpen);
    }
    m_export->setEnabled(v.categoryOpen && m_editor.QuestionCount() > 0);

    const EditorFields& f = v.fields;
    setTextKeepingCursor(m_question, f.question);
    for (int i = 0; i < 4; ++i) {
        setTextKeepingCursor(m_answers[size_t(i)], f.answers[size_t(i)]);
        setRightAnswer(m_right[size_t(i)], f.correct == i + 1);
    }
    m_estimation->setChecked(f.estimation);
    m_answerLabels[0]->setText(v.answer1Label);

    // Without a category only the toolbar is there; an estimation question has one answer.
    m_questionLabel->setVisible(v.categoryOpen);
    m_question->setVisible(v.categoryOpen);
    m_answerLabels[0]->setVisible(v.categoryOpen);
    m_answers[0]->setVisible(v.categoryOpen);
    for (int i = 0; i < 4; ++i) {
        const bool choice = v.categoryOpen && v.choiceControlsVisible;
        m_right[size_t(i)]->setVisible(choice);
        if (i > 0) {
            m_answerLabels[size_t(i)]->setVisible(choice);
            m_answers[size_t(i)]->setVisible(choice);
        }
    }
    for (QWidget* control :
         {static_cast<QWidget*>(m_estimation), static_cast<QWidget*>(m_record),
          static_cast<QWidget*>(m_changed), static_cast<QWidget*>(m_size),
          static_cast<QWidget*>(m_checksLabel), static_cast<QWidget*>(m_checks)}) {
        control->setVisible(v.categoryOpen);
    }
    renderChecks();
}

void TEditorForm::renderChecks() {
    const QStringList lines = m_editor.findingLines();
    if (lines == m_shownChecks && m_checks->count() > 0) {
        return;  // keeps the list where the author scrolled it
    }
    m_shownChecks = lines;
    m_checks->clear();
    if (lines.isEmpty()) {
        auto* item =
            new QListWidgetItem(m_services.catalogue.text(Msg::MsgEditorChecksClean), m_checks);
        item->setForeground(Theme::kRight);
        item->setFlags(Qt::ItemIsEnabled);
        return;
    }
    const CategoryFindings& findings = m_editor.findings();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const CategoryFinding& finding = findings[size_t(i)];
        auto* item = new QListWidgetItem(lines[i], m_checks);
        item->setForeground(finding.advice() ? Theme::kTextMuted : Theme::kGoldLight);
        item->setData(kPositionRole, finding.inHeader ? 0 : finding.position);
    }
}

void TEditorForm::PruefungenListeDoubleClick(QListWidgetItem* item) {
    // A finding of a stored question leads to it.
    const int position = item->data(kPositionRole).toInt();
    if (position >= 1 && position <= m_editor.QuestionCount() &&
        position != m_editor.CurrentSlot() && m_editor.showSlot(position)) {
        focusQuestion();
    }
}

void TEditorForm::NeueDateiButtonClick() {
    if (!m_hooks.askNewCategory) {
        return;
    }
    const std::optional<QString> title = m_hooks.askNewCategory();
    if (title && m_editor.newCategory(*title)) {
        focusQuestion();
    }
}

void TEditorForm::OeffnenButtonClick() {
    if (!m_hooks.askOpenCategory) {
        return;
    }
    const std::optional<QString> fileName = m_hooks.askOpenCategory();
    if (fileName && m_editor.openCategory(*fileName)) {
        focusQuestion();
    }
}

void TEditorForm::ImportierenButtonClick() {
    const MessageCatalogue& catalogue = m_services.catalogue;
    const QString source = m_services.files.openFile({catalogue.text(Msg::MsgEditorImportTitle),
                                                      m_sourceFolder,
                                                      catalogue.text(Msg::MsgSourceFileFilter),
                                                      {}});
    if (source.isEmpty()) {
        return;
    }
    m_sourceFolder = QFileInfo(source).absolutePath();
    // The source's name becomes the category's title, under the rules of a new category.
    NewCategoryDialog dialog(m_services.dialog, catalogue, m_services.paths.progDir);
    dialog.FormActivate();
    if (dialog.confirm(QFileInfo(source).completeBaseName()) ==
            NewCategoryDialog::Outcome::Confirmed &&
        m_editor.importSource(source, dialog.title())) {
        focusQuestion();
    }
}

void TEditorForm::ExportierenButtonClick() {
    const MessageCatalogue& catalogue = m_services.catalogue;
    const QString target = m_services.files.saveFile(
        {catalogue.text(Msg::MsgEditorExportTitle),
         QDir(m_sourceFolder).filePath(m_editor.title() + QStringLiteral(".json")),
         catalogue.text(Msg::MsgSourceFileFilter), QStringLiteral("json")});
    if (target.isEmpty()) {
        return;
    }
    m_sourceFolder = QFileInfo(target).absolutePath();
    static_cast<void>(m_editor.exportSource(target));
}

void TEditorForm::SuchenButtonClick() {
    if (m_editor.CurrentSlot() == 0) {
        return;
    }
    if (m_hooks.showSearch) {
        m_hooks.showSearch();
    }
}

void TEditorForm::HilfeButtonClick() {
    m_services.help.HelpJump(helpTopic());
}

bool TEditorForm::moveFocusOnEnter() {
    QWidget* focus = focusWidget();
    std::optional<EditorFocus> from;
    if (focus == m_question) {
        from = EditorFocus::Question;
    }
    for (int i = 0; i < 4; ++i) {
        if (focus == m_answers[size_t(i)]) {
            from = static_cast<EditorFocus>(static_cast<int>(EditorFocus::Answer1) + i);
        }
    }
    if (!from) {
        return false;
    }
    const EditorFocus to = nextFocusOnEnter(*from, m_editor.view().fields.estimation);
    QWidget* target = m_save;
    switch (to) {
        case EditorFocus::Question:
            target = m_question;
            break;
        case EditorFocus::Answer1:
        case EditorFocus::Answer2:
        case EditorFocus::Answer3:
        case EditorFocus::Answer4:
            target = m_answers[size_t(int(to) - int(EditorFocus::Answer1))];
            break;
        case EditorFocus::FirstRadio:
            target = m_right[0];
            break;
        case EditorFocus::SaveButton:
            break;
    }
    target->setFocus(Qt::TabFocusReason);
    return true;
}

void TEditorForm::formKeyPress(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        moveFocusOnEnter()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Schliessen();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        event->accept();
        HilfeButtonClick();
        return;
    }
    TShapedForm::formKeyPress(event);
}

void TEditorForm::closeEvent(QCloseEvent* event) {
    // The window manager's close asks about unsaved typing like "Exit".
    event->ignore();
    if (isVisible()) {
        Schliessen();
    }
}

}  // namespace trivanto
