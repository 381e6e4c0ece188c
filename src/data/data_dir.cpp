#include "data/data_dir.h"

#include "data/codepage.h"
#include "data/text.h"

#include <QCoreApplication>

namespace velmora {

DataDir DataDir::ofApplication()
{
    return DataDir(QCoreApplication::applicationDirPath());
}

QString escapeRaceName(const QString& race)
{
    QString name;
    name.reserve(race.size());
    for (QChar c : race) {
        const char16_t u = c.unicode();
        if (u == u'%' || u == u'/' || u == u'\\' || u < 0x20 || u == 0x7F)
            name += u'%' + QString::number(u, 16).toUpper().rightJustified(2, u'0');
        else
            name += c;
    }
    return name;
}

QString storedRaceName(const QString& race)
{
    const QByteArray bytes = encode1252(fieldText(race));
    return displayText(decode1252(bytes.constData(), int(bytes.size())));
}

QString DataDir::raceTeams(const QString& race) const
{
    return file(escapeRaceName(storedRaceName(race)) + QStringLiteral(".tmr"));
}

QString DataDir::raceTestDrivers(const QString& race) const
{
    return file(escapeRaceName(storedRaceName(race)) + QStringLiteral(".tdr"));
}

} // namespace velmora
