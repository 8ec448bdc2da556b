#pragma once

#include <QString>
#include <QStringList>

namespace trivanto {

// An installed game keeps its shipped data (categories, sound cues, help pages, banner)
// read-only in a shared folder and plays from a program folder of each user's own, where it
// also writes downloads, new categories and lists. At every start the shipped files are brought
// into that folder:
// - a shipped file the folder lacks is copied, unless the user removed an earlier copy;
// - a copy the user never changed is replaced when a newer version ships;
// - a file the user changed, made or downloaded under a shipped name is left alone;
// - files that are no longer shipped stay.
// A record in the program folder holds each shipped file's checksum as last brought in; only
// files whose shipped checksum differs from the record are read, so a start costs next to
// nothing once the folder is up to date.

// The record's name in the program folder (hidden, so no update package can replace it).
inline const QString kSeedRecordName = QStringLiteral(".shipped-files.sha256");

struct SeedOutcome {
    QStringList copied;    // shipped files new to the program folder
    QStringList updated;   // unchanged copies replaced by a newer shipped version
    QStringList kept;      // shipped versions left out: the user changed, made or removed the file
    QStringList problems;  // what could not be read or written, each with its reason
};

// Brings the files listed in `shippedDir`'s list (kShippedManifestName) into `progDir`. Every
// file is written whole or not at all and with the user's own permissions; a failure with one
// file is reported and the others go on.
SeedOutcome seedProgramFolder(const QString& shippedDir, const QString& progDir);

}  // namespace trivanto
