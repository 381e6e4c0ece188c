#include "data/codepage.h"
#include "data/text.h"
#include "data/translation.h"
#include "data/version.h"
#include "scoring/championship.h"
#include "scoring/finishing_order.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>
#include <new>

namespace {

using namespace velmora;

class ScoreCommand {
    Q_DECLARE_TR_FUNCTIONS(ScoreCommand)
};

// Said on the terminal, each line after the program's name.
void say(const QString& text)
{
    for (const QString& line : terminalText(text).split(u'\n'))
        std::fprintf(stderr, "velmora-score: %s\n", qPrintable(line));
}

// A mistake in the command line: said with a pointer to --help, status 2 as usual.
int usage(const QString& text)
{
    say(text);
    std::fprintf(stderr, "Try 'velmora-score --help'.\n");
    return 2;
}

// What keeps the race from being stored: status 1, nothing written.
int refuse(const QString& text)
{
    say(text);
    return 1;
}

// The order file's text, as the order box holds the same text pasted. False, told, when the
// file cannot be read or a line of it is not UTF-8.
bool readOrderFile(const QString& path, QString* text, QString* error)
{
    QFile file;
    const bool opened = path == u"-" ? file.open(stdin, QIODevice::ReadOnly)
                                     : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        *error = ScoreCommand::tr("Could not read the finishing order \"%1\": %2.")
                     .arg(path, file.errorString());
        return false;
    }
    // A byte-order mark at its start is left out.
    const auto utf8 = [](const QByteArray& bytes, QString* text) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        *text = decoder(bytes);
        return !decoder.hasError();
    };
    if (utf8(bytes, text))
        return true;
    qsizetype n = 0;
    for (const QList<QByteArray> lines = bytes.split('\n'); utf8(lines[n], text);)
        ++n;
    *error = ScoreCommand::tr("Line %1 of the finishing order \"%2\" is not UTF-8 text.")
                 .arg(n + 1)
                 .arg(path);
    return false;
}

