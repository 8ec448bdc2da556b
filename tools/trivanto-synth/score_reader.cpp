#include "score_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

#include "core/common/file_path.h"
#include "note_text.h"

namespace trivanto::synth {

namespace {

// Reads the fields of one JSON object, remembering which names were used.
class Fields {
public:
    Fields(const QJsonObject& object, QString where)
        : m_object(object), m_where(std::move(where)) {}

    // A number in [low, high]; the fallback when absent.
    double number(const char* name, double low, double high, double fallback) {
        const QString key = QLatin1String(name);
        m_used.insert(key);
        if (!m_object.contains(key)) {
            return fallback;
        }
        const QJsonValue v = m_object.value(key);
        if (!v.isDouble() || !(v.toDouble() >= low && v.toDouble() <= high)) {
            fail(QStringLiteral("\"%1\" must be a number from %2 to %3")
                     .arg(key)
                     .arg(low)
                     .arg(high));
            return fallback;
        }
        return v.toDouble();
    }
    QString text(const char* name, bool required) {
        const QString key = QLatin1String(name);
        m_used.insert(key);
        const QJsonValue v = m_object.value(key);
        if (v.isUndefined() && !required) {
            return {};
        }
        if (!v.isString() || v.toString().isEmpty()) {
            fail(QStringLiteral("\"%1\" must be a text").arg(key));
            return {};
        }
        return v.toString();
    }
    QJsonValue value(const char* name) {
        const QString key = QLatin1String(name);
        m_used.insert(key);
        return m_object.value(key);
    }
    // Call last: an unknown name is most likely a typing error.
    Status finish() {
        for (const QString& key : m_object.keys()) {
            if (!m_used.contains(key)) {
                fail(QStringLiteral("unknown field \"%1\"").arg(key));
            }
        }
        return m_error.isEmpty() ? Status::success() : Status::failure(m_error);
    }
    void fail(const QString& why) {
        if (m_error.isEmpty()) {
            m_error = m_where + QStringLiteral(": ") + why;
        }
    }
    const QString& where() const { return m_where; }

private:
    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_used;
    QString m_error;
};

Result<Instrument> readInstrument(const QJsonObject& object, const QString& where) {
    Fields f(object, where);
    Instrument in;
    const QJsonValue partials = f.value("partials");
    if (!partials.isArray() || partials.toArray().isEmpty()) {
        f.fail(QStringLiteral("\"partials\" must list amplitudes or [ratio, amplitude] pairs"));
    }
    const QJsonArray list = partials.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonValue p = list.at(i);
        Partial partial;
        if (p.isDouble()) {
            partial = {static_cast<double>(i + 1), p.toDouble()};
        } else if (p.isArray() && p.toArray().size() == 2 && p.toArray().at(0).isDouble() &&
                   p.toArray().at(1).isDouble()) {
            partial = {p.toArray().at(0).toDouble(), p.toArray().at(1).toDouble()};
        } else {
            f.fail(QStringLiteral("partial %1 is neither an amplitude nor [ratio, amplitude]")
                       .arg(i + 1));
            continue;
        }
        if (!(partial.ratio > 0 && partial.ratio <= 32 && partial.amplitude >= 0 &&
              partial.amplitude <= 1)) {
            f.fail(
                QStringLiteral("partial %1: ratio from 0 to 32, amplitude from 0 to 1").arg(i + 1));
        }
        in.partials.push_back(partial);
    }
    in.attack = f.number("attack", 0.001, 5, in.attack);
    in.decay = f.number("decay", 0.005, 20, in.decay);
    in.sustain = f.number("sustain", 0, 1, in.sustain);
    in.release = f.number("release", 0.005, 10, in.release);
    in.damping = f.number("damping", 0, 50, in.damping);
    in.vibratoRate = f.number("vibratoRate", 0, 20, 0);
    in.vibratoCents = f.number("vibratoCents", 0, 100, 0);
    in.vibratoDelay = f.number("vibratoDelay", 0, 5, 0);
    in.tremoloRate = f.number("tremoloRate", 0, 30, 0);
    in.tremoloDepth = f.number("tremoloDepth", 0, 1, 0);
    in.detuneCents = f.number("detune", 0, 50, 0);
    if (Status s = f.finish(); !s) {
        return s;
    }
    return in;
}

Result<Part> readPart(const QJsonObject& object, const QString& where, const Score& score) {
    Fields f(object, where);
    Part part;
    part.instrument = f.text("instrument", true);
    if (!part.instrument.isEmpty() && part.instrument != kDrumsInstrument &&
        score.instruments.count(part.instrument) == 0) {
        f.fail(QStringLiteral("no instrument \"%1\"").arg(part.instrument));
    }
    part.gainDb = f.number("gain", -60, 12, 0);
    part.pan = f.number("pan", -1, 1, 0);
    part.gate = f.number("gate", 0.05, 1, part.gate);
    // The notes: one text, or a list of texts (a bar or a phrase per line).
    const QJsonValue notes = f.value("notes");
    QString text;
    if (notes.isString()) {
        text = notes.toString();
    } else if (notes.isArray()) {
        for (const QJsonValue& line : notes.toArray()) {
            if (!line.isString()) {
                f.fail(QStringLiteral("\"notes\" lists texts only"));
            }
            text += line.toString() + QLatin1Char(' ');
        }
    } else {
        f.fail(QStringLiteral("\"notes\" must be a text or a list of texts"));
    }
    if (Status s = f.finish(); !s) {
        return s;
    }
    auto events = parseNotes(text, part.instrument == kDrumsInstrument, score.beatsPerBar);
    if (!events) {
        return Status::failure(where + QStringLiteral(": ") + events.error());
    }
    part.events = std::move(events.value());
    return part;
}

// A file of named instruments: one JSON object.
Result<QJsonObject> readInstrumentFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QJsonObject>::failure(
            QStringLiteral("%1: cannot read (%2)").arg(path, file.errorString()));
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        return Result<QJsonObject>::failure(
            QStringLiteral("%1: not a JSON object of instruments").arg(path));
    }
    return doc.object();
}

}  // namespace

