#include "data/types.h"

#include "data/codepage.h"
#include "data/fields.h"

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

}  // namespace

void ComponentSlot::encodeInto(char* out) const
{
    putText(out, Name);
    writeSingle(out + 80, Price);
    writeInt16(out + 84, Score);
}

ComponentSlot ComponentSlot::decodeFrom(const char* in)
{
    return {getText(in), readSingle(in + 80), readInt16(in + 84)};
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
    writeInt16(out.data() + 80, Price);
    writeInt16(out.data() + 82, Score);
    return out;
}

TestDriverRecord TestDriverRecord::decode(const char* in)
{
    return {getText(in), readInt16(in + 80), readInt16(in + 82)};
}

QByteArray EntryRecord::encode() const
{
    QByteArray out(Length, '\0');
    char* p = out.data();
    putText(p, Owner);
    writeSingle(p + 80, Price);
    writeInt16(p + 84, Points);
    writeInt16(p + 86, TeamIndex);
    writeInt16(p + 88, EngineIndex);
    writeInt16(p + 90, Driver1Index);
    writeInt16(p + 92, Driver2Index);
    writeInt16(p + 94, TestDriverIndex);
    return out;
}

EntryRecord EntryRecord::decode(const char* in)
{
    EntryRecord r;
    r.Owner = getText(in);
    r.Price = readSingle(in + 80);
    r.Points = readInt16(in + 84);
    r.TeamIndex = readInt16(in + 86);
    r.EngineIndex = readInt16(in + 88);
    r.Driver1Index = readInt16(in + 90);
    r.Driver2Index = readInt16(in + 92);
    r.TestDriverIndex = readInt16(in + 94);
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
