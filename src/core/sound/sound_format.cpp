#include "core/sound/sound_format.h"

namespace trivanto {

namespace {

bool startsWith(QByteArrayView data, qsizetype offset, QByteArrayView magic) {
    return data.size() >= offset + magic.size() && data.sliced(offset, magic.size()) == magic;
}

unsigned byteAt(QByteArrayView data, qsizetype i) {
    return static_cast<unsigned char>(data[i]);
}

// An MPEG audio frame header: sync bits, a layer, a bit rate and a sample rate that exist.
bool isMpegFrame(QByteArrayView d) {
    if (d.size() < 4 || byteAt(d, 0) != 0xFF || (byteAt(d, 1) & 0xE0) != 0xE0) {
        return false;
    }
    const unsigned version = (byteAt(d, 1) >> 3) & 3;
    const unsigned layer = (byteAt(d, 1) >> 1) & 3;
    const unsigned bitrate = byteAt(d, 2) >> 4;
    const unsigned rate = (byteAt(d, 2) >> 2) & 3;
    return version != 1 && layer != 0 && bitrate != 0 && bitrate != 15 && rate != 3;
}

}  // namespace

SoundFormat soundFormatOf(QByteArrayView head) {
    if (startsWith(head, 0, "OggS")) {
        // The first packet follows the page header (27 bytes) and its lacing values.
        if (head.size() < 27) {
            return SoundFormat::Unknown;
        }
        const qsizetype packet = 27 + static_cast<qsizetype>(byteAt(head, 26));
        if (startsWith(head, packet, "\x01vorbis")) {
            return SoundFormat::OggVorbis;
        }
        if (startsWith(head, packet, "OpusHead")) {
            return SoundFormat::OggOpus;
        }
        return SoundFormat::Unknown;
    }
    if (startsWith(head, 0, "fLaC")) {
        return SoundFormat::Flac;
    }
    if (startsWith(head, 0, "RIFF") && startsWith(head, 8, "WAVE")) {
        return SoundFormat::Wave;
    }
    if (startsWith(head, 0, "ID3") || isMpegFrame(head)) {
        return SoundFormat::Mp3;
    }
    return SoundFormat::Unknown;
}

}  // namespace trivanto
