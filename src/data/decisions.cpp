#include "data/decisions.h"

#include "data/io.h"
#include "data/league.h"
#include "data/text.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <climits>

namespace velmora {
namespace {

constexpr char kHeader[] = "velmora decisions 1";
const char* const kComponents[] = {"team", "engine", "driver 1", "driver 2", "test driver"};

// A whole number as this program writes one (no '+', no leading zero), within its bounds.
bool readWhole(const QString& text, int least, int most, int* n)
{
    bool ok = false;
    *n = text.toInt(&ok);
    return ok && *n >= least && *n <= most && QString::number(*n) == text;
}

// A line end or a tab in a name would part the line: a reader's name gets blanks instead.
bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c < u' ' || c == u'\x7f'; });
}
QString readable(QString text)
{
    for (QChar& c : text)
        if (c < u' ' || c == u'\x7f')
            c = u' ';
    return text;
}

QString refusedUntilMended()
{
    return Decisions::tr(" Until it is mended in a text editor, the championship is not "
                         "calculated, no entry's picks or owner change, no entry is deleted and "
                         "the season is not published.");
}

bool swapsDrivers(const EntryRecord& was, const EntryRecord& now)
{
    const int a = was.Driver1Index, b = was.Driver2Index;
    return (now.Driver1Index == b && b != a) || (now.Driver2Index == a && a != b);
}

} // namespace

bool Decisions::parse(const QByteArray& bytes, const QString& path, Decisions* read, QString* error)
{
    *read = {};
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype n = 0; n < lines.size() && !bytes.isEmpty(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = utf8(lines[n]);
        while (line.endsWith(u'\r'))
            line.chop(1);
        const auto bad = [&](const QString& why) {
            return io::fail(error, tr("Line %1 of the decisions record \"%2\" cannot "
                                      "be read: %3: \"%4\".")
                                       .arg(n + 1)
                                       .arg(path, why, quotedText(line)));
        };
        if (utf8.hasError())
            return bad(tr("it is not UTF-8 text"));
        if (n == 0) {
            if (line != QLatin1String(kHeader))
                return bad(tr("the record begins with \"%1\"").arg(kHeader));
            continue;
        }
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() < 2)
            return bad(tr("a decision holds its kind and an owner, apart by a tab"));
        Decision d;
        d.kind = f[0];
        d.owner = f[1];
        d.line = int(n + 1);
        if (!d.isTransfer()) {
            d.more = f.mid(2);
            read->list.push_back(std::move(d));
            continue;
        }
        const auto component = std::find_if(std::begin(kComponents), std::end(kComponents),
                                            [&](const char* c) { return f.value(2) == c; });
        int race = 0;
        if (f.size() < 6)
            return bad(tr("a transfer holds a component, two picks and a race"));
        if (component == std::end(kComponents))
            return bad(tr("its component is none of team, engine, driver 1, "
                          "driver 2 and test driver"));
        if (!readWhole(f[3], INT16_MIN, INT16_MAX, &d.before)
            || !readWhole(f[4], INT16_MIN, INT16_MAX, &d.after))
            return bad(tr("its picks are not whole numbers from -32768 to 32767"));
        if (!readWhole(f[5], 1, INT_MAX, &race))
            return bad(tr("its race is not a number from 1 on"));
        d.component = Pick::Slot(component - std::begin(kComponents));
        d.race = race - 1;
        d.beforeName = f.value(6);
        d.afterName = f.value(7);
        d.raceName = f.value(8);
        d.more = f.mid(9);
        read->list.push_back(std::move(d));
    }
    return true;
}

QByteArray Decisions::text() const
{
    QString out = QLatin1String(kHeader) + u'\n';
    for (const Decision& d : list) {
        QStringList f{d.kind, d.owner};
        if (d.isTransfer())
            f << QLatin1String(kComponents[d.component]) << QString::number(d.before)
              << QString::number(d.after) << QString::number(d.race + 1) << readable(d.beforeName)
              << readable(d.afterName) << readable(d.raceName);
        out += (f + d.more).join(u'\t') + u'\n';
    }
    return out.toUtf8();
}

bool Decisions::holds(const QString& owner) const
{
    return std::any_of(list.begin(), list.end(),
                       [&](const Decision& d) { return d.owner == owner; });
}

int Decisions::transfersOf(const QString& owner) const
{
    return int(std::count_if(list.begin(), list.end(), [&](const Decision& d) {
        return d.isTransfer() && d.owner == owner;
    }));
}

