#include "ui/online/ras_form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <array>

#include "core/net/connection_manager.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/t_eliding_combo_box.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_edit.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr int kLeft = 18;
constexpr int kWidth = TRASForm::kSize.width() - 2 * kLeft;
constexpr int kFieldLeft = 118;
constexpr int kFieldWidth = kLeft + kWidth - kFieldLeft;
constexpr int kRowHeight = 24;
constexpr int kButtonTop = 330;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 7;
constexpr int kButtonWidth = (kWidth - 2 * kButtonGap) / 3;
// Frame and padding of a button beside its caption, with a little air.
constexpr int kButtonChrome = 18;
constexpr int kSmallestButtonFontPx = 9;

QLabel* makeLabel(QWidget* parent, const char* name, const QFont& font, QRect geometry) {
    QLabel* label = makePictureLabel(parent, QLatin1String(name), font);
    label->setGeometry(geometry);
    return label;
}

TFlatButton* makeButton(QWidget* parent, const char* name, int slot) {
    auto* button = new TFlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(kLeft + slot * (kButtonWidth + kButtonGap), kButtonTop, kButtonWidth,
                        kButtonHeight);
    return button;
}

int captionWidth(const QFont& font, const QAbstractButton* button) {
    return QFontMetrics(font).horizontalAdvance(button->text()) + kButtonChrome;
}

}  // namespace

TRASForm::TRASForm(ConnectionManager& manager, QWidget* parent)
    : TShapedForm(parent), m_manager(manager) {
    setObjectName(QStringLiteral("RASForm"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(kSize);
    setMovable(true);
    setTakesKeysFirst(true);
    // Modal whenever it shows: the windows behind wait for the connection.
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TRASForm"), Language::Deutsch));

    connect(&m_manager, &ConnectionManager::changed, this, &TRASForm::render);
    connect(&m_manager, &ConnectionManager::windowOpened, this, &TRASForm::open);
    connect(&m_manager, &ConnectionManager::windowClosed, this, &QWidget::hide);
    render();
}

TRASForm::~TRASForm() = default;

void TRASForm::buildControls() {
    makeLabel(this, "Label4", Theme::titleFont(), {16, 4, 220, 22});
    m_close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                 {kSize.width() - 18 - 10, 5});
    connect(m_close, &QAbstractButton::clicked, this, &TRASForm::Button3Click);

    QLabel* hint = makeLabel(this, "Label3", Theme::bodyFont(), {kLeft, 40, kWidth, 76});
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    makeLabel(this, "Label2", Theme::bodyFont(), {kLeft, 124, kWidth, 18});
    m_entries = new TElidingComboBox(this);
    m_entries->setObjectName(QStringLiteral("lstentries"));
    m_entries->setGeometry(kLeft, 144, kWidth, kRowHeight);
    connect(m_entries, &QComboBox::activated, this, &TRASForm::lstentriesChange);

    makeLabel(this, "lblUserName", Theme::bodyFont(), {kLeft, 180, kFieldLeft - kLeft, 18});
    m_userName = new TFlatEdit(this);
    m_userName->setObjectName(QStringLiteral("txtUserName"));
    m_userName->setGeometry(kFieldLeft, 177, kFieldWidth, kRowHeight);
    connect(m_userName, &QLineEdit::textEdited, &m_manager, &ConnectionManager::setUserName);

    makeLabel(this, "lblPassword", Theme::bodyFont(), {kLeft, 210, kFieldLeft - kLeft, 18});
    m_password = new TFlatEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setGeometry(kFieldLeft, 207, kFieldWidth, kRowHeight);
    m_password->setEchoMode(QLineEdit::Password);
    connect(m_password, &QLineEdit::textEdited, &m_manager, &ConnectionManager::setPassword);

    m_status = new QPlainTextEdit(this);
    m_status->setObjectName(QStringLiteral("lblstatus"));
    m_status->setGeometry(kLeft, 242, kWidth, 78);
    m_status->setReadOnly(true);
    m_status->setFocusPolicy(Qt::NoFocus);
    m_status->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_status->setFont(Theme::captionFont());

    // The listed connections: kept for the hang-up, never shown.
    m_connections = new QTreeWidget(this);
    m_connections->setObjectName(QStringLiteral("lvConnections"));
    m_connections->setColumnCount(4);
    m_connections->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Device type"),
                                    QStringLiteral("Device name"), QStringLiteral("Status")});
    m_connections->hide();

    m_connect = makeButton(this, "btndialentry", 0);
    m_manually = makeButton(this, "FlatButton2", 1);
    m_cancel = makeButton(this, "FlatButton1", 2);
    connect(m_connect, &QAbstractButton::clicked, this, &TRASForm::btnDialEntryClick);
    connect(m_manually, &QAbstractButton::clicked, this, &TRASForm::FlatButton2Click);
    connect(m_cancel, &QAbstractButton::clicked, this, &TRASForm::FlatButton1Click);

    setTabOrder(m_entries, m_userName);
    setTabOrder(m_userName, m_password);
    setTabOrder(m_password, m_connect);
    setTabOrder(m_connect, m_manually);
    setTabOrder(m_manually, m_cancel);
}

