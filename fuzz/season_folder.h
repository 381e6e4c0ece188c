// The data folder of a season fuzz target, emptied and filled from the input. An input is a
// run of chunks: a byte naming the file (0 teams, 1 test drivers, 2 entries, 3 calendar,
// 4 + 8r and 5 + 8r the race files of calendar race r, 22 the decisions record), two bytes of
// length (little-endian), the file's bytes. Chunk 14 makes links in the league (see makeLinks), in
// place of its files: none of them may change anything outside it.
#pragma once

#include "data/text.h"
#include "fixture.h" // the record types, a temporary folder, writeBytes

#include <QDir>

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::test {

// A folder outside every league and site, holding one file of the user's ("mine", mode 0600)
// that links from a league or site name: it must stay as it is.
inline const QString& outsideFolder()
{
    static QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/velmora-outside-XXXXXX"));
    static const QString mine = tmp.filePath("mine"), path = (writeBytes(mine, "mine"), tmp.path());
    [[maybe_unused]] static const int made = ::chmod(QFile::encodeName(mine).constData(), 0600);
    return path;
}
inline bool outsideUntouched()
{
    const QFileInfo mine(outsideFolder() + "/mine");
    return QDir(outsideFolder())
                   .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)
               == QStringList("mine")
           && readBytes(mine.filePath()) == "mine" && !(mine.permissions() & QFile::ReadGroup);
}

// Links made in a folder (or its owners/, when that is a folder) from a list, a line each: a
// kind and a name. Kinds: 'o' names the user's file outside, 'f' the outside folder, 'd' a file
// outside that does not exist, anything else the folder's own teams.tro.
inline void makeLinks(const QString& folder, const QByteArray& list)
{
    for (const QByteArray& line : list.split('\n')) {
        const QString at = QDir::cleanPath(folder + u'/' + QString::fromUtf8(line.mid(1)));
        const QFileInfo in(QFileInfo(at).path());
        if (line.contains('\0') || line.size() > 100 || at == folder || in.isSymLink()
            || !in.isDir() || (in.filePath() != folder && in.filePath() != folder + "/owners"))
            continue;
        if (!QFileInfo(at).isDir() || QFileInfo(at).isSymLink())
            QFile::remove(at);
        QFile::link(line[0] == 'o'   ? outsideFolder() + "/mine"
                    : line[0] == 'f' ? outsideFolder()
                    : line[0] == 'd' ? outsideFolder() + "/none"
                                     : folder + "/teams.tro",
                    at);
    }
}

// The chunks of an input, by the byte naming each.
inline QMap<int, QByteArray> chunksOf(const uint8_t* data, std::size_t size)
{
    QMap<int, QByteArray> chunks;
    for (std::size_t at = 0; at + 3 <= size;) {
        const std::size_t n =
            std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        chunks[data[at]] = QByteArray(reinterpret_cast<const char*>(data + at + 3), qsizetype(n));
        at += 3 + n;
    }
    return chunks;
}

// One folder, refilled for every input; in memory where the system has it.
inline const DataDir& folderOf(const uint8_t* data, std::size_t size)
{
    static QTemporaryDir tmp((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath())
                             + QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const DataDir dir(tmp.path());
    // Emptied through the system (of files: the program makes no folders), databases kept
    // (a link in a database's place goes: it is made again when the input asks for it).
    if (DIR* folder = ::opendir(QFile::encodeName(dir.path()).constData())) {
        const auto kept = [](const dirent* file) {
            for (const char* k : {".", "..", "teams.tro", "test.tro", "entry.tro", "calendar.tro"})
                if (std::strcmp(file->d_name, k) == 0)
                    return file->d_type != DT_LNK;
            return false;
        };
        while (const dirent* file = ::readdir(folder))
            if (!kept(file))
                ::unlinkat(::dirfd(folder), file->d_name, 0);
        ::closedir(folder);
    }
    const QMap<int, QByteArray> files = chunksOf(data, size);
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
    if (files.contains(22))
        writeBytes(dir.file(QStringLiteral("decisions.txt")), files.value(22));
    makeLinks(dir.path(), files.value(14));
    return dir;
}

} // namespace velmora::test
