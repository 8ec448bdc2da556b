#include "core/sound/ogg_vorbis.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <QFile>
#include <algorithm>

#include "core/common/save_file.h"

namespace trivanto {

namespace {

// Owns the encoder's state so every exit path releases it.
struct VorbisEncoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool dspReady = false;
    bool streamReady = false;

    VorbisEncoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~VorbisEncoder() {
        if (streamReady) {
            ogg_stream_clear(&stream);
        }
        if (dspReady) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;
};

void appendPage(QByteArray& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

// Moves every finished packet of the encoder into pages.
void drainPackets(VorbisEncoder& enc, QByteArray& out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
        vorbis_analysis(&enc.block, nullptr);
        vorbis_bitrate_addblock(&enc.block);
        while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) == 1) {
            ogg_stream_packetin(&enc.stream, &packet);
            while (ogg_stream_pageout(&enc.stream, &page) != 0) {
                appendPage(out, page);
            }
        }
    }
}

}  // namespace

Status writeOggVorbis(const QString& path, const AudioBuffer& audio, float quality,
                      int streamSerial, const QString& title) {
    if (audio.channels < 1 || audio.channels > 8 || audio.sampleRate < 8000) {
        return Status::failure(QStringLiteral("%1: unsupported sound layout (%2 channels, %3 Hz)")
                                   .arg(path)
                                   .arg(audio.channels)
                                   .arg(audio.sampleRate));
    }
    VorbisEncoder enc;
    if (vorbis_encode_init_vbr(&enc.info, audio.channels, audio.sampleRate, quality) != 0) {
        return Status::failure(QStringLiteral("%1: the Vorbis encoder refused %2 Hz, quality %3")
                                   .arg(path)
                                   .arg(audio.sampleRate)
                                   .arg(quality));
    }
    if (!title.isEmpty()) {
        vorbis_comment_add_tag(&enc.comment, "TITLE", title.toUtf8().constData());
    }
    vorbis_analysis_init(&enc.dsp, &enc.info);
    vorbis_block_init(&enc.dsp, &enc.block);
    enc.dspReady = true;
    ogg_stream_init(&enc.stream, streamSerial);
    enc.streamReady = true;

    QByteArray out;
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &commentHeader);
    ogg_stream_packetin(&enc.stream, &codeHeader);
    ogg_page page;
    // The headers stand on pages of their own, as decoders expect.
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        appendPage(out, page);
    }

    constexpr std::size_t kChunkFrames = 4096;
    const std::size_t frames = audio.frames();
    const auto channels = static_cast<std::size_t>(audio.channels);
    for (std::size_t start = 0; start < frames; start += kChunkFrames) {
        const std::size_t count = std::min(kChunkFrames, frames - start);
        float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t c = 0; c < channels; ++c) {
                buffer[c][i] = audio.samples[(start + i) * channels + c];
            }
        }
        vorbis_analysis_wrote(&enc.dsp, static_cast<int>(count));
        drainPackets(enc, out);
    }
    vorbis_analysis_wrote(&enc.dsp, 0);  // end of stream
    drainPackets(enc, out);
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        appendPage(out, page);
    }

    return saveWholeFile(path, out);
}

Result<AudioBuffer> readOggVorbis(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    OggVorbis_File vf;
    if (ov_fopen(native.constData(), &vf) != 0) {
        return Result<AudioBuffer>::failure(
            QStringLiteral("%1: not an Ogg Vorbis file, or unreadable").arg(path));
    }
    const vorbis_info* info = ov_info(&vf, -1);
    AudioBuffer audio;
    audio.sampleRate = static_cast<int>(info->rate);
    audio.channels = info->channels;
    const auto channels = static_cast<std::size_t>(audio.channels);
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long count = ov_read_float(&vf, &pcm, 4096, &section);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            ov_clear(&vf);
            return Result<AudioBuffer>::failure(
                QStringLiteral("%1: damaged Vorbis data (error %2)").arg(path).arg(count));
        }
        if (ov_info(&vf, section)->channels != audio.channels) {
            ov_clear(&vf);
            return Result<AudioBuffer>::failure(
                QStringLiteral("%1: the channel count changes inside the file").arg(path));
        }
        const std::size_t base = audio.samples.size();
        audio.samples.resize(audio.samples.size() + static_cast<std::size_t>(count) * channels);
        for (long i = 0; i < count; ++i) {
            for (std::size_t c = 0; c < channels; ++c) {
                audio.samples[base + static_cast<std::size_t>(i) * channels + c] = pcm[c][i];
            }
        }
    }
    ov_clear(&vf);
    return audio;
}

}  // namespace trivanto
