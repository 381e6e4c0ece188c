#include "databases/entry_sheet.h"

#include "data/codepage.h"
#include "data/csv.h"
#include "data/decisions.h"
#include "data/entry_rules.h"
#include "data/text.h"
#include "scoring/championship.h"

#include <algorithm>
#include <climits>

namespace velmora {
namespace {

const char* const kColumns[] = {
    QT_TRANSLATE_NOOP("EntrySheet", "Owner"),    QT_TRANSLATE_NOOP("EntrySheet", "Team"),
    QT_TRANSLATE_NOOP("EntrySheet", "Engine"),   QT_TRANSLATE_NOOP("EntrySheet", "Driver 1"),
    QT_TRANSLATE_NOOP("EntrySheet", "Driver 2"), QT_TRANSLATE_NOOP("EntrySheet", "Test Driver")};
// The most problems a sheet names; a sheet of other text would name every line.
constexpr qsizetype kMostProblems = 20;

// A header cell as compared with the six names: no blanks, no letter case.
QString headerKey(const QString& cell)
{
    QString key;
    for (const QChar c : cell)
        if (!c.isSpace())
            key += c.toCaseFolded();
    return key;
}

} // namespace

QString EntrySheet::columnName(int c)
{
    return QString::fromLatin1(kColumns[c]);
}

QString EntrySheet::columnLetters(int cell)
{
    QString letters;
    for (int n = cell + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

std::vector<int> EntrySheet::others() const
{
    std::vector<int> cells;
    for (int c = 0; c < int(header.size()); ++c)
        if (std::find(at.begin(), at.end(), c) == at.end())
            cells.push_back(c);
    return cells;
}

EntrySheet EntrySheet::read(const QString& text)
{
    EntrySheet sheet;
    const auto problem = [&sheet](const QString& what) {
        if (sheet.problems.size() < kMostProblems)
            sheet.problems << what;
        else if (sheet.problems.size() == kMostProblems)
            sheet.problems << tr("... and more.");
    };
    if (text.trimmed().isEmpty()) {
        problem(tr("There is nothing to take in: paste the sheet's rows, or open its file."));
        return sheet;
    }
    // A control character is no part of a name: the text is something other than a sheet.
    int line = 1, told = 0;
    for (const QChar c : text) {
        if (c == u'\n')
            ++line;
        else if (((c < u' ' && c != u'\t' && c != u'\r') || c == u'\x7f') && told != line)
            told = line, problem(tr("Line %1 holds the control character %2, which no name holds.")
                                     .arg(line)
                                     .arg(quotedText(QString(c))));
    }
    std::vector<CsvRow> rows;
    QString error;
    if (!sheet.problems.isEmpty())
        return sheet;
    if (!readCsv(text, &rows, &error)) {
        problem(tr("The sheet cannot be read: %1.").arg(error));
        return sheet;
    }
    std::erase_if(rows, [](const CsvRow& r) {
        return std::all_of(r.cells.begin(), r.cells.end(),
                           [](const QString& c) { return c.trimmed().isEmpty(); });
    });
    if (rows.empty()) {
        problem(tr("There is nothing to take in: paste the sheet's rows, or open its file."));
        return sheet;
    }

    // A header names all six, each once.
    std::array<std::vector<int>, Columns> named;
    for (int c = 0; c < int(rows[0].cells.size()); ++c)
        for (int k = 0; k < Columns; ++k)
            if (headerKey(rows[0].cells[c]) == headerKey(columnName(k)))
                named[std::size_t(k)].push_back(c);
    const bool header = std::none_of(named.begin(), named.end(),
                                     [](const std::vector<int>& n) { return n.empty(); });
    if (header) {
        sheet.header = rows[0].cells;
        for (int k = 0; k < Columns; ++k) {
            const std::vector<int>& cells = named[std::size_t(k)];
            sheet.at[std::size_t(k)] = cells[0];
            if (cells.size() > 1)
                problem(
                    tr("Line %1, the header, names the column %2 twice, in columns %3 and "
                       "%4.")
                        .arg(rows[0].line)
                        .arg(tr(kColumns[k]), columnLetters(cells[0]), columnLetters(cells[1])));
        }
        const int headerLine = rows[0].line;
        rows.erase(rows.begin());
        if (rows.empty())
            problem(tr("The sheet holds only its header (line %1), no entries.").arg(headerLine));
    }
    const int cells = header ? int(sheet.header.size()) : Columns;
    for (CsvRow& r : rows) {
        if (r.cells.size() != cells)
            problem((r.cells.size() < cells ? tr("Line %1 has too few cells (%2 of %3): %4.")
                                            : tr("Line %1 has too many cells (%2 of %3): %4."))
                        .arg(r.line)
                        .arg(r.cells.size())
                        .arg(cells)
                        .arg(header ? tr("a row has a cell for each of the header's")
                                    : tr("without a header a row holds Owner, Team, Engine, "
                                         "Driver 1, Driver 2 and Test Driver, in this order")));
        sheet.rows.push_back({r.line, std::move(r.cells)});
    }
    return sheet;
}

// How a pick of a row was found.
struct SheetLeague::Found {
    enum How { Named, OwnTeam, Kept, Lone, Answered, LeftOut, Unknown };
    int position = -1;
    How how = Unknown;
    NameMatch match; // what the name fits, while Unknown
};

QString SheetLeague::answerKey(List list, const QString& typed)
{
    return QString::number(list) + u'\t' + foldedName(typed);
}

SheetLeague::ItemList SheetLeague::made(List list, const std::vector<Item>& items)
{
    ItemList made;
    QStringList forms; // every other way of naming each item
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        made.names << item.name;
        made.prices << item.price;
        QStringList own;
        if (list != Teams && list != TestDrivers && !item.team.isEmpty())
            own << QStringLiteral("%1 (%2)").arg(item.name, item.team);
        own << QStringLiteral("%1 #%2").arg(item.name).arg(item.record + 1);
        if (item.seat > 0)
            own << QStringLiteral("%1 #%2.%3").arg(item.name).arg(item.record + 1).arg(item.seat);
        for (const QString& form : own) {
            forms << form.trimmed();
            made.qualifiedItem.push_back(int(i));
        }
    }
    made.plain.emplace(made.names, false);
    made.qualified.emplace(forms, false);
    // The first way that names the item alone: its name, else the first other form that is no
    // item's name and no other item's form.
    for (int i = 0; i < int(items.size()); ++i) {
        QString label;
        const NameMatch byName = made.plain->matchWhole(made.names[i]);
        if (!made.names[i].isEmpty() && byName.kind == NameMatch::Kind::Found)
            label = made.names[i];
        for (qsizetype f = 0; f < forms.size() && label.isEmpty(); ++f) {
            if (made.qualifiedItem[std::size_t(f)] != i
                || made.plain->matchWhole(forms[f]).kind != NameMatch::Kind::NotFound)
                continue;
            const NameMatch other = made.qualified->matchWhole(forms[f]);
            if (std::all_of(other.at.begin(), other.at.end(),
                            [&](int a) { return made.qualifiedItem[std::size_t(a)] == i; }))
                label = forms[f];
        }
        made.labels << label;
    }
    return made;
}

bool SheetLeague::read(const League& league, QString* error)
{
    league_ = &league;
    if (!league.read(LeagueFile::Teams, &teams_, error)
        || !league.read(LeagueFile::TestDrivers, &testDrivers_, error)
        || !league.read(LeagueFile::Entries, &entries_, error, &entryFile_)
        || !league.readBytes(LeagueFile::Decisions, &decisions_, error)
        || !calendarRaces(league, &calendar_, error))
        return false;
    for (int i = 0; i < int(entries_.size()); ++i)
        owners_[displayText(entries_[std::size_t(i)].Owner)].push_back(i);
    // The pickers' lists: a position beyond 16 bits could not be stored.
    std::array<std::vector<Item>, 4> items;
    const int teams = int(std::min<std::size_t>(teams_.size(), INT16_MAX / 2));
    for (int r = 0; r < teams; ++r) {
        const TeamRecord& t = teams_[std::size_t(r)];
        const QString team = displayText(t.Team.Name);
        const auto item = [&](const ComponentSlot& slot, int seat) {
            return Item{displayText(slot.Name), priceText(slot.Price), team, r, seat};
        };
        items[Teams].push_back(item(t.Team, 0));
        items[Engines].push_back(item(t.Engine, 0));
        // Two drivers of one name on one record are told apart by their seats.
        const bool twice = displayText(t.Driver1.Name) == displayText(t.Driver2.Name);
        items[Drivers].push_back(item(t.Driver1, twice ? 1 : 0));
        items[Drivers].push_back(item(t.Driver2, twice ? 2 : 0));
    }
    const int testDrivers = int(std::min<std::size_t>(testDrivers_.size(), INT16_MAX));
    for (int r = 0; r < testDrivers; ++r) {
        const TestDriverRecord& t = testDrivers_[std::size_t(r)];
        items[TestDrivers].push_back(
            {displayText(t.Name), numberText(int(t.Price)), QString(), r, 0});
    }
    for (int l = Teams; l <= TestDrivers; ++l)
        lists_[std::size_t(l)] = made(List(l), items[std::size_t(l)]);
    return true;
}

SheetLeague::Found SheetLeague::find(int pick, const QString& typed, int team,
                                     std::optional<int> kept) const
{
    const List list = listOf(pick);
    const ItemList& items = lists_[list];
    if (typed.isEmpty()) {
        // An empty cell names no item: the owner's own pick that names none stays (an exported
        // sheet writes one so), and with no test drivers the entry editor's lone blank item is
        // the one there is.
        if (kept)
            return {*kept, Found::Kept, {}};
        if (list == TestDrivers && items.names.isEmpty())
            return {0, Found::Lone, {}};
        return {};
    }
    NameMatch match = items.plain->matchWhole(typed);
    if (match.kind == NameMatch::Kind::Found)
        return {match.at[0], Found::Named, {}};
    if (match.kind == NameMatch::Kind::Several && pick == Pick::Engine
        && std::find(match.at.begin(), match.at.end(), team) != match.at.end())
        return {team, Found::OwnTeam, {}};
    if (match.kind == NameMatch::Kind::NotFound) {
        std::vector<int> at;
        for (const int f : items.qualified->matchWhole(typed).at)
            if (const int i = items.qualifiedItem[std::size_t(f)];
                std::find(at.begin(), at.end(), i) == at.end())
                at.push_back(i);
        if (at.size() == 1)
            return {at[0], Found::Named, {}};
        if (at.size() > 1)
            match = {NameMatch::Kind::Several, at};
    }
    return {-1, Found::Unknown, match};
}

// As the entry editor asks: a pick first chosen (none was, or the entry named no item of its
// list) is never a transfer, only one that changes from one item to another.
bool SheetLeague::transferable(const EntryRecord& was, const EntryRecord& now) const
{
    const std::vector<PickChange> changes = pickChanges(was, now);
    return std::any_of(changes.begin(), changes.end(), [this](const PickChange& c) {
        return c.before >= 0 && c.before < count(listOf(c.component));
    });
}

SheetLeague::Preview SheetLeague::preview(const EntrySheet& sheet,
                                          const QHash<QString, int>& answers, Changes changes) const
{
    Preview p;
    p.refused = sheet.problems;
    if (!p.refused.isEmpty())
        return p;
    const std::optional<double> budget = league_->settings().budget;
    const std::optional<int> limit = league_->settings().transfers;
    QHash<QString, QList<int>> inSheet; // the lines of each owner
    for (const EntrySheet::Row& r : sheet.rows)
        inSheet[r.cells[sheet.at[EntrySheet::Owner]].trimmed()] << r.line;
    QHash<QString, std::size_t> asked; // a question's place, by its key
    const char* const parts[] = {QT_TR_NOOP("the team"), QT_TR_NOOP("the engine"),
                                 QT_TR_NOOP("driver 1"), QT_TR_NOOP("driver 2"),
                                 QT_TR_NOOP("the test driver")};

    for (const EntrySheet::Row& r : sheet.rows) {
        Row& row = p.rows.emplace_back();
        row.line = r.line;
        row.owner = r.cells[sheet.at[EntrySheet::Owner]].trimmed();
        for (const int c : sheet.others())
            row.others << r.cells[c];
        const std::vector<int> entries = owners_.value(row.owner);
        const int n = entries.size() == 1 ? entries[0] : -1;
        // Whether the row could be stored, and why not.
        if (row.owner.isEmpty())
            row.what = tr("Not stored: it names no owner.");
        else if (const qsizetype at = unstorableAt(row.owner); at >= 0)
            row.what = tr("Not stored: the league's files cannot hold \u201c%1\u201d of the "
                          "owner's name (only the letters of Western European languages, "
                          "Windows-1252).")
                           .arg(row.owner.mid(at, row.owner[at].isHighSurrogate() ? 2 : 1));
        else if (row.owner.size() > TextFieldLength)
            row.what = tr("Not stored: the owner's name is longer than the %1 characters the "
                          "league's files hold.")
                           .arg(TextFieldLength);
        row.does = row.what.isEmpty() ? Row::Does::Waits : Row::Does::Refused;
        QStringList lines;
        for (const int l : inSheet.value(row.owner))
            lines << QString::number(l);
        if (row.does == Row::Does::Waits && (lines.size() > 1 || entries.size() > 1)) {
            row.does = Row::Does::Ambiguous;
            row.what = lines.size() > 1
                           ? tr("Not stored: the sheet names this owner on lines %1.")
                                 .arg(lines.join(QStringLiteral(", ")))
                           : tr("Not stored: %1 entries of the league have this owner.")
                                 .arg(entries.size());
        }
        const bool storable = row.does == Row::Does::Waits;

        std::array<int, 5> at{};
        QString leftFor;
        for (int k = 0; k < 5; ++k) {
            const int c = k + 1;
            const QString typed = r.cells[sheet.at[std::size_t(c)]].trimmed();
            const List list = listOf(k);
            std::optional<int> kept;
            if (n >= 0) {
                const int stored = entries_[std::size_t(n)].index(Pick::Slot(k));
                if (stored < 0 || stored >= count(list))
                    kept = stored;
            }
            Found found = find(k, typed, k == 1 ? at[0] : -1, kept);
            const QString key = answerKey(list, typed);
            if (found.how == Found::Unknown && answers.contains(key)) {
                const int answer = answers.value(key);
                if (answer == LeaveOut)
                    found = {-1, Found::LeftOut, {}}, leftFor = typed;
                else if (answer >= 0 && answer < count(list))
                    found = {answer, Found::Answered, {}};
            }
            at[std::size_t(k)] = found.position;
            row.found[std::size_t(k)] = found.position >= 0 || found.how == Found::Kept;
            row.ownEngine |= found.how == Found::OwnTeam;
            row.picks[std::size_t(k)] = found.position >= 0 && found.position < count(list)
                                            ? lists_[list].names[found.position]
                                        : row.found[std::size_t(k)] ? QString()
                                                                    : typed;
            if (found.how != Found::Unknown || !storable)
                continue;
            const QString where = tr("line %1, %2 (column %3)")
                                      .arg(r.line)
                                      .arg(EntrySheet::tr(kColumns[c]),
                                           EntrySheet::columnLetters(sheet.at[std::size_t(c)]));
            if (const auto q = asked.constFind(key); q != asked.cend()) {
                p.questions[*q].where << where;
                continue;
            }
            Question& q = p.questions.emplace_back();
            asked.insert(key, p.questions.size() - 1);
            q.list = list;
            q.typed = typed;
            q.key = key;
            q.where << where;
            q.several = found.match.kind == NameMatch::Kind::Several;
            q.offered = q.several ? found.match.at : lists_[list].plain->closest(typed, 5);
        }
        if (!storable)
            continue;
        if (!leftFor.isNull()) {
            row.does = Row::Does::LeftOut;
            row.what = tr("Left out, as answered for \u201c%1\u201d.").arg(leftFor);
            continue;
        }
        if (std::find(at.begin(), at.end(), -1) != at.end()) {
            row.what = tr("Waits for the answers above.");
            continue;
        }

        // The entry as the entry editor stores these picks, with its total and marks.
        EntryRecord now = n >= 0 ? entries_[std::size_t(n)] : EntryRecord{};
        if (n < 0)
            now.Owner = fieldText(row.owner);
        for (int k = 0; k < 5; ++k)
            now.index(Pick::Slot(k)) = int16_t(at[std::size_t(k)]);
        row.total = entryTotal(now.picks(), teams_, testDrivers_);
        const auto shown = [&](int k) { return at[k] < count(Drivers) ? at[k] : -1; };
        row.marks = ruleMarks(budget, row.total, shown(2), shown(3), row.picks[2], row.picks[3]);
        row.index = n;
        if (n >= 0) {
            const EntryRecord& was = entries_[std::size_t(n)];
            bool same = true;
            for (int k = 0; k < 5; ++k)
                same &= was.index(Pick::Slot(k)) == now.index(Pick::Slot(k));
            if (same) {
                row.does = Row::Does::Unchanged;
                row.what = tr("Left as it is.");
                row.entry = was;
                continue;
            }
            QStringList changed;
            for (const PickChange& c : pickChanges(was, now))
                changed << tr(parts[c.component]);
            row.does = Row::Does::Changes;
            row.what = changed.isEmpty()
                           ? tr("Swaps its two drivers.")
                           : tr("Changes %1.").arg(changed.join(QStringLiteral(", ")));
            p.asksChanges |= limit && !calendar_.isEmpty() && transferable(was, now);
        } else {
            row.does = Row::Does::New;
            row.what = tr("New entry.");
        }
        now.Price = toSingle(readNumber(row.total));
        row.entry = now;
        if (row.ownEngine)
            row.what += u' ' + tr("Its engine maker is its team record's own.");
    }
    if (!p.questions.empty() || (p.asksChanges && changes == Changes::Unsaid))
        return p;

    // The rows stored in their order, the decisions record following each as it follows the
    // entry editor's stores; a row it refuses is not stored.
    const QString path = league_->path(LeagueFile::Decisions);
    const bool recording = !decisions_.isEmpty() || limit;
    Decisions decisions;
    QString error;
    if (recording && !checkDecisions(decisions_, path, nullptr, &decisions, &error)) {
        p.refused << error;
        return p;
    }
    Decisions next = decisions;
    std::vector<EntryRecord> work = entries_;
    const Decisions::Names names{[this](Pick::Slot slot, int position) {
                                     const List list = listOf(slot);
                                     return position >= 0 && position < count(list)
                                                ? lists_[list].names[position]
                                                : QString();
                                 },
                                 calendar_};
    for (Row& row : p.rows) {
        if (row.does != Row::Does::New && row.does != Row::Does::Changes)
            continue;
        const bool isNew = row.does == Row::Does::New;
        const std::size_t n = isNew ? work.size() : std::size_t(row.index);
        const bool changesPicks = !isNew && transferable(work[n], row.entry);
        std::optional<int> from;
        if (changes == Changes::Transfers && p.asksChanges && changesPicks)
            from = int(calendar_.size());
        if (recording && !next.store(work, n, row.entry, from, limit, names, &error)) {
            row.does = Row::Does::Refused;
            row.what = error;
            continue;
        }
        if (from)
            row.what += u' ' + tr("A transfer from race %1 on.").arg(nextRace());
        else if (p.asksChanges && changesPicks)
            row.what += u' ' + tr("A correction.");
        if (isNew) {
            row.index = int(work.size());
            work.push_back(row.entry);
        } else {
            work[n] = row.entry;
        }
    }
    if (recording) {
        if (const QString wrong = next.disagreement(work, path); !wrong.isEmpty()) {
            p.refused << wrong;
            return p;
        }
    }
    std::vector<League::Replacement> files;
    if (!(next == decisions))
        files.push_back({LeagueFile::Decisions, next.text()});
    files.push_back({LeagueFile::Entries, encodeRecords(work) + restOf<EntryRecord>(entryFile_)});
    std::vector<EntryRecord> calculated;
    if (!championshipFiles(*league_, &files, &error, LeagueOrder::ByPoints, &calculated)) {
        p.refused << error;
        return p;
    }
    // The decisions record first, as the entry editor writes it: a store cut short after it is
    // completed by taking the sheet in again (its transfers are then found made already), where
    // entries stored without their record would make them corrections.
    std::stable_partition(files.begin(), files.end(), [this](const League::Replacement& r) {
        return league_->path(r.file) == league_->path(LeagueFile::Decisions);
    });
    for (Row& row : p.rows)
        if (row.index >= 0 && row.does != Row::Does::Ambiguous && row.does != Row::Does::Refused)
            row.points = calculated[std::size_t(row.index)].Points;
    p.files = std::move(files);
    return p;
}

QByteArray SheetLeague::exported() const
{
    CsvWriter csv;
    for (int c = 0; c < EntrySheet::Columns; ++c)
        csv.field(EntrySheet::columnName(c));
    csv.endRow();
    for (const EntryRecord& e : entries_) {
        csv.field(displayText(e.Owner));
        for (int k = 0; k < 5; ++k) {
            const List list = listOf(k);
            const int position = e.index(Pick::Slot(k));
            csv.field(position >= 0 && position < count(list) ? label(list, position) : QString());
        }
        csv.endRow();
    }
    return csv.take();
}

} // namespace velmora
