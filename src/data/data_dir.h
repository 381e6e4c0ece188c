#pragma once

#include <QString>

namespace velmora {

// The folder that holds the data files (in the program, the folder that holds the
// program). Every file name of the program is built here.
class DataDir {
public:
    DataDir() = default;
    explicit DataDir(QString path) : path_(std::move(path)) {}

    // The folder of the running program.
    static DataDir ofApplication();

    const QString& path() const { return path_; }
    QString file(const QString& name) const { return path_ + u'/' + name; }

    QString teams() const { return file(QStringLiteral("teams.tro")); }
    QString testDrivers() const { return file(QStringLiteral("test.tro")); }
    QString entries() const { return file(QStringLiteral("entry.tro")); }
    QString calendar() const { return file(QStringLiteral("calendar.tro")); }
    QString scratch() const { return file(QStringLiteral("temp.tro")); }

    // The race files of a race: its name without surrounding blanks, escaped so that it
    // stays one file name inside this folder, then ".tmr" or ".tdr".
    QString raceTeams(const QString& race) const;
    QString raceTestDrivers(const QString& race) const;

private:
    QString path_;
};

// A race name as the calendar holds it (80 code-page characters), trimmed: a typed name
// and the same name read back from the calendar are the same race, with the same files.
QString storedRaceName(const QString& race);

// A race name made into a single file name: '%', '/', '\' and control characters become
// %XX (their code in hex), everything else stays as it is.
QString escapeRaceName(const QString& race);

} // namespace velmora
