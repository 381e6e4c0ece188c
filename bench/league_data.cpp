#include "league_data.h"

#include "data/codepage.h"
#include "data/decisions.h"
#include "data/record_file.h"
#include "data/text.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

#include <cstdio>
#include <cstdlib>

namespace velmora::bench {
namespace {

const QStringList kFirst = {"Ann",   "Bob",   "Carla", "Dev",   "Elena", "Farid", "Greta", "Hugo",
                            "Ines",  "Jonas", "Kaito", "Lena",  "Marek", "Nadia", "Oscar", "Priya",
                            "Quinn", "Rosa",  "Sven",  "Tomas", "Ugo",   "Vera",  "Wim",   "Ximena",
                            "Yusuf", "Zoe",   "adam",  "bea",   "Chloé", "Dmitri"};
const QStringList kLast = {"Lee",     "Marsh",    "Okafor", "Brandt", "Silva",     "Novak",
                           "Haddad",  "Kowalski", "Moreau", "Tanaka", "Lindqvist", "Reyes",
                           "Fischer", "O'Neill",  "Petrov", "Ndiaye", "Jensen",    "Rossi",
                           "Varga",   "Walsh",    "Young",  "Zeller", "Abe",       "Björk"};
const QStringList kMakers = {"Arrowfield", "Blackmoor", "Corvan", "Delmar", "Estrel",
                             "Fenwick",    "Gallant",   "Harrow", "Ixion",  "Jarvik"};

QString personName(QRandomGenerator& rng)
{
    return kFirst[int(rng.bounded(kFirst.size()))] + u' ' + kLast[int(rng.bounded(kLast.size()))];
}

// A price in half millions between low and high.
float price(QRandomGenerator& rng, int low, int high)
{
    return float(rng.bounded(low * 2, high * 2 + 1)) / 2;
}

template <class Record> QByteArray encodeAll(const std::vector<Record>& records)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * Record::Length);
    for (const Record& r : records)
        bytes += r.encode();
    return bytes;
}

std::vector<TeamRecord> namedTeams(int teams, QRandomGenerator& rng)
{
    std::vector<TeamRecord> db(static_cast<std::size_t>(teams));
    for (int t = 0; t < teams; ++t) {
        TeamRecord& r = db[std::size_t(t)];
        const QString maker = kMakers[t % kMakers.size()];
        r.Team = {QStringLiteral("%1 Racing %2").arg(maker).arg(t + 1), price(rng, 8, 30), 0};
        r.Engine = {
            QStringLiteral("%1 Motors %2").arg(kMakers[(t * 3 + 1) % kMakers.size()]).arg(t + 1),
            price(rng, 5, 25), 0};
        r.Driver1 = {personName(rng), price(rng, 1, 20), 0};
        r.Driver2 = {personName(rng), price(rng, 1, 20), 0};
    }
    return db;
}

// Points of one component in one race: most score nothing, a few score well.
int16_t racePoints(QRandomGenerator& rng)
{
    static const int kPoints[] = {25, 18, 15, 12, 10, 8, 6, 4, 2, 1};
    const quint32 place = rng.bounded(24u);
    return int16_t(place < 10 ? kPoints[place] : 0);
}

} // namespace

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return f.readAll();
}

QByteArray reversedRecords(const QByteArray& entryFile)
{
    const qsizetype L = EntryRecord::Length;
    const qsizetype n = entryFile.size() / L;
    QByteArray out;
    out.reserve(n * L);
    for (qsizetype i = n; i-- > 0;)
        out.append(entryFile.constData() + i * L, L);
    return out;
}

std::vector<TeamRecord> teamDatabase(int teams)
{
    QRandomGenerator rng(uint(teams) * 7919u);
    std::vector<TeamRecord> db = namedTeams(teams, rng);
    for (TeamRecord& t : db)
        for (ComponentSlot* s : {&t.Team, &t.Engine, &t.Driver1, &t.Driver2})
            for (int race = 0; race < 100; ++race)
                s->Score = int16_t(s->Score + racePoints(rng));
    return db;
}

