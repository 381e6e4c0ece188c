// Data files (season_folder.h) through velmora-publish: it writes nothing; its page is XML with a
// league-table row per whole entry, its standings a line each; calculated, every total as stored.
#include "fuzz.h"
#include "publish/publish.h"
#include "scoring/championship.h"
#include "season_folder.h"

#include <QXmlStreamReader>

using namespace velmora;
using namespace velmora::test;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const auto work = openLeague(folderOf(nullptr, 0));
    static const auto read = openLeague(work->dir(), League::Mode::Read);
    const DataDir& dir = folderOf(data, size);
    const FolderState before = folderState(dir);
    Season season;
    CHECK(readSeason(*read, &season, nullptr));
    const QByteArray page = seasonPage(season, {QString("<Fuzz & \"league\">"), int(size % 13)});
    QXmlStreamReader xml(page);
    while (!xml.atEnd())
        xml.readNext();
    CHECK(!xml.hasError());
    // Every '<' of a text is escaped: each "<tr" opens a row, the heading's or an entry's.
    const QByteArray league = page.mid(page.indexOf("id=\"league\""));
    CHECK(league.left(league.indexOf("</table>")).count("<tr")
          == qsizetype(season.owners.size()) + 1);
    CHECK(standingsCsv(season).count("\r\n") == qsizetype(season.owners.size()) + 1);
    CHECK(folderState(dir) == before);

    if (!recalculateChampionship(*work, nullptr))
        return 0;
    CHECK(readSeason(*read, &season, nullptr));
    for (std::size_t o = 0; o < season.owners.size(); ++o)
        CHECK(season.totalAfter(o, season.raceCount()) == season.owners[o].storedPoints);
    return 0;
}
