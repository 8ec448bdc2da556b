#include <gtest/gtest.h>

#include <QByteArray>

#include "core/sound/sound_format.h"

namespace trivanto {
namespace {

// The start of an Ogg page whose first packet begins with `packet`: 26 header bytes, one
// lacing value, the packet.
QByteArray oggPage(const QByteArray& packet) {
    QByteArray page("OggS");
    page.append(22, '\0');
    page.append('\x01');  // one segment
    page.append('\x1e');  // its length
    return page + packet;
}

struct Head {
    const char* name;
    QByteArray bytes;
    SoundFormat format;
};

void PrintTo(const Head& head, std::ostream* os) {
    *os << head.name;
}

class SoundFormatTest : public ::testing::TestWithParam<Head> {};

TEST_P(SoundFormatTest, IsToldByTheFirstBytes) {
    EXPECT_EQ(soundFormatOf(GetParam().bytes), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, SoundFormatTest,
    ::testing::Values(
        Head{"OggVorbis", oggPage(QByteArray("\x01vorbis\0\0\0\0\x02", 12)),
             SoundFormat::OggVorbis},
        Head{"OggOpus", oggPage("OpusHead\x01\x02"), SoundFormat::OggOpus},
        Head{"OggOfAnotherCodec", oggPage("\x80theora"), SoundFormat::Unknown},
        Head{"OggPageCutShort", QByteArray("OggS\0\0\0", 7), SoundFormat::Unknown},
        Head{"OggLacingPastTheEnd", QByteArray("OggS").append(22, '\0').append('\xff'),
             SoundFormat::Unknown},
        Head{"Flac", QByteArray("fLaC\0\0\0\x22", 8), SoundFormat::Flac},
        Head{"Wave", QByteArray("RIFF\x24\x08\0\0WAVEfmt ", 16), SoundFormat::Wave},
        Head{"RiffOfAnotherKind", QByteArray("RIFF\x24\x08\0\0AVI LIST", 16), SoundFormat::Unknown},
        Head{"Mp3WithTag", QByteArray("ID3\x04\0\0\0\0\0\0", 10), SoundFormat::Mp3},
        Head{"Mp3Frame", QByteArray("\xff\xfb\x90\x64", 4), SoundFormat::Mp3},
        Head{"SyncBitsWithAReservedLayer", QByteArray("\xff\xf9\x90\x64", 4), SoundFormat::Unknown},
        Head{"SyncBitsWithAForbiddenBitRate", QByteArray("\xff\xfb\xf0\x64", 4),
             SoundFormat::Unknown},
        Head{"Empty", QByteArray(), SoundFormat::Unknown},
        Head{"Text", QByteArray("Sound on/off"), SoundFormat::Unknown},
        Head{"TrackerModule", QByteArray("Extended Module: "), SoundFormat::Unknown}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trivanto
