// trivanto-synth: renders the game's sound cues from their scores and measures cue files.
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "core/sound/loudness.h"
#include "core/sound/ogg_vorbis.h"
#include "cue_render.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "Usage:\n"
    "  trivanto-synth render SCORE.json -o FILE.snd   render a cue as Ogg Vorbis, 44.1 kHz\n"
    "                                                 stereo, at the common cue loudness\n"
    "  trivanto-synth measure FILE...                 length, loudness and peak of each file\n"
    "  trivanto-synth --help                          this text\n"
    "Exit status: 0 done, 1 a file failed, 2 wrong command line.\n";

void printLine(const QString& line, std::FILE* stream) {
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

int render(const QStringList& args) {
    const qsizetype flag = args.indexOf(QStringLiteral("-o"));
    if (args.size() != 3 || flag < 0 || flag + 1 >= args.size()) {
        printLine(QStringLiteral("trivanto-synth: render needs SCORE.json and -o FILE"), stderr);
        return kExitUsage;
    }
    const QString output = args.at(flag + 1);
    const QString score = args.at(flag == 0 ? 2 : 0);
    const auto figures = trivanto::synth::renderCueFile(score, output);
    if (!figures) {
        printLine(figures.error(), stderr);
        return kExitFailed;
    }
    const auto& m = figures->mastering;
    printLine(
        trivanto::synth::describeFigures(QFileInfo(output).fileName(), figures->seconds, m.result) +
            QStringLiteral(" (gain %1 dB, limited %2 dB)")
                .arg(m.gainDb, 0, 'f', 1)
                .arg(m.limitedDb, 0, 'f', 1),
        stdout);
    return kExitOk;
}

int measure(const QStringList& paths) {
    int status = kExitOk;
    for (const QString& path : paths) {
        const auto audio = trivanto::readOggVorbis(path);
        if (!audio) {
            printLine(audio.error(), stderr);
            status = kExitFailed;
            continue;
        }
        printLine(
            trivanto::synth::describeFigures(path, audio->seconds(),
                                             trivanto::measureLoudness(audio.value())) +
                QStringLiteral(", %1 Hz, %2 channels").arg(audio->sampleRate).arg(audio->channels),
            stdout);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (command == QStringLiteral("render")) {
        return render(args);
    }
    if (command == QStringLiteral("measure") && !args.isEmpty()) {
        return measure(args);
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}
