#pragma once

#include <QString>
#include <QUrl>

#include "core/common/result.h"

namespace trivanto {

// Turns an address as the game writes it into a URL for the network layer: "http://" or
// "https://" in any case, or no scheme at all (then http); a host with an optional ":port";
// the path from the first "/" on, "/" when there is none. Other schemes, an empty host and
// addresses Qt cannot read are refused with a reason.
Result<QUrl> webAddress(const QString& text);

}  // namespace trivanto
