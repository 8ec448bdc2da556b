#pragma once

#include <QPixmap>
#include <QString>

#include "core/game/game_types.h"

namespace trivanto {

// An own picture file as a seat shows it (103 x 120); null when it is not a readable picture.
QPixmap loadOwnPicture(const QString& path);
// What a seat or the new-game window shows for a player's picture choice.
QPixmap seatPixmap(const SeatPicture& picture);

}  // namespace trivanto