Result<Score> readScore(const QByteArray& json, const QString& folder) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return Result<Score>::failure(QStringLiteral("not JSON at offset %1: %2")
                                          .arg(parseError.offset)
                                          .arg(parseError.errorString()));
    }
    if (!doc.isObject()) {
        return Result<Score>::failure(QStringLiteral("a score is one JSON object"));
    }
    Fields f(doc.object(), QStringLiteral("score"));
    Score score;
    score.title = f.text("title", true);
    score.key = f.text("key", false);
    score.tempo = f.number("tempo", 30, 400, score.tempo);
    score.beatsPerBar = static_cast<int>(f.number("beatsPerBar", 1, 16, score.beatsPerBar));
    score.length = f.number("length", 0, 120, 0);
    score.tail = f.number("tail", 0, 10, score.tail);

    const QJsonValue reverb = f.value("reverb");
    if (reverb.isObject()) {
        Fields r(reverb.toObject(), QStringLiteral("reverb"));
        score.reverb.mix = r.number("mix", 0, 1, 0);
        score.reverb.room = r.number("room", 0, 1, score.reverb.room);
        score.reverb.damp = r.number("damp", 0, 1, score.reverb.damp);
        if (Status s = r.finish(); !s) {
            return s;
        }
    } else if (!reverb.isUndefined()) {
        f.fail(QStringLiteral("\"reverb\" must be an object"));
    }

    // Instruments: named ones in an object, a file of them beside the score, or a list of both.
    const QJsonValue instruments = f.value("instruments");
    QJsonArray sources;
    if (instruments.isArray()) {
        sources = instruments.toArray();
    } else if (!instruments.isUndefined()) {
        sources.append(instruments);
    }
    for (const QJsonValue& source : sources) {
        QJsonObject named;
        if (source.isObject()) {
            named = source.toObject();
        } else if (source.isString() && !folder.isEmpty()) {
            auto loaded = readInstrumentFile(filePath(folder, source.toString()));
            if (!loaded) {
                return loaded.status();
            }
            named = loaded.value();
        } else {
            f.fail(
                QStringLiteral("\"instruments\" holds named instruments or the name of a "
                               "file of them"));
        }
        for (auto it = named.begin(); it != named.end(); ++it) {
            if (it.key() == kDrumsInstrument) {
                f.fail(
                    QStringLiteral("\"drums\" is the built-in kit; name the instrument otherwise"));
                continue;
            }
            auto in = readInstrument(it.value().toObject(),
                                     QStringLiteral("instrument \"%1\"").arg(it.key()));
            if (!in) {
                return in.status();
            }
            score.instruments[it.key()] = std::move(in.value());
        }
    }

    const QJsonValue parts = f.value("parts");
    if (!parts.isArray() || parts.toArray().isEmpty()) {
        f.fail(QStringLiteral("\"parts\" must list at least one part"));
    }
    if (Status s = f.finish(); !s) {
        return s;
    }
    const QJsonArray partList = parts.toArray();
    for (qsizetype i = 0; i < partList.size(); ++i) {
        auto part =
            readPart(partList.at(i).toObject(), QStringLiteral("part %1").arg(i + 1), score);
        if (!part) {
            return part.status();
        }
        score.parts.push_back(std::move(part.value()));
    }
    return score;
}

Result<Score> readScoreFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<Score>::failure(
            QStringLiteral("%1: cannot read (%2)").arg(path, file.errorString()));
    }
    auto score = readScore(file.readAll(), QFileInfo(path).absolutePath());
    if (!score) {
        return Result<Score>::failure(path + QStringLiteral(": ") + score.error());
    }
    return score;
}

}  // namespace trivanto::synth
