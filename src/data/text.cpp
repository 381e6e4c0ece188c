#include "data/text.h"

#include "data/types.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {

QString displayText(const QString& field)
{
    qsizetype begin = 0, end = field.size();
    while (begin < end && field[begin] == u' ')
        ++begin;
    while (end > begin && field[end - 1] == u' ')
        --end;
    return field.mid(begin, end - begin);
}

QString fieldText(const QString& typed)
{
    // 80 characters, a character outside the Basic Multilingual Plane (two UTF-16 units)
    // counting as one: it is stored as one byte, '?'.
    QString text = displayText(typed);
    qsizetype units = 0;
    int characters = 0;
    for (; units < text.size() && characters < TextFieldLength; ++characters)
        units += text[units].isHighSurrogate() && units + 1 < text.size()
                         && text[units + 1].isLowSurrogate()
                     ? 2
                     : 1;
    text.truncate(units);
    return text + QString(TextFieldLength - characters, u' ');
}

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text with every skipped character removed, as plain ASCII upper case; anything
// outside ASCII becomes a character that ends the number.
std::string squeeze(const QString& text)
{
    std::string s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (isSkipped(c))
            continue;
        const char16_t u = c.unicode();
        s.push_back(u < 0x80 ? static_cast<char>(std::toupper(static_cast<int>(u))) : '\x01');
    }
    return s;
}

double readRadix(const std::string& s, std::size_t pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

double readNumber(const QString& text)
{
    const std::string s = squeeze(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H')
            return readRadix(s, 2, 16);
        if (s[1] == 'O')
            return readRadix(s, 2, 8);
        return 0;
    }

    // Each takes what it reads from s at `at` onto `out`.
    auto sign = [&s](std::string& out, std::size_t& at) {
        if (at < s.size() && (s[at] == '+' || s[at] == '-'))
            out.push_back(s[at++]);
    };
    auto digits = [&s](std::string& out, std::size_t& at) {
        const std::size_t from = at;
        while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])))
            out.push_back(s[at++]);
        return at > from;
    };
    std::size_t i = 0;
    std::string number;
    sign(number, i);
    bool mantissa = digits(number, i);
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        mantissa |= digits(number, i);
    }
    if (!mantissa)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        sign(exponent, j);
        if (digits(exponent, j))
            number += exponent;
    }
    // from_chars ignores the C locale, whose decimal point may not be '.'; it takes no '+'.
    const char* first = number.c_str();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, number.c_str() + number.size(), value);
    (void)end;
    if (error != std::errc::result_out_of_range)
        return value;
    // Too large or too small for a double: which one depends on where the first significant
    // digit stands, about 10 to the power of `magnitude`, not on the exponent's written sign
    // ('1' and 400 zeros, then 'E-5', is huge). About is enough: such a number lies
    // hundreds of powers of ten from 1.
    const std::size_t e = number.find('E');
    std::size_t point = number.find('.');
    if (point == std::string::npos)
        point = std::min(e, number.size());
    const std::size_t digit = number.find_first_of("123456789");
    long long magnitude = (long long)point - (long long)digit;
    if (e != std::string::npos) {
        // Saturated: an exponent of a thousand digits is as far out as one of ten.
        long long exponent = 0;
        for (std::size_t k = e + 1; k < number.size(); ++k)
            if (std::isdigit(static_cast<unsigned char>(number[k])))
                exponent = std::min(exponent * 10 + (number[k] - '0'), 1000000000LL);
        magnitude += number[e + 1] == '-' ? -exponent : exponent;
    }
    const bool negative = *first == '-';
    if (magnitude < 0)
        return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    return std::nearbyint(value); // the default rounding mode goes to even on halves
}

float toSingle(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

int16_t toInteger(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (r < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

namespace {

// %G-style text with the given precision (exponent as E+07 / E-05), whatever the locale.
QString significant(double value, int digits, bool zeroBeforePoint)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
    if (text == u"-0")
        text = QStringLiteral("0");
    if (!zeroBeforePoint) {
        if (text.startsWith(u"0."))
            text.remove(0, 1);
        else if (text.startsWith(u"-0."))
            text.remove(1, 1);
    }
    return text;
}

} // namespace

QString numberText(float value)
{
    return significant(value, 7, false);
}
QString numberText(int value)
{
    return QString::number(value);
}
QString priceText(float value)
{
    return significant(value, 7, true);
}
QString totalText(double value)
{
    return significant(value, 15, true);
}

QString recordNumberText(qint64 number)
{
    return u' ' + QString::number(number);
}

qint64 recordNumber(const QString& text)
{
    const double n = roundHalfEven(readNumber(text));
    if (std::isnan(n))
        return 0;
    constexpr double limit = 1e15;
    return static_cast<qint64>(std::clamp(n, -limit, limit));
}

QString quotedText(const QString& text, qsizetype most)
{
    QString out;
    qsizetype shown = 0;
    for (const QChar c : text) {
        if (most >= 0 && shown++ == most)
            return out + u'\u2026';
        const char16_t u = c.unicode();
        const bool control = (u < 0x20 && u != u'\n' && u != u'\t') || (u >= 0x7F && u < 0xA0)
                             || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if (!control) {
            out += c;
            continue;
        }
        constexpr char16_t kHex[] = u"0123456789ABCDEF";
        const int digits = u < 0x100 ? 2 : 4;
        out += u < 0x100 ? u"\\x" : u"\\u";
        for (int d = digits; d-- > 0;)
            out += QChar(kHex[(u >> (4 * d)) & 15]);
    }
    return out;
}

} // namespace velmora
