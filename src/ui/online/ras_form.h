#pragma once

#include "ui/widgets/t_shaped_form.h"

class QLabel;
class QPlainTextEdit;
class QTreeWidget;

namespace trivanto {

class ConnectionManager;
class TElidingComboBox;
class TFlatButton;
class TFlatEdit;
class TPictureButton;

// The dial-up window: the system's connections that can be dialled (NetworkManager's saved
// connections on Linux), the user name and password, the status lines of a dial, and Connect,
// Manually ... and Cancel. It opens and closes when the connection manager asks
// (windowOpened / windowClosed), application-modal and without an event loop of its own,
// renders the manager's DialUpView and forwards what the user does; the rules live in
// ConnectionManager.
// Keyboard: Enter connects (or presses the focused button), Escape closes like the close icon.
class TRASForm final : public TShapedForm {
    Q_OBJECT
public:
    static constexpr QSize kSize{292, 370};

    explicit TRASForm(ConnectionManager& manager, QWidget* parent = nullptr);
    ~TRASForm() override;

    void render();

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void open();
    void placeButtons();
    void renderEntries();
    void renderStatus();
    void renderConnections();

    void lstentriesChange(int index);
    void btnDialEntryClick();
    void FlatButton1Click();  // Cancel
    void FlatButton2Click();  // Manually ...
    void Button3Click();      // the close icon

    ConnectionManager& m_manager;
    TElidingComboBox* m_entries = nullptr;
    TFlatEdit* m_userName = nullptr;
    TFlatEdit* m_password = nullptr;
    QPlainTextEdit* m_status = nullptr;
    QTreeWidget* m_connections = nullptr;
    TFlatButton* m_connect = nullptr;
    TFlatButton* m_cancel = nullptr;
    TFlatButton* m_manually = nullptr;
    TPictureButton* m_close = nullptr;
};

}  // namespace trivanto