void TRASForm::placeButtons() {
    const std::array<TFlatButton*, 3> row{m_connect, m_manually, m_cancel};
    // Equal buttons while every caption fits one third of the row; otherwise each gets its
    // caption's width and an equal share of what is left, in a smaller font if need be.
    QFont font = Theme::bodyFont();
    font.setBold(true);
    const auto widths = [&row](const QFont& f) {
        std::array<int, 3> needed{};
        for (std::size_t i = 0; i < row.size(); ++i) {
            needed[i] = captionWidth(f, row[i]);
        }
        return needed;
    };
    const auto total = [](const std::array<int, 3>& needed) {
        return needed[0] + needed[1] + needed[2];
    };
    const int room = kWidth - 2 * kButtonGap;
    std::array<int, 3> needed = widths(font);
    while (total(needed) > room && font.pixelSize() > kSmallestButtonFontPx) {
        font.setPixelSize(font.pixelSize() - 1);
        needed = widths(font);
    }
    if (*std::max_element(needed.begin(), needed.end()) <= kButtonWidth) {
        needed.fill(kButtonWidth);
    } else {
        const int spare = std::max(0, room - total(needed));
        for (int& width : needed) {
            width += spare / 3;
        }
    }
    int x = kLeft;
    for (std::size_t i = 0; i < row.size(); ++i) {
        // The last button ends where the row ends, whatever the rounding left over.
        const int width = i + 1 == row.size() ? kLeft + kWidth - x : needed[i];
        row[i]->setFont(font);
        row[i]->setGeometry(x, kButtonTop, width, kButtonHeight);
        x += width + kButtonGap;
    }
}

void TRASForm::open() {
    placeButtons();  // the captions are in the program's language by now
    render();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    m_connect->setFocus(Qt::OtherFocusReason);
}

void TRASForm::render() {
    const DialUpView& view = m_manager.view();
    renderEntries();
    // Only what the user has not just typed: the cursor stays where it is.
    if (m_userName->text() != view.userName) {
        m_userName->setText(view.userName);
    }
    if (m_password->text() != view.password) {
        m_password->setText(view.password);
    }
    renderStatus();
    renderConnections();
    m_connect->setEnabled(view.connectEnabled && !view.busy && view.selectedEntry >= 0);
    m_cancel->setEnabled(view.cancelEnabled);
    if (view.busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void TRASForm::renderEntries() {
    const DialUpView& view = m_manager.view();
    QStringList shown;
    for (int i = 0; i < m_entries->count(); ++i) {
        shown << m_entries->itemText(i);
    }
    const QSignalBlocker quiet(m_entries);
    if (shown != view.entries) {
        m_entries->clear();
        m_entries->addItems(view.entries);
    }
    m_entries->setCurrentIndex(view.selectedEntry);
    m_entries->setEnabled(!view.entries.isEmpty());
}

void TRASForm::renderStatus() {
    const DialUpView& view = m_manager.view();
    const QString text = view.statusLines.join(QLatin1Char('\n'));
    const QColor colour = view.statusIsError ? Theme::kWrong : Theme::kText;
    setTextColour(m_status, colour);
    if (m_status->toPlainText() != text) {
        m_status->setPlainText(text);
        m_status->verticalScrollBar()->setValue(m_status->verticalScrollBar()->maximum());
    }
}

void TRASForm::renderConnections() {
    const DialUpView& view = m_manager.view();
    m_connections->clear();
    for (const ConnectionRow& row : view.connections) {
        m_connections->addTopLevelItem(
            new QTreeWidgetItem(QStringList{row.name, row.deviceType, row.deviceName, row.status}));
    }
    if (view.selectedConnection >= 0 && view.selectedConnection < view.connections.size()) {
        m_connections->setCurrentItem(m_connections->topLevelItem(view.selectedConnection));
    }
}

void TRASForm::lstentriesChange(int index) {
    m_manager.selectEntry(index);
}

void TRASForm::btnDialEntryClick() {
    m_manager.dialSelectedEntry();
}

void TRASForm::FlatButton1Click() {
    m_manager.closeWindow();
}

void TRASForm::FlatButton2Click() {
    m_manager.confirmManually();
}

void TRASForm::Button3Click() {
    m_manager.closeWindow();
}

void TRASForm::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        Button3Click();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        auto* button = qobject_cast<QAbstractButton*>(focusWidget());
        if (button == nullptr || button == m_close) {
            button = m_connect;
        }
        if (button->isEnabled() && !event->isAutoRepeat()) {
            button->click();
        }
        return;
    }
    TShapedForm::formKeyPress(event);
}

void TRASForm::closeEvent(QCloseEvent* event) {
    // The window manager's close is the close icon; the manager hides the window.
    event->ignore();
    if (isVisible()) {
        Button3Click();
    }
}

}  // namespace trivanto
