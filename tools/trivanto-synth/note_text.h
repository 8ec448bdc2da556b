#pragma once

#include <QString>
#include <vector>

#include "core/common/result.h"
#include "score.h"

namespace trivanto::synth {

// Reads a part's notes, written as words separated by blanks:
//   C4:1  F#5:1/2  Bb3+D4+F4:2  r:1  kick+hat:0.5  E5@0.6  |  ( A2:0.5 )*8
// A word is a pitch (letter, optional # or b, octave; C4 is middle C), a chord of pitches
// joined by "+", "r" for a rest or, in a drum part, drum names joined by "+". ":LENGTH" in
// beats (a number or a fraction) stays in force for the words after it; "@VELOCITY" (0 .. 1)
// is for that word alone. "|" is a bar line: it must fall on a bar's end. "( ... )*N" repeats
// the words between the brackets N times.
Result<std::vector<NoteEvent>> parseNotes(const QString& text, bool drums, int beatsPerBar);

// The MIDI number of a pitch such as "C4", "F#5" or "Bb3"; -1 if it is none.
int pitchNumber(const QString& name);

}  // namespace trivanto::synth
