#pragma once

#include <QString>
#include <array>
#include <functional>

#include "core/game/game_types.h"

namespace trivanto {

class MessageCatalogue;
class MessageDialog;
class SettingsStore;

inline constexpr int kNameLength = 15;

// One player's row of the new-game window as the window renders it.
struct PlayerRow {
    QString name;
    int pictureNumber = 0;
    bool enabled = true;  // name field and arrows usable
    bool previousEnabled = false;
    bool nextEnabled = true;
    bool pictureButtonActive = true;
    QString pictureButtonCaption;  // MsgOwnPicture or MsgStandardPicture
    SeatPicture shown;
};

// The player half of the new-game window: names, pictures, player count and random order,
// remembered in the settings group "Players".
class PlayerSetup final {
public:
    PlayerSetup(SettingsStore& settings, MessageDialog& dialog, const MessageCatalogue& catalogue);

    // Reads the player count (writing 1 when absent), picture numbers and names.
    void load();
    // Each opening: own pictures checked and the layout refreshed.
    void activate();

    int PlayerCount() const { return m_playerCount; }
    void setPlayerCount(int count);  // FlatRadioButton1Click .. 4
    bool RandomOrder() const { return m_randomOrder; }
    void setRandomOrder(bool on);  // zufallscheckClick
    bool randomBoxVisible() const { return m_playerCount > 1; }

    const PlayerRow& player(int n) const { return m_rows[static_cast<std::size_t>(n - 1)]; }
    void setName(int n, const QString& name);  // cut to 15 characters
    void previousPicture(int n);
    void nextPicture(int n);
    // The picture button: removes the own picture, or asks `chooseFile` for one (an empty
    // answer means the dialog was cancelled and nothing changes).
    void switchOwnPicture(int n, const std::function<QString()>& chooseFile);

    // Names of the playing players: none empty or one blank, no two equal. Shows the message.
    bool checkNames();
    // Names, picture numbers and the player count into the settings; the caller saves them.
    void storePlayers();
    // The data a new game takes from this window.
    NewGameData gameData(int questionsPerPlayer) const;

    static QString ownPicKey(int n);

private:
    void layout();
    void showPicture(int n, bool ownRequested);
    void updateArrows(int n);
    PlayerRow& row(int n) { return m_rows[static_cast<std::size_t>(n - 1)]; }

    SettingsStore& m_settings;
    MessageDialog& m_dialog;
    const MessageCatalogue& m_catalogue;
    std::array<PlayerRow, kMaxPlayers> m_rows;
    int m_playerCount = 1;
    bool m_randomOrder = false;
};

}  // namespace trivanto
