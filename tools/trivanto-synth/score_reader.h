#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"
#include "score.h"

namespace trivanto::synth {

// Reads a cue's score from its JSON text. Every field is checked: an unknown name, a value
// out of range or a note that cannot be read is an error that names the place. Files of
// instruments that the score names are looked for in `folder` (none when it is empty).
Result<Score> readScore(const QByteArray& json, const QString& folder = {});

// The same from a file; errors start with the file's path.
Result<Score> readScoreFile(const QString& path);

}  // namespace trivanto::synth