// The race's points as the order gives them, the race's table and what Store writes with it.
// False, told, when anything keeps the order from scoring or the race from being stored.
bool scoreRace(const League& league, const QString& race, const QString& order,
               const QStringList& matches, RaceResults* table,
               std::vector<League::Replacement>* with, QString* error)
{
    const std::optional<PointsRules>& rules = league.settings().points;
    if (!rules) {
        *error = ScoreCommand::tr("The league has no points rules, so it scores no race from its "
                                  "finishing order. Give them in velmora's File > League "
                                  "Settings..., or in the points_ lines of \"%1\".")
                     .arg(league.path(LeagueFile::Settings));
        return false;
    }
    LearntNames learnt;
    QString problem;
    if (!table->load(league, race, error) || !readLearntNames(league, &learnt, error, &problem))
        return false;
    if (!problem.isEmpty())
        say(problem);

    // The answers of --match: a driver by name, or where two have it, as the messages name them
    // with their team ("Ann Lee (Arrow)"), as the order box lists them.
    const QStringList drivers = orderDrivers(table->teams());
    QStringList withTeams;
    for (qsizetype d = 0; d < drivers.size(); ++d)
        withTeams << (drivers[d].isEmpty()
                          ? QString()
                          : ScoreCommand::tr("%1 (%2)").arg(
                              drivers[d],
                              displayText(table->teams()[std::size_t(d / 2)].Team.Name)));
    const NameMatcher byName(drivers, true), byTeam(withTeams, false);
    const auto named = [&](const std::vector<int>& at) {
        QStringList names;
        for (const int d : at)
            names << withTeams[d];
        return names.join(QStringLiteral(", "));
    };
    OrderAnswers answers;
    QStringList wrong;
    for (const QString& m : matches) {
        const QString driver = m.section(u'=', 1).trimmed();
        NameMatch found = byTeam.matchWhole(driver);
        if (found.kind != NameMatch::Kind::Found)
            found = byName.match(driver);
        if (driver.isEmpty() || found.kind == NameMatch::Kind::Found)
            answers.insert(foldedName(m.section(u'=', 0, 0)), driver.isEmpty() ? -1 : found.at[0]);
        else if (found.kind == NameMatch::Kind::Several)
            wrong << ScoreCommand::tr("--match \"%1\": \u201c%2\u201d is more than one driver of "
                                      "the race; name one with its team: %3.")
                         .arg(m, driver, named(found.at));
        else
            wrong << ScoreCommand::tr("--match \"%1\": \u201c%2\u201d is no driver of the race.")
                         .arg(m, driver);
    }

    const ScoredOrder scored =
        scoreOrder(readOrder(order), -1, *rules, table->teams(), learnt, answers);
    QStringList said = wrong + scored.refused;
    for (const ScoredOrder::Question& q : scored.questions) {
        QStringList lines;
        for (const int n : q.lines)
            lines << QString::number(n);
        const bool several = q.match.kind == NameMatch::Kind::Several;
        said << (several ? ScoreCommand::tr("Line %1: \u201c%2\u201d is more than one driver: %3.")
                         : ScoreCommand::tr("Line %1: \u201c%2\u201d is no driver of the race "
                                            "(the closest: %3)."))
                    .arg(lines.join(QStringLiteral(", ")), q.typed,
                         named(several ? q.match.at : q.closest));
    }
    if (!scored.questions.empty())
        said << ScoreCommand::tr("Say which of the race's drivers each name is with --match "
                                 "\"NAME=DRIVER\", or --match \"NAME=\" for a car the league does "
                                 "not follow.");
    if (!said.isEmpty()) {
        *error = said.join(u'\n');
        return false;
    }
    // An answer no line took: a name the order finds without it, or does not hold.
    for (const QString& m : matches)
        if (std::none_of(scored.lines.begin(), scored.lines.end(), [&](const auto& line) {
                return line.answered && foldedName(line.typed) == foldedName(m.section(u'=', 0, 0));
            }))
            say(ScoreCommand::tr("--match \"%1\" answers no line of the order: its name is found "
                                 "without it, or not there.")
                    .arg(m));
    if (!scored.notInOrder.isEmpty())
        say(ScoreCommand::tr("Not in the order, so scoring 0: %1.")
                .arg(scored.notInOrder.join(QStringLiteral(", "))));
    table->set(scored.points);
    return raceStore(league, *table, &scored, with, error);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-score"));
    QCoreApplication::setApplicationVersion(versionText());
    loadTranslations(&app);

    QCommandLineParser parser;
    parser.setApplicationDescription(ScoreCommand::tr(
        "Stores a race of a Velmora league from its finishing order, scored by the\n"
        "league's points rules, and counts the championship again, as the Race Results\n"
        "window's Store does: the race's two files, the order, the names learnt, the\n"
        "race added to the calendar when it is new and the season's totals, all written\n"
        "or none."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption race(QStringLiteral("race"),
                                  ScoreCommand::tr("The race: a race of the calendar (letter case "
                                                   "aside), or a new one."),
                                  QStringLiteral("name"));
    const QCommandLineOption order(
        QStringLiteral("order"),
        ScoreCommand::tr("The race's finishing order, UTF-8 text as the order box takes it: a car "
                         "a line, its place (or DNF, DNS, DSQ, NC, Ret), its driver, anything "
                         "else; an FL line names the fastest lap. - reads standard input."),
        QStringLiteral("file"));
    const QCommandLineOption data(
        QStringLiteral("data"),
        ScoreCommand::tr("The league's data folder (default: the one velmora starts on: the "
                         "program's folder, or for an installed program $XDG_DATA_HOME/velmora)."),
        QStringLiteral("folder"));
    const QCommandLineOption match(
        QStringLiteral("match"),
        ScoreCommand::tr("A name of the order the league does not know, and the race's driver it "
                         "is (none: a car the league does not follow); kept as a learnt name. "
                         "Give one for each name."),
        QStringLiteral("name=driver"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    ScoreCommand::tr("Print the race's points as the Race Results "
                                                     "table copies them, and store nothing."));
    parser.addOptions({race, order, data, match, dryRun});

    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usage(
            ScoreCommand::tr("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]));
    if (!parser.isSet(race) || !parser.isSet(order))
        return usage(ScoreCommand::tr("say which race with --race NAME and its finishing order "
                                      "with --order FILE"));
    // The race as the window's race box takes it.
    const QString typed = displayText(parser.value(race));
    if (typed.isEmpty() || typed.size() > TextFieldLength)
        return usage(
            ScoreCommand::tr("--race takes a name of 1 to %1 characters").arg(TextFieldLength));
    if (const qsizetype at = unstorableAt(typed); at >= 0)
        return usage(ScoreCommand::tr("--race: \u201c%1\u201d cannot be kept: the league's files "
                                      "hold only the letters of Western European languages "
                                      "(Windows-1252)")
                         .arg(typed.mid(at, typed[at].isHighSurrogate() ? 2 : 1)));
    QStringList names;
    for (const QString& m : parser.values(match)) {
        const QString name = foldedName(m.section(u'=', 0, 0));
        if (!m.contains(u'=') || name.isEmpty())
            return usage(ScoreCommand::tr("--match takes \"NAME=DRIVER\", not \"%1\"").arg(m));
        if (names.contains(name))
            return usage(ScoreCommand::tr("--match answers \u201c%1\u201d twice")
                             .arg(m.section(u'=', 0, 0).trimmed()));
        names << name;
    }

    QString error;
    try {
        const DataDir dir = parser.isSet(data)
                                ? DataDir(parser.value(data))
                                : DataDir::forProgram(QCoreApplication::applicationDirPath());
        // A folder mistyped is left as it is: opening it to work on would make a league there.
        if (QFileInfo(dir.path()).isDir() && !dir.holdsLeague())
            return refuse(ScoreCommand::tr("The folder \"%1\" holds no league: none of "
                                           "teams.tro, test.tro, entry.tro and calendar.tro is "
                                           "there.")
                              .arg(dir.path()));
        // Storing takes the folder's lock, as the window does; a dry run only reads.
        const auto league = League::open(
            dir, parser.isSet(dryRun) ? League::Mode::Read : League::Mode::Script, &error);
        if (!league)
            return refuse(error);
        if (!league->settingsError().isEmpty())
            say(league->settingsError());
        QString text;
        QStringList calendar;
        RaceResults table;
        std::vector<League::Replacement> with;
        if (!readOrderFile(parser.value(order), &text, &error)
            || !calendarRaces(*league, &calendar, &error)
            || !scoreRace(*league, raceNamed(calendar, typed), text, parser.values(match), &table,
                          &with, &error))
            return refuse(error);
        if (parser.isSet(dryRun)) {
            std::fputs(copiedText(table.pointCells()).toUtf8().constData(), stdout);
            return 0;
        }
        if (recalculateChampionship(*league, &error, std::move(with)))
            return 0;
    } catch (const std::bad_alloc&) {
        error = ScoreCommand::tr("There was not enough memory to store the race.");
    }
    return refuse(error);
}
