#include "data/io.h"
#include "databases/team_entry.h"
#include "editor_helpers.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <cerrno>
#include <cfloat>

using namespace velmora;
using namespace velmora::test;

namespace {

TeamRecord sample(const QString& name, float price, int16_t score)
{
    TeamRecord t = team(name, name + " engine", name + " one", name + " two", price, score);
    t.Engine.Score = int16_t(score + 1);
    t.Driver1.Score = int16_t(-score);
    t.Driver2.Score = int16_t(score * 3);
    return t;
}

QByteArray bytes(const std::vector<TeamRecord>& records)
{
    QByteArray b;
    for (const TeamRecord& r : records)
        b += r.encode();
    return b;
}

const TeamRecord A = sample(QStringLiteral("Alder"), 12.5f, 10);
const TeamRecord B = sample(QStringLiteral("Birch"), 0.75f, 4);
const TeamRecord C = sample(QStringLiteral("Cedar"), 3, -2);
// A price that needs more digits than a price box shows.
const TeamRecord D = sample(QStringLiteral("Dogwood"), 12.345678f, 1);

} // namespace

class TestTeamEntry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { Messages::collect(true), Messages::collected().clear(); }
    void cleanup() { io::setFaultHook({}); }

    void layoutFitsWithoutOverlap();
    void emptyFileThenCloseWritesOneEmptyRecord();
    void newTwiceAppendsRecordsCarryingLastScores();
    void steppingToBothEndsRewritesNothing();
    void steppingToBothEndsStaysInside();
    void prices_data();
    void prices();
    void scoresSurviveEdits();
    void deleteInTheMiddleShowsTheNextRecord();
    void deleteTheLastShowsTheNewLast();
    void deleteUnsavedNewRecordLeavesFile();
    void closeBoxLosesOnlyUnsavedEdits();
    void writeAndDeleteFailuresKeepWindowAndFile();
    void openAndRefreshFailuresAreReported();
    void unreadableRecordIsNeverSavedOver();
    void menuOpensModalEditorThatUpdatesViewer();

    void noWindowLeft();
};

void TestTeamEntry::initTestCase()
{
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 8)); // the program's font
}

void TestTeamEntry::layoutFitsWithoutOverlap()
{
    TempData data;
    Team_Entry w(data.dir());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tro Team Database"));
    QCOMPARE(button(&w, "Forward")->text(), QStringLiteral("Next"));
    QVERIFY(box(&w, "Number")->isReadOnly());
    checkLayout(&w, 20);
}

void TestTeamEntry::emptyFileThenCloseWritesOneEmptyRecord()
{
    TempData data;
    Team_Entry w(data.dir());
    w.show();
    QCOMPARE(text(&w, "Number"), QStringLiteral("1"));
    QCOMPARE(steps(&w), QStringLiteral("--"));
    QVERIFY(data.exists(QStringLiteral("teams.tro")));
    click(&w, "Close");
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(readBytes(data.dir().teams()), TeamRecord{}.encode());
}

void TestTeamEntry::newTwiceAppendsRecordsCarryingLastScores()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A});
    Team_Entry w(data.dir());
    w.show();
    QCOMPARE(steps(&w), QStringLiteral("--")); // one record: nothing to step to
    click(&w, "New");
    QCOMPARE(text(&w, "Number"), QStringLiteral(" 2"));
    QCOMPARE(text(&w, "Team") + text(&w, "Team_Price") + text(&w, "Driver2_Price"), QString());
    QCOMPARE(steps(&w), QStringLiteral("<-"));
    QCOMPARE(w.focusWidget(), box(&w, "Team"));
    click(&w, "New");
    QCOMPARE(text(&w, "Number"), QStringLiteral(" 3"));
    // The empty new record keeps the scores of the record read last.
    TeamRecord blank = A;
    for (ComponentSlot* s : {&blank.Team, &blank.Engine, &blank.Driver1, &blank.Driver2})
        s->Name.clear(), s->Price = 0;
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, blank}));
    click(&w, "Close");
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, blank, blank}));
}

