#pragma once

#include <array>
#include <functional>
#include <memory>

#include "core/game/game_types.h"
#include "core/setup/new_game_setup.h"
#include "ui/widgets/t_shaped_form.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace trivanto {

class TFlatButton;
class TFlatCheckBox;
class TFlatRadioButton;
class TPictureButton;
class TSelectAllEdit;
class TWartenForm;
class WartenProgress;

// The new-game window: player count, names and pictures, random order, the category list,
// the game length and "OK". Shown modally from "New Game"; the rules live in NewGameSetup.
// Keyboard: Enter starts the game like "OK" (on a focused push button it presses that button),
// Space ticks the current category line, Escape closes, F1 opens the help.
class TSpielerForm final : public TShapedForm {
    Q_OBJECT

public:
    // `waiting` shows the game start's progress; `showInfo` opens the information window.
    TSpielerForm(const Services& services, NewGameSetup& setup, TWartenForm* waiting,
                 std::function<void()> showInfo, QWidget* parent = nullptr);
    ~TSpielerForm() override;

    NewGameSetup& setup() { return m_setup; }

    // FormActivate, then modal until the window closes (a game started or the players left).
    void open();
    // Each opening: the empty board, a fresh category list and the player layout.
    void FormActivate();

    static QString helpTopic() { return QStringLiteral("Neues_Spiel_starten"); }

protected:
    void formKeyPress(QKeyEvent* event) override;

private:
    void buildTitle();
    void buildPlayers();
    void buildCategories();
    void buildButtons();
    void buildTabOrder();

    void renderPlayers();
    void renderCategories();
    void rebuildCategoryList();
    void rebuildGameLengths();

    void FlatRadioButtonClick(int playerCount);
    void SpielerBildButtonClick(int n);
    QString chooseOwnPicture();
    void RubrikwahlClick(QListWidgetItem* item);
    void OKButtonClick();
    void startFinished(bool started);
    void AbbrechenButtonClick();

    Services m_services;
    NewGameSetup& m_setup;
    std::function<void()> m_showInfo;
    std::unique_ptr<WartenProgress> m_progress;
    QObject* m_openPicDialog = nullptr;  // carries the picture dialog's title

    struct PlayerControls {
        TFlatRadioButton* count = nullptr;
        QLabel* image = nullptr;
        TSelectAllEdit* name = nullptr;
        TPictureButton* previous = nullptr;
        TPictureButton* next = nullptr;
        TFlatButton* ownPicture = nullptr;
    };
    std::array<PlayerControls, kMaxPlayers> m_players;
    TFlatCheckBox* m_random = nullptr;
    QListWidget* m_categories = nullptr;
    QLabel* m_categoryCount = nullptr;
    QLabel* m_questionCount = nullptr;
    QComboBox* m_length = nullptr;
};

}  // namespace trivanto