void writeLeague(const DataDir& dir, const LeagueShape& shape)
{
    QRandomGenerator rng(20240601u + uint(shape.entries));

    std::vector<TeamRecord> teams = namedTeams(shape.teams, rng);
    std::vector<TestDriverRecord> testDrivers(static_cast<std::size_t>(shape.testDrivers));
    for (int d = 0; d < shape.testDrivers; ++d)
        testDrivers[std::size_t(d)] = {personName(rng), int16_t(rng.bounded(1, 11)), 0};

    std::vector<RaceName> calendar;
    for (int r = 0; r < shape.races; ++r) {
        const RaceName race{QStringLiteral("Grand Prix %1").arg(r + 1, 3, 10, QChar(u'0'))};
        calendar.push_back(race);
        std::vector<TeamRecord> raceTeams = teams;
        for (std::size_t t = 0; t < teams.size(); ++t) {
            ComponentSlot* raceSlots[] = {&raceTeams[t].Team, &raceTeams[t].Engine,
                                          &raceTeams[t].Driver1, &raceTeams[t].Driver2};
            ComponentSlot* totals[] = {&teams[t].Team, &teams[t].Engine, &teams[t].Driver1,
                                       &teams[t].Driver2};
            for (int s = 0; s < 4; ++s) {
                raceSlots[s]->Score = racePoints(rng);
                totals[s]->Score = int16_t(totals[s]->Score + raceSlots[s]->Score);
            }
        }
        std::vector<TestDriverRecord> raceDrivers = testDrivers;
        for (std::size_t d = 0; d < testDrivers.size(); ++d) {
            raceDrivers[d].Score = racePoints(rng);
            testDrivers[d].Score = int16_t(testDrivers[d].Score + raceDrivers[d].Score);
        }
        // A race file holds the race's points in its score fields, nothing else counts.
        for (TeamRecord& t : raceTeams)
            for (ComponentSlot* s : {&t.Team, &t.Engine, &t.Driver1, &t.Driver2})
                s->Price = 0;
        writeFile(dir.raceTeams(race.Name), encodeAll(raceTeams));
        writeFile(dir.raceTestDrivers(race.Name), encodeAll(raceDrivers));
    }

    std::vector<EntryRecord> entries(static_cast<std::size_t>(shape.entries));
    const int n = shape.teams;
    for (int i = 0; i < shape.entries; ++i) {
        EntryRecord& e = entries[std::size_t(i)];
        // Owners repeat now and then, so equal keys meet in both orderings.
        e.Owner = rng.bounded(4u) == 0 ? personName(rng)
                                       : personName(rng) + u' ' + QString::number(i + 1);
        e.TeamIndex = int16_t(rng.bounded(n));
        e.EngineIndex = int16_t(rng.bounded(n));
        e.Driver1Index = int16_t(rng.bounded(2 * n));
        e.Driver2Index = int16_t(rng.bounded(2 * n));
        e.TestDriverIndex = int16_t(rng.bounded(shape.testDrivers));
        const TeamRecord& team = teams[std::size_t(e.TeamIndex)];
        const TeamRecord& engine = teams[std::size_t(e.EngineIndex)];
        const auto driver = [&teams](Pick p) -> const ComponentSlot& {
            return *p.in(teams[std::size_t(p.record)]);
        };
        const ComponentSlot& d1 = driver(e.picks()[2]);
        const ComponentSlot& d2 = driver(e.picks()[3]);
        const TestDriverRecord& td = testDrivers[std::size_t(e.TestDriverIndex)];
        e.Price = team.Team.Price + engine.Engine.Price + d1.Price + d2.Price + float(td.Price);
        e.Points = int16_t(team.Team.Score + engine.Engine.Score + td.Score + d1.Score + d2.Score);
    }

    writeFile(dir.teams(), encodeAll(teams));
    writeFile(dir.testDrivers(), encodeAll(testDrivers));
    writeFile(dir.calendar(), encodeAll(calendar));
    writeFile(dir.entries(), encodeAll(entries));
}

QByteArray transfersRecord(const QByteArray& entryFile, int count, int races)
{
    const std::vector<EntryRecord> entries = entriesOf(entryFile);
    QHash<QString, int> named;
    for (const EntryRecord& e : entries)
        ++named[displayText(e.Owner)];
    Decisions record;
    for (std::size_t i = 0; i < entries.size() && int(record.list.size()) < count; ++i) {
        const QString owner = displayText(entries[i].Owner);
        if (named.value(owner) != 1)
            continue;
        Decision d;
        d.kind = QStringLiteral("transfer");
        d.owner = owner;
        d.component = Pick::Slot(record.list.size() % 5);
        d.after = entries[i].index(d.component);
        d.before = d.after > 0 ? d.after - 1 : d.after + 1;
        d.race = int(record.list.size() * 37 % std::size_t(races));
        record.list.push_back(d);
    }
    return record.text();
}

std::vector<EntryRecord> entriesOf(const QByteArray& entryFile)
{
    std::vector<EntryRecord> entries;
    for (qsizetype at = 0; at + EntryRecord::Length <= entryFile.size(); at += EntryRecord::Length)
        entries.push_back(EntryRecord::decode(entryFile.constData() + at));
    return entries;
}

QByteArray orderedRecords(const QByteArray& entryFile, LeagueOrder order)
{
    std::vector<EntryRecord> entries = entriesOf(entryFile);
    std::stable_sort(
        entries.begin(), entries.end(), [order](const EntryRecord& a, const EntryRecord& b) {
            return order == LeagueOrder::ByPoints ? a.Points > b.Points
                                                  : encode1252(a.Owner) < encode1252(b.Owner);
        });
    return encodeRecords(entries);
}

} // namespace velmora::bench
