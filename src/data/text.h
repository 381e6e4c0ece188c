#pragma once

#include <QString>

#include <cstdint>

namespace velmora {

// Conversions between record fields and the texts the windows show and take.

// A stored text field as shown: leading and trailing blanks removed.
QString displayText(const QString& field);
// A typed text as stored: trimmed, then padded with blanks or cut to 80 characters.
QString fieldText(const QString& typed);

// The number a text begins with. Blanks, tabs and line feeds anywhere are skipped; then an
// optional sign, digits, a point with more digits, an exponent (E or D) are taken, or a
// hexadecimal (&H) or octal (&O) whole number. Anything else ends the number; no number
// gives 0. May return an infinity for texts such as "1E999".
double readNumber(const QString& text);

// Nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double value);

// A number stored into a field: the nearest value the field can hold, clamped to its range
// (a NaN gives 0).
float toSingle(double value);
int16_t toInteger(double value);

// Field to display text: up to 7 significant digits, no zero before the point ('.75').
QString numberText(float value);
QString numberText(int value);
// The entry editor's prices: 7 significant digits with the zero before the point ('0.75').
QString priceText(float value);
// A sum of prices: 15 significant digits ('31.4').
QString totalText(double value);

// The current-record text of an editing window: one blank, then the number (' 3').
QString recordNumberText(qint64 number);
// Reads a current-record text back: the number it begins with, rounded half to even.
qint64 recordNumber(const QString& text);

// A text from a file as a message quotes it: control characters (and those that turn the
// writing direction) written as \xHH or \uHHHH, so that nothing a file holds reaches a
// terminal raw; cut after `most` characters with an ellipsis.
QString quotedText(const QString& text, qsizetype most = 60);
// The same, whole: what a command-line program prints of a message.
inline QString terminalText(const QString& text)
{
    return quotedText(text, -1);
}

} // namespace velmora
