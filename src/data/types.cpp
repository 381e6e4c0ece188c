#include "data/types.h"

#include "data/codepage.h"
#include "data/fields.h"

#include <cstring>

namespace velmora {
namespace {

// Where each field lies in its record, in bytes.
constexpr int kNameAt = 0, kPriceAt = 80, kSlotScoreAt = 84;
constexpr int kSlotAt[4] = {0, 86, 172, 258};
constexpr int kTestPriceAt = 80, kTestScoreAt = 82;
constexpr int kOwnerAt = 0, kEntryPriceAt = 80, kPointsAt = 84, kTeamIndexAt = 86,
              kEngineIndexAt = 88, kDriver1IndexAt = 90, kDriver2IndexAt = 92,
              kTestDriverIndexAt = 94;

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
    putText(out + kNameAt, Name);
    writeSingle(out + kPriceAt, Price);
    writeInt16(out + kSlotScoreAt, Score);
}

ComponentSlot ComponentSlot::decodeFrom(const char* in)
{
    return {getText(in + kNameAt), readSingle(in + kPriceAt), readInt16(in + kSlotScoreAt)};
}

QByteArray TeamRecord::encode() const
{
    QByteArray out(Length, '\0');
    const auto parts = components();
    for (int s = 0; s < 4; ++s)
        parts[std::size_t(s)]->encodeInto(out.data() + kSlotAt[s]);
    return out;
}

TeamRecord TeamRecord::decode(const char* in)
{
    return {ComponentSlot::decodeFrom(in + kSlotAt[0]), ComponentSlot::decodeFrom(in + kSlotAt[1]),
            ComponentSlot::decodeFrom(in + kSlotAt[2]), ComponentSlot::decodeFrom(in + kSlotAt[3])};
}

QByteArray TestDriverRecord::encode() const
{
    QByteArray out(Length, '\0');
    putText(out.data() + kNameAt, Name);
    writeInt16(out.data() + kTestPriceAt, Price);
    writeInt16(out.data() + kTestScoreAt, Score);
    return out;
}

TestDriverRecord TestDriverRecord::decode(const char* in)
{
    return {getText(in + kNameAt), readInt16(in + kTestPriceAt), readInt16(in + kTestScoreAt)};
}

QByteArray EntryRecord::encode() const
{
    QByteArray out(Length, '\0');
    char* p = out.data();
    putText(p + kOwnerAt, Owner);
    writeSingle(p + kEntryPriceAt, Price);
    writeInt16(p + kPointsAt, Points);
    writeInt16(p + kTeamIndexAt, TeamIndex);
    writeInt16(p + kEngineIndexAt, EngineIndex);
    writeInt16(p + kDriver1IndexAt, Driver1Index);
    writeInt16(p + kDriver2IndexAt, Driver2Index);
    writeInt16(p + kTestDriverIndexAt, TestDriverIndex);
    return out;
}

EntryRecord EntryRecord::decode(const char* in)
{
    EntryRecord r;
    r.Owner = getText(in + kOwnerAt);
    r.Price = readSingle(in + kEntryPriceAt);
    r.Points = readInt16(in + kPointsAt);
    r.TeamIndex = readInt16(in + kTeamIndexAt);
    r.EngineIndex = readInt16(in + kEngineIndexAt);
    r.Driver1Index = readInt16(in + kDriver1IndexAt);
    r.Driver2Index = readInt16(in + kDriver2IndexAt);
    r.TestDriverIndex = readInt16(in + kTestDriverIndexAt);
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