void TestTeamEntry::steppingToBothEndsRewritesNothing()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B, C, D});
    Team_Entry w(data.dir());
    w.show();
    QCOMPARE(text(&w, "Team"), QStringLiteral("Alder"));
    QCOMPARE(steps(&w), QStringLiteral("->"));
    click(&w, "Forward");
    click(&w, "Forward");
    click(&w, "Forward");
    QCOMPARE(text(&w, "Team_Price"), QStringLiteral("12.34568"));
    click(&w, "Previous");
    click(&w, "Previous");
    click(&w, "Previous");
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, B, C, D}));
    w.close();
}

void TestTeamEntry::steppingToBothEndsStaysInside()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B, C});
    Team_Entry w(data.dir());
    w.show();
    click(&w, "Forward");
    QCOMPARE(text(&w, "Number") + text(&w, "Driver1") + text(&w, "Engine_Price"),
             QStringLiteral(" 2Birch one.75"));
    QCOMPARE(steps(&w), QStringLiteral("<>"));
    click(&w, "Forward");
    QCOMPARE(text(&w, "Number") + text(&w, "Driver2"), QStringLiteral(" 3Cedar two"));
    QCOMPARE(steps(&w), QStringLiteral("<-"));
    click(&w, "Forward"); // disabled: stays on the last record
    QCOMPARE(text(&w, "Number"), QStringLiteral(" 3"));
    click(&w, "Previous");
    click(&w, "Previous");
    QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral(" 1Alder"));
    QCOMPARE(steps(&w), QStringLiteral("->"));
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, B, C}));
}

void TestTeamEntry::prices_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("stored");
    QTest::addColumn<QString>("shows");
    QTest::newRow("unit") << "12.5m" << 12.5f << "12.5";
    QTest::newRow("below one") << "0.75" << 0.75f << ".75";
    QTest::newRow("no number") << "abc" << 0.f << "0";
    QTest::newRow("negative") << "-3" << -3.f << "-3";
    QTest::newRow("too big") << "1E999" << FLT_MAX << "3.402823E+38";
}

void TestTeamEntry::prices()
{
    QFETCH(QString, typed);
    QFETCH(float, stored);
    QFETCH(QString, shows);
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    Team_Entry w(data.dir());
    w.show();
    type(&w, "Driver1_Price", typed);
    click(&w, "Forward");
    click(&w, "Previous");
    QCOMPARE(text(&w, "Driver1_Price"), shows);
    QCOMPARE(readRecords<TeamRecord>(data.dir().teams()).at(0).Driver1.Price, stored);
}

void TestTeamEntry::scoresSurviveEdits()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    Team_Entry w(data.dir());
    w.show();
    const char* boxes[] = {"Team",    "Team_Price",    "Engine",  "Engine_Price",
                           "Driver1", "Driver1_Price", "Driver2", "Driver2_Price"};
    for (const char* name : boxes)
        type(&w, name, QStringLiteral("  77  "));
    click(&w, "Forward");
    const QByteArray after = readBytes(data.dir().teams());
    const QByteArray before = A.encode();
    for (int slot = 0; slot < 4; ++slot) {
        const int at = slot * ComponentSlot::Length;
        QCOMPARE(after.mid(at, 80), QByteArray("77").leftJustified(80, ' '));
        QCOMPARE(after.mid(at + 80, 4), QByteArray::fromHex("00009a42")); // 77.0f
        QCOMPARE(after.mid(at + 84, 2), before.mid(at + 84, 2));
    }
    QCOMPARE(after.mid(344), B.encode());
}

void TestTeamEntry::deleteInTheMiddleShowsTheNextRecord()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B, C});
    Team_Entry w(data.dir());
    w.show();
    click(&w, "Forward");
    type(&w, "Team", QStringLiteral("unsaved"));
    click(&w, "Delete");
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, C}));
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));
    QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral(" 2Cedar"));
    // The shown record is now the last: Next would lead past it.
    QCOMPARE(steps(&w), QStringLiteral("<-"));
    click(&w, "Close");
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, C}));
}

