#include "scoring/championship.h"

#include "data/io.h"
#include "data/text.h"
#include "scoring/component_points.h"
#include "scoring/race_scores.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>

namespace velmora {
namespace {

class ChampionshipText {
    Q_DECLARE_TR_FUNCTIONS(Championship)
};

constexpr int kMin = std::numeric_limits<int16_t>::min();
constexpr int kMax = std::numeric_limits<int16_t>::max();

bool inRange(qint64 value)
{
    return value >= kMin && value <= kMax;
}

QString beyond(qint64 value)
{
    return value > kMax ? ChampionshipText::tr("pass %1").arg(kMax)
                        : ChampionshipText::tr("fall below %1").arg(kMin);
}

bool overflow(QString* error, const QString& text)
{
    return io::fail(error, text + u' ' + ChampionshipText::tr("No scores were written."));
}

// A file's bytes as the change will leave them: those about to be written, or those on disk.
bool pendingOrRead(const League& league, const std::vector<League::Replacement>& with,
                   const LeagueFile& which, QByteArray* bytes, QString* error)
{
    const QString path = league.path(which);
    const auto pending = std::find_if(with.begin(), with.end(),
                                      [&](const auto& r) { return league.path(r.file) == path; });
    if (pending == with.end())
        return league.readBytes(which, bytes, error);
    *bytes = pending->bytes;
    return true;
}

// A file as the calculation reads it (one about to be replaced, as it will be): its records,
// and its bytes, whose bytes after the last whole record are kept as they are.
template <class Record> struct Records {
    std::vector<Record> records;
    QByteArray file;

    bool read(const League& league, const std::vector<League::Replacement>& with,
              const LeagueFile& which, QString* error)
    {
        return pendingOrRead(league, with, which, &file, error)
               && decodeRecords(file, &records, league.path(which), error);
    }
    QByteArray bytes() const { return encodeRecords(records) + restOf<Record>(file); }
};

// The race files of a race, read once however often the calendar names it.
struct Race {
    Records<TeamRecord> teams;
    Records<TestDriverRecord> testDrivers;
};

// The name of the component a pick names (one that names a record).
QString nameOf(Pick pick, const std::vector<TeamRecord>& teams,
               const std::vector<TestDriverRecord>& testDrivers)
{
    return displayText(pick.isTeamPart() ? pick.in(teams[std::size_t(pick.record)])->Name
                                         : testDrivers[std::size_t(pick.record)].Name);
}

// The same for a message about a season total: "engine \"Ion\" (team record 3)".
QString named(Pick pick, const std::vector<TeamRecord>& teams,
              const std::vector<TestDriverRecord>& testDrivers)
{
    static const char* const kinds[] = {
        QT_TRANSLATE_NOOP("Championship", "team"), QT_TRANSLATE_NOOP("Championship", "engine"),
        QT_TRANSLATE_NOOP("Championship", "driver"), QT_TRANSLATE_NOOP("Championship", "driver"),
        QT_TRANSLATE_NOOP("Championship", "test driver")};
    return (pick.isTeamPart() ? ChampionshipText::tr("%1 \"%2\" (team record %3)")
                              : ChampionshipText::tr("%1 \"%2\" (test-driver record %3)"))
        .arg(ChampionshipText::tr(kinds[pick.slot]), nameOf(pick, teams, testDrivers),
             QString::number(pick.record + 1));
}

// The first season total outside the 16-bit range, as a message; empty when all fit.
QString firstOverflow(const ComponentPoints& totals, const std::vector<TeamRecord>& teams,
                      const std::vector<TestDriverRecord>& testDrivers, const QString& race)
{
    std::vector<Pick> all;
    for (int j = 0; j < int(totals.teams()); ++j)
        for (int s = Pick::Team; s <= Pick::Driver2; ++s)
            all.push_back({j, Pick::Slot(s)});
    for (int j = 0; j < int(totals.testDrivers()); ++j)
        all.push_back({j, Pick::TestDriver});
    for (const Pick& pick : all)
        if (!inRange(totals.points(pick)))
            return ChampionshipText::tr("The season score of %1 would %2 with race \"%3\".")
                .arg(named(pick, teams, testDrivers), beyond(totals.points(pick)), race);
    return {};
}

} // namespace

bool championshipFiles(const League& league, std::vector<League::Replacement>* pending,
                       QString* error, std::optional<LeagueOrder> order,
                       std::vector<EntryRecord>* calculated)
{
    const std::vector<League::Replacement>& with = *pending;
    Records<RaceName> calendar;
    Records<TeamRecord> teams;
    Records<TestDriverRecord> testDrivers;
    Records<EntryRecord> entries;
    if (!calendar.read(league, with, LeagueFile::Calendar, error)
        || !teams.read(league, with, LeagueFile::Teams, error)
        || !testDrivers.read(league, with, LeagueFile::TestDrivers, error)
        || !entries.read(league, with, LeagueFile::Entries, error))
        return false;
    // The transfers decide which picks count in which race; a record that cannot be read or
    // disagrees with the entries would rewrite the past, so nothing is calculated.
    QByteArray record;
    Decisions decisions;
    if (!pendingOrRead(league, with, LeagueFile::Decisions, &record, error)
        || !checkDecisions(record, league.path(LeagueFile::Decisions), &entries.records, &decisions,
                           error))
        return false;
    const RaceScores scores(decisions);

    // Everything is read and summed before anything is written.
    ComponentPoints totals(teams.records.size(), testDrivers.records.size());
    // The sums of the races before each race, kept only for transfers.
    std::vector<ComponentPoints> sums;
    if (scores.any())
        sums.emplace_back(teams.records.size(), testDrivers.records.size());
    QHash<QString, Race> races;
    for (const RaceName& listed : calendar.records) {
        const QString name = displayText(listed.Name);
        const LeagueFile raceTeams(LeagueFile::RaceTeams, name);
        const QString key = league.path(raceTeams);
        if (!races.contains(key)) {
            Race race;
            if (!race.teams.read(league, with, raceTeams, error)
                || !race.testDrivers.read(league, with, {LeagueFile::RaceTestDrivers, name}, error))
                return false;
            races.insert(key, std::move(race));
        }
        const Race& race = races[key];
        totals.addRace(race.teams.records, race.testDrivers.records);
        if (scores.any()) {
            sums.push_back(sums.back());
            sums.back().addRace(race.teams.records, race.testDrivers.records);
        }
        if (const QString beyondRange =
                firstOverflow(totals, teams.records, testDrivers.records, name);
            !beyondRange.isEmpty())
            return overflow(error, beyondRange);
    }

    const int raceCount = int(calendar.records.size());
    for (std::size_t i = 0; i < entries.records.size(); ++i) {
        EntryRecord& e = entries.records[i];
        const auto picks = e.picks();
        // Without transfers the picks in force are today's in every race: their season totals.
        static const OwnerDecisions none;
        const OwnerDecisions& decided = scores.any() ? scores.of(ownerKey(e)) : none;
        std::array<int, 5> got;
        if (decided.transfers.empty())
            for (std::size_t k = 0; k < 5; ++k)
                got[k] = totals.points(picks[k]);
        else
            got = RaceScores::placePoints(picks, decided.transfers, sums);
        static const char* const what[5] = {QT_TRANSLATE_NOOP("Championship", "team"),
                                            QT_TRANSLATE_NOOP("Championship", "engine"),
                                            QT_TRANSLATE_NOOP("Championship", "first driver"),
                                            QT_TRANSLATE_NOOP("Championship", "second driver"),
                                            QT_TRANSLATE_NOOP("Championship", "test driver")};
        qint64 points = 0;
        for (const int k : ComponentPoints::AddingOrder) {
            points += got[std::size_t(k)];
            if (!inRange(points))
                return overflow(
                    error,
                    ChampionshipText::tr("The points of entry %1 (\"%2\") would %3 "
                                         "with its %4 \"%5\".")
                        .arg(i + 1)
                        .arg(displayText(e.Owner), beyond(points), ChampionshipText::tr(what[k]),
                             nameOf(picks[std::size_t(k)], teams.records, testDrivers.records)));
        }
        // The penalties and bonuses of the calendar's races (not those of the next race).
        if (!decided.adjustments.empty()) {
            points += RaceScores::adjustmentsBefore(decided, raceCount);
            if (!inRange(points))
                return overflow(error, ChampionshipText::tr("The points of entry %1 (\"%2\") "
                                                            "would %3 with its penalties and "
                                                            "bonuses.")
                                           .arg(i + 1)
                                           .arg(displayText(e.Owner), beyond(points)));
        }
        e.Points = int16_t(points);
    }
    for (std::size_t j = 0; j < totals.teams(); ++j) {
        const auto parts = teams.records[j].components();
        for (int s = Pick::Team; s <= Pick::Driver2; ++s)
            parts[std::size_t(s)]->Score = int16_t(totals.points({int(j), Pick::Slot(s)}));
    }
    for (std::size_t j = 0; j < totals.testDrivers(); ++j)
        testDrivers.records[j].Score = int16_t(totals.points({int(j), Pick::TestDriver}));

    // Every check has passed: the totals never count a race the entries' points do not. Entries
    // about to be written (a transfer taken back, a sheet taken in) are written with their points.
    const QByteArray entryFile = entries.bytes();
    const auto put = [&](LeagueFile file, QByteArray bytes) {
        const auto at = std::find_if(pending->begin(), pending->end(), [&](const auto& r) {
            return league.path(r.file) == league.path(file);
        });
        if (at == pending->end())
            pending->push_back({std::move(file), std::move(bytes)});
        else
            at->bytes = std::move(bytes);
    };
    put(LeagueFile::Teams, teams.bytes());
    put(LeagueFile::TestDrivers, testDrivers.bytes());
    put(LeagueFile::Entries, order ? inLeagueOrder(entries.records, entryFile, *order) : entryFile);
    // The decisions record last: a change cut short before it is made whole by doing it again
    // (a penalty is added again, a transfer whose entry picks its pick before already is taken
    // back all the same).
    std::stable_partition(pending->begin(), pending->end(), [&](const League::Replacement& r) {
        return league.path(r.file) != league.path(LeagueFile::Decisions);
    });
    if (calculated)
        *calculated = std::move(entries.records);
    return true;
}

bool recalculateChampionship(League& league, QString* error, std::vector<League::Replacement> with)
{
    return championshipFiles(league, &with, error) && league.replace(with, error);
}

bool calendarRaces(const League& league, QStringList* races, QString* error)
{
    std::vector<RaceName> calendar;
    races->clear();
    if (!league.read(LeagueFile::Calendar, &calendar, error))
        return false;
    for (const RaceName& race : calendar)
        *races << displayText(race.Name);
    return true;
}

QString raceNamed(const QStringList& calendar, const QString& typed)
{
    const QString name = storedRaceName(typed);
    if (calendar.contains(name))
        return name;
    for (const QString& listed : calendar)
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return listed;
    return name;
}

QByteArray withRace(const QByteArray& calendar, const QString& race)
{
    return calendar.left(calendar.size() / RaceName::Length * RaceName::Length)
           + RaceName{fieldText(race)}.encode();
}

QByteArray withoutRace(const QByteArray& calendar, const QString& race)
{
    QByteArray kept;
    const qsizetype whole = calendar.size() / RaceName::Length * RaceName::Length;
    for (qsizetype at = 0; at < whole; at += RaceName::Length)
        if (displayText(RaceName::decode(calendar.constData() + at).Name) != race)
            kept += calendar.mid(at, RaceName::Length);
    return kept + calendar.mid(whole);
}

bool decisionsWithoutRace(const League& league, const QStringList& races, const QString& race,
                          std::vector<League::Replacement>* with, int* moved, QString* error)
{
    Decisions decisions;
    if (!readDecisions(league, &decisions, error))
        return false;
    std::vector<int> gone;
    for (int r = 0; r < races.size(); ++r)
        if (races[r] == race)
            gone.push_back(r);
    QStringList left = races;
    left.removeAll(race);
    const Decisions before = decisions;
    *moved = decisions.takeOut(gone, left);
    if (!(decisions == before))
        with->push_back({LeagueFile::Decisions, decisions.text()});
    return true;
}

std::vector<TeamRecord> newRace(std::vector<TeamRecord> teams)
{
    for (TeamRecord& t : teams)
        for (ComponentSlot* slot : t.components())
            slot->Score = 0;
    return teams;
}

} // namespace velmora
