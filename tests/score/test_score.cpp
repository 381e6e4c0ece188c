// velmora-score: a race stored from its finishing order as the Race Results window stores it,
// byte for byte; what it refuses, with the status and the message a script reads, and nothing
// changed; the folder's lock both ways.
#include "gui.h"
#include "scoring/race_results_window.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As a results page gives it: Ann Lee in capitals, Kim by surname, two names the league does not
// know, a no-break space and a line ending in CR LF.
const QString kOrder = "1\tANN LEE\tArrow\r\n2\tCy\u00a0Dunn\n3\tKim\n4\tJo Vance\n5\tEto D.\n"
                       "DNF\tEd Fay\nFL\tCy Dunn\n";
const QStringList kMatches = {"--match", "Jo Vance=", "--match", "eto d.=Di Eto"};

void ruledSeason(const DataDir& dir)
{
    writeSeason(dir);
    writeBytes(dir.file("league.ini"), "points_places=10,6,4\npoints_fastest_lap=1\n");
}

} // namespace

class TestScore : public QObject {
    Q_OBJECT
private slots:
    void sameAsTheWindow();
    void commandLine_data();
    void commandLine();
    void folderInUse();
};

// Imola (its test drivers' points kept) with the two names answered, then Suzuka (new, added to
// the calendar) by the names learnt: the same files, order, calendar and totals.
void TestScore::sameAsTheWindow()
{
    TempData byWindow, byCommand, order;
    ruledSeason(byWindow.dir()), ruledSeason(byCommand.dir());
    Messages::collect(true);
    {
        const auto league = openLeague(byWindow.dir());
        RaceResultsWindow w(*league);
        QVERIFY(waitUntilActive(&w));
        for (const char* race : {"Imola", "Suzuka"}) {
            type(&w, "Race", race);
            QTest::keyClick(picker(&w, "Race")->lineEdit(), Qt::Key_Return);
            inModal([&] { click(&w, "FromOrder"); },
                    [](QWidget* box) {
                        control<QPlainTextEdit>(box, "Order")->setPlainText(kOrder);
                        if (box->findChild<QComboBox*>("Answer2"))
                            pick(box, "Answer1", 1),
                                pick(box, "Answer2", picker(box, "Answer2")->findData(3));
                        click(box, "Apply");
                    });
            click(&w, "Store");
        }
    }
    QCOMPARE(Messages::collected(), QStringList());
    writeBytes(order.path("order.txt"), "\xEF\xBB\xBF" + kOrder.toUtf8());
    for (const QStringList& args :
         {QStringList{"--race", "imola"} + kMatches, {"--race", "Suzuka"}})
        QCOMPARE(runProgram(VELMORA_SCORE, args + QStringList{"--order", "ORDER", "--data", "DATA"},
                            {{"ORDER", order.path("order.txt")}, {"DATA", byCommand.dir().path()}})
                     .first,
                 0);
    QCOMPARE(folderState(byCommand.dir()), folderState(byWindow.dir()));
    QVERIFY(readBytes(byCommand.dir().calendar()).contains("Suzuka"));
}

