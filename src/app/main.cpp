#include "about/program_icon.h"
#include "data/league.h"
#include "data/recent_leagues.h"
#include "data/text.h"
#include "data/translation.h"
#include "data/version.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFont>
#include <QTimer>

#include <cstdio>
#include <new>

namespace {

// What the program says on its command line and when it cannot start.
struct Program {
    Q_DECLARE_TR_FUNCTIONS(Program)
};

// Memory running out in the middle of an action ends that action with a message, not the
// program: every file is replaced in one step, so what is on disk stays whole.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            velmora::Messages::error(nullptr, Program::tr("There was not enough memory to "
                                                          "finish the last action."));
            return false;
        }
    }
};

void describe(QCommandLineParser* parser)
{
    parser->setApplicationDescription(Program::tr(
        "Keeps the teams, entries and race scores of a fantasy motor-racing league.\n"
        "\n"
        "Each league lives in a folder of its own. Without FOLDER: the folder that holds\n"
        "the program; for an installed program, or one whose folder cannot be written and\n"
        "holds no league, $XDG_DATA_HOME/velmora (by default ~/.local/share/velmora).\n"
        "A folder that cannot be written is opened for viewing only."));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(
        Program::tr("FOLDER"),
        Program::tr("The league's data folder; made when absent and the folder that would "
                    "hold it exists."),
        Program::tr("[FOLDER]"));
}

// --help and --version print and end the program; false when neither was given.
bool answered(const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        std::fputs(qPrintable(parser.helpText()), stdout);
    else if (parser.isSet(QStringLiteral("version")))
        std::printf("velmora %s\n", qPrintable(QCoreApplication::applicationVersion()));
    else
        return false;
    return true;
}

// The arguments without the toolkit's own options (-platform offscreen, -style Fusion ...),
// which the window system takes; *platform tells that one named the platform to use.
QStringList withoutToolkitOptions(QStringList arguments, bool* platform)
{
    static const QStringList valued = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",    "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display",   "name",
        "title",       "geometry",           "style",         "stylesheet"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    *platform = false;
    for (qsizetype i = 1; i < arguments.size();) {
        QString option = arguments[i];
        if (option == u"--" || !option.startsWith(u'-'))
            break;
        option.remove(0, option.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool takesValue = valued.contains(option) && i + 1 < arguments.size();
        if (!takesValue && !flags.contains(option) && !option.startsWith(u"qmljsdebugger=")) {
            ++i;
            continue;
        }
        *platform |= option == u"platform";
        arguments.remove(i, takesValue ? 2 : 1);
    }
    return arguments;
}

// A mistake on the command line, said before any window is opened: status 2.
int usage(const QCommandLineParser& parser, const QString& text)
{
    std::fprintf(stderr, "velmora: %s\n%s\n%s\n", qPrintable(velmora::terminalText(text)),
                 qPrintable(parser.helpText().section(u'\n', 0, 0)),
                 qPrintable(Program::tr("Try 'velmora --help' for more information.")));
    return 2;
}

// A message on the terminal, and in a box for a copy started from a desktop entry.
int refuseStart(const QString& text)
{
    std::fprintf(stderr, "velmora: %s\n", qPrintable(velmora::terminalText(text)));
    velmora::Messages::error(nullptr, text);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(velmora::versionText());
    {
        // Everything the command line can get wrong is told before there is a window system
        // to connect to: over ssh or in a script there is none.
        QCoreApplication terminal(argc, argv);
        velmora::loadTranslations(&terminal);
        QCommandLineParser parser;
        describe(&parser);
        bool platform;
        if (!parser.parse(withoutToolkitOptions(QCoreApplication::arguments(), &platform)))
            return usage(parser, parser.errorText());
        if (answered(parser))
            return 0;
        const QStringList named = parser.positionalArguments();
        if (named.size() > 1)
            return usage(parser, Program::tr("Only one data folder can be named."));
        // A folder named on the command line that cannot be made is said where it was typed.
        velmora::DataDir dir;
        QString error;
        if (named.size() == 1 && !velmora::DataDir::open(named[0], {}, &dir, &error)) {
            std::fprintf(stderr, "velmora: %s\n", qPrintable(velmora::terminalText(error)));
            return 1;
        }
        if (!platform && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
            && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            std::fprintf(stderr, "velmora: %s\n",
                         qPrintable(Program::tr("there is no display to open the window on "
                                                "(neither DISPLAY nor WAYLAND_DISPLAY is set). "
                                                "Start it in a desktop session, or for a look "
                                                "without one with: xvfb-run -a velmora")));
            return 1;
        }
    }

    Application app(argc, argv);
    velmora::loadTranslations(&app);
    QCommandLineParser parser;
    describe(&parser);
    bool platform;
    parser.parse(withoutToolkitOptions(QCoreApplication::arguments(), &platform));

    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    velmora::DataDir dataDir;
    QString error;
    // One copy at a time on a data folder: a second one says so and ends, writing nothing.
    std::unique_ptr<velmora::League> league;
    if (!velmora::DataDir::open(parser.positionalArguments().value(0),
                                QCoreApplication::applicationDirPath(), &dataDir, &error)
        || !(league = velmora::League::open(dataDir, velmora::League::Mode::Work, &error)))
        return refuseStart(error);

    velmora::MainWindow window(std::move(league));
    if (!window.loaded())
        return 1;
    window.show();
    // Once the window shows: its icon (drawn, not read) and the list of leagues opened lately.
    QTimer::singleShot(0, &window, [dir = dataDir.path()] {
        QApplication::setWindowIcon(velmora::programIcon());
        velmora::rememberLeague(dir);
    });
    return QApplication::exec();
}
