#include "publish/html.h"

#include "data/version.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

// The rules every page uses. No quote, '<', '>' or '&' in here: the writer escapes them, and
// HTML takes a style element's text as it stands. Names wrap between words, and a word too
// long for its column breaks only then; a table wider than the screen scrolls inside its own
// box, which also holds the hidden screen-reader labels (.sr) of its cells.
constexpr const char* kStyle = R"(
*{box-sizing:border-box}
body{margin:0 auto;max-width:75rem;padding:1rem;color:#1b1b1b;background:#fff;
font:16px/1.45 system-ui,-apple-system,Segoe UI,Roboto,DejaVu Sans,Arial,sans-serif;
overflow-wrap:break-word}
h1{font-size:1.7rem;margin:0 0 .2rem}
h2{font-size:1.25rem;margin:1.8rem 0 .6rem;padding-bottom:.2rem;border-bottom:2px solid #1b1b1b}
h3{font-size:1.05rem;margin:1.2rem 0 .4rem}
p{margin:.3rem 0}
.sub,.hint{color:#555}
.hint{font-size:.9rem}
.scroll{overflow-x:auto;max-width:100%;position:relative}
table{border-collapse:collapse;font-variant-numeric:tabular-nums}
th,td{padding:.3rem .55rem;border-bottom:1px solid #ddd;text-align:right;white-space:nowrap}
thead th{background:#f1f3f5;vertical-align:bottom}
th.name,td.name{text-align:left;white-space:normal;min-width:8rem}
.wide th.name,.wide td.name{position:sticky;left:0;background:#fff;z-index:1}
.wide thead th.name{background:#f1f3f5}
th.race{white-space:normal;max-width:7rem;font-weight:normal;font-size:.85rem}
#correction-list td.owners{min-width:13rem}
tfoot td,tfoot th{border-top:2px solid #1b1b1b;font-weight:bold}
td.best{background:#ffe58a;font-weight:bold}
td.worst{background:#e3e8ee}
.up{color:#1a7f37}.down{color:#c62828}.new{color:#555}
.note{border:2px solid #b45309;background:#fff7ed;padding:.6rem 1rem;margin:1rem 0}
.note h2{border:0;margin:0 0 .3rem;padding:0}
.note ul{margin:.3rem 0;padding-left:1.2rem}
figure{margin:0}
.chart svg{display:block;width:100%;height:auto}
svg text{font-size:13px;fill:#333}
.grid{stroke:#e3e3e3;stroke-width:1}
.axis{stroke:#777;stroke-width:1}
.sr{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}
footer{margin-top:2rem;color:#555;font-size:.9rem}
nav{margin:.4rem 0 0;font-size:.95rem}
@media (max-width:40rem){body{padding:.6rem;font-size:15px}th,td{padding:.25rem .35rem}
th.name,td.name{min-width:6rem}svg text{font-size:20px}}
@media print{body{max-width:none;padding:0;font-size:10pt}.scroll{overflow:visible}
h2,h3{break-after:avoid}tr,figure{break-inside:avoid}
.wide th.name,.wide td.name{position:static}td.best{background:none;text-decoration:underline}
a{color:inherit;text-decoration:none}nav{display:none}}
)";

} // namespace

void Html::begin(const QString& title, const QString& style)
{
    out_.reserve(32768);
    raw(u"<!DOCTYPE html>\n");
    open(u"html").attr(u"xmlns", u"http://www.w3.org/1999/xhtml").attr(u"lang", u"en");
    open(u"head");
    empty(u"meta").attr(u"charset", u"utf-8");
    empty(u"meta")
        .attr(u"name", u"viewport")
        .attr(u"content", u"width=device-width, initial-scale=1");
    empty(u"meta")
        .attr(u"name", u"generator")
        .attr(u"content", QStringLiteral("velmora-publish ") + versionText());
    element(u"title", title);
    element(u"style", QString(QLatin1String(kStyle) + style + u'\n'));
    close();
    newline();
    open(u"body");
}

QByteArray Html::end()
{
    while (!open_.empty())
        close(); // body, html
    newline();
    return QByteArray(out_.data(), qsizetype(out_.size()));
}

void Html::finishTag()
{
    if (tag_ != Tag::Done)
        out_ += tag_ == Tag::Empty ? "/>" : ">";
    tag_ = Tag::Done;
}

// Names the program itself writes: tags, attribute names, plain ASCII.
void Html::raw(QStringView ascii)
{
    for (const QChar c : ascii)
        out_ += char(c.unicode());
}

void Html::escaped(QStringView t, bool attribute)
{
    const char16_t* c = t.utf16();
    const char16_t* const end = c + t.size();
    while (c < end) {
        // Most of a page is plain ASCII that needs nothing: copied a run at a time.
        const char16_t* plain = c;
        while (plain < end && *plain >= 0x20 && *plain < 0x7F && *plain != u'&' && *plain != u'<'
               && *plain != u'>' && *plain != u'"')
            ++plain;
        const std::size_t at = out_.size();
        out_.resize(at + std::size_t(plain - c));
        std::copy(c, plain, out_.begin() + qsizetype(at));
        if ((c = plain) == end)
            break;
        char32_t u = *c++;
        switch (u) {
        case u'&':
            out_ += "&amp;";
            continue;
        case u'<':
            out_ += "&lt;";
            continue;
        case u'>':
            out_ += "&gt;";
            continue;
        case u'"':
            out_ += attribute ? "&quot;" : "\"";
            continue;
        case u'\t':
        case u'\n':
        case u'\r':
            // An attribute's line ends and tabs would be read as blanks.
            if (attribute)
                out_ += u == u'\t' ? "&#9;" : u == u'\n' ? "&#10;" : "&#13;";
            else
                out_ += char(u);
            continue;
        }
        if (QChar::isHighSurrogate(u) && c < end && QChar::isLowSurrogate(*c))
            u = QChar::surrogateToUcs4(char16_t(u), *c++);
        else if (u < 0x20 || QChar::isSurrogate(u) || u == 0xFFFE || u == 0xFFFF)
            u = QChar::ReplacementCharacter;
        if (u < 0x80) {
            out_ += char(u);
        } else if (u < 0x800) {
            out_ += {char(0xC0 | u >> 6), char(0x80 | (u & 0x3F))};
        } else if (u < 0x10000) {
            out_ += {char(0xE0 | u >> 12), char(0x80 | (u >> 6 & 0x3F)), char(0x80 | (u & 0x3F))};
        } else {
            out_ += {char(0xF0 | u >> 18), char(0x80 | (u >> 12 & 0x3F)),
                     char(0x80 | (u >> 6 & 0x3F)), char(0x80 | (u & 0x3F))};
        }
    }
}

Html& Html::open(QStringView tag)
{
    finishTag();
    out_ += '<';
    raw(tag);
    open_.emplace_back(out_.end() - tag.size(), out_.end());
    tag_ = Tag::Open;
    return *this;
}

Html& Html::empty(QStringView tag)
{
    finishTag();
    out_ += '<';
    raw(tag);
    tag_ = Tag::Empty;
    return *this;
}

Html& Html::attr(QStringView name, QStringView value)
{
    out_ += ' ';
    raw(name);
    out_ += "=\"";
    escaped(value, true);
    out_ += '"';
    return *this;
}

void Html::text(QStringView t)
{
    finishTag();
    escaped(t, false);
}

void Html::close()
{
    finishTag();
    out_ += "</";
    out_ += open_.back();
    out_ += '>';
    open_.pop_back();
}

// An element of text alone is written at once, not kept among the open ones: a page is
// mostly table cells.
void Html::element(QStringView tag, QStringView t, QStringView c)
{
    finishTag();
    out_ += '<';
    raw(tag);
    if (!c.isEmpty())
        attr(u"class", c);
    out_ += '>';
    escaped(t, false);
    out_ += "</";
    raw(tag);
    out_ += '>';
}

void Html::element(QStringView tag, qint64 n)
{
    finishTag();
    out_ += '<';
    raw(tag);
    out_ += '>';
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    out_ += "</";
    raw(tag);
    out_ += '>';
}

void Html::link(const QString& href, const QString& t)
{
    if (href.isEmpty())
        return text(t);
    open(u"a").attr(u"href", href);
    text(t);
    close();
}

void Html::section(const QString& sectionId, const QString& heading)
{
    open(u"section").id(sectionId);
    element(u"h2", heading);
}

void Html::table(const QString& tableId, const QStringList& heads,
                 std::initializer_list<int> nameColumns, const QString& boxClass)
{
    open(u"div").cls(boxClass.isEmpty() ? QStringLiteral("scroll")
                                        : QStringLiteral("scroll ") + boxClass);
    open(u"table").id(tableId);
    open(u"thead");
    open(u"tr");
    for (int c = 0; c < heads.size(); ++c)
        element(u"th", heads[c],
                std::find(nameColumns.begin(), nameColumns.end(), c) != nameColumns.end() ? u"name"
                                                                                          : u"");
    close();
    close();
    open(u"tbody");
    newline();
}

void Html::endTable()
{
    close(); // tbody, or the tfoot that followed it
    close(); // table
    close(); // div
}

QString counted(qint64 n, const char* one, const char* many)
{
    return number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}

QString number(qint64 n)
{
    return QString::number(n);
}

QString coordinate(double v)
{
    const qint64 tenths = std::llround(v * 10);
    const qint64 whole = std::abs(tenths) / 10;
    QString text = tenths < 0 ? QStringLiteral("-") : QString();
    return text + QString::number(whole) + u'.' + QChar(u'0' + char16_t(std::abs(tenths) % 10));
}

QString ordinal(int n)
{
    const int tens = n % 100, units = n % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th"
                         : units == 1             ? "st"
                         : units == 2             ? "nd"
                         : units == 3             ? "rd"
                                                  : "th";
    return QString::number(n) + QLatin1String(suffix);
}

} // namespace velmora
