#pragma once

#include <QByteArrayView>

namespace trivanto {

// The sound formats the player accepts, told by their first bytes (not by the file name: the
// cues are all called "*.snd").
enum class SoundFormat { Unknown, OggVorbis, OggOpus, Flac, Wave, Mp3 };

// How many leading bytes soundFormatOf looks at.
inline constexpr int kSoundFormatHeadBytes = 128;

// Anything without a clear signature is Unknown, so a damaged file is never handed to a
// decoder that guesses (a tracker-module guess turns random bytes into noise).
SoundFormat soundFormatOf(QByteArrayView head);

}  // namespace trivanto
