// The program as a whole: a season through the windows only, as an organiser works (the
// databases, four entries, two races, the league table, the full table, the score report, and
// Exit), and what the programs say on the command line.
#include "about/program_icon.h"
#include "gui.h"

namespace {

using Records = std::vector<std::vector<QVariant>>;

// Fills the window's boxes from one row of values each, record after record, pressing
// `between` between them and Close after the last; a number picks that item, no value
// leaves the box as it is.
void fill(QWidget* w, const std::vector<const char*>& boxes, const Records& records,
          const char* between = "New")
{
    for (std::size_t r = 0; r < records.size(); ++r) {
        for (std::size_t b = 0; b < boxes.size(); ++b)
            if (records[r][b].typeId() == QMetaType::Int)
                pick(w, boxes[b], records[r][b].toInt());
            else if (records[r][b].isValid())
                type(w, boxes[b], records[r][b].toString());
        click(w, r + 1 < records.size() ? between : "Close");
    }
}

void enter(MainWindow& main, const QString& window, const std::vector<const char*>& boxes,
           const Records& records)
{
    inWindow(main, window, [&](QWidget* w) { fill(w, boxes, records); });
}

// The race typed, the points of the first teams typed on the team card (the others left as
// the card starts them), and the test drivers picked and their points entered.
void scoreRace(MainWindow& main, const char* race, const Records& teams, const Records& testDrivers)
{
    inWindow(main, "Score", [&](QWidget* score) {
        type(score, "Race", race);
        inModal([score] { click(score, "Teamscore"); },
                [&](QWidget* card) {
                    fill(card, {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"},
                         teams, "Forward");
                });
        inModal([score] { click(score, "Testscore"); },
                [&](QWidget* card) {
                    fill(card, {"Driver", "Price"}, testDrivers);
                });
        click(score, "Calculate");
    });
}

} // namespace

class TestSeason : public QObject {
    Q_OBJECT
private slots:
    void wholeSeasonThroughTheWindows();
    void commandLine_data();
    void commandLine();
};

void TestSeason::wholeSeasonThroughTheWindows()
{
    Messages::collect(true);
    TempData data;
    MainWindow main(openLeague(data.dir()));
    main.show();
    QVERIFY(waitUntilActive(&main));
    enter(main, "Team_Entry",
          {"Team", "Team_Price", "Engine", "Engine_Price", "Driver1", "Driver1_Price", "Driver2",
           "Driver2_Price"},
          {{"Aldwych", "10", "Corvane", "8", "Mara", "5", "Tomas", "4.5"},
           {"Brightwater", "7.5", "Hollis", "6", "Ines", "3", "Kit", "2.25"}});
    enter(main, "Test_Driver", {"Driver", "Price"}, {{"Sam", "3"}, {"Ada", "2"}});
    // The driver list: Mara, Tomas, Ines, Kit.
    enter(main, "Entries", {"Owner", "Team", "Engine", "Driver1", "Driver2", "TDriver"},
          {{"Harriet", 0, 0, 0, 1, 0},
           {"Ben", 1, 1, 2, 3, 1},
           {"Priya", 0, 1, 0, 3, 1},
           {"Tom", 1, 0, 1, 2, 0}});
    const FlexGrid* league = control<FlexGrid>(&main, "HiScores");
    QCOMPARE(rows(league, {3}), QStringLiteral("4|Tom|0"));

    scoreRace(main, "Harbourside", {{"10", "6", "8", "3"}, {"4", "2", "5", "1"}},
              {{1, "1"}, {0, "2"}});
    QCOMPARE(rows(league, {0, 3}), QStringLiteral("1|Harriet|29 4|Ben|13"));
    // The second team left as the card starts it, the first test driver not entered: they
    // count nothing in this race.
    scoreRace(main, "Eastmoor", {{"5", "3", "2", "6"}}, {{1, "3"}});
    QCOMPARE(rows(league, {0, 1, 3}), QStringLiteral("1|Harriet|45 2|Priya|32 4|Ben|16"));
    // Harbourside typed again is Harbourside: no third race, and nothing counted twice. Its
    // test-driver card, with points typed but no driver picked, then New, then Finish, stores
    // nothing: no driver loses the points of that race.
    scoreRace(main, " Harbourside", {{"10", "6", "8", "3"}}, {{QVariant(), "5"}, {QVariant(), ""}});
    QCOMPARE(rows(league, {0, 1, 3}), QStringLiteral("1|Harriet|45 2|Priya|32 4|Ben|16"));

    // Mid-season, a team or test driver that entries choose and races score is not deleted:
    // every later one would take over another's picks and points.
    for (const char* editor : {"Team_Entry", "Test_Driver"}) {
        const FolderState before = folderState(data.dir());
        inWindow(main, editor, [](QWidget* w) { click(w, "Delete"); });
        QCOMPARE(folderState(data.dir()), before);
        const QStringList said = std::exchange(Messages::collected(), {});
        // All four entries choose the first or a later one; both races scored it.
        QVERIFY2(said.size() == 1 && said[0].contains(u"cannot be deleted: 4 entries choose it")
                     && said[0].contains(u"and 2 races have points for it"),
                 qPrintable(said.join(u'|')));
    }

    // The full table, first shown now: names, then scores, of the first entry.
    trigger(&main, "Comp_View");
    const FlexGrid* spread = control<FlexGrid>(&main, "Spread");
    QCOMPARE(rows(spread, {1, 2}, 1),
             QStringLiteral("Harriet|Aldwych|Corvane|Mara|Tomas|Sam 45|15|9|10|9|2"));
    SaveFileDialog::setNextFileName(data.path("season")); // the extension comes with it
    trigger(&main, "File_Output");
    QCOMPARE(readBytes(data.path("season.txt")).split('\n').at(0),
             QByteArray("                  Total Harbourside Eastmoor\r"));
    QCOMPARE(Messages::collected(), QStringList());

    // Exit ends it all: the viewer and the About box go with the main window.
    trigger(&main, "Comp_View");
    trigger(&main, "Help_About");
    QVERIFY(shownWindow("Team_Viewer") && shownWindow("frmAbout"));
    // The About box shows the program's icon drawn for its size.
    const QPixmap shown = control<QLabel>(shownWindow("frmAbout"), "picIcon")->pixmap();
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32),
             programIconImage(32).convertToFormat(QImage::Format_ARGB32));
    // The icon: a rounded square, its edges alike on every side, under a flag chequered dark
    // and light from a dark square at the pole's top (4 x 3 squares on 17 x 12 of 32 units;
    // the top two rows, whose middles the wave leaves inside them).
    const QImage icon = programIconImage(256);
    for (int y = 0; y < 256; y += 3)
        for (int x = 0; x < 256; x += 3)
            QVERIFY(std::abs(qAlpha(icon.pixel(x, y)) - qAlpha(icon.pixel(255 - x, y))) < 8
                    && std::abs(qAlpha(icon.pixel(x, y)) - qAlpha(icon.pixel(x, 255 - y))) < 8);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 2; ++r)
            QCOMPARE(qGray(icon.pixel(int((10 + 17 * (c + 0.5) / 4) * 8),
                                      int((6 + 12 * (r + 0.5) / 3) * 8)))
                         < 128,
                     (c + r) % 2 == 0);
    trigger(&main, "File_Exit");
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

