#pragma once

#include <span>

#include "core/app/message_dialog.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

// How the message dialog shows a catalogue text: the label width in pixels that the callers
// pass (the dialog widens a text that does not fit, never narrows it) and whether it wraps.
struct MessageShape {
    int width = 300;
    bool wordWrap = true;
};

// One text of the catalogue that the message dialog shows, with what its caller appends (a
// number, a file name, a reason) as a sample of the longest kind, and the key of a tail
// that follows the sample.
struct DialogMessage {
    Msg key;
    MessageShape shape;
    const char16_t* appended = u"";
    Msg tail = Msg::Count;  // Count: none
};

// Every catalogue text shown in the message dialog; the callers take their shape from here.
std::span<const DialogMessage> dialogMessages();
// The shape of `key`; a key that is no dialog message gets the default.
MessageShape messageShape(Msg key);

// The request that shows the text of `key`, followed by `appended` (a number, a file name, a
// reason), in its shape.
MessageRequest catalogueMessage(const MessageCatalogue& catalogue, Msg key,
                                DialogMode mode = DialogMode::Notice, const QString& appended = {});

}  // namespace trivanto
