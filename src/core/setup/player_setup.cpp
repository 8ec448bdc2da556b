#include "core/setup/player_setup.h"

#include <QFileInfo>
#include <algorithm>

#include "core/app/message_dialog.h"
#include "core/app/settings_store.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"

namespace trivanto {

namespace {
QString playerKey(int n, const char* suffix = "") {
    return QStringLiteral("Players/Player%1%2").arg(n).arg(QLatin1String(suffix));
}
}  // namespace

PlayerSetup::PlayerSetup(SettingsStore& settings, MessageDialog& dialog,
                         const MessageCatalogue& catalogue)
    : m_settings(settings), m_dialog(dialog), m_catalogue(catalogue) {}

QString PlayerSetup::ownPicKey(int n) {
    return playerKey(n, "_OwnPic");
}

void PlayerSetup::load() {
    const QString counter = QStringLiteral("Players/Counter");
    if (!m_settings.contains(counter)) {
        m_settings.setInt(counter, 1);
    }
    m_playerCount = std::clamp(m_settings.intValue(counter, 1), 1, kMaxPlayers);
    for (int n = 1; n <= kMaxPlayers; ++n) {
        row(n).pictureNumber =
            std::clamp(m_settings.intValue(playerKey(n, "_Pic"), 0), 0, kPictureCount - 1);
        row(n).name = m_settings.stringValue(playerKey(n), QStringLiteral("Player %1").arg(n))
                          .left(kNameLength);
    }
    layout();
}

void PlayerSetup::activate() {
    for (int n = 1; n <= kMaxPlayers; ++n) {
        showPicture(n, m_settings.contains(ownPicKey(n)));
    }
    layout();
}

void PlayerSetup::setPlayerCount(int count) {
    m_playerCount = std::clamp(count, 1, kMaxPlayers);
    layout();
}

void PlayerSetup::setRandomOrder(bool on) {
    m_randomOrder = on && m_playerCount > 1;
}

void PlayerSetup::setName(int n, const QString& name) {
    row(n).name = name.left(kNameLength);
}

void PlayerSetup::layout() {
    if (m_playerCount == 1) {
        m_randomOrder = false;
    }
    for (int n = 1; n <= kMaxPlayers; ++n) {
        PlayerRow& r = row(n);
        r.enabled = n <= m_playerCount;
        r.pictureButtonActive = r.enabled;
        if (r.enabled) {
            showPicture(n, m_settings.contains(ownPicKey(n)));
        } else {
            r.shown = SeatPicture::placeholder();
            updateArrows(n);
        }
    }
}

void PlayerSetup::updateArrows(int n) {
    PlayerRow& r = row(n);
    const bool ownShown = r.shown.kind == SeatPicture::Kind::OwnFile;
    r.previousEnabled = r.enabled && !ownShown && r.pictureNumber > 0;
    r.nextEnabled = r.enabled && !ownShown && r.pictureNumber < kPictureCount - 1;
}

void PlayerSetup::showPicture(int n, bool ownRequested) {
    PlayerRow& r = row(n);
    const QString path = m_settings.stringValue(ownPicKey(n));
    if (ownRequested && !path.isEmpty() && QFileInfo(path).isFile()) {
        r.shown = SeatPicture::ownFile(path, r.pictureNumber);
        r.pictureButtonCaption = m_catalogue.text(Msg::MsgStandardPicture);
    } else {
        r.pictureButtonCaption = m_catalogue.text(Msg::MsgOwnPicture);
        r.shown = SeatPicture::builtIn(r.pictureNumber);
        if (m_settings.contains(ownPicKey(n)) && !QFileInfo(path).isFile()) {
            m_settings.remove(ownPicKey(n));
        }
    }
    if (n > m_playerCount) {
        r.shown = SeatPicture::placeholder();
    }
    updateArrows(n);
}

void PlayerSetup::previousPicture(int n) {
    PlayerRow& r = row(n);
    if (!r.previousEnabled) {
        return;
    }
    r.pictureNumber = std::max(0, r.pictureNumber - 1);
    r.shown = SeatPicture::builtIn(r.pictureNumber);
    updateArrows(n);
}

void PlayerSetup::nextPicture(int n) {
    PlayerRow& r = row(n);
    if (!r.nextEnabled) {
        return;
    }
    r.pictureNumber = std::min(kPictureCount - 1, r.pictureNumber + 1);
    r.shown = SeatPicture::builtIn(r.pictureNumber);
    updateArrows(n);
}

void PlayerSetup::switchOwnPicture(int n, const std::function<QString()>& chooseFile) {
    if (!row(n).pictureButtonActive) {
        return;
    }
    if (m_settings.contains(ownPicKey(n))) {
        m_settings.remove(ownPicKey(n));
        showPicture(n, false);
        return;
    }
    const QString file = chooseFile ? chooseFile() : QString();
    if (file.isEmpty()) {
        return;  // cancelled: the player keeps the picture
    }
    m_settings.setString(ownPicKey(n), file);
    showPicture(n, true);
}

bool PlayerSetup::checkNames() {
    bool ok = true;
    for (int n = 1; n <= m_playerCount && ok; ++n) {
        const QString& name = row(n).name;
        if (name.isEmpty() || name == QStringLiteral(" ")) {
            ok = false;
        }
        for (int m = 1; m < n && ok; ++m) {
            if (row(m).name == name) {
                ok = false;
            }
        }
    }
    if (!ok) {
        m_dialog.show(catalogueMessage(m_catalogue, Msg::MsgPlayerNamesUnique));
    }
    return ok;
}

void PlayerSetup::storePlayers() {
    for (int n = 1; n <= kMaxPlayers; ++n) {
        m_settings.setString(playerKey(n), row(n).name);
        m_settings.setInt(playerKey(n, "_Pic"), row(n).pictureNumber);
    }
    m_settings.setInt(QStringLiteral("Players/Counter"), m_playerCount);
}

NewGameData PlayerSetup::gameData(int questionsPerPlayer) const {
    NewGameData data;
    data.PlayerCount = m_playerCount;
    data.QuestionsPerPlayer = questionsPerPlayer;
    data.RandomOrder = m_randomOrder;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        data.names[i] = m_rows[i].name;
        data.pictures[i] = m_rows[i].shown;
    }
    return data;
}

}  // namespace trivanto
