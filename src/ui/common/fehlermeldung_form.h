#pragma once

#include "core/app/dialog_layout.h"
#include "core/app/message_dialog.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class TFlatButton;
class TPictureButton;

// The program's message dialog: a notice with OK, or a question with Yes, No and Cancel. Its
// width follows the text width the caller chooses; a text longer than two lines grows the
// window downwards. Escape and the close button end a question with Cancel.
class TFehlermeldungForm final : public TShapedForm, public MessageDialog {
    Q_OBJECT
public:
    explicit TFehlermeldungForm(QWidget* parent = nullptr);

    // The caller's parameters, kept from one showing to the next.
    void setDialogMode(DialogMode mode) { m_mode = mode; }
    DialogMode dialogMode() const { return m_mode; }
    void setMessage(const QString& text, int width, bool wordWrap);
    int DialogAnswer = AnswerCancel;

    // Sets the parameters, lays the dialog out and shows it without waiting (the modal show()
    // is this plus a wait until it closes).
    void present(const MessageRequest& request);
    // MessageDialog: shows modally and returns the answer (AnswerYes for a notice).
    int show(const MessageRequest& request) override;

    // The layout of the current parameters; applied each time the dialog is shown.
    void FormActivate();
    const DialogLayout& layout() const { return m_layout; }

protected:
    void formKeyPress(QKeyEvent* event) override;

private:
    void answer(int value);
    int textHeight() const;

    QLabel* m_title = nullptr;
    TPictureButton* m_close = nullptr;
    QLabel* m_text = nullptr;
    QWidget* m_noticePanel = nullptr;
    QWidget* m_questionPanel = nullptr;
    DialogMode m_mode = DialogMode::Notice;
    bool m_wordWrap = false;
    DialogLayout m_layout;
};

}  // namespace trivanto
