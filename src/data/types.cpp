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

QString getText(const char* in)
{
    return decode1252(in, TextFieldLength);
}

} // namespace

void ComponentSlot::encodeInto(char* out) const
{
    putText(out + NameAt, Name);
    writeSingle(out + PriceAt, Price);
    writeInt16(out + ScoreAt, Score);
}

ComponentSlot ComponentSlot::decodeFrom(const char* in)
{
    return {getText(in + NameAt), readSingle(in + PriceAt), readInt16(in + ScoreAt)};
}

QByteArray TeamRecord::encode() const
{
    QByteArray out(Length, '\0');
    Team.encodeInto(out.data() + SlotAt[0]);
    Engine.encodeInto(out.data() + SlotAt[1]);
    Driver1.encodeInto(out.data() + SlotAt[2]);
    Driver2.encodeInto(out.data() + SlotAt[3]);
    return out;
}

TeamRecord TeamRecord::decode(const char* in)
{
    return {ComponentSlot::decodeFrom(in + SlotAt[0]), ComponentSlot::decodeFrom(in + SlotAt[1]),
            ComponentSlot::decodeFrom(in + SlotAt[2]), ComponentSlot::decodeFrom(in + SlotAt[3])};
}

QByteArray TestDriverRecord::encode() const
{
    QByteArray out(Length, '\0');
    putText(out.data() + NameAt, Name);
    writeInt16(out.data() + PriceAt, Price);
    writeInt16(out.data() + ScoreAt, Score);
    return out;
}

TestDriverRecord TestDriverRecord::decode(const char* in)
{
    return {getText(in + NameAt), readInt16(in + PriceAt), readInt16(in + ScoreAt)};
}

QByteArray EntryRecord::encode() const
{
    QByteArray out(Length, '\0');
    char* p = out.data();
    putText(p + OwnerAt, Owner);
    writeSingle(p + PriceAt, Price);
    writeInt16(p + PointsAt, Points);
    writeInt16(p + TeamIndexAt, TeamIndex);
    writeInt16(p + EngineIndexAt, EngineIndex);
    writeInt16(p + Driver1IndexAt, Driver1Index);
    writeInt16(p + Driver2IndexAt, Driver2Index);
    writeInt16(p + TestDriverIndexAt, TestDriverIndex);
    return out;
}

EntryRecord EntryRecord::decode(const char* in)
{
    EntryRecord r;
    r.Owner = getText(in + OwnerAt);
    r.Price = readSingle(in + PriceAt);
    r.Points = readInt16(in + PointsAt);
    r.TeamIndex = readInt16(in + TeamIndexAt);
    r.EngineIndex = readInt16(in + EngineIndexAt);
    r.Driver1Index = readInt16(in + Driver1IndexAt);
    r.Driver2Index = readInt16(in + Driver2IndexAt);
    r.TestDriverIndex = readInt16(in + TestDriverIndexAt);
    return r;
}

QByteArray RaceName::encode() const
{
    QByteArray out(Length, '\0');
    putText(out.data(), Name);
    return out;
}

RaceName RaceName::decode(const char* in)
{
    return {getText(in)};
}

} // namespace velmora
