// Arbitrary data files through velmora-publish: it writes nothing into the data folder, its
// page always reads back as XML with a league-table row per whole entry, its standings a
// line per entry, and once the championship has run every total it shows is the stored one.
// An input is a run of chunks (season_folder.h).
#include "fuzz.h"
#include "publish/publish.h"
#include "scoring/championship.h"
#include "season_folder.h"

#include <QXmlStreamReader>

using namespace velmora;
using namespace velmora::test;

namespace {

// Whole-entry rows of the page's league table; -1 when the page is not well-formed XML.
qsizetype leagueRows(const QByteArray& page)
{
    QXmlStreamReader xml(page);
    qsizetype rows = 0;
    bool league = false;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == u"table")
                league = xml.attributes().value(QStringLiteral("id")) == u"league";
            rows += league && xml.name() == u"tr";
        }
    return xml.hasError() ? -1 : rows - 1; // less the heading's row
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const DataDir& dir = folderOf(data, size);
    const FolderState before = folderState(dir);
    Season season;
    CHECK(readSeason(dir, &season, nullptr));
    const PublishOptions options{QStringLiteral("<Fuzz & \"league\">"), int(size % 13)};
    CHECK(leagueRows(seasonPage(season, options)) == qsizetype(season.owners.size()));
    CHECK(standingsCsv(season).count("\r\n") == qsizetype(season.owners.size()) + 1);
    CHECK(folderState(dir) == before);

    if (!recalculateChampionship(dir, nullptr, nullptr))
        return 0;
    CHECK(readSeason(dir, &season, nullptr));
    for (std::size_t o = 0; o < season.owners.size(); ++o)
        CHECK(season.totalAfter(o, season.raceCount()) == season.owners[o].storedPoints);
    return 0;
}
