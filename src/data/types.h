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

// A record's bytes, as its encodeInto() writes them.
template <class Record> QByteArray encodedRecord(const Record& record)
{
    QByteArray out(Record::Length, Qt::Uninitialized);
    record.encodeInto(out.data());
    return out;
}

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

    static constexpr int Length = 4 * ComponentSlot::Length;
    QByteArray encode() const { return encodedRecord(*this); }
    void encodeInto(char* out) const;
    static TeamRecord decode(const char* bytes);

    // The four slots in the order they lie in the record.
    std::array<const ComponentSlot*, 4> components() const
    {
        return {&Team, &Engine, &Driver1, &Driver2};
    }
    std::array<ComponentSlot*, 4> components() { return {&Team, &Engine, &Driver1, &Driver2}; }
};

// Where one component an entry chose lies: a record of its database (0-based; -1 when the
// entry's position names none) and, for a racing team's component, the slot of that record.
struct Pick {
    enum Slot { Team, Engine, Driver1, Driver2, TestDriver };
    int record = -1;
    Slot slot = Team;

    // The component at list position `position` of a picker: the record itself for a team,
    // an engine or a test driver; for a race driver, the driver list holds two drivers per
    // team record, Driver1 before Driver2.
    static Pick at(Slot list, int position)
    {
        if (position < 0)
            return {-1, list};
        if (list == Driver1 || list == Driver2)
            return {position / 2, Slot(Driver1 + position % 2)};
        return {position, list};
    }
    bool isTeamPart() const { return slot != TestDriver; }
    // The slot of a team record (null for a test driver).
    const ComponentSlot* in(const TeamRecord& team) const
    {
        return isTeamPart() ? team.components()[std::size_t(slot)] : nullptr;
    }
    friend bool operator==(const Pick&, const Pick&) = default;
};

// One test driver, in test.tro or a race test-driver file: 84 bytes.
struct TestDriverRecord {
    QString Name;
    int16_t Price = 0;
    int16_t Score = 0;

    static constexpr int Length = 84;
    QByteArray encode() const { return encodedRecord(*this); }
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
    QByteArray encode() const { return encodedRecord(*this); }
    void encodeInto(char* out) const;
    static EntryRecord decode(const char* bytes);

    // Its five components, in the order of its fields: team, engine, the two race drivers
    // (positions in the driver list) and the test driver.
    std::array<Pick, 5> picks() const
    {
        return {Pick::at(Pick::Team, TeamIndex), Pick::at(Pick::Engine, EngineIndex),
                Pick::at(Pick::Driver1, Driver1Index), Pick::at(Pick::Driver2, Driver2Index),
                Pick::at(Pick::TestDriver, TestDriverIndex)};
    }
    // The index field of a component's list.
    int16_t& index(Pick::Slot slot)
    {
        int16_t* const fields[] = {&TeamIndex, &EngineIndex, &Driver1Index, &Driver2Index,
                                   &TestDriverIndex};
        return *fields[slot];
    }
    int16_t index(Pick::Slot slot) const { return const_cast<EntryRecord*>(this)->index(slot); }
};

// One race of calendar.tro: 80 bytes.
struct RaceName {
    QString Name;

    static constexpr int Length = 80;
    QByteArray encode() const { return encodedRecord(*this); }
    void encodeInto(char* out) const;
    static RaceName decode(const char* bytes);
};

} // namespace velmora
