#include "scoring/finishing_order.h"

#include "data/io.h"
#include "data/text.h"
#include "scoring/championship.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <map>

namespace velmora {
namespace {

class OrderText {
    Q_DECLARE_TR_FUNCTIONS(FinishingOrder)
};

constexpr int kMin = std::numeric_limits<int16_t>::min();
constexpr int kMax = std::numeric_limits<int16_t>::max();

// The words of a results page for a car not classified: did not finish, start, qualify,
// pre-qualify or arrive, disqualified, not classified, retired, excluded, withdrawn.
const QStringList& notClassifiedWords()
{
    static const QStringList words = {
        QStringLiteral("dnf"), QStringLiteral("dns"), QStringLiteral("dnq"), QStringLiteral("dnpq"),
        QStringLiteral("dna"), QStringLiteral("dsq"), QStringLiteral("dq"),  QStringLiteral("nc"),
        QStringLiteral("ret"), QStringLiteral("ex"),  QStringLiteral("exc"), QStringLiteral("wd")};
    return words;
}

// A line's cells: at tabs, semicolons or commas (the first of them it holds), else at runs of
// two or more blanks; each without the blanks around it.
QStringList cellsOf(QStringView line)
{
    QStringList cells;
    for (const QChar separator : {u'\t', u';', u','})
        if (line.contains(separator)) {
            for (const QStringView cell : line.split(separator))
                cells << cell.trimmed().toString();
            return cells;
        }
    qsizetype from = 0;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        qsizetype blanks = 0;
        while (at + blanks < line.size() && line[at + blanks].isSpace())
            ++blanks;
        if (at == line.size() || blanks >= 2) {
            cells << line.mid(from, at - from).trimmed().toString();
            from = at += blanks;
        }
    }
    return cells;
}

bool holdsLetter(const QString& cell)
{
    return std::any_of(cell.begin(), cell.end(), [](QChar c) { return c.isLetter(); });
}

// "Lines 3 and 7", "Line 4".
QString linesText(const std::vector<int>& lines)
{
    QStringList numbers;
    for (const int n : lines)
        numbers << QString::number(n);
    if (numbers.size() == 1)
        return OrderText::tr("Line %1").arg(numbers[0]);
    const QString last = numbers.takeLast();
    return OrderText::tr("Lines %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

// A name as an order file and learnt names keep it: on one line.
QString oneLine(QString name)
{
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return name;
}

} // namespace

std::vector<OrderLine> readOrder(const QString& pasted)
{
    // What QTextDocument makes of a paste (the two non-characters are its frame marks).
    QString text = pasted;
    for (QChar& c : text)
        if (c == QChar::Nbsp)
            c = u' ';
        else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\uFDD0'
                 || c == u'\uFDD1')
            c = u'\n';
    std::vector<OrderLine> order;
    int number = 0;
    for (qsizetype at = 0; at <= text.size();) {
        qsizetype end = at;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = QStringView(text).mid(at, end - at);
        ++number;
        at = end + (QStringView(text).mid(end).startsWith(u"\r\n") ? 2 : 1);
        if (line.trimmed().isEmpty())
            continue;
        OrderLine read{number, line.toString(), cellsOf(line)};
        const QString first = read.cells.value(0);
        const QStringView digits = QStringView(first).chopped(first.endsWith(u'.') ? 1 : 0);
        bool whole = !digits.isEmpty() && digits.size() <= 6;
        for (const QChar c : digits)
            whole &= c >= u'0' && c <= u'9';
        if (whole && digits.toInt() > 0)
            read.kind = OrderLine::Kind::Place, read.place = digits.toInt();
        else if (notClassifiedWords().contains(first.toLower()))
            read.kind = OrderLine::Kind::NotClassified;
        else if (first.compare(u"FL", Qt::CaseInsensitive) == 0)
            read.kind = OrderLine::Kind::FastestLap;
        order.push_back(std::move(read));
    }
    return order;
}

QStringList orderDrivers(const std::vector<TeamRecord>& teams)
{
    QStringList drivers;
    for (const TeamRecord& t : teams)
        drivers << displayText(t.Driver1.Name) << displayText(t.Driver2.Name);
    return drivers;
}

ScoredOrder scoreOrder(const std::vector<OrderLine>& order, int fastestPicked,
                       const PointsRules& rules, const std::vector<TeamRecord>& teams,
                       const LearntNames& learnt, const OrderAnswers& answers)
{
    ScoredOrder scored;
    const QStringList drivers = orderDrivers(teams);
    const NameMatcher matcher(drivers, true);
    const auto named = [&](int d) { // "Ann Lee (Arrow)"
        return OrderText::tr("%1 (%2)").arg(drivers[d],
                                            displayText(teams[std::size_t(d / 2)].Team.Name));
    };
    QSet<QString> teamNames; // what a driver's cell is not
    for (const TeamRecord& t : teams)
        teamNames << foldedName(displayText(t.Team.Name)) << foldedName(displayText(t.Engine.Name));

    // Found exactly or letters aside, answered or learnt; the rest waits for the last word.
    std::vector<NameMatch> waiting(order.size());
    std::vector<bool> taken(std::size_t(drivers.size()));
    for (std::size_t i = 0; i < order.size(); ++i) {
        const OrderLine& line = order[i];
        ScoredOrder::Line& s = scored.lines.emplace_back();
        s.number = line.number, s.text = line.text;
        s.fastestLap = line.kind == OrderLine::Kind::FastestLap;
        if (line.kind == OrderLine::Kind::Unread) {
            scored.refused << OrderText::tr(
                                  "Line %1: \u201c%2\u201d is no place, no word for a car "
                                  "not classified (DNF, DNS, DSQ, NC, Ret...) and not FL.")
                                  .arg(line.number)
                                  .arg(quotedText(line.cells.value(0), 30));
            continue;
        }
        for (qsizetype c = 1; c < line.cells.size() && s.typed.isEmpty(); ++c)
            if (holdsLetter(line.cells[c]) && !teamNames.contains(foldedName(line.cells[c])))
                s.typed = line.cells[c];
        if (s.typed.isEmpty()) {
            scored.refused << OrderText::tr("Line %1 names no driver: \u201c%2\u201d.")
                                  .arg(line.number)
                                  .arg(quotedText(line.text, 50));
            continue;
        }
        const NameMatch whole = matcher.matchWhole(s.typed);
        const QString folded = foldedName(s.typed);
        const LearntNames::Name* known = learnt.find(QStringLiteral("driver"), s.typed);
        const NameMatch means =
            known && !known->means.isEmpty() ? matcher.matchWhole(known->means) : NameMatch();
        if (whole.kind == NameMatch::Kind::Found)
            s.driver = whole.at[0];
        else if (const int a = answers.value(folded, -2); a >= -1 && a < drivers.size())
            s.driver = a, s.answered = true;
        else if (known && (known->means.isEmpty() || means.kind == NameMatch::Kind::Found))
            s.driver = known->means.isEmpty() ? -1 : means.at[0];
        else
            waiting[i] = whole;
        if (s.driver >= 0 && !s.fastestLap)
            taken[std::size_t(s.driver)] = true;
    }
    // A surname names the one driver who has it among those no other line names.
    QHash<QString, std::size_t> asked;
    for (std::size_t i = 0; i < order.size(); ++i) {
        ScoredOrder::Line& s = scored.lines[i];
        if (s.driver != -2 || s.typed.isEmpty())
            continue;
        NameMatch m = waiting[i];
        if (m.kind == NameMatch::Kind::NotFound)
            m = matcher.match(s.typed, s.fastestLap ? std::vector<bool>() : taken);
        if (m.kind == NameMatch::Kind::Found) {
            s.driver = m.at[0];
            continue;
        }
        const QString folded = foldedName(s.typed);
        if (!asked.contains(folded)) {
            asked.insert(folded, scored.questions.size());
            scored.questions.push_back({s.typed,
                                        {},
                                        m,
                                        m.kind == NameMatch::Kind::NotFound
                                            ? matcher.closest(s.typed, 5)
                                            : std::vector<int>()});
        }
        scored.questions[asked[folded]].lines.push_back(s.number);
    }

    // Each place, driver and the fastest lap once.
    std::map<int, std::vector<int>> places, cars;
    std::vector<int> fastestLines;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const ScoredOrder::Line& s = scored.lines[i];
        if (order[i].kind == OrderLine::Kind::Unread) {
            continue;
        } else if (s.fastestLap) {
            fastestLines.push_back(s.number);
            scored.fastest = std::max(s.driver, -1);
            continue;
        } else if (order[i].kind == OrderLine::Kind::Place) {
            places[order[i].place].push_back(s.number);
        }
        if (s.driver >= 0)
            cars[s.driver].push_back(s.number);
    }
    if (fastestLines.empty() && fastestPicked >= 0 && fastestPicked < drivers.size())
        scored.fastest = fastestPicked;
    for (const auto& [place, lines] : places)
        if (lines.size() > 1)
            scored.refused << OrderText::tr("%1 give place %2.").arg(linesText(lines)).arg(place);
    for (const auto& [driver, lines] : cars)
        if (lines.size() > 1)
            scored.refused << OrderText::tr("%1 name %2.").arg(linesText(lines), named(driver));
    if (fastestLines.size() > 1)
        scored.refused << OrderText::tr("%1 give the fastest lap.").arg(linesText(fastestLines));
    if (order.empty())
        scored.refused << OrderText::tr("The order holds no line.");
    else if (std::all_of(scored.lines.begin(), scored.lines.end(),
                         [](const ScoredOrder::Line& s) { return s.fastestLap; }))
        scored.refused << OrderText::tr("The order holds no car, only the fastest lap.");
    if (!scored.questions.empty())
        return scored;
    for (qsizetype d = 0; d < drivers.size(); ++d)
        if (!drivers[d].isEmpty() && !cars.count(int(d)))
            scored.notInOrder << named(int(d));
    if (!scored.refused.isEmpty())
        return scored;

