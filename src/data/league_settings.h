#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>
#include <optional>

namespace velmora {

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
    // Lines of keys this program does not know (a later version's), kept as they are.
    QStringList others;

    QByteArray text() const;
    // The settings the bytes give, line by line: a line that cannot be read (not UTF-8, a
    // value that is not one, a name longer than a record's 80 characters, a folder longer
    // than a path may be) leaves its own setting unset and is told in *errors, by its number
    // (`path` names the file), the line quoted short and without control characters.
    static LeagueSettings parse(const QByteArray& bytes, const QString& path, QStringList* errors);
    friend bool operator==(const LeagueSettings&, const LeagueSettings&) = default;
};

} // namespace velmora
