// Data files (season_folder.h) and an earlier site through velmora-publish: it writes nothing
// into the data folder; every page is XML, the index with a league-table row per whole entry;
// calculated, every total as stored. Chunk 6 of an input is the site's published.txt, chunk 7
// the names of files in its owners/, a line each. A memory the program did not write stops the
// publication and stays as it was; otherwise every correction it recorded is still there, in
// order, every owner has a page and no file of someone else's goes; publishing again changes
// nothing; a decisions record that cannot be read or disagrees with the entries publishes
// nothing. Chunk 14 makes links in the league, chunk 15 in the site (season_folder.h), and
// the site is named in one of three spellings: with links anywhere, a publication may be
// refused, but nothing outside the two folders changes.
#include "data/decisions.h"
#include "fuzz.h"
#include "publish/publish.h"
#include "scoring/championship.h"
#include "season_folder.h"

#include <QDirIterator>
#include <QXmlStreamReader>

using namespace velmora;
using namespace velmora::test;

namespace {

QList<QByteArray> corrections(const QByteArray& memory)
{
    QList<QByteArray> lines = memory.split('\n');
    lines.removeIf([](const QByteArray& line) { return !line.startsWith("correction\t"); });
    return lines;
}

bool wellFormed(const QString& file)
{
    QFile page(file);
    page.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&page);
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const auto work = openLeague(folderOf(nullptr, 0));
    static const auto read = openLeague(work->dir(), League::Mode::Read);
    const DataDir& dir = folderOf(data, size);
    const FolderState before = folderState(dir);
    Season season;
    const bool seasonRead = readSeason(*read, &season, nullptr);
    // Only links, or a decisions record that cannot be read or disagrees, keep it unread.
    std::vector<EntryRecord> entries;
    Decisions decisions;
    const bool decided = read->read(LeagueFile::Entries, &entries, nullptr)
                         && readDecisions(*read, &decisions, nullptr, &entries);
    CHECK(seasonRead || !chunksOf(data, size).value(14).isEmpty() || !decided);
    const PublishOptions options{QString("<Fuzz & \"league\">"), int(size % 13), {dir.path()}};
    const QByteArray page = seasonPage(season, options);
    // Every '<' of a text is escaped: each "<tr" opens a row, the heading's or an entry's.
    const QByteArray league = page.mid(page.indexOf("id=\"league\""));
    CHECK(league.left(league.indexOf("</table>")).count("<tr")
          == qsizetype(season.owners.size()) + 1);
    CHECK(standingsCsv(season).count("\r\n") == qsizetype(season.owners.size()) + 1);

    // In memory where the system has it, as the data folder is: nothing waits on a disk.
    static QTemporaryDir tmp((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath())
                             + QStringLiteral("/velmora-site-XXXXXX"));
    const DataDir site(tmp.path() + QStringLiteral("/site")), owners(site.file("owners"));
    QDir(site.path()).removeRecursively();
    QDir().mkpath(owners.path());
    const QMap<int, QByteArray> chunks = chunksOf(data, size);
    if (chunks.contains(6))
        writeBytes(site.file("published.txt"), chunks[6]);
    QStringList strays;
    for (const QByteArray& name : chunks.value(7).split('\n'))
        if (const QString file = QFile::decodeName(name);
            !file.isEmpty() && file != u"." && file != u".." && !file.contains(u'/')
            && !name.contains('\0') && name.size() < 200) {
            writeBytes(owners.file(file), "someone else's");
            if (!isOwnerPageName(file))
                strays << file;
        }

    makeLinks(site.path(), chunks.value(15));
    const QString spelt[] = {site.path(), site.path() + "/.", site.path() + "//"};
    if (!chunks.value(14).isEmpty() || !chunks.value(15).isEmpty()) { // links somewhere
        publishSeason(*read, spelt[size % 3], options, nullptr);
        CHECK(outsideUntouched() && folderState(dir) == before);
        return 0;
    }
    if (!seasonRead) { // nothing is published
        CHECK(!publishSeason(*read, site.path(), options, nullptr)
              && !QFile::exists(site.file("index.html")) && folderState(dir) == before);
        return 0;
    }
    const QByteArray memory = readBytes(site.file("published.txt"));
    SiteMemory old;
    int line = 0;
    const bool readable = !chunks.contains(6) || parseMemory(memory, &old, &line);
    CHECK(publishSeason(*read, site.path(), options, nullptr) == readable);
    if (!readable) {
        CHECK(readBytes(site.file("published.txt")) == memory);
        return 0;
    }
    const QByteArray written = readBytes(site.file("published.txt"));
    CHECK(parseMemory(written, &old, &line));
    CHECK(corrections(written).mid(0, corrections(memory).size()) == corrections(memory));
    int pages = 0;
    for (QDirIterator it(site.path(), {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString file = it.next();
        const bool owner = isOwnerPageName(it.fileName());
        CHECK(wellFormed(file) || (!owner && file.startsWith(owners.path())));
        pages += owner;
    }
    CHECK(pages == int(season.owners.size()));
    const FolderState top = folderState(site), pagesNow = folderState(owners);
    for (const QString& stray : strays)
        CHECK(QFile::exists(owners.file(stray)));
    CHECK(publishSeason(*read, site.path(), options, nullptr));
    CHECK(folderState(site) == top && folderState(owners) == pagesNow);
    CHECK(folderState(dir) == before);

    if (!recalculateChampionship(*work, nullptr))
        return 0;
    CHECK(readSeason(*read, &season, nullptr));
    for (std::size_t o = 0; o < season.owners.size(); ++o)
        CHECK(season.totalAfter(o, season.raceCount()) == season.owners[o].storedPoints);
    return 0;
}
