// A fuzz input as a data folder. The input is a run of chunks, each one byte naming the
// file, two bytes of length (little-endian) and the file's bytes (cut short at the end of
// the input):
//   0 teams.tro, 1 test.tro, 2 entry.tro, 3 calendar.tro,
//   4 + 8r the race team file and 5 + 8r the race test-driver file of calendar race r
//   (named as the calendar names it), anything else ignored.
// A later chunk for the same file replaces the earlier one.
#pragma once

#include "data/data_dir.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

// The data folder used for every input: created once, emptied before each input.
const DataDir& folder();

// Empties the folder and writes the input's files into it.
void writeSeasonInput(const uint8_t* data, std::size_t size);

// Makes the application object for window targets (offscreen platform), once.
void ensureApplication();

// A file's bytes (empty when it cannot be read).
QByteArray fileBytes(const QString& path);

} // namespace velmora::fuzz
