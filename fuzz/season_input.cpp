#include "season_input.h"

#include "data/text.h"
#include "data/types.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <vector>

namespace velmora::fuzz {

const DataDir& folder()
{
    // In memory where the system has it: the program flushes every rewrite to disk, which
    // would make a disk the limit of the executions per second.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir tmp(base + QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const DataDir dir(tmp.path());
    return dir;
}

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace

void writeSeasonInput(const uint8_t* data, std::size_t size)
{
    const DataDir& dir = folder();
    QDir d(dir.path());
    for (const QString& name : d.entryList(QDir::Files | QDir::Hidden))
        d.remove(name);

    QMap<int, QByteArray> files;
    std::size_t at = 0;
    while (at + 3 <= size) {
        const int id = data[at];
        const std::size_t length = data[at + 1] | (std::size_t(data[at + 2]) << 8);
        at += 3;
        const std::size_t n = std::min(length, size - at);
        files[id] = QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(n));
        at += n;
    }

    writeFile(dir.teams(), files.value(0));
    writeFile(dir.testDrivers(), files.value(1));
    writeFile(dir.entries(), files.value(2));
    const QByteArray calendar = files.value(3);
    writeFile(dir.calendar(), calendar);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const int kind = it.key() % 8, race = it.key() / 8;
        if (kind != 4 && kind != 5)
            continue;
        if (qsizetype(race + 1) * RaceName::Length > calendar.size())
            continue;
        const QString name =
            displayText(RaceName::decode(calendar.constData() + race * RaceName::Length).Name);
        writeFile(kind == 4 ? dir.raceTeams(name) : dir.raceTestDrivers(name), it.value());
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ensureApplication()
{
    // Made once and never destroyed: libFuzzer ends the process with exit(), and a
    // QApplication torn down among the exit handlers outlives what it needs.
    static QApplication* app = nullptr;
    if (app)
        return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
}

} // namespace velmora::fuzz