    // The points: a car's, then its chassis' and its engine maker's.
    std::vector<int> car(std::size_t(drivers.size()));
    for (std::size_t i = 0; i < order.size(); ++i) {
        const OrderLine& line = order[i];
        const int driver = scored.lines[i].driver;
        if (driver < 0 || line.kind == OrderLine::Kind::FastestLap)
            continue;
        car[std::size_t(driver)] = line.kind == OrderLine::Kind::NotClassified ? rules.notClassified
                                   : std::size_t(line.place) <= rules.places.size()
                                       ? rules.places[std::size_t(line.place) - 1]
                                       : rules.classifiedBeyond;
    }
    if (scored.fastest >= 0)
        car[std::size_t(scored.fastest)] += rules.fastestLap;
    QHash<QString, int> makers;
    for (std::size_t r = 0; r < teams.size(); ++r)
        makers[displayText(teams[r].Engine.Name)] += car[2 * r] + car[2 * r + 1];
    const auto beyond = [&scored](const QString& who, int points) {
        if (points >= kMin && points <= kMax)
            return false;
        scored.refused
            << OrderText::tr("%1 would score %2, beyond -32768 to 32767.").arg(who).arg(points);
        return true;
    };
    for (std::size_t r = 0; r < teams.size(); ++r) {
        const int d1 = car[2 * r], d2 = car[2 * r + 1];
        const int slot[4] = {
            rules.chassis == PointsRules::Chassis::Sum ? d1 + d2 : std::max(d1, d2),
            rules.engine == PointsRules::Engine::Record ? d1 + d2
                                                        : makers[displayText(teams[r].Engine.Name)],
            d1, d2};
        const QString team = displayText(teams[r].Team.Name);
        const QString who[4] = {OrderText::tr("The chassis \u201c%1\u201d").arg(team),
                                OrderText::tr("The engine maker \u201c%1\u201d of \u201c%2\u201d")
                                    .arg(displayText(teams[r].Engine.Name), team),
                                named(int(2 * r)), named(int(2 * r + 1))};
        for (int c = 0; c < 4; ++c)
            if (!beyond(who[c], slot[c]))
                scored.points.push_back({int(r), c, int16_t(slot[c])});
    }
    if (!scored.refused.isEmpty())
        scored.points.clear();
    return scored;
}

