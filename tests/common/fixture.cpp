#include "fixture.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace velmora::test {

TempData::TempData() : dir_(tmp_.path()) {}

bool TempData::exists(const QString& name) const
{
    return QFile::exists(path(name));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

TeamRecord team(const QString& name, const QString& engine, const QString& driver1,
                const QString& driver2, float price, int16_t score)
{
    TeamRecord t;
    t.Team = {name, price, score};
    t.Engine = {engine, price, score};
    t.Driver1 = {driver1, price, score};
    t.Driver2 = {driver2, price, score};
    return t;
}

EntryRecord entry(const QString& owner, int16_t points, int16_t team, int16_t engine,
                  int16_t driver1, int16_t driver2, int16_t testDriver)
{
    EntryRecord e;
    e.Owner = owner;
    e.Points = points;
    e.TeamIndex = team;
    e.EngineIndex = engine;
    e.Driver1Index = driver1;
    e.Driver2Index = driver2;
    e.TestDriverIndex = testDriver;
    return e;
}

TestDriverRecord testDriver(const QString& name, int16_t price, int16_t score)
{
    return {name, price, score};
}

int visibleTopLevelWindows()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            ++n;
    return n;
}

} // namespace velmora::test
