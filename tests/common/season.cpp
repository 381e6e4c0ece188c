#include "season.h"

#include "fixture.h"

#include <QDir>
#include <QSet>

namespace velmora::test {

namespace {

TeamRecord scores(TeamRecord t, int team, int engine, int d1, int d2)
{
    t.Team.Score = int16_t(team);
    t.Engine.Score = int16_t(engine);
    t.Driver1.Score = int16_t(d1);
    t.Driver2.Score = int16_t(d2);
    return t;
}

} // namespace

void writeSeason(const DataDir& dir)
{
    const std::vector<TeamRecord> teams = {team("Arrow", "Vortex", "Ann Lee", "Bo Kim", 12.5f, 3),
                                           team("Comet", "Helix", "Cy Dunn", "Di Eto", 9.25f, 0),
                                           team("Meteor", "Ion", "Ed Fay", "Flo Gil", 4.75f, 7)};
    writeRecords(dir.teams(), teams);
    writeRecords(dir.testDrivers(),
                 std::vector{testDriver("Gus Ho", 3, 1), testDriver("Ida Jo", 2, 0)});
    writeRecords(dir.entries(),
                 std::vector{entry("dora", 5, 2, 1, 4, 5, 1), entry("Alan", 40, 0, 0, 0, 1, 0),
                             entry("bob", 12, 1, 2, 2, 3, 1), entry("Cleo", 40, 0, 2, 5, 0, 0)});
    writeRecords(dir.calendar(), std::vector{RaceName{"Imola"}, RaceName{"Monza"}});

    auto race = [&](const QString& name, std::array<int, 3> base, std::array<int, 2> test) {
        std::vector<TeamRecord> cards;
        for (std::size_t i = 0; i < teams.size(); ++i)
            cards.push_back(scores(teams[i], base[i], base[i] + 1, base[i] + 2, base[i] + 3));
        writeRecords(dir.raceTeams(name), cards);
        writeRecords(dir.raceTestDrivers(name),
                     std::vector{testDriver("Gus Ho", 0, int16_t(test[0])),
                                 testDriver("Ida Jo", 0, int16_t(test[1]))});
    };
    race(QStringLiteral("Imola"), {10, 4, 1}, {2, 6});
    race(QStringLiteral("Monza"), {0, 8, 5}, {3, 1});
    race(QStringLiteral("Spa"), {6, 6, 9}, {4, 4});
}

FolderState folderState(const DataDir& dir)
{
    FolderState state;
    const QDir folder(dir.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name == QLatin1String("temp.tro") || name.contains(QLatin1String(".part")))
            continue;
        state.insert(name, readBytes(folder.filePath(name)));
    }
    return state;
}

QByteArray fileIn(const FolderState& state, const QString& name)
{
    return state.value(name);
}

QString fileNeitherOldNorNew(const FolderState& now, const FolderState& before,
                             const FolderState& after)
{
    QSet<QString> names;
    for (const FolderState* s : {&now, &before, &after})
        for (auto it = s->cbegin(); it != s->cend(); ++it)
            names.insert(it.key());
    QStringList sorted = names.values();
    sorted.sort();
    for (const QString& name : sorted) {
        const auto file = fileIn(now, name);
        if (file != fileIn(before, name) && file != fileIn(after, name))
            return name;
    }
    return {};
}

} // namespace velmora::test
