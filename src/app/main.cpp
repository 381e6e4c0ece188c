#include "about/program_icon.h"
#include "data/league.h"
#include "data/version.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>

#include <cstdio>
#include <new>

namespace {

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
            velmora::Messages::error(nullptr, QStringLiteral("There was not enough memory to "
                                                             "finish the last action."));
            return false;
        }
    }
};

void describe(QCommandLineParser* parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Keeps the teams, entries and race scores of a fantasy motor-racing league.\n"
        "\n"
        "Each league lives in a folder of its own. Without FOLDER: the folder that holds\n"
        "the program; for an installed program, or one whose folder cannot be written and\n"
        "holds no league, $XDG_DATA_HOME/velmora (by default ~/.local/share/velmora).\n"
        "A folder that cannot be written is opened for viewing only."));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("The league's data folder; made when absent and the folder that would "
                       "hold it exists."),
        QStringLiteral("[FOLDER]"));
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

// A message on the terminal, and in a box for a copy started from a desktop entry.
int refuseStart(const QString& text)
{
    std::fprintf(stderr, "velmora: %s\n", qPrintable(text));
    velmora::Messages::error(nullptr, text);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(velmora::versionText());
    {
        // --help and --version answer before there is a window system to connect to. Qt's
        // own options (-platform, -style ...) are only known once QApplication has taken
        // them out, so an option not known here is judged there.
        QCoreApplication terminal(argc, argv);
        QCommandLineParser parser;
        describe(&parser);
        if (parser.parse(QCoreApplication::arguments())) {
            if (answered(parser))
                return 0;
            // A folder named on the command line that cannot be made is said where it was
            // typed, also with no display to show a box on.
            const QStringList named = parser.positionalArguments();
            velmora::DataDir dir;
            QString error;
            if (named.size() == 1 && !velmora::DataDir::open(named[0], {}, &dir, &error)) {
                std::fprintf(stderr, "velmora: %s\n", qPrintable(error));
                return 1;
            }
        }
    }

    Application app(argc, argv);
    QCommandLineParser parser;
    describe(&parser);
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString usage = parser.helpText().section(u'\n', 0, 0);
        std::fprintf(stderr, "velmora: %s\n%s\nTry 'velmora --help' for more information.\n",
                     qPrintable(parser.positionalArguments().size() > 1
                                    ? QStringLiteral("Only one data folder can be named.")
                                    : parser.errorText()),
                     qPrintable(usage));
        return 2;
    }
    if (answered(parser))
        return 0;

    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setWindowIcon(velmora::programIcon());

    velmora::DataDir dataDir;
    QString error;
    // One copy at a time on a data folder: a second one says so and ends, writing nothing.
    auto league = std::make_unique<velmora::League>();
    if (!velmora::DataDir::open(parser.positionalArguments().value(0),
                                QCoreApplication::applicationDirPath(), &dataDir, &error)
        || !league->open(dataDir, velmora::League::Mode::Work, &error))
        return refuseStart(error);

    velmora::MainWindow window(std::move(league));
    if (!window.loaded())
        return 1;
    window.show();
    return QApplication::exec();
}