void TestTeamEntry::deleteTheLastShowsTheNewLast()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    Team_Entry w(data.dir());
    w.show();
    click(&w, "Forward");
    click(&w, "Delete");
    QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral(" 1Alder"));
    QCOMPARE(steps(&w), QStringLiteral("--"));
    click(&w, "Delete");
    QCOMPARE(readBytes(data.dir().teams()), QByteArray());
    QCOMPARE(text(&w, "Number"), QStringLiteral(" 1"));
    QCOMPARE(text(&w, "Team") + text(&w, "Team_Price"), QString());
    // A record typed now is new: it carries no score of the deleted one.
    type(&w, "Team", QStringLiteral("Fresh"));
    click(&w, "Close");
    TeamRecord fresh;
    fresh.Team.Name = QStringLiteral("Fresh");
    QCOMPARE(readBytes(data.dir().teams()), fresh.encode());
}

void TestTeamEntry::deleteUnsavedNewRecordLeavesFile()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B, C});
    Team_Entry w(data.dir());
    w.show();
    click(&w, "Forward");
    click(&w, "New");
    type(&w, "Team", QStringLiteral("Ghost"));
    click(&w, "Delete");
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, B, C}));
    QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral(" 3Cedar"));
    QCOMPARE(steps(&w), QStringLiteral("<-"));
}

void TestTeamEntry::closeBoxLosesOnlyUnsavedEdits()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    Team_Entry w(data.dir());
    w.show();
    type(&w, "Engine", QStringLiteral("Saved"));
    click(&w, "Forward");
    type(&w, "Engine", QStringLiteral("Lost"));
    QTest::keyClick(&w, Qt::Key_Escape); // no cancel button: Esc leaves nothing
    QVERIFY(w.isVisible());
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
    TeamRecord saved = A;
    saved.Engine.Name = QStringLiteral("Saved");
    QCOMPARE(readBytes(data.dir().teams()), bytes({saved, B}));
}

void TestTeamEntry::unreadableRecordIsNeverSavedOver()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    const QByteArray before = bytes({A, B});
    {
        // Record 2 cannot be read: Next stays on record 1, which keeps its own contents.
        Team_Entry w(data.dir());
        w.show();
        io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Read ? EIO : 0; });
        click(&w, "Forward");
        io::setFaultHook({});
        QCOMPARE(Messages::collected().size(), 1);
        QVERIFY(Messages::collected()[0].contains(QStringLiteral("teams.tro")));
        QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral("1Alder"));
        click(&w, "Close");
        QCOMPARE(readBytes(data.dir().teams()), before);
    }
    Messages::collected().clear();
    {
        // Record 1 cannot be read at opening: the window is not opened, and stores nothing
        // over the record even when shown.
        io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Read ? EIO : 0; });
        Team_Entry w(data.dir());
        io::setFaultHook({});
        QCOMPARE(Messages::collected().size(), 1);
        QVERIFY(Messages::collected()[0].contains(QStringLiteral("teams.tro")));
        QVERIFY(!w.loaded());
        QVERIFY(!button(&w, "Close")->isEnabled());
        QVERIFY(!button(&w, "New")->isEnabled());
        w.show();
        w.close();
        QCOMPARE(readBytes(data.dir().teams()), before);
    }
}

