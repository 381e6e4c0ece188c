#include "data/types.h"

#include "data/codepage.h"
#include "data/fields.h"

#include <cstring>

namespace velmora {
namespace {

// Where each field lies in its record, in bytes.
constexpr int kNameAt = 0, kPriceAt = 80, kSlotScoreAt = 84;
constexpr int kTestPriceAt = 80, kTestScoreAt = 82;
constexpr int kOwnerAt = 0, kEntryPriceAt = 80, kPointsAt = 84, kTeamIndexAt = 86,
              kEngineIndexAt = 88, kDriver1IndexAt = 90, kDriver2IndexAt = 92,
              kTestDriverIndexAt = 94;

void putText(char* out, const QString& text)
{
    const qsizetype n = encode1252(text, out, TextFieldLength);
    std::memset(out + n, ' ', std::size_t(TextFieldLength - n));
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

void TeamRecord::encodeInto(char* out) const
{
    const auto parts = components();
    for (int s = 0; s < 4; ++s)
        parts[std::size_t(s)]->encodeInto(out + s * ComponentSlot::Length);
}

TeamRecord TeamRecord::decode(const char* in)
{
    const auto slot = [in](int s) {
        return ComponentSlot::decodeFrom(in + s * ComponentSlot::Length);
    };
    return {slot(0), slot(1), slot(2), slot(3)};
}

void TestDriverRecord::encodeInto(char* out) const
{
    putText(out + kNameAt, Name);
    writeInt16(out + kTestPriceAt, Price);
    writeInt16(out + kTestScoreAt, Score);
}

TestDriverRecord TestDriverRecord::decode(const char* in)
{
    return {getText(in + kNameAt), readInt16(in + kTestPriceAt), readInt16(in + kTestScoreAt)};
}

void EntryRecord::encodeInto(char* p) const
{
    putText(p + kOwnerAt, Owner);
    writeSingle(p + kEntryPriceAt, Price);
    writeInt16(p + kPointsAt, Points);
    writeInt16(p + kTeamIndexAt, TeamIndex);
    writeInt16(p + kEngineIndexAt, EngineIndex);
    writeInt16(p + kDriver1IndexAt, Driver1Index);
    writeInt16(p + kDriver2IndexAt, Driver2Index);
    writeInt16(p + kTestDriverIndexAt, TestDriverIndex);
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

void RaceName::encodeInto(char* out) const
{
    putText(out, Name);
}

RaceName RaceName::decode(const char* in)
{
    return {getText(in)};
}

} // namespace velmora