QString Decisions::disagreement(const std::vector<EntryRecord>& entries, const QString& path) const
{
    if (list.empty())
        return {};
    // The entries of each name the record holds, and the last of them.
    QHash<QString, std::pair<int, std::size_t>> owners;
    for (const Decision& d : list)
        owners.insert(d.owner, {0, 0});
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (const auto o = owners.find(ownerKey(entries[i])); o != owners.end())
            *o = {o->first + 1, i};
    // A decision not read from the file is one a change is about to make.
    const auto wrong = [&](const Decision& d, const QString& why) {
        return (d.line > 0 ? tr("Line %1 of the decisions record \"%2\" disagrees with the "
                                "entries: %3.")
                                 .arg(d.line)
                                 .arg(path, why)
                           : tr("The change would leave the decisions record \"%1\" "
                                "disagreeing with the entries: %2.")
                                 .arg(path, why))
               + refusedUntilMended();
    };
    // The last transfer of each owner's component so far.
    QHash<QString, const Decision*> last;
    const auto key = [](const Decision& d) { return d.owner + u'\t' + QChar(u'0' + d.component); };
    for (const Decision& d : list) {
        const auto [count, at] = owners.value(d.owner);
        if (count != 1)
            return wrong(d, count == 0
                                ? tr("no entry has the owner \"%1\"").arg(quotedText(d.owner))
                                : tr("%1 entries have the owner \"%2\", and a "
                                     "decision needs a name of its own")
                                      .arg(count)
                                      .arg(quotedText(d.owner)));
        if (!d.isTransfer())
            continue;
        const Decision*& before = last[key(d)];
        if (before && before->after != d.before)
            return wrong(d, tr("it changes %1's %2 from position %3, but the transfer "
                               "on line %4 changed it to %5")
                                .arg(quotedText(d.owner), QLatin1String(kComponents[d.component]))
                                .arg(d.before)
                                .arg(before->line)
                                .arg(before->after));
        // Taken back newest first, transfers of a component count from races in their order.
        if (before && d.race < before->race)
            return wrong(d, tr("it counts from race %1, before the transfer on line %2 (race %3)")
                                .arg(d.race + 1)
                                .arg(before->line)
                                .arg(before->race + 1));
        before = &d;
    }
    for (const Decision& d : list) {
        if (!d.isTransfer() || last.value(key(d)) != &d)
            continue;
        const int picked = entries[owners.value(d.owner).second].index(d.component);
        if (picked != d.after)
            return wrong(d, tr("%1's last transfer of the %2 picks position %3, but "
                               "the entry picks %4")
                                .arg(quotedText(d.owner), QLatin1String(kComponents[d.component]))
                                .arg(d.after)
                                .arg(picked));
    }
    return {};
}

int Decisions::takeOut(const std::vector<int>& gone, const QStringList& races)
{
    int own = 0;
    for (Decision& d : list) {
        if (!d.isTransfer())
            continue;
        const int below = int(std::lower_bound(gone.begin(), gone.end(), d.race) - gone.begin());
        if (std::binary_search(gone.begin(), gone.end(), d.race)) {
            ++own;
            d.raceName = races.value(d.race - below);
        }
        d.race -= below;
    }
    return own;
}

void Decisions::remove(const QString& owner)
{
    std::erase_if(list, [&](const Decision& d) { return d.owner == owner; });
}

