#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora {

// RFC 4180 rows for a spreadsheet: UTF-8 after a byte-order mark (without it a spreadsheet reads
// UTF-8 as its own code page), fields apart by commas, rows ended by CR LF; a field holding a
// comma, a quote or a line end is quoted, its quotes doubled. A text a spreadsheet would take for
// a formula (it begins with = + - @, a tab or a carriage return: an owner named
// "=HYPERLINK(...)") gets a leading apostrophe, which keeps it text, and is quoted; so does a
// text that begins with apostrophes and then one of those, so that readCsv gives back every text
// as it was written.
class CsvWriter {
public:
    void field(const QString& text);
    void field(qint64 n);
    void endRow();
    QByteArray take() { return std::move(out_); }

private:
    void separate();

    QByteArray out_ = "\xEF\xBB\xBF";
    bool first_ = true;
};

// The text of a sheet's file: UTF-16 by its byte-order mark (or by the zero bytes of its
// ASCII characters), UTF-8 by its mark or when its bytes are valid UTF-8, Windows-1252 otherwise.
// False, with why in *error (naming the line), when it is not text (a zero byte) or when the
// bytes break the encoding their mark promises.
bool sheetText(const QByteArray& bytes, QString* text, QString* error);

// One row of a sheet: the line it begins on (from 1) and its cells.
struct CsvRow {
    int line = 0;
    QStringList cells;
};

// The rows of a sheet's text as RFC 4180 has them, its cells apart by tabs when a tab stands
// outside quotes, else by semicolons (as spreadsheets in many languages write CSV), else by
// commas. A cell that begins with a quote is quoted: doubled quotes inside are one, and it may
// hold separators and line ends. Rows end at CR LF, LF or CR; a line holding nothing is no row.
// The apostrophe CsvWriter puts before a formula's first character is taken away. False, with
// the line and why in *error, for a quote never closed or text after a closing quote.
bool readCsv(const QString& text, std::vector<CsvRow>* rows, QString* error);

} // namespace velmora
