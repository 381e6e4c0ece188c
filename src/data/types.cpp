#include "data/types.h"

#include "data/codepage.h"

#include <cstring>

namespace velmora {
namespace {

void putText(char* out, const QString& text)
{
    const QByteArray bytes = encode1252(text);
    const int n = std::min<int>(bytes.size(), TextFieldLength);
    std::memcpy(out, bytes.constData(), n);
    std::memset(out + n, ' ', TextFieldLength - n);
}

QString getText(const char* in) { return decode1252(in, TextFieldLength); }

void putInt16(char* out, int16_t v)
{
    const auto u = static_cast<uint16_t>(v);
    out[0] = static_cast<char>(u & 0xFF);
    out[1] = static_cast<char>(u >> 8);
}

int16_t getInt16(const char* in)
{
    const auto lo = static_cast<unsigned char>(in[0]);
    const auto hi = static_cast<unsigned char>(in[1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void putSingle(char* out, float v)
{
    uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

float getSingle(const char* in)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= uint32_t(static_cast<unsigned char>(in[i])) << (8 * i);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

}  // namespace

void ComponentSlot::encodeInto(char* out) const
{
    putText(out, Name);
    putSingle(out + 80, Price);
    putInt16(out + 84, Score);
}

ComponentSlot ComponentSlot::decodeFrom(const char* in)
{
    return {getText(in), getSingle(in + 80), getInt16(in + 84)};
}

QByteArray TeamRecord::encode() const
{
    QByteArray out(Length, '\0');
    Team.encodeInto(out.data());
    Engine.encodeInto(out.data() + 86);
    Driver1.encodeInto(out.data() + 172);
    Driver2.encodeInto(out.data() + 258);
    return out;
}

TeamRecord TeamRecord::decode(const char* in)
{
    return {ComponentSlot::decodeFrom(in), ComponentSlot::decodeFrom(in + 86),
            ComponentSlot::decodeFrom(in + 172), ComponentSlot::decodeFrom(in + 258)};
}

QByteArray TestDriverRecord::encode() const
{
    QByteArray out(Length, '\0');
    putText(out.data(), Name);
    putInt16(out.data() + 80, Price);
    putInt16(out.data() + 82, Score);
    return out;
}

TestDriverRecord TestDriverRecord::decode(const char* in)
{
    return {getText(in), getInt16(in + 80), getInt16(in + 82)};
}

QByteArray EntryRecord::encode() const
{
    QByteArray out(Length, '\0');
    char* p = out.data();
    putText(p, Owner);
    putSingle(p + 80, Price);
    putInt16(p + 84, Points);
    putInt16(p + 86, TeamIndex);
    putInt16(p + 88, EngineIndex);
    putInt16(p + 90, Driver1Index);
    putInt16(p + 92, Driver2Index);
    putInt16(p + 94, TestDriverIndex);
    return out;
}

EntryRecord EntryRecord::decode(const char* in)
{
    EntryRecord r;
    r.Owner = getText(in);
    r.Price = getSingle(in + 80);
    r.Points = getInt16(in + 84);
    r.TeamIndex = getInt16(in + 86);
    r.EngineIndex = getInt16(in + 88);
    r.Driver1Index = getInt16(in + 90);
    r.Driver2Index = getInt16(in + 92);
    r.TestDriverIndex = getInt16(in + 94);
    return r;
}

QByteArray RaceName::encode() const
{
    QByteArray out(Length, '\0');
    putText(out.data(), Name);
    return out;
}

RaceName RaceName::decode(const char* in) { return {getText(in)}; }

}  // namespace velmora
