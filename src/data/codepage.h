#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// Text fields hold one Windows-1252 byte per character. Decoding is total (every byte
// has a character, the five unassigned bytes map to the C1 controls of the same code)
// and encoding is its exact inverse, so a name read and written back keeps its bytes.
// A character the code page cannot hold is stored as '?'.
QString decode1252(const char* bytes, int length);
QByteArray encode1252(const QString& text);
// The same bytes appended to *out, for texts built piece by piece.
void appendEncoded1252(const QString& text, QByteArray* out);
// The same bytes written to out, at most capacity of them (the characters that do not fit
// are left out); the number written.
qsizetype encode1252(const QString& text, char* out, qsizetype capacity);
// Where the first character of text lies that the code page cannot hold (a surrogate pair
// counting as one character), or -1 when it can hold them all.
qsizetype unstorableAt(const QString& text);

} // namespace velmora
