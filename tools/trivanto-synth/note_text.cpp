#include "note_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace trivanto::synth {

namespace {

constexpr double kEpsilon = 1e-6;
constexpr int kMaxRepeat = 256;
constexpr double kMaxBeats = 64.0;

struct DrumName {
    const char* name;
    Drum drum;
};
constexpr DrumName kDrumNames[] = {
    {"kick", Drum::Kick},    {"snare", Drum::Snare}, {"hat", Drum::Hat},
    {"ohat", Drum::OpenHat}, {"clap", Drum::Clap},   {"tick", Drum::Tick},
    {"tock", Drum::Tock},    {"crash", Drum::Crash}, {"tom", Drum::Tom},
};

int drumNumber(const QString& name) {
    for (const DrumName& d : kDrumNames) {
        if (name == QLatin1String(d.name)) {
            return static_cast<int>(d.drum);
        }
    }
    return -1;
}

// A length in beats: "2", "0.75", "1/3"; 0 when it is none.
double parseLength(const QString& text) {
    bool ok = false;
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    double value = 0;
    if (slash < 0) {
        value = text.toDouble(&ok);
    } else {
        bool okDen = false;
        const double num = text.left(slash).toDouble(&ok);
        const double den = text.mid(slash + 1).toDouble(&okDen);
        ok = ok && okDen && den > 0;
        value = ok ? num / den : 0;
    }
    return ok && std::isfinite(value) && value > 0 && value <= kMaxBeats ? value : 0;
}

// Expands "( ... )*N" groups into plain words.
Status expandRepeats(const QStringList& words, qsizetype& pos, int depth, QStringList& out) {
    while (pos < words.size()) {
        const QString& w = words.at(pos++);
        if (w == QLatin1String("(")) {
            QStringList inner;
            if (Status s = expandRepeats(words, pos, depth + 1, inner); !s) {
                return s;
            }
            const QString& close = words.at(pos - 1);
            int times = 1;
            if (close.size() > 1) {
                bool ok = false;
                times = close.startsWith(QLatin1String(")*")) ? close.mid(2).toInt(&ok) : 0;
                if (!ok || times < 1 || times > kMaxRepeat) {
                    return Status::failure(
                        QStringLiteral("'%1': a repeat is written )*N with N from 1 to %2")
                            .arg(close)
                            .arg(kMaxRepeat));
                }
            }
            for (int i = 0; i < times; ++i) {
                out += inner;
            }
            continue;
        }
        if (w.startsWith(QLatin1Char(')'))) {
            if (depth == 0) {
                return Status::failure(QStringLiteral("'%1' closes no '('").arg(w));
            }
            return Status::success();
        }
        out.append(w);
    }
    return depth == 0 ? Status::success() : Status::failure(QStringLiteral("a '(' is not closed"));
}

}  // namespace

int pitchNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^([A-G])(#|b)?(-?[0-9])$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch()) {
        return -1;
    }
    static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int semitone = kSemitones[m.captured(1).at(0).unicode() - 'A'];
    if (m.captured(2) == QLatin1String("#")) {
        ++semitone;
    } else if (m.captured(2) == QLatin1String("b")) {
        --semitone;
    }
    const int number = 12 * (m.captured(3).toInt() + 1) + semitone;
    return number >= 12 && number <= 120 ? number : -1;
}

Result<std::vector<NoteEvent>> parseNotes(const QString& text, bool drums, int beatsPerBar) {
    QString spaced = text;
    spaced.replace(QLatin1Char('('), QStringLiteral(" ( "))
        .replace(QLatin1Char(')'), QStringLiteral(" )"))
        .replace(QLatin1Char('|'), QStringLiteral(" | "));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList raw = spaced.split(blanks, Qt::SkipEmptyParts);
    QStringList words;
    qsizetype pos = 0;
    if (Status s = expandRepeats(raw, pos, 0, words); !s) {
        return s;
    }

    std::vector<NoteEvent> events;
    double beat = 0;
    double length = 1;
    for (const QString& word : words) {
        const auto fail = [&](const QString& why) {
            return Result<std::vector<NoteEvent>>::failure(
                QStringLiteral("'%1' at beat %2: %3").arg(word).arg(beat).arg(why));
        };
        if (word == QLatin1String("|")) {
            const double bars = beat / beatsPerBar;
            if (std::fabs(bars - std::round(bars)) > kEpsilon) {
                return fail(QStringLiteral("the bar line is not at the end of a bar of %1 beats")
                                .arg(beatsPerBar));
            }
            continue;
        }
        QString body = word;
        NoteEvent event;
        if (const qsizetype at = body.indexOf(QLatin1Char('@')); at >= 0) {
            bool ok = false;
            event.velocity = body.mid(at + 1).toDouble(&ok);
            if (!ok || !(event.velocity >= 0 && event.velocity <= 1)) {
                return fail(QStringLiteral("the velocity after '@' goes from 0 to 1"));
            }
            body.truncate(at);
        }
        if (const qsizetype colon = body.indexOf(QLatin1Char(':')); colon >= 0) {
            length = parseLength(body.mid(colon + 1));
            if (length <= 0) {
                return fail(QStringLiteral("the length after ':' is a number of beats above 0 "
                                           "(such as 1, 0.5 or 1/3), at most %1")
                                .arg(kMaxBeats));
            }
            body.truncate(colon);
        }
        if (body != QLatin1String("r")) {
            for (const QString& key : body.split(QLatin1Char('+'))) {
                const int number = drums ? drumNumber(key) : pitchNumber(key);
                if (number < 0) {
                    return fail(
                        drums ? QStringLiteral("'%1' is no drum (kick, snare, hat, ohat, "
                                               "clap, tick, tock, crash, tom)")
                                    .arg(key)
                              : QStringLiteral("'%1' is no pitch (such as C4, F#5, Bb3)").arg(key));
                }
                event.keys.push_back(number);
            }
        }
        event.beat = beat;
        event.beats = length;
        beat += length;
        if (!event.keys.empty()) {
            events.push_back(std::move(event));
        }
    }
    return events;
}

}  // namespace trivanto::synth