bool StoredOrder::read(const League& league, const QString& race, StoredOrder* order,
                       QString* problem)
{
    *order = {};
    QByteArray bytes;
    if (!league.readBytes({LeagueFile::RaceOrder, race}, &bytes, problem))
        return false;
    const QString path = league.path({LeagueFile::RaceOrder, race});
    QStringList lines, errors;
    const QList<QByteArray> raw = bytes.split('\n');
    for (qsizetype n = 0; n < raw.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = utf8(raw[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!utf8.hasError() && line.isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        if (!utf8.hasError() && fields[0] == u"line" && fields.size() >= 3)
            lines << QStringList(fields.mid(2)).join(u'\t');
        else if (!utf8.hasError() && fields[0] == u"fastest" && fields.size() == 2)
            order->fastest = fields[1];
        else if (!utf8.hasError() && fields[0] != u"line" && fields[0] != u"fastest")
            order->others << line;
        else
            errors << OrderText::tr("Line %1 of the race's finishing order \"%2\" cannot be read: "
                                    "\"%3\".")
                          .arg(n + 1)
                          .arg(path, quotedText(line));
    }
    order->text = lines.join(u'\n');
    if (errors.isEmpty())
        return true;
    *order = {};
    *problem = errors.join(u'\n');
    return false;
}

bool raceStore(const League& league, const RaceResults& table, const ScoredOrder* order,
               std::vector<League::Replacement>* with, QString* error)
{
    const QString race = table.race();
    *with = table.files();
    if (order) {
        const QStringList drivers = orderDrivers(table.teams());
        StoredOrder before;
        if (!StoredOrder::read(league, race, &before, error)) {
            *error += u'\n'
                      + OrderText::tr("It is not written over: mend it in a text editor, or "
                                      "remove it, and store again.");
            return false;
        }
        QString text;
        for (const ScoredOrder::Line& line : order->lines)
            text +=
                QStringLiteral("line\t%1\t%2\n")
                    .arg(line.driver >= 0 ? oneLine(drivers[line.driver]) : QString(), line.text);
        if (order->fastest >= 0)
            text += QStringLiteral("fastest\t%1\n").arg(oneLine(drivers[order->fastest]));
        for (const QString& other : before.others)
            text += other + u'\n';
        with->push_back({{LeagueFile::RaceOrder, race}, text.toUtf8()});
        LearntNames names;
        QString problem;
        if (!readLearntNames(league, &names, error, &problem))
            return false;
        for (const ScoredOrder::Line& line : order->lines)
            if (line.answered)
                names.learn({QStringLiteral("driver"), line.typed,
                             line.driver >= 0 ? drivers[line.driver] : QString()});
        if (problem.isEmpty())
            with->push_back({LeagueFile::LearntNames, names.text()});
    }
    std::vector<RaceName> calendar;
    QByteArray bytes;
    if (!league.read(LeagueFile::Calendar, &calendar, error, &bytes))
        return false;
    if (std::none_of(calendar.begin(), calendar.end(),
                     [&race](const RaceName& r) { return displayText(r.Name) == race; }))
        with->push_back({LeagueFile::Calendar, withRace(bytes, race)});
    return true;
}

} // namespace velmora
