#pragma once

#include <QString>
#include <map>
#include <vector>

namespace trivanto::synth {

// One component of a pitched instrument's tone: a multiple of the note's frequency (whole for
// harmonics, any ratio for bells and bars) and its share of the sound.
struct Partial {
    double ratio = 1.0;
    double amplitude = 1.0;
};

// A pitched instrument: additive partials shaped by an envelope. Times are in seconds.
struct Instrument {
    std::vector<Partial> partials;
    double attack = 0.01;      // rise to full level
    double decay = 0.3;        // time constant of the fall towards the sustain level
    double sustain = 0.7;      // level held while the key is down (0 = a struck sound)
    double release = 0.15;     // fade after the key is let go
    double damping = 0.0;      // extra fall per second of the higher partials (mallets, plucks)
    double vibratoRate = 0.0;  // Hz
    double vibratoCents = 0.0;
    double vibratoDelay = 0.0;  // the vibrato grows in over this time
    double tremoloRate = 0.0;   // Hz
    double tremoloDepth = 0.0;  // 0 .. 1
    double detuneCents = 0.0;   // two voices this far apart: a chorus
};

// The built-in drum kit.
enum class Drum { Kick, Snare, Hat, OpenHat, Clap, Tick, Tock, Crash, Tom };

// One note, chord or drum hit of a part; a rest has no keys. Keys are MIDI note numbers
// (C4 = 60) for pitched parts, Drum values for the kit.
struct NoteEvent {
    double beat = 0.0;   // start, counted from the cue's start
    double beats = 1.0;  // length
    std::vector<int> keys;
    double velocity = 1.0;
};

struct Part {
    QString instrument;  // a name of Score::instruments, or "drums"
    double gainDb = 0.0;
    double pan = 0.0;   // -1 left .. 1 right
    double gate = 0.9;  // share of each note's length that the key is held
    std::vector<NoteEvent> events;
};

struct Reverb {
    double mix = 0.0;   // 0 dry .. 1 much room
    double room = 0.5;  // 0 small .. 1 large
    double damp = 0.5;  // 0 bright .. 1 dull
};

inline const QString kDrumsInstrument = QStringLiteral("drums");

struct Score {
    QString title;
    double tempo = 120.0;  // beats per minute
    int beatsPerBar = 4;
    QString key;          // for the reader, e.g. "A minor"
    double length = 0.0;  // seconds; 0 = until the last note has rung out
    double tail = 0.8;    // seconds after the last note when the length is not given
    Reverb reverb;
    std::map<QString, Instrument> instruments;
    std::vector<Part> parts;

    double secondsPerBeat() const { return 60.0 / tempo; }
};

}  // namespace trivanto::synth
