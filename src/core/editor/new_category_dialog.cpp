#include "core/editor/new_category_dialog.h"

#include <QFileInfo>

#include "core/common/file_path.h"
#include "core/editor/editor_messages.h"
#include "core/questions/category_title.h"

namespace trivanto {

NewCategoryDialog::NewCategoryDialog(MessageDialog& dialog, const MessageCatalogue& catalogue,
                                     QString progDir)
    : m_dialog(dialog), m_catalogue(catalogue), m_progDir(std::move(progDir)) {}

void NewCategoryDialog::FormActivate() {
    m_title.clear();
    m_confirmed = false;
}

NewCategoryDialog::Outcome NewCategoryDialog::confirm(const QString& name) {
    switch (checkCategoryTitle(name)) {
        case TitleVerdict::Valid:
            break;
        case TitleVerdict::Empty:
        case TitleVerdict::ForbiddenCharacter:
            showEditorMessage(m_dialog, m_catalogue, editor_messages::kCategoryTitleChars);
            return Outcome::Refused;
        case TitleVerdict::ControlCharacter:
        case TitleVerdict::NotCodePage:
        case TitleVerdict::TooLong:
        case TitleVerdict::Hidden:
            showEditorMessage(m_dialog, m_catalogue, editor_messages::kCategoryTitleUnusable);
            return Outcome::Refused;
    }
    // The existing file is not touched here: the first save of the new category replaces it,
    // and a category that never gets a question leaves it as it was.
    if (QFileInfo::exists(trivanto::filePath(m_progDir, categoryFileName(name))) &&
        showEditorMessage(m_dialog, m_catalogue, editor_messages::kAskReplaceCategory) !=
            AnswerYes) {
        return Outcome::Declined;
    }
    m_title = name;
    m_confirmed = true;
    return Outcome::Confirmed;
}

void NewCategoryDialog::cancel() {
    m_confirmed = false;
}

QString NewCategoryDialog::filePath() const {
    return trivanto::filePath(m_progDir, categoryFileName(m_title));
}

}  // namespace trivanto
