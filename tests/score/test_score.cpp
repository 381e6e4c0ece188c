#include "gui.h"
#include "scoring/race_results_window.h"

#include <fcntl.h>
#include <unistd.h>

// As a results page gives it: Ann Lee in capitals, Kim by surname, two names the league does not
// know, a no-break space and a line ending in CR LF.
const QString kOrder = "1\tANN LEE\tArrow\r\n2\tCy\u00a0Dunn\n3\tKim\n4\tJo Vance\n5\tEto D.\n"
                       "DNF\tEd Fay\nFL\tCy Dunn\n";
const QStringList kMatches = {"--match", "Jo Vance=", "--match", "eto d.=Di Eto"};

static void ruledSeason(const DataDir& dir)
{
    writeSeason(dir);
    writeBytes(dir.file("league.ini"), "points_places=10,6,4\npoints_fastest_lap=1\n");
}

class TestScore : public QObject {
    Q_OBJECT
private slots:
    // A new race, two names answered: the same race files, order, names learnt, calendar, totals.
    void sameAsTheWindow()
    {
        TempData byWindow, byCommand, order;
        ruledSeason(byWindow.dir()), ruledSeason(byCommand.dir());
        Messages::collect(true);
        {
            const auto league = openLeague(byWindow.dir());
            RaceResultsWindow w(*league);
            QVERIFY(waitUntilActive(&w));
            type(&w, "Race", "Suzuka");
            QTest::keyClick(picker(&w, "Race")->lineEdit(), Qt::Key_Return);
            inModal([&] { click(&w, "FromOrder"); },
                    [](QWidget* box) {
                        control<QPlainTextEdit>(box, "Order")->setPlainText(kOrder);
                        pick(box, "Answer1", 1),
                            pick(box, "Answer2", picker(box, "Answer2")->findData(3));
                        click(box, "Apply");
                    });
            click(&w, "Store");
        }
        QCOMPARE(Messages::collected(), QStringList());
        writeBytes(order.path("order.txt"), "\xEF\xBB\xBF" + kOrder.toUtf8());
        const QStringList args = {"--order", order.path("order.txt"),
                                  "--data",  byCommand.dir().path(),
                                  "--race",  "Suzuka"};
        QCOMPARE(runProgram(VELMORA_SCORE, args + kMatches, {}).first, 0);
        QCOMPARE(folderState(byCommand.dir()), folderState(byWindow.dir()));
        QVERIFY(readBytes(byCommand.dir().calendar()).contains("Suzuka"));
    }

    // What the program says, on either channel, and that DATA is as it was. OUT is a league
    // without points rules, OUT/order kOrder, OUT/bad an order whose line 2 is not UTF-8.
    void commandLine_data()
    {
        const auto row = columns<QStringList, int, QStringList>("args", "status", "says");
        const QStringList imola = {"--data", "DATA", "--race", "Imola", "--order", "OUT/order"};
        row("dry run", imola + kMatches + QStringList("--dry-run"), 0,
            {"14\t14\t10\t4\n7\t7\t7\t0\n0\t0\t0\t0\n2\n6\n", "scoring 0: Flo Gil (Meteor)."});
        row("help", {"--help"}, 0, {"--race <name>", "--dry-run"});
        row("version", {"--version"}, 0, {"velmora-score 1.0.0"});
        row("no order", {"--race", "Imola"}, 2, {"--order FILE", "Try 'velmora-score --help'"});
        row("stray argument", imola + QStringList("x"), 2, {"unexpected argument \"x\""});
        row("match without =", imola + QStringList{"--match", "Zed"}, 2, {"not \"Zed\""});
        row("race of no name", {"--race", "", "--order", "OUT/order"}, 2, {"name of 1 to 80"});
        row("names not found", imola + QStringList{"--match", "Eto D.=Zed"}, 1,
            {"Line 4: \u201cJo Vance\u201d is no driver of the race (the closest: ",
             "--match \"Eto D.=Zed\": \u201cZed\u201d is no driver", "--match \"NAME=DRIVER\""});
        row("no league", {"--data", "OUT/x", "--race", "Imola", "--order", "OUT/order"}, 1,
            {"/x\" holds no league"});
        row("no rules", {"--data", "OUT", "--race", "Imola", "--order", "OUT/order"}, 1,
            {"The league has no points rules"});
        row("order not UTF-8", {"--data", "DATA", "--race", "Imola", "--order", "OUT/bad"}, 1,
            {"Line 2 of the finishing order \"", "/bad\" is not UTF-8 text."});
    }

    void commandLine()
    {
        auto [args, status, says] = fetch<QStringList, int, QStringList>("args", "status", "says");
        TempData data, out;
        ruledSeason(data.dir());
        writeSeason(out.dir()), QDir(out.dir().path()).mkdir("x");
        writeBytes(out.path("order"), kOrder.toUtf8());
        writeBytes(out.path("bad"), "1\tAnn Lee\n2\tCy Dunn\xFF\n");
        const FolderState before = folderState(data.dir());
        const auto [exit, said] = runProgram(
            VELMORA_SCORE, args, {{"DATA", data.dir().path()}, {"OUT", out.dir().path()}});
        QCOMPARE(exit, status);
        for (const QString& s : says)
            QVERIFY2(said.contains(s), qPrintable(said));
        QCOMPARE(folderState(data.dir()), before);
    }

    // While velmora-score works (waiting here for its order), a Velmora is told so; while a
    // window works on the folder, velmora-score is told to use it.
    void folderInUse()
    {
        TempData d;
        ruledSeason(d.dir());
        const QByteArray fifo = QFile::encodeName(d.path("order.fifo"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QProcess score;
        score.start(VELMORA_SCORE, {"--data", d.dir().path(), "--race", "Monza", "--order", fifo});
        int order = -1; // open once velmora-score reads it, with the folder's lock taken
        while (order < 0 && score.state() != QProcess::NotRunning)
            order = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK), QTest::qWait(5);
        QString error;
        QVERIFY2(!League::open(d.dir(), League::Mode::Work, &error)
                     && error.contains("in use: velmora-score is storing a race in it."),
                 qPrintable(error));
        ::close(order); // an empty order, refused
        QVERIFY(score.waitForFinished() && score.exitCode() == 1);
        const auto window = openLeague(d.dir());
        const auto [status, said] = runProgram(VELMORA_SCORE, score.arguments(), {});
        QVERIFY2(status == 1 && said.contains("Use the window that is open."), qPrintable(said));
    }
};

QTEST_MAIN(TestScore)
#include "test_score.moc"
