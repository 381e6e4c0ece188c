#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// How the league scores a race from its finishing order: a car's points are those of its place
// (or of a car not classified) and the fastest lap's bonus; a chassis and an engine maker score
// what their cars score. Every value a whole number from -32768 to 32767.
struct PointsRules {
    std::vector<int16_t> places;      // the points of each place from first on
    int16_t classifiedBeyond = 0;     // a classified car beyond the places
    int16_t notClassified = 0;        // a car that did not finish or start, or was disqualified
    int16_t fastestLap = 0;           // the bonus of the car with the fastest lap
    enum class Chassis { Sum, Best }; // of a team record's two cars
    Chassis chassis = Chassis::Sum;
    enum class Engine { Maker, Record }; // every car of its maker, or its record's two
    Engine engine = Engine::Maker;
    friend bool operator==(const PointsRules&, const PointsRules&) = default;
};

// A league's own settings, kept in its folder ("league.ini") so that a copied folder keeps
// them: UTF-8 text, one "key=value" a line. Absent keys are unset, and a league without the
// file has none set: its name is its folder's, it has no budget.
struct LeagueSettings {
    QString name;                 // the league's name, for titles and the published page
    std::optional<double> budget; // in millions, above 0
    QString site;                 // the folder the season is published to
    std::optional<int> top;       // owners the published chart draws in colour
    QString history;              // the folder of the season before this one
    // The transfers an owner may make in a season (Unlimited: any number); unset, the league
    // allows none, and a changed pick counts for the whole season.
    std::optional<int> transfers;
    static constexpr int Unlimited = INT_MAX;
    // The points rules ("points_places=" and the points_ keys with it): none when the league
    // gives no places, or when a line of them cannot be read.
    std::optional<PointsRules> points;
    // Lines of keys this program does not know (a later version's), kept as they are.
    QStringList others;

    QByteArray text() const;
    // The settings the bytes give, line by line: a line that cannot be read (not UTF-8, a
    // value that is not one, a name longer than a record's 80 characters, a folder longer
    // than a path may be) leaves its own setting unset (a line of the points rules: the rules
    // all) and is told in *errors, by its number
    // (`path` names the file), the line quoted short and without control characters.
    static LeagueSettings parse(const QByteArray& bytes, const QString& path, QStringList* errors);
    friend bool operator==(const LeagueSettings&, const LeagueSettings&) = default;
};

} // namespace velmora
