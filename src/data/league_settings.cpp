#include "data/league_settings.h"

#include "data/text.h"
#include "data/types.h"

#include <QStringDecoder>

#include <algorithm>
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
    line("transfers", !transfers                ? QString()
                      : *transfers == Unlimited ? QStringLiteral("unlimited")
                                                : QString::number(*transfers));
    for (const QString& other : others)
        out += other + u'\n';
    return out.toUtf8();
}

namespace {

// What is wrong with a setting's value (empty: nothing), the value taken into `read`.
QString take(const QString& key, const QString& value, const QString& line, LeagueSettings* read)
{
    const bool control = std::any_of(value.begin(), value.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    // A folder is a path the system takes: not longer than it, no control character.
    const auto folder = [&value, control](QString* into) {
        if (value.toUtf8().size() > 4095 || control)
            return QStringLiteral("names no folder a path can hold");
        *into = value;
        return QString();
    };
    bool number = false;
    if (key == u"name") {
        if (value.size() > TextFieldLength || control)
            return QStringLiteral("gives no name of at most %1 characters without control "
                                  "characters")
                .arg(TextFieldLength);
        read->name = value;
    } else if (key == u"budget") {
        const double budget = value.toDouble(&number);
        if (!number || !std::isfinite(budget) || budget <= 0)
            return QStringLiteral("gives no budget above 0");
        read->budget = budget;
    } else if (key == u"site") {
        return folder(&read->site);
    } else if (key == u"top") {
        const int top = value.toInt(&number);
        if (!number || top < 0)
            return QStringLiteral("gives no number of owners, 0 or more");
        read->top = top;
    } else if (key == u"history") {
        return folder(&read->history);
    } else if (key == u"transfers") {
        const int transfers =
            value == u"unlimited" ? LeagueSettings::Unlimited : value.toInt(&number);
        if (value != u"unlimited" && (!number || transfers < 0))
            return QStringLiteral("gives no number of transfers, 0 or more, nor \"unlimited\"");
        read->transfers = transfers;
    } else {
        read->others << line;
    }
    return {};
}

} // namespace

LeagueSettings LeagueSettings::parse(const QByteArray& bytes, const QString& path,
                                     QStringList* errors)
{
    LeagueSettings read;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = utf8(lines[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!utf8.hasError() && (line.trimmed().isEmpty() || line.startsWith(u'#')))
            continue;
        const qsizetype is = line.indexOf(u'=');
        const QString wrong =
            utf8.hasError() ? QStringLiteral("is not UTF-8 text")
            : is <= 0       ? QStringLiteral("is not understood")
                      : take(line.left(is).trimmed(), line.mid(is + 1).trimmed(), line, &read);
        if (!wrong.isEmpty())
            errors->append(QStringLiteral("Line %1 of the league's settings \"%2\" %3: \"%4\".")
                               .arg(n + 1)
                               .arg(path, wrong, quotedText(line)));
    }
    return read;
}

} // namespace velmora
