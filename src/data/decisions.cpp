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
constexpr char kTakenBack[] = " taken back"; // after the kind of a decision taken back
// The record's words for a component; a message to the user translates them.
const char* const kComponents[] = {
    QT_TRANSLATE_NOOP("Decisions", "team"), QT_TRANSLATE_NOOP("Decisions", "engine"),
    QT_TRANSLATE_NOOP("Decisions", "driver 1"), QT_TRANSLATE_NOOP("Decisions", "driver 2"),
    QT_TRANSLATE_NOOP("Decisions", "test driver")};

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
        if (d.kind.endsWith(QLatin1String(kTakenBack))) {
            d.kind.chop(qsizetype(std::size(kTakenBack)) - 1);
            d.takenBack = true;
        }
        int race = 0;
        if (d.isAdjustment()) {
            if (f.size() < 6)
                return bad(tr("a penalty or bonus holds its points, a race and a reason"));
            if (!readWhole(f[2], 1, INT16_MAX, &d.points))
                return bad(tr("its points are not a whole number from 1 to 32767"));
            if (!readWhole(f[3], 1, INT_MAX, &race))
                return bad(tr("its race is not a number from 1 on"));
            d.race = race - 1;
            d.raceName = f[4];
            d.reason = f[5];
            d.more = f.mid(6);
            read->list.push_back(std::move(d));
            continue;
        }
        if (!d.isTransfer()) { // kept as it is, also a mark this program would read
            d.kind = f[0];
            d.takenBack = false;
            d.more = f.mid(2);
            read->list.push_back(std::move(d));
            continue;
        }
        const auto component = std::find_if(std::begin(kComponents), std::end(kComponents),
                                            [&](const char* c) { return f.value(2) == c; });
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
        QStringList f{d.takenBack ? d.kind + QLatin1String(kTakenBack) : d.kind, d.owner};
        if (d.isTransfer())
            f << QLatin1String(kComponents[d.component]) << QString::number(d.before)
              << QString::number(d.after) << QString::number(d.race + 1) << readable(d.beforeName)
              << readable(d.afterName) << readable(d.raceName);
        else if (d.isAdjustment())
            f << QString::number(d.points) << QString::number(d.race + 1) << readable(d.raceName)
              << readable(d.reason);
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
        return d.isTransfer() && d.counts() && d.owner == owner;
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
    // The last transfer of each owner's component so far, and each owner's penalties and bonuses
    // in each race.
    QHash<QString, const Decision*> last;
    QHash<QString, qint64> adjusted;
    const auto key = [](const Decision& d) { return d.owner + u'\t' + QChar(u'0' + d.component); };
    const auto inRace = [](const Decision& d) { return d.owner + u'\t' + QString::number(d.race); };
    for (const Decision& d : list) {
        const auto [count, at] = owners.value(d.owner);
        if (count != 1)
            return wrong(d, count == 0
                                ? tr("no entry has the owner \"%1\"").arg(quotedText(d.owner))
                                : tr("%1 entries have the owner \"%2\", and a "
                                     "decision needs a name of its own")
                                      .arg(count)
                                      .arg(quotedText(d.owner)));
        if (d.isAdjustment() && d.counts())
            adjusted[inRace(d)] += d.adjustment();
        if (!d.isTransfer() || !d.counts())
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
        if (const qint64 sum = adjusted.value(inRace(d));
            d.isAdjustment() && d.counts() && (sum < INT16_MIN || sum > INT16_MAX))
            return wrong(d, tr("%1's penalties and bonuses in race %2 add up to %3, beyond what "
                               "a score holds (-32768 to 32767)")
                                .arg(quotedText(d.owner))
                                .arg(d.race + 1)
                                .arg(sum));
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
        if (!d.isTransfer() && !d.isAdjustment())
            continue;
        const int below = int(std::lower_bound(gone.begin(), gone.end(), d.race) - gone.begin());
        if (std::binary_search(gone.begin(), gone.end(), d.race)) {
            own += d.counts();
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
            return refuse(tr("The league's decisions record holds decisions about "
                             "another owner named \"%1\": a second entry of that "
                             "name would take them over.")
                              .arg(owner));
        if (!isNew && holds(was)) {
            if (namesakes > 0 || hasControl(owner))
                return refuse(tr("\"%1\" has decisions in the league's decisions "
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
                return d.isTransfer() && d.counts() && d.owner == owner && d.component == slot;
            });
        const bool transferred = last != next.list.rend();
        if (transferFrom && transferred && *transferFrom < last->race)
            return refuse(tr("A transfer of %1's %2 cannot count from before the race its last "
                             "transfer counts from (race %3).")
                              .arg(owner, tr(kComponents[slot]))
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

bool Decisions::add(const std::vector<EntryRecord>& entries, const Decision& made, QString* refusal)
{
    const auto refuse = [refusal](const QString& text) {
        return io::fail(refusal, text + tr(" Nothing was stored."));
    };
    const auto named = std::count_if(entries.begin(), entries.end(), [&](const EntryRecord& e) {
        return ownerKey(e) == made.owner;
    });
    if (named != 1 || hasControl(made.owner) || made.owner.isEmpty())
        return refuse(tr("A decision needs an owner name of exactly one entry, without tabs or "
                         "line ends: \"%1\" is the name of %2 entries.")
                          .arg(quotedText(made.owner))
                          .arg(named));
    if (hasControl(made.reason))
        return refuse(tr("A reason is one line: it holds no tab or line break."));
    Decision d = made;
    d.takenBack = false;
    d.line = 0;
    list.push_back(std::move(d));
    return true;
}

QString Decisions::whyNotTakeBack(std::size_t k) const
{
    const Decision& d = list[k];
    if (!d.counts())
        return tr("It counts for nothing already.");
    if (d.isTransfer())
        for (std::size_t j = k + 1; j < list.size(); ++j)
            if (list[j].isTransfer() && list[j].counts() && list[j].owner == d.owner
                && list[j].component == d.component)
                return tr("A later transfer of %1's %2 follows it: take that one back first.")
                    .arg(d.owner, tr(kComponents[d.component]));
    return {};
}

bool Decisions::takeBack(std::size_t k, std::vector<EntryRecord>* entries, QString* refusal)
{
    if (const QString why = whyNotTakeBack(k); !why.isEmpty())
        return io::fail(refusal, why);
    Decision& d = list[k];
    if (d.isTransfer()) {
        const auto entry =
            std::find_if(entries->begin(), entries->end(),
                         [&](const EntryRecord& e) { return ownerKey(e) == d.owner; });
        // One that picks the pick before already is a take back cut short: it is completed.
        if (entry == entries->end()
            || (entry->index(d.component) != d.after && entry->index(d.component) != d.before))
            return io::fail(
                refusal,
                tr("%1's entry does not pick what the transfer picked.").arg(quotedText(d.owner)));
        entry->index(d.component) = int16_t(d.before);
    }
    d.takenBack = true;
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
        if (d.isTransfer() && d.counts() && d.owner == owner
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
