#include "data/league_settings.h"

#include "data/io.h"

#include <QStringDecoder>

#include <cmath>

namespace velmora {

QByteArray LeagueSettings::text() const
{
    QString out;
    const auto line = [&out](const char* key, const QString& value) {
        if (!value.isEmpty())
            out += QLatin1String(key) + u'=' + value + u'\n';
    };
    line("name", name);
    line("budget", budget ? QString::number(*budget, 'g', 9) : QString());
    line("site", site);
    line("top", top ? QString::number(*top) : QString());
    line("history", history);
    for (const QString& other : others)
        out += other + u'\n';
    return out.toUtf8();
}

bool LeagueSettings::parse(const QByteArray& bytes, const QString& path, LeagueSettings* settings,
                           QString* error)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return io::fail(
            error, QStringLiteral("The league's settings \"%1\" are not UTF-8 text.").arg(path));
    LeagueSettings read;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].endsWith(u'\r') ? lines[n].chopped(1) : lines[n];
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype is = line.indexOf(u'=');
        const QString key = line.left(is).trimmed(), value = line.mid(is + 1).trimmed();
        bool number = is > 0;
        if (key == u"name")
            read.name = value;
        else if (key == u"budget") {
            const double budget = value.toDouble(&number);
            number = number && std::isfinite(budget) && budget > 0;
            read.budget = budget;
        } else if (key == u"site")
            read.site = value;
        else if (key == u"top") {
            read.top = value.toInt(&number);
            number = number && *read.top >= 0;
        } else if (key == u"history")
            read.history = value;
        else
            read.others << line;
        if (!number)
            return io::fail(error, QStringLiteral("Line %1 of the league's settings \"%2\" is "
                                                  "not understood: \"%3\".")
                                       .arg(n + 1)
                                       .arg(path, line));
    }
    *settings = std::move(read);
    return true;
}

} // namespace velmora
