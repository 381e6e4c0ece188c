// Renders every window, filled with a sample league, to PNG files, so that anyone can
// see what a user sees: velmora_screenshots <output folder>.
#include "shots.h"

#include "data/types.h"
#include "fixture.h"
#include "main/main_window.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace velmora::shots {

void save(const Context& context, QWidget* widget, const QString& name)
{
    if (const auto* form = qobject_cast<const Form*>(widget); form && !form->loaded())
        qWarning("%s could not read its data", qPrintable(name));
    widget->show();
    QApplication::processEvents();
    const QString path = context.outputDir + u'/' + name + QStringLiteral(".png");
    if (!widget->grab().save(path))
        qWarning("could not save %s", qPrintable(path));
}

namespace {

// A small league: five racing teams, three test drivers, six entries, two races.
void writeSampleLeague(const DataDir& dir)
{
    using test::entry;
    std::vector<TeamRecord> teams = {
        test::team("Aldwych Racing", "Corvane", "Mara Lind", "Tomas Ebro", 12.5f, 14),
        test::team("Brightwater GP", "Hollis", "Ines Fallow", "Kit Arden", 9.75f, 8),
        test::team("Castell Motorsport", "Corvane", "Rui Santo", "Lena Voss", 7.25f, 5),
        test::team("Dunmore", "Pellam", "Oskar Brandt", "Yusuf Kaan", 4.5f, 2),
        test::team("Everleigh", "Pellam", "Noor Haddad", "Piet Holm", 0.75f, 0)};
    teams[0].Driver1.Score = 25;
    teams[1].Driver2.Score = 18;
    test::writeRecords(dir.teams(), teams);
    test::writeRecords(dir.testDrivers(), std::vector{test::testDriver("Sam Quill", 3, 4),
                                                      test::testDriver("Ada Morrow", 2, 1),
                                                      test::testDriver("Jon Blake", 1, 0)});
    test::writeRecords(dir.entries(), std::vector{entry("Harriet Cole", 61, 0, 0, 0, 3, 0),
                                                  entry("Ben Okafor", 47, 1, 1, 2, 5, 1),
                                                  entry("Priya Nair", 39, 2, 0, 4, 1, 0),
                                                  entry("Tom Whitlow", 30, 3, 2, 6, 7, 2),
                                                  entry("Grace Lund", 22, 4, 3, 8, 9, 1),
                                                  entry("Ollie Sykes", 12, 1, 4, 1, 8, 2)});
    test::writeRecords(dir.calendar(), std::vector{RaceName{QStringLiteral("Harbourside")},
                                                   RaceName{QStringLiteral("Eastmoor")}});
}

} // namespace
} // namespace velmora::shots

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"), 8);
    QApplication::setFont(font);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(output);

    velmora::test::TempData data;
    velmora::shots::writeSampleLeague(data.dir());
    velmora::Main main(data.dir());
    const velmora::shots::Context context{data.dir(), &main, output};

    velmora::shots::shootMain(context);
    velmora::shots::shootDatabases(context);
    velmora::shots::shootScoring(context);
    velmora::shots::shootCalculator(context);
    velmora::shots::shootAbout(context);
    return 0;
}
