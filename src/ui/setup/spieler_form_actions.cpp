// The new-game window's handlers and the rendering of the setup's state.
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "core/app/file_dialogs.h"
#include "core/app/help_viewer.h"
#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "ui/common/warten_form.h"
#include "ui/setup/spieler_form.h"
#include "ui/setup/warten_progress.h"
#include "ui/widgets/picture_on_show.h"
#include "ui/widgets/player_picture.h"
#include "ui/widgets/select_all_edit.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"

namespace trivanto {

void TSpielerForm::open() {
    FormActivate();
    // Until the players leave or OK begins the game start. A failed start shows the window
    // again, application-modal as before, from the setup's finished().
    showModal();
}

void TSpielerForm::FormActivate() {
    m_setup.activate();
    renderPlayers();
    rebuildCategoryList();
    rebuildGameLengths();
    // The keyboard starts at the top of the tab order: the player count.
    m_players[static_cast<std::size_t>(m_setup.players().PlayerCount() - 1)].count->setFocus(
        Qt::OtherFocusReason);
}

void TSpielerForm::renderPlayers() {
    const PlayerSetup& setup = m_setup.players();
    for (int n = 1; n <= kMaxPlayers; ++n) {
        PlayerControls& p = m_players[static_cast<std::size_t>(n - 1)];
        const PlayerRow& row = setup.player(n);
        p.count->setChecked(setup.PlayerCount() == n);
        if (p.name->text() != row.name) {
            p.name->setText(row.name);
        }
        p.name->setEnabled(row.enabled);
        setPictureWhenShown(p.image, [shown = row.shown] { return seatPixmap(shown); });
        p.previous->setEnabled(row.previousEnabled);
        p.next->setEnabled(row.nextEnabled);
        p.ownPicture->setEnabled(row.pictureButtonActive);
        p.ownPicture->setPlainText(row.pictureButtonCaption, Theme::captionFont());
    }
    m_random->setVisible(setup.randomBoxVisible());
    m_random->setChecked(setup.RandomOrder());
}

void TSpielerForm::rebuildCategoryList() {
    m_categories->clear();
    for (const CategoryRow& row : m_setup.categories().rows()) {
        auto* item = new QListWidgetItem(row.title, m_categories);
        // The whole line toggles on a click, so the box is drawn but not edited by the view.
        item->setFlags(Qt::ItemIsEnabled);
        item->setData(Qt::UserRole, row.path);
        item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    renderCategories();
}

void TSpielerForm::renderCategories() {
    const CategorySelection& selection = m_setup.categories();
    // A file that went bad leaves the list: rebuild it then.
    if (m_categories->count() != static_cast<int>(selection.rows().size())) {
        rebuildCategoryList();
        return;
    }
    for (int i = 0; i < m_categories->count(); ++i) {
        const bool ticked = selection.rows()[static_cast<std::size_t>(i)].ticked;
        m_categories->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_categoryCount->setText(QString::number(selection.tickedCount()));
    m_questionCount->setText(QString::number(selection.questionCount()));
}

void TSpielerForm::rebuildGameLengths() {
    m_length->clear();
    m_length->addItems(m_setup.gameLengthEntries());
    m_length->setCurrentIndex(m_setup.gameLengthIndex());
}

void TSpielerForm::FlatRadioButtonClick(int playerCount) {
    m_setup.setPlayerCount(playerCount);
    renderPlayers();
    renderCategories();
    rebuildGameLengths();
}

void TSpielerForm::RubrikwahlClick(QListWidgetItem* item) {
    // No changes while the pool is being built from the present choice.
    if (m_setup.building()) {
        return;
    }
    const int index = m_categories->row(item);
    const bool ticked = item->checkState() != Qt::Checked;
    m_setup.categories().setTicked(index, ticked, m_setup.players().PlayerCount());
    renderCategories();
}

QString TSpielerForm::chooseOwnPicture() {
    FileDialogRequest request;
    request.title = m_openPicDialog->property("title").toString();
    request.folder = m_services.paths.progDir;
    request.filter = QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg)");
    const QString file = m_services.files.openFile(request);
    if (file.isEmpty()) {
        return {};  // cancelled: the picture stays
    }
    if (loadOwnPicture(file).isNull()) {
        m_services.dialog.show(catalogueMessage(m_services.catalogue, Msg::MsgPictureUnreadable));
        return {};
    }
    return file;
}

void TSpielerForm::SpielerBildButtonClick(int n) {
    m_setup.players().switchOwnPicture(n, [this] { return chooseOwnPicture(); });
    renderPlayers();
}

void TSpielerForm::OKButtonClick() {
    if (!m_setup.startGame(m_length->currentText(), m_progress.get())) {
        // Refused: the window stays with its choice.
        renderPlayers();
        renderCategories();
    }
}

void TSpielerForm::startFinished(bool started) {
    if (started) {
        hide();
        return;
    }
    // The window is back with its choice; a dropped file has left the list.
    renderPlayers();
    renderCategories();
}

void TSpielerForm::AbbrechenButtonClick() {
    m_setup.cancel();
    hide();
}

void TSpielerForm::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        hide();  // the music goes on
        return;
    }
    if (event->key() == Qt::Key_F1) {
        event->accept();
        m_services.help.HelpJump(helpTopic());
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier || event->isAutoRepeat()) {
        TShapedForm::formKeyPress(event);
        return;
    }
    QWidget* focus = focusWidget();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        // A push button with the focus is pressed; anywhere else Enter means "OK".
        auto* button = qobject_cast<QAbstractButton*>(focus);
        if (button != nullptr && qobject_cast<QCheckBox*>(focus) == nullptr &&
            qobject_cast<QRadioButton*>(focus) == nullptr) {
            button->click();
        } else {
            OKButtonClick();
        }
        return;
    }
    if (event->key() == Qt::Key_Space && focus == m_categories) {
        event->accept();
        if (QListWidgetItem* item = m_categories->currentItem()) {
            RubrikwahlClick(item);
        }
        return;
    }
    TShapedForm::formKeyPress(event);
}

}  // namespace trivanto
