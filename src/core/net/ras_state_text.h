#pragma once

#include <QString>
#include <functional>

namespace trivanto {

class MessageCatalogue;

// The most of a system error text that the status lines show.
inline constexpr int kRasErrorTextCapacity = 100;

// The status text of a connection state (RasState numbers): the catalogue's text for the
// common states, a fixed English text for the rare ones (in both languages), empty for a
// number the interface does not know. With a non-zero error the text is the system's text for
// that error instead, cut to kRasErrorTextCapacity characters.
QString RasStateText(int state, int error, const MessageCatalogue& catalogue,
                     const std::function<QString(int)>& systemErrorText);

}  // namespace trivanto
