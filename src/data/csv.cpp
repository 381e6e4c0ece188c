#include "data/csv.h"

#include "data/codepage.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <charconv>

namespace velmora {
namespace {

// The sheet reader's words, for the windows that show them.
struct Csv {
    Q_DECLARE_TR_FUNCTIONS(Csv)
};

bool isFormulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Apostrophes and then a character that starts a formula.
bool neutralised(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'\'')
        ++at;
    return at < text.size() && isFormulaStart(text[at]);
}

// The line (from 1) of the first bytes the decoder cannot read, decoding line by line.
int firstBadLine(const QByteArray& bytes, QStringDecoder::Encoding encoding)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        (void)QString(decoder(lines[n]));
        if (decoder.hasError())
            return int(n + 1);
    }
    return 0;
}

} // namespace

void CsvWriter::separate()
{
    if (!first_)
        out_ += ',';
    first_ = false;
}

void CsvWriter::field(const QString& text)
{
    separate();
    const bool formula = neutralised(text);
    const QByteArray bytes = (formula ? u'\'' + text : text).toUtf8();
    if (!formula && !bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r')
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

void CsvWriter::field(qint64 n)
{
    separate();
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
}

void CsvWriter::endRow()
{
    out_ += "\r\n";
    first_ = true;
}

bool sheetText(const QByteArray& bytes, QString* text, QString* error)
{
    const auto decoded = [&](QStringDecoder::Encoding encoding, qsizetype skip) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        *text = decoder(QByteArrayView(bytes).sliced(skip));
        if (!decoder.hasError() && (encoding == QStringDecoder::Utf8 || bytes.size() % 2 == 0))
            return true;
        const int line =
            encoding == QStringDecoder::Utf8 ? firstBadLine(bytes.mid(skip), encoding) : 0;
        text->clear();
        *error = line > 0
                     ? Csv::tr("it begins with the mark of UTF-8 text, but line %1 is not UTF-8")
                           .arg(line)
                     : Csv::tr("it begins as UTF-16 text, but its bytes are not UTF-16");
        return false;
    };
    if (bytes.startsWith("\xFF\xFE"))
        return decoded(QStringDecoder::Utf16LE, 2);
    if (bytes.startsWith("\xFE\xFF"))
        return decoded(QStringDecoder::Utf16BE, 2);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decoded(QStringDecoder::Utf8, 3);
    // UTF-16 without its mark: the high bytes of ASCII characters are zeros, all on one side.
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i)
        zeros[i % 2] += bytes[i] == '\0';
    if (bytes.size() % 2 == 0 && (zeros[0] == 0) != (zeros[1] == 0))
        return decoded(zeros[1] ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, 0);
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0) {
        *error =
            Csv::tr("line %1 holds a zero byte, which no text holds (a spreadsheet's own file? "
                    "Save the sheet as CSV)")
                .arg(bytes.left(zero).count('\n') + 1);
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8(bytes);
    if (utf8.hasError())
        *text = decode1252(bytes.constData(), int(bytes.size()));
    return true;
}

bool readCsv(const QString& text, std::vector<CsvRow>* rows, QString* error)
{
    rows->clear();
    // The separator: quotes counted as they come, a doubled one twice.
    QChar separator = u',';
    bool quoted = false, semicolon = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u'\t') {
            separator = u'\t';
            break;
        } else if (!quoted && c == u';')
            semicolon = true;
    }
    if (separator != u'\t' && semicolon)
        separator = u';';

    const qsizetype n = text.size();
    int line = 1;
    CsvRow row{1, {}};
    QString cell;
    bool cellQuoted = false;
    const auto endCell = [&] {
        if (cell.startsWith(u'\'') && neutralised(cell))
            cell.remove(0, 1);
        row.cells << cell;
        cell.clear();
        cellQuoted = false;
    };
    const auto endRow = [&](int next) {
        endCell();
        if (row.cells.size() > 1 || !row.cells[0].isEmpty())
            rows->push_back(std::move(row));
        row = {next, {}};
    };
    // A line end at `at`: its length (CR LF is one), 0 for none.
    const auto lineEnd = [&](qsizetype at) -> qsizetype {
        if (text[at] == u'\n')
            return 1;
        if (text[at] == u'\r')
            return at + 1 < n && text[at + 1] == u'\n' ? 2 : 1;
        return 0;
    };
    for (qsizetype i = 0; i < n;) {
        if (cell.isEmpty() && !cellQuoted && text[i] == u'"') {
            const int opened = line;
            cellQuoted = true;
            for (++i;; ++i) {
                if (i >= n) {
                    *error = Csv::tr("the quote that opens a cell on line %1 is never closed")
                                 .arg(opened);
                    return false;
                }
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        cell += u'"', ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (const qsizetype end = lineEnd(i); end > 0) {
                    ++line;
                    cell += text.mid(i, end);
                    i += end - 1;
                    continue;
                }
                cell += text[i];
            }
            if (i < n && text[i] != separator && lineEnd(i) == 0) {
                *error =
                    Csv::tr("on line %1 a quoted cell goes on after its closing quote").arg(line);
                return false;
            }
            continue;
        }
        if (text[i] == separator) {
            endCell();
            ++i;
        } else if (const qsizetype end = lineEnd(i); end > 0) {
            endRow(++line);
            i += end;
        } else {
            cell += text[i++];
        }
    }
    endRow(line);
    return true;
}

} // namespace velmora
