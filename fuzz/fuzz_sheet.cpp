// A sheet of entries pasted or opened (its first byte: file or paste, the league, how changed
// picks count), read whatever it holds: it names what is wrong by its line, or asks about names
// (each answered once, none is asked again), or gives what Store writes, where every entry picks
// records there are and every owner's row became the entry the preview showed.
#include "data/csv.h"
#include "databases/entry_sheet.h"
#include "fixture.h"
#include "fuzz.h"

#include <QRegularExpression>

using namespace velmora;

static const SheetLeague& league(int k)
{
    static test::TempData data[2];
    static std::unique_ptr<League> leagues[2];
    static SheetLeague sheets[2];
    if (!leagues[k]) {
        test::writeSeason(data[k].dir());
        auto teams = test::readRecords<TeamRecord>(data[k].dir().teams());
        teams.push_back(test::team("Nova", "Vortex", "Ann Lee", "Ann Lee", 2));
        test::writeRecords(data[k].dir().teams(), teams);
        test::writeBytes(data[k].path("league.ini"), k ? "budget=40\ntransfers=1\n" : "");
        leagues[k] = League::open(data[k].dir(), League::Mode::Read, nullptr);
        CHECK(leagues[k] && sheets[k].read(*leagues[k], nullptr));
    }
    return sheets[k];
}

static bool namesALine(const QString& said)
{
    static const QRegularExpression line(QStringLiteral("\\b[Ll]ines? \\d"));
    return said.contains(line);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const SheetLeague& sheets = league(data[0] >> 1 & 1);
    const auto changes = SheetLeague::Changes(data[0] >> 2 & 3 % 3);
    QString text, error;
    if (data[0] & 1) {
        if (!sheetText(bytes, &text, &error))
            return CHECK(!error.isEmpty() && text.isEmpty()), 0;
    } else {
        text = QString::fromUtf8(bytes);
    }
    const EntrySheet sheet = EntrySheet::read(text);
    SheetLeague::Preview p = sheets.preview(sheet, {}, changes);
    for (const QString& said : sheet.problems)
        CHECK(namesALine(said) || said.contains(QStringLiteral("nothing to take in"))
              || said.startsWith(QStringLiteral("... and")));
    if (!sheet.problems.isEmpty())
        return CHECK(!p.complete() && p.rows.empty()), 0;
    // Every question answered once, by the first name it offers (or leaving its rows out).
    QHash<QString, int> answers;
    for (const SheetLeague::Question& q : p.questions) {
        CHECK(!q.where.isEmpty() && namesALine(q.where[0]));
        answers.insert(q.key, q.offered.empty() ? SheetLeague::LeaveOut : q.offered[0]);
    }
    p = sheets.preview(sheet, answers, changes);
    CHECK(p.questions.empty());
    if (!p.complete())
        return CHECK(!p.refused.isEmpty()
                     || (p.asksChanges && changes == SheetLeague::Changes::Unsaid)),
               0;
    std::vector<EntryRecord> stored;
    for (const League::Replacement& r : p.files)
        if (r.file.kind == LeagueFile::Entries)
            CHECK(decodeRecords(r.bytes, &stored, QString(), nullptr));
    using Does = SheetLeague::Row::Does;
    for (const SheetLeague::Row& r : p.rows) {
        if (r.does != Does::New && r.does != Does::Changes && r.does != Does::Unchanged)
            continue;
        const auto at = std::find_if(stored.begin(), stored.end(), [&](const EntryRecord& e) {
            return e.Owner == r.entry.Owner;
        });
        CHECK(at != stored.end() && at->Points == r.points && at->picks() == r.entry.picks());
    }
    for (const EntryRecord& e : stored)
        for (int k = 0; k < 5; ++k) {
            const auto list = SheetLeague::listOf(k);
            CHECK(e.index(Pick::Slot(k)) >= 0 && e.index(Pick::Slot(k)) < sheets.count(list));
        }
    return 0;
}
