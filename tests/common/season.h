// A small season to put through crashes and faults, and the folder's state as a whole.
#pragma once

#include "data/data_dir.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace velmora::test {

// Three teams, two test drivers, four entries in neither points nor owner order (their
// points out of date), and two scored races in the calendar ("Imola" and "Monza").
// "Spa" has race files but is not in the calendar yet; "Suzuka" has none at all.
void writeSeason(const DataDir& dir);

// Every file of the folder by name, its bytes; the scratch files ("temp.tro", a report's
// ".part" files) left out: they are not the organiser's.
using FolderState = QMap<QString, QByteArray>;
FolderState folderState(const DataDir& dir);

// The file's bytes in a state; a file the state does not have holds nothing, as an empty
// one does (opening a record file creates it empty).
QByteArray fileIn(const FolderState& state, const QString& name);

// Names the first file that is neither as in `before` nor as in `after`; empty when every
// file is wholly one of the two.
QString fileNeitherOldNorNew(const FolderState& now, const FolderState& before,
                             const FolderState& after);

} // namespace velmora::test
