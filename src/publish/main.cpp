#include "data/text.h"
#include "data/version.h"
#include "publish/league_options.h"
#include "publish/publish.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <new>

namespace {

// A mistake in the command line: said with a pointer to --help, status 2 as usual.
int usage(const QString& text)
{
    std::fprintf(stderr, "velmora-publish: %s\nTry 'velmora-publish --help'.\n",
                 qPrintable(velmora::terminalText(text)));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-publish"));
    QCoreApplication::setApplicationVersion(velmora::versionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Publishes a Velmora league as a small static site: index.html (the "
                       "league table, a chart of the season, every race's points, the "
                       "corrections found since earlier publications and the components), a "
                       "page per owner in owners/, seasons.html with --history, and the same "
                       "figures in standings.csv and components.csv. The site remembers what it "
                       "published in published.txt. The data folders are only read."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("The league's data folder (default: the one velmora starts on: the "
                       "program's folder, or for an installed program $XDG_DATA_HOME/velmora)."),
        QStringLiteral("folder"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("The folder the site goes to, made when missing "
                                                "(default: the site folder in the league's "
                                                "settings)."),
                                 QStringLiteral("folder"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("The league's name, the page's title "
                                                  "(default: the name in the league's "
                                                  "settings, else \"%1\").")
                                       .arg(velmora::PublishOptions().title),
                                   QStringLiteral("text"), velmora::PublishOptions().title);
    const QCommandLineOption top(QStringLiteral("top"),
                                 QStringLiteral("How many leading owners the chart draws in "
                                                "colour (default: the league's settings', "
                                                "else 10)."),
                                 QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption history(
        QStringLiteral("history"),
        QStringLiteral("An earlier season's league folder, only read (give one for each season, "
                       "oldest first): adds seasons.html, each season's podium and table and the "
                       "all-time table."),
        QStringLiteral("folder"));
    parser.addOptions({data, out, title, top, history});

    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usage(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]));
    velmora::PublishOptions options;
    bool number = false;
    const int topValue = parser.value(top).toInt(&number);
    if (parser.isSet(top) && (!number || topValue < 0))
        return usage(QStringLiteral("--top takes a whole number of owners, 0 or more, not \"%1\"")
                         .arg(parser.value(top)));

    QString error;
    try {
        // Without --data, the league velmora itself finds: an installed organiser publishes
        // the league in their own folder with no options.
        const auto opened = velmora::League::open(
            parser.isSet(data)
                ? velmora::DataDir(parser.value(data))
                : velmora::DataDir::forProgram(QCoreApplication::applicationDirPath()),
            velmora::League::Mode::Read, &error);
        if (opened) {
            const velmora::League& league = *opened;
            // What the command line does not say, the league's settings may; settings that
            // cannot be read are said, and the league published without them.
            if (!league.settingsError().isEmpty())
                std::fprintf(stderr, "velmora-publish: %s\n",
                             qPrintable(velmora::terminalText(league.settingsError())));
            options = velmora::publishOptions(league);
            if (parser.isSet(title))
                options.title = parser.value(title);
            if (parser.isSet(top))
                options.top = topValue;
            if (parser.isSet(history))
                options.history = parser.values(history);
            // A season counted twice would double every figure of the all-time table.
            QStringList seen{QFileInfo(league.dir().path()).canonicalFilePath()};
            for (const QString& folder : options.history) {
                const QString canonical = QFileInfo(folder).canonicalFilePath();
                if (canonical.isEmpty())
                    continue; // said when it is read
                if (canonical == seen[0])
                    return usage(QStringLiteral("--history \"%1\" is the folder of the season "
                                                "being published")
                                     .arg(folder));
                if (seen.contains(canonical))
                    return usage(QStringLiteral("--history names \"%1\" twice").arg(folder));
                seen << canonical;
            }
            const QString site =
                parser.isSet(out) ? parser.value(out) : velmora::siteFolder(league);
            // No default beyond the settings: writing a site where nobody asked for one could
            // overwrite something.
            if (site.isEmpty())
                return usage(QStringLiteral("say where the site goes with --out FOLDER"));
            if (velmora::publishSeason(league, site, options, &error))
                return 0;
        }
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("There was not enough memory to publish the league.");
    }
    std::fprintf(stderr, "velmora-publish: %s\n", qPrintable(velmora::terminalText(error)));
    return 1;
}
