#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

// The record types of the data files, as plain decoded values. encode() gives the exact
// bytes a record occupies on disk (little-endian, no padding), encodeInto() writes them at
// out (Length bytes); decode() reads them back.
// Text fields are 80 Windows-1252 bytes padded with blanks: a decoded name keeps all 80
// characters as stored, and encode() pads or cuts whatever it is given to 80.

constexpr int TextFieldLength = 80;

// One priced, scored part of a racing team: 86 bytes.
struct ComponentSlot {
    QString Name;
    float Price = 0;
    int16_t Score = 0;

    static constexpr int Length = 86;
    void encodeInto(char* out) const;
    static ComponentSlot decodeFrom(const char* in);
};

// One racing team as it lies in teams.tro and in a race team file: 344 bytes.
struct TeamRecord {
    ComponentSlot Team, Engine, Driver1, Driver2;

    static constexpr int Length = 344;
    QByteArray encode() const;
    void encodeInto(char* out) const;
    static TeamRecord decode(const char* bytes);

    // The four slots in the order they lie in the record.
    std::array<const ComponentSlot*, 4> components() const
    {
        return {&Team, &Engine, &Driver1, &Driver2};
    }
    std::array<ComponentSlot*, 4> components() { return {&Team, &Engine, &Driver1, &Driver2}; }

    // Driver-list position d: two drivers per team record, Driver1 before Driver2.
    const ComponentSlot& driver(int d) const { return d % 2 == 0 ? Driver1 : Driver2; }
    ComponentSlot& driver(int d) { return d % 2 == 0 ? Driver1 : Driver2; }
};

// Team record (1-based) holding driver-list position d (0-based, d >= 0).
inline int teamRecordOfDriver(int d)
{
    return d / 2 + 1;
}

// One test driver, in test.tro or a race test-driver file: 84 bytes.
struct TestDriverRecord {
    QString Name;
    int16_t Price = 0;
    int16_t Score = 0;

    static constexpr int Length = 84;
    QByteArray encode() const;
    void encodeInto(char* out) const;
    static TestDriverRecord decode(const char* bytes);
};

// One competitor's entry in entry.tro: 96 bytes. The indexes are 0-based list positions.
struct EntryRecord {
    QString Owner;
    float Price = 0;
    int16_t Points = 0;
    int16_t TeamIndex = 0;
    int16_t EngineIndex = 0;
    int16_t Driver1Index = 0;
    int16_t Driver2Index = 0;
    int16_t TestDriverIndex = 0;

    static constexpr int Length = 96;
    QByteArray encode() const;
    void encodeInto(char* out) const;
    static EntryRecord decode(const char* bytes);
};

// One race of calendar.tro: 80 bytes.
struct RaceName {
    QString Name;

    static constexpr int Length = 80;
    QByteArray encode() const;
    void encodeInto(char* out) const;
    static RaceName decode(const char* bytes);
};

} // namespace velmora
