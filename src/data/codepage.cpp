#include "data/codepage.h"

#include <array>
#include <cstdint>

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

// The byte of each of the first 256 code points, or -1 for the C1 controls the code page
// gave to other characters (0x80 is '€'): one look-up for every character a name typed on
// a Western keyboard holds.
constexpr std::array<int16_t, 256> kBytes = [] {
    std::array<int16_t, 256> bytes{};
    for (int c = 0; c < 256; ++c)
        bytes[c] = int16_t(c);
    for (int b = 0x80; b < 0xA0; ++b)
        if (kHigh[b - 0x80] != b)
            bytes[b] = -1;
    return bytes;
}();

// The byte of a character, or -1 for one the code page has not.
int byteOf(char16_t c)
{
    if (c < kBytes.size())
        return kBytes[c];
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return int(0x80 + i);
    return -1;
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
    // One byte per character at most: size the array once and cut off what surrogate pairs
    // left unused.
    const qsizetype start = out->size();
    out->resize(start + text.size());
    out->resize(start + encode1252(text, out->data() + start, text.size()));
}

qsizetype encode1252(const QString& text, char* out, qsizetype capacity)
{
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = in + text.size();
    char* const start = out;
    for (char* const full = out + capacity; in != end && out != full; ++in) {
        const int b = byteOf(*in);
        // A surrogate pair is one character outside the code page: one '?'.
        if (b < 0 && QChar::isHighSurrogate(*in) && in + 1 != end && QChar::isLowSurrogate(in[1]))
            ++in;
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return out - start;
}

} // namespace velmora
