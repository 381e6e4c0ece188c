// What every page of the site is written with: the markup writer, the shared stylesheet and
// the way numbers are written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace velmora {

// Writes a page as well-formed XML that reads the same as HTML, in UTF-8. Every text and
// attribute value is escaped here and nowhere else, and a character XML cannot hold (a control
// character, a lone surrogate, U+FFFE, U+FFFF) is written as U+FFFD, so that no name can
// change a page's markup. An element opened here is always closed with an end tag, also when
// nothing went into it: HTML reads <td/> or <ol/> as an opening tag only. Only void elements
// (meta) and SVG shapes are written empty.
//
// It is ours rather than QXmlStreamWriter, which takes about 230 ns an element: the owners'
// pages of a large league hold some ten million, and the site must be out in seconds.
class Html {
public:
    // The doctype, the head (its title, the shared stylesheet and `style`) and the opened body.
    void begin(const QString& title, const QString& style);
    // Closes the body and the page and hands over its bytes.
    QByteArray end();

    Html& open(QStringView tag);
    Html& attr(QStringView name, QStringView value);
    Html& cls(QStringView value) { return attr(u"class", value); }
    Html& id(QStringView value) { return attr(u"id", value); }
    void text(QStringView t);
    void close();
    // An element holding only text, or only a number.
    void element(QStringView tag, QStringView t, QStringView c = {});
    void element(QStringView tag, qint64 n);
    // A link holding only text; plain text when there is nowhere to go.
    void link(const QString& href, const QString& t);
    // A void element of HTML (meta), or an SVG element with no content.
    Html& empty(QStringView tag);
    void newline() { text(u"\n"); }

    // A section with its id and heading; closed by close().
    void section(const QString& sectionId, const QString& heading);
    // A table in a box of its own that scrolls sideways on a narrow screen, up to its
    // body: the heading row written (the columns nameColumns of names, their headings set as
    // names are), the body opened. Closed by endTable().
    void table(const QString& tableId, const QStringList& heads,
               std::initializer_list<int> nameColumns = {}, const QString& boxClass = {});
    void endTable();

private:
    void finishTag();
    void raw(QStringView ascii);
    void escaped(QStringView t, bool attribute);

    std::string out_;
    std::vector<std::string> open_; // the elements open, innermost last
    enum class Tag { Done, Open, Empty } tag_ = Tag::Done;
};

QString number(qint64 n);
// A count as words read it: "1 season", "2 seasons", "0 races".
QString counted(qint64 n, const char* one, const char* many);
// A coordinate to a tenth, written as whole numbers are: a chart holds tens of thousands.
QString coordinate(double v);
// "1st", "2nd", "3rd", "4th", "11th", "22nd".
QString ordinal(int n);

} // namespace velmora
