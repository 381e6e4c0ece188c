// The data folder of a season fuzz target, emptied and filled from the input. An input is a
// run of chunks: a byte naming the file (0 teams, 1 test drivers, 2 entries, 3 calendar,
// 4 + 8r and 5 + 8r the race files of calendar race r), two bytes of length (little-endian),
// the file's bytes.
#pragma once

#include "data/text.h"
#include "fixture.h" // the record types, a temporary folder, writeBytes

#include <QDir>

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <unistd.h>

namespace velmora::test {

// One folder, refilled for every input; in memory where the system has it.
inline const DataDir& folderOf(const uint8_t* data, std::size_t size)
{
    static QTemporaryDir tmp((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath())
                             + QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const DataDir dir(tmp.path());
    // Emptied through the system (of files: the program makes no folders), databases kept.
    if (DIR* folder = ::opendir(QFile::encodeName(dir.path()).constData())) {
        const auto kept = [](const char* name) {
            for (const char* k : {".", "..", "teams.tro", "test.tro", "entry.tro", "calendar.tro"})
                if (std::strcmp(name, k) == 0)
                    return true;
            return false;
        };
        while (const dirent* file = ::readdir(folder))
            if (!kept(file->d_name))
                ::unlinkat(::dirfd(folder), file->d_name, 0);
        ::closedir(folder);
    }
    QMap<int, QByteArray> files;
    for (std::size_t at = 0; at + 3 <= size;) {
        const std::size_t n =
            std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        files[data[at]] = QByteArray(reinterpret_cast<const char*>(data + at + 3), qsizetype(n));
        at += 3 + n;
    }
    const QByteArray calendar = files.value(3);
    writeBytes(dir.teams(), files.value(0));
    writeBytes(dir.testDrivers(), files.value(1));
    writeBytes(dir.entries(), files.value(2));
    writeBytes(dir.calendar(), calendar);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const int race = it.key() / 8, kind = it.key() % 8;
        if ((kind == 4 || kind == 5) && (race + 1) * RaceName::Length <= calendar.size()) {
            const QString name =
                displayText(RaceName::decode(calendar.constData() + race * RaceName::Length).Name);
            writeBytes(kind == 4 ? dir.raceTeams(name) : dir.raceTestDrivers(name), *it);
        }
    }
    return dir;
}

} // namespace velmora::test
