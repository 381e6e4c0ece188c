#include "data/codepage.h"

#include <array>

namespace velmora {
namespace {

// 0x80..0x9F of Windows-1252; the unassigned bytes keep their own code.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte's character, for decoding a byte at a time without a test.
constexpr std::array<char16_t, 256> kChars = [] {
    std::array<char16_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b);
    return chars;
}();

// The byte of a character, or -1 for one the code page has not.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return int(0x80 + i);
    return -1;
}

char encodeChar(char16_t c)
{
    const int b = byteOf(c);
    return static_cast<char>(b < 0 ? '?' : b);
}

} // namespace

qsizetype unstorableAt(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (byteOf(text[i].unicode()) < 0)
            return i;
    return -1;
}

QString decode1252(const char* bytes, int length)
{
    // Written through one pointer: every record read decodes its names here, and the
    // checked per-character access costs more than the decoding itself.
    QString text(length, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (int i = 0; i < length; ++i)
        out[i] = kChars[static_cast<unsigned char>(bytes[i])];
    return text;
}

QByteArray encode1252(const QString& text)
{
    QByteArray bytes;
    appendEncoded1252(text, &bytes);
    return bytes;
}

void appendEncoded1252(const QString& text, QByteArray* out)
{
    // One byte per character at most: size the array once, write through a pointer and
    // cut off what surrogate pairs left unused.
    const qsizetype start = out->size();
    out->resize(start + text.size());
    char* bytes = out->data() + start;
    const QChar* in = text.constData();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = in[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && in[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one '?'
        bytes[n++] = encodeChar(c.unicode());
    }
    out->resize(start + n);
}

} // namespace velmora