// What the programs say, on either channel. DATA is a season's folder, OUT an empty folder.
void TestSeason::commandLine_data()
{
    columns<QString, QStringList, int, QString>("program", "args", "status", "message");
    const auto row = [](const char* name, QStringList args, int status, const char* message,
                        const char* program = VELMORA_PROGRAM) {
        QTest::newRow(name) << QString(program) << args << status << QString::fromUtf8(message);
    };
    // The program itself answers, or refuses, before it needs a display (there is none here).
    row("--help", {"--help"}, 0, "[FOLDER]");
    row("--version, toolkit options", {"-platform", "offscreen", "-reverse", "--version"}, 0,
        "velmora 1.");
    row("two folders", {"DATA", "OUT"}, 2, "Only one data folder");
    row("unknown option", {"--fast"}, 2, "Unknown option 'fast'");
    row("unknown option, a toolkit option", {"-style", "Fusion", "-x"}, 2, "Unknown option 'x'");
    row("folder not made", {"/proc/velmora"}, 1, "/proc/velmora");
    row("no display", {"DATA"}, 1, "no display to open the window on");
    // The icon files the package installs, one for each size the desktop looks for.
    row("icons", {"OUT/icons"}, 0, "", VELMORA_EXPORT_ICON);
    row("icons, folder not made", {"/proc/velmora"}, 1, "cannot create", VELMORA_EXPORT_ICON);
    row("icons not written", {"/proc"}, 1, "cannot write /proc/velmora-16.png",
        VELMORA_EXPORT_ICON);
}

void TestSeason::commandLine()
{
    const auto [program, args, status, message] =
        fetch<QString, QStringList, int, QString>("program", "args", "status", "message");
    TempData data, out;
    writeSeason(data.dir());
    const FolderState before = folderState(data.dir());
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(name);
    const auto [exit, said] = runProgram(
        program, args, {{"DATA", data.dir().path()}, {"OUT", out.dir().path()}},
        program == VELMORA_PROGRAM ? noDisplay : QProcessEnvironment::systemEnvironment());
    QCOMPARE(exit, status);
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    QCOMPARE(folderState(data.dir()), before);
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QCOMPARE(QImage(out.path(QStringLiteral("icons/velmora-%1.png").arg(size))).size(),
                 args.contains("OUT/icons") ? QSize(size, size) : QSize(0, 0));
}

QTEST_MAIN(TestSeason)
#include "test_season.moc"
