#pragma once

#include <QString>

#include "core/app/services.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class TFlatButton;
class TPictureButton;

// What the question editor's small dialogs share: a movable, application-modal window on the
// game's picture with a heading and a close button on its title band and a row of text buttons
// along the bottom edge, and the same keys. Enter presses the focused text button, anywhere
// else it is the dialog's own Enter; Escape, the close button and the window manager's close
// are Cancel; F1 opens the dialog's help topic.
class TEditorDialog : public TShapedForm {
    Q_OBJECT

public:
    ~TEditorDialog() override;

    // FormActivate, then the dialog shown in the middle of the screen with the focus on its
    // first control, without waiting (the editor's calls are this plus the modal wait).
    void present();
    virtual void FormActivate() = 0;

protected:
    static constexpr int kMargin = 18;
    static constexpr int kButtonWidth = 110;
    static constexpr int kButtonHeight = 26;
    static constexpr int kButtonGap = 8;
    // The top of the first row below the title band.
    static constexpr int kContentTop = 44;

    TEditorDialog(const Services& services, const QString& objectName, QSize size,
                  QString helpTopic, QWidget* parent);

    const Services& services() const { return m_services; }
    void setFirstControl(QWidget* control) { m_first = control; }

    QLabel* makeHeading(const QString& name);
    // The close button at the right end of the title band (it cancels), the help button left
    // of it (it opens the help topic).
    TPictureButton* makeCloseButton(const QString& name);
    TPictureButton* makeHelpButton(const QString& name);
    // A text button of the bottom row; `fromRight` 0 is the rightmost.
    TFlatButton* makeButton(const QString& name, int fromRight);
    // A plain caption beside a control.
    QLabel* makeCaption(const QString& name, QRect geometry);

    // Enter outside the text buttons.
    virtual void enterPressed() = 0;
    // Cancel, the close button, Escape, the window manager's close.
    virtual void AbbrechenButtonClick() = 0;

    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Services m_services;
    QString m_helpTopic;
    QWidget* m_first = nullptr;
};

}  // namespace trivanto