// What the program says, on either channel, and that the league is as it was. DATA holds points
// rules, PLAIN none; ORDER is kOrder, OUT/bad an order whose second line is not UTF-8.
void TestScore::commandLine_data()
{
    const auto row = columns<QStringList, int, QStringList>("args", "status", "says");
    const QStringList imola = {"--data", "DATA", "--race", "Imola", "--order", "ORDER"};
    row("dry run", imola + kMatches + QStringList("--dry-run"), 0,
        {"14\t14\t10\t4\n7\t7\t7\t0\n0\t0\t0\t0\n2\n6\n", "scoring 0: Flo Gil (Meteor)."});
    row("--help", {"--help"}, 0, {"--match <name=driver>"});
    row("--version", {"--version"}, 0, {"velmora-score 1."});
    row("no order", {"--race", "Imola"}, 2, {"--order FILE", "Try 'velmora-score --help'"});
    row("blank race", {"--race", " ", "--order", "ORDER"}, 2, {"1 to 80 characters"});
    row("race the files cannot hold", {"--race", "Baku \u2713", "--order", "ORDER"}, 2,
        {"\u201c\u2713\u201d cannot be kept"});
    row("answer without a driver", imola + QStringList{"--match", "Jo Vance"}, 2,
        {"--match takes \"NAME=DRIVER\""});
    row("stray argument", imola + QStringList("Monza"), 2, {"unexpected argument \"Monza\""});
    row("names not found", imola, 1,
        {"Line 4: \u201cJo Vance\u201d is no driver of the race (the closest: ",
         "Line 5: \u201cEto D.\u201d", "--match \"NAME=DRIVER\""});
    row("answer names no driver",
        imola + QStringList{"--match", "Jo Vance=", "--match", "Eto D.=Zed"}, 1,
        {"--match \"Eto D.=Zed\": \u201cZed\u201d is no driver of the race."});
    row("no rules", {"--data", "PLAIN", "--race", "Imola", "--order", "ORDER"}, 1,
        {"The league has no points rules"});
    row("order missing", {"--data", "DATA", "--race", "Imola", "--order", "OUT/none"}, 1,
        {"Could not read the finishing order \"OUT/none\": No such file"});
    row("order not UTF-8", {"--data", "DATA", "--race", "Imola", "--order", "OUT/bad"}, 1,
        {"Line 2 of the finishing order \"OUT/bad\" is not UTF-8 text."});
}

void TestScore::commandLine()
{
    auto [args, status, says] = fetch<QStringList, int, QStringList>("args", "status", "says");
    TempData data, plain, out;
    ruledSeason(data.dir()), writeSeason(plain.dir());
    writeBytes(out.path("order"), kOrder.toUtf8());
    writeBytes(out.path("bad"), "1\tAnn Lee\n2\tCy Dunn\xFF\n");
    const QMap<QString, QString> folders = {{"DATA", data.dir().path()},
                                            {"PLAIN", plain.dir().path()},
                                            {"ORDER", out.path("order")},
                                            {"OUT", out.dir().path()}};
    const FolderState before = folderState(data.dir());
    const auto [exit, said] = runProgram(VELMORA_SCORE, args, folders);
    QCOMPARE(exit, status);
    for (QString s : says) {
        for (auto it = folders.cbegin(); it != folders.cend(); ++it)
            s.replace(it.key(), it.value());
        QVERIFY2(said.contains(s), qPrintable(said));
    }
    QCOMPARE(folderState(data.dir()), before);
}

// A Velmora opened on the folder while velmora-score works (waiting here for its order) is told
// that velmora-score is storing a race; velmora-score, while a window works on it, to use it.
void TestScore::folderInUse()
{
    TempData d;
    ruledSeason(d.dir());
    const QString fifo = d.path("order.fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess score;
    score.start(VELMORA_SCORE, {"--data", d.dir().path(), "--race", "Monza", "--order", fifo});
    int order = -1; // open once velmora-score reads it, with the folder's lock taken
    while (order < 0 && score.state() != QProcess::NotRunning)
        order = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK), QTest::qWait(5);
    QString error;
    QVERIFY(!League::open(d.dir(), League::Mode::Work, &error));
    QVERIFY2(error.startsWith("The data folder \"" + d.dir().path()
                              + "\" is in use: velmora-score is storing a race in it."),
             qPrintable(error));
    const QByteArray text = "1\tAnn Lee\n2\tBo Kim\n";
    QCOMPARE(::write(order, text.constData(), text.size()), text.size());
    ::close(order);
    QVERIFY(score.waitForFinished() && score.exitCode() == 0);
    const auto window = openLeague(d.dir());
    const auto [status, said] = runProgram(VELMORA_SCORE, score.arguments(), {});
    QVERIFY2(status == 1
                 && said.startsWith("velmora-score: Velmora is already running on the data "
                                    "folder \""
                                    + d.dir().path() + "\". Use the window"),
             qPrintable(said));
}

QTEST_MAIN(TestScore)
#include "test_score.moc"
