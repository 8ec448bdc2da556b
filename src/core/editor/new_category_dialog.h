#pragma once

#include <QString>

namespace trivanto {

class MessageCatalogue;
class MessageDialog;

// The new-category dialog's model: whether a title may become a category and whether an
// existing category of that title is to be replaced.
class NewCategoryDialog final {
public:
    NewCategoryDialog(MessageDialog& dialog, const MessageCatalogue& catalogue, QString progDir);

    // The dialog opens: empty name, nothing confirmed.
    void FormActivate();

    enum class Outcome {
        Confirmed,  // close; title() and filePath() tell the new category
        Refused,    // the title cannot be used (after the message); the dialog stays open
        Declined,   // the user keeps the existing category; select the whole name, stay open
    };
    // OK, or Enter in the name field (after which the window selects the whole name).
    Outcome confirm(const QString& name);
    // Cancel, the close button, Escape.
    void cancel();

    bool confirmed() const { return m_confirmed; }
    const QString& title() const { return m_title; }
    // The program folder and the title followed by ".trv".
    QString filePath() const;

private:
    MessageDialog& m_dialog;
    const MessageCatalogue& m_catalogue;
    QString m_progDir;
    QString m_title;
    bool m_confirmed = false;
};

}  // namespace trivanto