bool Decisions::store(const std::vector<EntryRecord>& entries, std::size_t n,
                      const EntryRecord& now, std::optional<int> transferFrom,
                      std::optional<int> limit, const Names& names, QString* refusal)
{
    const auto refuse = [refusal](const QString& text) {
        return io::fail(refusal, text + tr(" The entry is not stored."));
    };
    const QString owner = displayText(now.Owner);
    const bool isNew = n >= entries.size();
    const QString was = isNew ? QString() : displayText(entries[n].Owner);
    qsizetype namesakes = 0; // other entries of the owner's name
    for (std::size_t i = 0; i < entries.size(); ++i)
        namesakes += i != n && displayText(entries[i].Owner) == owner;
    Decisions next = *this;
    if (isNew || owner != was) {
        if (holds(owner))
            return refuse(tr("The league's decisions record holds transfers of "
                             "another owner named \"%1\": a second entry of that "
                             "name would take them over.")
                              .arg(owner));
        if (!isNew && holds(was)) {
            if (namesakes > 0 || hasControl(owner))
                return refuse(tr("\"%1\" has transfers in the league's decisions "
                                 "record, which know an owner by a name of their "
                                 "own: \"%2\" is another entry's name, or holds a tab "
                                 "or line end.")
                                  .arg(was, owner));
            for (Decision& d : next.list)
                if (d.owner == was)
                    d.owner = owner;
        }
    }
    if (isNew) {
        *this = std::move(next);
        return true;
    }
    if (swapsDrivers(entries[n], now))
        for (Decision& d : next.list)
            if (d.isTransfer() && d.owner == owner && d.component >= Pick::Driver1
                && d.component <= Pick::Driver2)
                d.component = Pick::Slot(Pick::Driver1 + Pick::Driver2 - d.component);
    const int made = next.transfersOf(owner);
    for (const PickChange& change : pickChanges(entries[n], now)) {
        const Pick::Slot slot =
            change.component; // not a structured binding: clang 14 cannot capture one
        const int before = change.before, after = change.after;
        if (transferFrom && (namesakes > 0 || hasControl(owner)))
            return refuse(tr("A transfer needs an owner name of its own, without tabs or line "
                             "ends: \"%1\" is the name of %2 entries.")
                              .arg(quotedText(owner))
                              .arg(namesakes + 1));
        const auto last =
            std::find_if(next.list.rbegin(), next.list.rend(), [&](const Decision& d) {
                return d.isTransfer() && d.owner == owner && d.component == slot;
            });
        const bool transferred = last != next.list.rend();
        if (transferFrom && transferred && *transferFrom < last->race)
            return refuse(tr("A transfer of %1's %2 cannot count from before the race its last "
                             "transfer counts from (race %3).")
                              .arg(owner, QLatin1String(kComponents[slot]))
                              .arg(last->race + 1));
        if (transferred && (!transferFrom || last->race == *transferFrom)) {
            last->after = after;
            last->afterName = names.pick(slot, after);
            if (last->after == last->before)
                next.list.erase(std::next(last).base());
        } else if (transferFrom && before >= 0) { // a pick first chosen is no transfer
            Decision d;
            d.kind = QStringLiteral("transfer");
            d.owner = owner;
            d.component = slot;
            d.before = before;
            d.after = after;
            d.race = *transferFrom;
            d.beforeName = names.pick(slot, before);
            d.afterName = names.pick(slot, after);
            d.raceName = names.races.value(d.race);
            next.list.push_back(std::move(d));
        }
    }
    const int making = next.transfersOf(owner);
    if (limit && making > *limit && making > made)
        return refuse(tr("%1 has made %2 of the %3 transfers the league allows in a "
                         "season; this change would make %4.")
                          .arg(owner)
                          .arg(made)
                          .arg(*limit)
                          .arg(making));
    *this = std::move(next);
    return true;
}

QString ownerKey(const EntryRecord& entry)
{
    const QString& field = entry.Owner;
    qsizetype begin = 0, end = field.size();
    while (begin < end && field[begin] == u' ')
        ++begin;
    while (end > begin && field[end - 1] == u' ')
        --end;
    return QString::fromRawData(field.constData() + begin, end - begin);
}

std::vector<PickChange> pickChanges(const EntryRecord& was, const EntryRecord& now)
{
    EntryRecord before = was;
    if (swapsDrivers(was, now))
        std::swap(before.Driver1Index, before.Driver2Index);
    std::vector<PickChange> changes;
    for (int k = Pick::Team; k <= Pick::TestDriver; ++k)
        if (const auto slot = Pick::Slot(k); before.index(slot) != now.index(slot))
            changes.push_back({slot, before.index(slot), now.index(slot)});
    return changes;
}

int earliestTransfer(const Decisions& decisions, const QString& owner,
                     const std::vector<PickChange>& changes)
{
    int race = 0;
    for (const Decision& d : decisions.list)
        if (d.isTransfer() && d.owner == owner
            && std::any_of(changes.begin(), changes.end(),
                           [&](const PickChange& c) { return c.component == d.component; }))
            race = std::max(race, d.race);
    return race;
}

bool checkDecisions(const QByteArray& bytes, const QString& path,
                    const std::vector<EntryRecord>* entries, Decisions* decisions, QString* error)
{
    if (!Decisions::parse(bytes, path, decisions, error)) {
        if (error)
            *error += refusedUntilMended();
        return false;
    }
    const QString wrong = entries ? decisions->disagreement(*entries, path) : QString();
    return wrong.isEmpty() || io::fail(error, wrong);
}

bool readDecisions(const League& league, Decisions* decisions, QString* error,
                   const std::vector<EntryRecord>* entries)
{
    QByteArray bytes;
    return league.readBytes(LeagueFile::Decisions, &bytes, error)
           && checkDecisions(bytes, league.path(LeagueFile::Decisions), entries, decisions, error);
}

} // namespace velmora