void TestTeamEntry::writeAndDeleteFailuresKeepWindowAndFile()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    Team_Entry w(data.dir());
    w.show();
    io::Op failing = io::Op::Write;
    io::setFaultHook([&](io::Op op, const QString&) { return op == failing ? ENOSPC : 0; });
    type(&w, "Team", QStringLiteral("Edited"));
    for (const char* b : {"Forward", "New", "Close"})
        click(&w, b);
    QCOMPARE(Messages::collected().size(), 3);
    QVERIFY(Messages::collected()[0].contains(data.dir().teams()));
    QVERIFY(Messages::collected()[0].contains(QStringLiteral("No space left on device")));
    QVERIFY(w.isVisible());
    QCOMPARE(text(&w, "Number") + text(&w, "Team"), QStringLiteral("1Edited"));

    failing = io::Op::Rename;
    click(&w, "Delete");
    QCOMPARE(Messages::collected().size(), 4);
    QCOMPARE(readBytes(data.dir().teams()), bytes({A, B}));
    QCOMPARE(text(&w, "Team"), QStringLiteral("Edited"));

    io::setFaultHook({});
    click(&w, "Forward");
    QCOMPARE(readRecords<TeamRecord>(data.dir().teams()).at(0).Team.Name.trimmed(),
             QStringLiteral("Edited"));
    QCOMPARE(Messages::collected().size(), 4);
}

void TestTeamEntry::openAndRefreshFailuresAreReported()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A});
    Main main(data.dir());
    QAction* setupTeam = menuItem(&main, "Setup_Team");
    QString failing = data.dir().teams();
    io::setFaultHook([&](io::Op op, const QString& path) {
        return op == io::Op::Open && path == failing ? EACCES : 0;
    });
    {
        // The file cannot be opened: the reason is told and the window is not opened.
        Team_Entry w(data.dir());
        QVERIFY(!w.loaded());
        QCOMPARE(Messages::collected().size(), 1);
        QVERIFY(Messages::collected()[0].contains(failing));
        QVERIFY(Messages::collected()[0].contains(QStringLiteral("Permission denied")));
        QCOMPARE(inModal([&] { setupTeam->trigger(); }, [](QWidget*) {}), QString());
        QCoreApplication::processEvents(); // the look for a window that did not open
        QCOMPARE(Messages::collected().size(), 2);
        QVERIFY(Messages::collected()[1].contains(failing));
        QVERIFY(main.findChildren<Team_Entry*>().isEmpty());
    }
    // The viewer cannot read the entries again after Close: told, and the editor closed.
    failing = data.dir().entries();
    int result = -1;
    const QString opened = inModal([&] { setupTeam->trigger(); },
                                   [&](QWidget* modal) {
                                       click(modal, "Close");
                                       result = static_cast<QDialog*>(modal)->result();
                                   });
    QCOMPARE(opened, QStringLiteral("Team_Entry"));
    QCOMPARE(Messages::collected().size(), 3);
    QVERIFY(Messages::collected()[2].contains(failing));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(readBytes(data.dir().teams()), A.encode());
}

void TestTeamEntry::menuOpensModalEditorThatUpdatesViewer()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{A, B});
    writeRecords(data.dir().entries(), std::vector{entry(QStringLiteral("Ann"), 5, 1)});
    Main main(data.dir());
    main.show();
    const FlexGrid* hiScores = control<FlexGrid>(&main, "HiScores");
    const FlexGrid* viewer = control<Team_Viewer>(&main, "Team_Viewer")->grid();
    const QString league = cellText(hiScores, 0, 1) + cellText(hiScores, 0, 2);
    QCOMPARE(cellText(viewer, 1, 2), QStringLiteral("Birch"));

    const QString opened = inModal([&] { menuItem(&main, "Setup_Team")->trigger(); },
                                   [](QWidget* modal) {
                                       click(modal, "Forward");
                                       type(modal, "Team", QStringLiteral("Birch Racing"));
                                       click(modal, "Close");
                                   });
    QCOMPARE(opened, QStringLiteral("Team_Entry"));
    QCOMPARE(cellText(viewer, 1, 2), QStringLiteral("Birch Racing"));
    QCOMPARE(cellText(hiScores, 0, 1) + cellText(hiScores, 0, 2), league);
    QVERIFY(main.findChildren<Team_Entry*>().isEmpty());
    main.hide();
}

void TestTeamEntry::noWindowLeft()
{
    QVERIFY(noEditorLeft());
}

QTEST_MAIN(TestTeamEntry)
#include "test_team_entry.moc"
