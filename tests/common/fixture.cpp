#include "fixture.h"

#include <QDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::test {

// Plain system calls: the fuzz targets rewrite a whole folder for every input.
void writeBytes(const QString& path, const QByteArray& bytes)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
    if (fd >= 0)
        ::close(fd);
    if (!written)
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readBytes(const QString& path)
{
    QByteArray bytes;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0)
        return bytes;
    if (::fstat(fd, &st) == 0) {
        bytes.resize(qsizetype(st.st_size));
        if (::read(fd, bytes.data(), std::size_t(bytes.size())) != bytes.size())
            bytes.clear();
    }
    ::close(fd);
    return bytes;
}

std::unique_ptr<League> openLeague(const DataDir& dir, League::Mode mode)
{
    QString error;
    auto league = League::open(dir, mode, &error);
    if (!league)
        qFatal("cannot open the league: %s", qPrintable(error));
    return league;
}

TeamRecord team(const QString& name, const QString& engine, const QString& driver1,
                const QString& driver2, float price, int score)
{
    return {{name, price, int16_t(score)},
            {engine, price, int16_t(score + 1)},
            {driver1, price, int16_t(score + 2)},
            {driver2, price, int16_t(score + 3)}};
}

EntryRecord entry(const QString& owner, int points, int team, int engine, int driver1, int driver2,
                  int testDriver)
{
    const auto i = [](int v) { return int16_t(v); };
    return {owner, 0, i(points), i(team), i(engine), i(driver1), i(driver2), i(testDriver)};
}

void writeSeason(const DataDir& dir)
{
    const std::vector<TeamRecord> teams = {team("Arrow", "Vortex", "Ann Lee", "Bo Kim", 12.5f, 3),
                                           team("Comet", "Helix", "Cy Dunn", "Di Eto", 9.25f, 0),
                                           team("Meteor", "Ion", "Ed Fay", "Flo Gil", 4.75f, 7)};
    writeRecords(dir.teams(), teams);
    writeRecords(dir.testDrivers(),
                 std::vector<TestDriverRecord>{{"Gus Ho", 3, 1}, {"Ida Jo", 2, 0}});
    writeRecords(dir.entries(),
                 std::vector{entry("dora", 5, 2, 1, 4, 5, 1), entry("Alan", 40),
                             entry("bob", 12, 1, 2, 2, 3, 1), entry("Cleo", 40, 0, 2, 5, 0, 0)});
    writeRecords(dir.calendar(), std::vector<RaceName>{{"Imola"}, {"Monza"}});
    writeBytes(dir.file(QStringLiteral("report.txt")), "an earlier report");
    const std::pair<const char*, std::array<int, 5>> races[] = {
        {"Imola", {10, 4, 1, 2, 6}}, {"Monza", {0, 8, 5, 3, 1}}, {"Spa", {6, 6, 9, 4, 4}}};
    for (const auto& [race, points] : races) {
        std::vector<TeamRecord> cards;
        for (int i = 0; i < 3; ++i)
            cards.push_back(team(teams[i].Team.Name, teams[i].Engine.Name, teams[i].Driver1.Name,
                                 teams[i].Driver2.Name, teams[i].Team.Price, points[i]));
        writeRecords(dir.raceTeams(race), cards);
        writeRecords(dir.raceTestDrivers(race),
                     std::vector<TestDriverRecord>{{"Gus Ho", 0, int16_t(points[3])},
                                                   {"Ida Jo", 0, int16_t(points[4])}});
    }
}

QList<QByteArray> calculatedFiles(const DataDir& dir)
{
    return {readBytes(dir.teams()), readBytes(dir.testDrivers()), readBytes(dir.entries())};
}

QList<QByteArray> withoutScores(QList<QByteArray> files)
{
    const std::pair<int, QList<int>> fields[3] = {{TeamRecord::Length, {84, 170, 256, 342}},
                                                  {TestDriverRecord::Length, {82}},
                                                  {EntryRecord::Length, {84}}};
    for (int k = 0; k < 3; ++k)
        for (qsizetype at = 0; at + fields[k].first <= files[k].size(); at += fields[k].first)
            for (int o : fields[k].second)
                files[k][at + o] = files[k][at + o + 1] = 0;
    return files;
}

FolderState folderState(const DataDir& dir)
{
    FolderState state;
    const QDir folder(dir.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (name != u"temp.tro" && !name.contains(u".part"))
            state.insert(name, readBytes(folder.filePath(name)));
    return state;
}

} // namespace velmora::test
