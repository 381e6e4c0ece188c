#include "publish/publish.h"
#include "publish/site.h"

#include <charconv>

namespace velmora {
namespace {

// RFC 4180 rows: fields separated by commas, rows ended by CR LF; a field holding a comma,
// a quote or a line end is quoted, its quotes doubled. A text a spreadsheet would take for a
// formula (it begins with = + - @, a tab or a carriage return: an owner named
// "=HYPERLINK(...)") gets a leading apostrophe, which keeps it text, and is quoted.
class Csv {
public:
    void field(const QString& text)
    {
        separate();
        static const QByteArray formula = "=+-@\t\r";
        const bool neutralised = !text.isEmpty() && text[0].unicode() < 0x80
                                 && formula.contains(char(text[0].unicode()));
        const QByteArray bytes = (neutralised ? u'\'' + text : text).toUtf8();
        if (!neutralised && !bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r')
            && !bytes.contains('\n')) {
            out_ += bytes;
            return;
        }
        out_ += '"';
        for (const char c : bytes) {
            if (c == '"')
                out_ += '"';
            out_ += c;
        }
        out_ += '"';
    }
    void field(qint64 n)
    {
        separate();
        char digits[24];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    }
    void endRow()
    {
        out_ += "\r\n";
        first_ = true;
    }
    QByteArray take() { return std::move(out_); }

private:
    void separate()
    {
        if (!first_)
            out_ += ',';
        first_ = false;
    }

    // A byte-order mark first: without it a spreadsheet reads UTF-8 as its own code page.
    QByteArray out_ = "\xEF\xBB\xBF";
    bool first_ = true;
};

} // namespace

QByteArray standingsCsv(const Season& season)
{
    Csv csv;
    for (const char* heading :
         {"Position", "Owner", "Entry", "Points", "Last race", "Move", "Stored points"})
        csv.field(QString::fromLatin1(heading));
    const int races = season.raceCount();
    // A race in which a penalty or bonus counts has a column of them after its own, whose
    // figure holds them.
    std::vector<bool> adjusted(std::size_t(races), false);
    for (const Season::Decided& d : season.decisions)
        if (d.decision.isAdjustment() && d.decision.counts() && d.decision.race < races)
            adjusted[std::size_t(d.decision.race)] = true;
    for (int r = 0; r < races; ++r) {
        csv.field(season.races[r]);
        if (adjusted[std::size_t(r)])
            csv.field(season.races[r] + QStringLiteral(": penalties and bonuses"));
    }
    csv.endRow();
    for (const LeagueRow& row : season.table) {
        const Season::Owner& owner = season.owners[row.owner];
        csv.field(row.position);
        csv.field(owner.label);
        csv.field(owner.record);
        csv.field(row.points);
        if (races > 0)
            csv.field(row.lastRace);
        else
            csv.field(QString());
        csv.field(row.moveText({QStringLiteral("new"), QStringLiteral("same"),
                                QStringLiteral("up %1"), QStringLiteral("down %1")}));
        csv.field(owner.storedPoints);
        for (int r = 0; r < races; ++r) {
            csv.field(season.pointsIn(row.owner, r));
            if (adjusted[std::size_t(r)])
                csv.field(RaceScores::adjustmentIn(owner.decided, r));
        }
        csv.endRow();
    }
    return csv.take();
}

QByteArray componentsCsv(const Season& season)
{
    Csv csv;
    for (const char* heading : {"Kind", "Name", "Price", "Chosen by", "Total"})
        csv.field(QString::fromLatin1(heading));
    for (const QString& race : season.races)
        csv.field(race);
    csv.endRow();
    for (const ComponentRow& row : componentRows(season)) {
        csv.field(kindText(row.kind));
        csv.field(row.name);
        csv.field(row.price);
        csv.field(row.chosenBy);
        csv.field(row.total);
        for (const ComponentPoints& race : season.racePoints)
            csv.field(row.pointsIn(race));
        csv.endRow();
    }
    return csv.take();
}

} // namespace velmora
