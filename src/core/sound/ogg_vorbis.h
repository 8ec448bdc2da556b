#pragma once

#include <QString>

#include "core/common/result.h"
#include "core/sound/audio_buffer.h"

namespace trivanto {

// Encodes the buffer as an Ogg Vorbis file (variable bit rate; quality -0.1 .. 1.0). The stream
// serial number is fixed by the caller, so the same input gives the same bytes. The file is
// replaced whole or not at all.
Status writeOggVorbis(const QString& path, const AudioBuffer& audio, float quality,
                      int streamSerial, const QString& title = {});

// Decodes a whole Ogg Vorbis file into float samples.
Result<AudioBuffer> readOggVorbis(const QString& path);

}  // namespace trivanto
