#include "data/league_settings.h"

#include "data/text.h"
#include "data/types.h"

#include <QCoreApplication>
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
    if (points) {
        QStringList places;
        for (const int16_t p : points->places)
            places << QString::number(p);
        line("points_places", places.join(u','));
        line("points_classified_beyond", QString::number(points->classifiedBeyond));
        line("points_not_classified", QString::number(points->notClassified));
        line("points_fastest_lap", QString::number(points->fastestLap));
        line("points_chassis", points->chassis == PointsRules::Chassis::Sum
                                   ? QStringLiteral("sum")
                                   : QStringLiteral("best"));
        line("points_engine", points->engine == PointsRules::Engine::Maker
                                  ? QStringLiteral("maker")
                                  : QStringLiteral("record"));
    }
    for (const QString& other : others)
        // Rules lines kept while the league gave no places give way to the rules now given.
        if (!points || !other.trimmed().startsWith(QLatin1String("points_")))
            out += other + u'\n';
    return out.toUtf8();
}

namespace {

// The settings as their lines are read: the points rules are taken only when they give the
// places and every line of them can be read.
struct Reading {
    LeagueSettings settings;
    PointsRules rules;
    bool places = false, rulesBroken = false;
    QStringList ruleLines; // kept as they are when the rules give no places
};

std::optional<int16_t> wholeNumber(const QString& text)
{
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number || value < -32768 || value > 32767)
        return std::nullopt;
    return int16_t(value);
}

// What is wrong with a points rule's value (empty: nothing), taken into `rules`.
QString takeRule(const QString& key, const QString& value, Reading* reading)
{
    PointsRules& rules = reading->rules;
    const QString number =
        QCoreApplication::translate("LeagueSettings", "gives no whole number from -32768 to 32767");
    if (key == u"points_places") {
        rules.places.clear();
        for (const QString& place : value.split(u',')) {
            const std::optional<int16_t> points = wholeNumber(place);
            if (!points)
                return QCoreApplication::translate("LeagueSettings",
                                                   "gives no points for the places: whole numbers "
                                                   "from -32768 to 32767 separated by commas, the "
                                                   "first place's first");
            rules.places.push_back(*points);
        }
        reading->places = true;
        return {};
    }
    if (key == u"points_chassis" || key == u"points_engine") {
        const QString choice = value.toLower();
        const bool chassis = key == u"points_chassis";
        if (chassis && (choice == u"sum" || choice == u"best" || choice.isEmpty()))
            rules.chassis =
                choice == u"best" ? PointsRules::Chassis::Best : PointsRules::Chassis::Sum;
        else if (!chassis && (choice == u"maker" || choice == u"record" || choice.isEmpty()))
            rules.engine =
                choice == u"record" ? PointsRules::Engine::Record : PointsRules::Engine::Maker;
        else
            return chassis
                       ? QCoreApplication::translate("LeagueSettings", "gives neither sum nor best")
                       : QCoreApplication::translate("LeagueSettings",
                                                     "gives neither maker nor record");
        return {};
    }
    int16_t* const into = key == u"points_classified_beyond" ? &rules.classifiedBeyond
                          : key == u"points_not_classified"  ? &rules.notClassified
                                                             : &rules.fastestLap;
    const std::optional<int16_t> points = value.isEmpty() ? int16_t(0) : wholeNumber(value);
    if (!points)
        return number;
    *into = *points;
    return {};
}

// What is wrong with a setting's value (empty: nothing), the value taken into `reading`.
QString take(const QString& key, const QString& value, const QString& line, Reading* reading)
{
    static const QStringList rules = {
        QStringLiteral("points_places"),         QStringLiteral("points_classified_beyond"),
        QStringLiteral("points_not_classified"), QStringLiteral("points_fastest_lap"),
        QStringLiteral("points_chassis"),        QStringLiteral("points_engine")};
    if (rules.contains(key)) {
        reading->ruleLines << line;
        const QString wrong = takeRule(key, value, reading);
        reading->rulesBroken |= !wrong.isEmpty();
        return wrong.isEmpty()
                   ? wrong
                   : wrong
                         + QCoreApplication::translate("LeagueSettings",
                                                       " (the league scores no race from its "
                                                       "finishing order until it is mended)");
    }
    LeagueSettings* const read = &reading->settings;
    const bool control = std::any_of(value.begin(), value.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    // A folder is a path the system takes: not longer than it, no control character.
    const auto folder = [&value, control](QString* into) {
        if (value.toUtf8().size() > 4095 || control)
            return QCoreApplication::translate("LeagueSettings", "names no folder a path can hold");
        *into = value;
        return QString();
    };
    bool number = false;
    if (key == u"name") {
        if (value.size() > TextFieldLength || control)
            return QCoreApplication::translate(
                       "LeagueSettings", "gives no name of at most %1 characters without control "
                                         "characters")
                .arg(TextFieldLength);
        read->name = value;
    } else if (key == u"budget") {
        const double budget = value.toDouble(&number);
        if (!number || !std::isfinite(budget) || budget <= 0)
            return QCoreApplication::translate("LeagueSettings", "gives no budget above 0");
        read->budget = budget;
    } else if (key == u"site") {
        return folder(&read->site);
    } else if (key == u"top") {
        const int top = value.toInt(&number);
        if (!number || top < 0)
            return QCoreApplication::translate("LeagueSettings",
                                               "gives no number of owners, 0 or more");
        read->top = top;
    } else if (key == u"history") {
        return folder(&read->history);
    } else if (key == u"transfers") {
        const int transfers =
            value == u"unlimited" ? LeagueSettings::Unlimited : value.toInt(&number);
        if (value != u"unlimited" && (!number || transfers < 0))
            return QCoreApplication::translate(
                "LeagueSettings", "gives no number of transfers, 0 or more, nor \"unlimited\"");
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
    Reading read;
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
            utf8.hasError() ? QCoreApplication::translate("LeagueSettings", "is not UTF-8 text")
            : is <= 0       ? QCoreApplication::translate("LeagueSettings", "is not understood")
                      : take(line.left(is).trimmed(), line.mid(is + 1).trimmed(), line, &read);
        if (!wrong.isEmpty())
            errors->append(
                QCoreApplication::translate("LeagueSettings",
                                            "Line %1 of the league's settings \"%2\" %3: \"%4\".")
                    .arg(n + 1)
                    .arg(path, wrong, quotedText(line)));
    }
    if (read.places && !read.rulesBroken)
        read.settings.points = read.rules;
    else if (!read.places)
        read.settings.others += read.ruleLines;
    return read.settings;
}

} // namespace velmora
