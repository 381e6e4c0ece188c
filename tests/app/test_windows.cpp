// What only the windows can get wrong, each opened from the menu on the season, shown and
// active: the keyboard, where stepping leaves them, and what they show and store.
#include "data/codepage.h"
#include "data/text.h"
#include "fixture.h"
#include "gui.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QLabel>
#include <QMenu>

using namespace velmora;
using namespace velmora::test;

namespace {

// The named control with the keyboard focus (the box inside a drop-down list is the list).
QString focusName()
{
    QWidget* f = QApplication::focusWidget();
    while (f && f->objectName().isEmpty())
        f = f->parentWidget();
    return f ? f->objectName() : QString();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), modifiers);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Messages::collect(true); }
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void stepping_data();
    void stepping();
    void editorsStoreWhatIsShown();
    void entryEditor();
    void scoreCards();
    void entriesViewer();
    void bestAndWorst();

private:
    void open(const QString& window, const Use& use) { inWindow(*main_, window, use); }

    std::unique_ptr<TempData> data_;
    std::unique_ptr<Main> main_;
};

void TestWindows::init()
{
    data_ = std::make_unique<TempData>();
    writeSeason(data_->dir());
    main_ = std::make_unique<Main>(data_->dir());
    main_->show();
    QVERIFY(waitUntilActive(main_.get()));
}

void TestWindows::cleanup()
{
    main_.reset();
    QCOMPARE(Messages::collected(), QStringList());
    Messages::collected().clear();
}

void TestWindows::keys_data()
{
    // The window; where the focus is when it opens; a control where Enter presses nothing
    // (on a button: that button) and a key with Alt, Ctrl or Meta types nothing; whether that
    // box is a name, taking 80 characters; the key that closes the window (Enter on About's
    // OK), if any.
    QTest::addColumn<QStringList>("row");
    for (const char* r :
         {"Main|HiScores|HiScores||", "Team_Entry|Team|Team|name|",
          "Test_Driver|Driver|Driver|name|", "Entries|Owner|Owner|name|", "Entries|Owner|Team||",
          "Score|Race|Race|name|", "Race_Score|Team_Price|Team_Price||", "TD_Score|Driver|Driver||",
          "Calculate|Budge|Budge||", "Calculator|Team|Price||", "frmAbout|cmdOK|cmdOK||Enter",
          "Team_Viewer|Spread|Spread||Esc"})
        QTest::newRow(r) << QString::fromLatin1(r).split(u'|');
}

void TestWindows::keys()
{
    QFETCH(QStringList, row);
    const QByteArray boxName = row[2].toLatin1();
    const bool name = !row[3].isEmpty();
    QString focused, opened, typed, kept, closedBy;
    open(row[0], [&](QWidget* w) {
        focused = focusName();
        // Every caption shows whole, inside the window.
        for (QLabel* label : w->findChildren<QLabel*>())
            QVERIFY2((label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width() + 1)
                         && w->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
        QWidget* target = control(w, boxName.constData());
        target->setFocus();
        auto* list = qobject_cast<QComboBox*>(target);
        if (list && !list->isEditable())
            pick(w, boxName.constData(), 0);
        else if (list || qobject_cast<QLineEdit*>(target))
            type(w, boxName.constData(), name ? QString(90, u'n') : QStringLiteral("100"));
        if (list || qobject_cast<QLineEdit*>(target))
            typed = text(w, boxName.constData());
        for (const auto modifiers :
             {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::MetaModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier})
            for (const Qt::Key key : {Qt::Key_N, Qt::Key_C, Qt::Key_1})
                press(key, modifiers);
        kept = typed.isNull() ? QString() : text(w, boxName.constData());
        // A window Enter opens by mistake is closed again, and named.
        opened = inModal([] { press(Qt::Key_Return); }, [](QWidget*) {});
        const bool openAfterEnter = w->isVisible();
        if (openAfterEnter)
            press(Qt::Key_Escape);
        closedBy = !openAfterEnter ? "Enter" : w->isVisible() ? "" : "Esc";
    });
    QCOMPARE(focused, row[1]);
    QCOMPARE(kept + opened, typed);
    QCOMPARE(typed.size(), name ? 80 : typed.size());
    QCOMPARE(closedBy, row[4]);
    QVERIFY(!shownWindow("Calculator"));
    main_->activateWindow(); // the menu's access keys still open their menus
    QVERIFY(waitUntilActive(main_.get()));
    press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(control<QMenu>(main_.get(), "Comp")->isVisible());
    press(Qt::Key_Escape);
}

void TestWindows::stepping_data()
{
    // The window and what is done in it: a letter typed over the first name, or a button
    // pressed with Space (> Next, < Previous, + New, x Delete); then the record number shown,
    // the stepping buttons ("<>": both enabled), the focus (never left on Delete, where the
    // next Space would delete a record) and the names in the file.
    QTest::addColumn<QStringList>("row");
    for (const char* r :
         {"Team_Entry|X>Y>|3|<-|Previous|X,Y,Meteor",
          "Team_Entry|>>>><|2|<>|Previous|Arrow,Comet,Meteor",
          "Team_Entry|>>x|2|<-|Delete|Arrow,Comet", "Team_Entry|+X+|5|<-|Team|Arrow,Comet,Meteor,X",
          "Team_Entry|+X<|3|<>|Previous|Arrow,Comet,Meteor,X",
          "Team_Entry|+x|3|<-|Delete|Arrow,Comet,Meteor", "Test_Driver|x|1|--|Delete|Ida Jo",
          "Entries|>>><<<|1|->|Forward|Alan,Cleo,bob,dora", "Entries|>x|2|<>|Delete|Cleo,bob,dora",
          "Race_Score|>>|3|<-|Team_Price|Arrow,Comet,Meteor"})
        QTest::newRow(r) << QString::fromUtf8(r).split(u'|');
}

void TestWindows::stepping()
{
    QFETCH(QStringList, row);
    const bool entries = row[0] == u"Entries", drivers = row[0] == u"Test_Driver";
    open(row[0], [&](QWidget* w) {
        const char* buttons[] = {"Forward", "Previous", "New", "Delete"};
        for (const QChar c : row[1]) {
            if (c.isUpper()) {
                type(w, entries ? "Owner" : drivers ? "Driver" : "Team", c);
            } else {
                button(w, buttons[QStringLiteral("><+x").indexOf(c)])->setFocus();
                press(Qt::Key_Space);
            }
        }
        QCOMPARE(text(w, "Number").trimmed() + u'|' + steps(w) + u'|' + focusName(),
                 row.mid(2, 3).join(u'|'));
    });
    // Every record starts with its name. The close box stored nothing more (the entry file
    // is put in order).
    const DataDir& d = data_->dir();
    const QByteArray file = readBytes(entries                   ? d.entries()
                                      : drivers                 ? d.testDrivers()
                                      : row[0] == u"Race_Score" ? d.raceTeams("Imola")
                                                                : d.teams());
    QStringList names;
    for (qsizetype at = 0; at < file.size(); at += entries   ? EntryRecord::Length
                                                   : drivers ? TestDriverRecord::Length
                                                             : TeamRecord::Length)
        names << displayText(decode1252(file.constData() + at, TextFieldLength));
    QCOMPARE(names.join(u','), row[5]);
}

// Names trimmed, prices read as numbers, a price left as shown keeping all its digits,
// scores as they were; Close has the viewer show the change; the close box stores nothing.
void TestWindows::editorsStoreWhatIsShown()
{
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(data_->dir().teams());
    teams[1].Engine.Price = 12.345678f;
    writeRecords(data_->dir().teams(), teams);
    open("Team_Entry", [](QWidget* w) {
        type(w, "Team", " Arrow GP ");
        type(w, "Team_Price", "12.5m");
        type(w, "Driver1_Price", "abc");
        click(w, "Forward");
        QCOMPARE(text(w, "Engine_Price"), QStringLiteral("12.34568"));
        click(w, "Close");
    });
    const auto stored = readRecords<TeamRecord>(data_->dir().teams());
    QCOMPARE(displayText(stored[0].Team.Name), u"Arrow GP");
    QVERIFY(stored[0].Team.Price == 12.5f && stored[0].Driver1.Price == 0);
    QVERIFY(stored[0].Driver1.Score == teams[0].Driver1.Score
            && stored[1].Engine.Price == 12.345678f);
    QCOMPARE(cellText(main_->findChild<Team_Viewer*>()->grid(), 3, 2), QStringLiteral("Arrow GP"));
}

// A choice shows the component's price and the total of the five price boxes; a store fills
// unchosen pickers first; Close stores, recalculates, orders the league and refreshes the
// viewer, and with no team chosen stores nothing. A league row hands its entry over.
void TestWindows::entryEditor()
{
    open("Entries", [](QWidget* w) {
        QCOMPARE(picker(w, "Driver2")->itemText(3), QStringLiteral("Di Eto").leftJustified(80));
        QCOMPARE(text(w, "TPrice") + u'|' + text(w, "EPrice") + u'|' + text(w, "TDPrice"),
                 QStringLiteral("4.75|9.25|2"));
        pick(w, "Driver1", 1);
        QCOMPARE(text(w, "D1Price") + u'|' + text(w, "Price"), QStringLiteral("12.5|33.25"));
        click(w, "New");
        type(w, "Owner", "Eve");
        click(w, "Close");
    });
    const auto entries = readRecords<EntryRecord>(data_->dir().entries());
    // dora with the total shown; Eve, made by New, with dora's components and no total.
    QCOMPARE(displayText(entries[2].Owner) + displayText(entries[3].Owner), u"doraEve");
    QVERIFY(entries[2].Price == 33.25f && entries[3].Driver1Index == 1 && entries[3].Price == 0);
    const FlexGrid* league = control<FlexGrid>(main_.get(), "HiScores");
    QCOMPARE(rows(league, {0, 3}), QStringLiteral("1|bob|61 4|Eve|55"));
    QCOMPARE(cellText(main_->findChild<Team_Viewer*>()->grid(), 9, 1), QStringLiteral("Eve"));

    for (const auto& [r, seen] : {std::pair{2, " 3|dora|->"}, {9, " 6||--"}}) {
        const QRect cell = league->visualRect(league->model()->index(r, 1));
        inModal([&] { QTest::mouseDClick(league->viewport(), Qt::LeftButton, {}, cell.center()); },
                [&](QWidget* w) {
                    QCOMPARE(text(w, "Number") + u'|' + text(w, "Owner") + u'|' + steps(w), seen);
                });
    }
    writeRecords(data_->dir().entries(), std::vector{entry("Solo")});
    writeRecords(data_->dir().testDrivers(), std::vector<TestDriverRecord>{{"Lone", 1, 0}});
    open("Entries", [](QWidget* w) {
        click(w, "Delete");
        QString shown; // no picker chosen, no box filled
        for (const char* c : {"Owner", "Team", "Engine", "Driver1", "Driver2", "TDriver", "Price",
                              "TPrice", "TDPrice"})
            shown += text(w, c);
        QCOMPARE(shown, QString());
        click(w, "Close");
    });
    QCOMPARE(readBytes(data_->dir().entries()), QByteArray());
    open("Entries", [](QWidget* w) { // a store fills every unchosen list, one of one item too
        pick(w, "Team", 0);
        click(w, "Close");
    });
    QCOMPARE(readRecords<EntryRecord>(data_->dir().entries()).at(0).TestDriverIndex, 0);
}

// The team card starts a new race with no points and, after a step, has the first score
// ready to be typed over; only a team card leads to Calculate.
void TestWindows::scoreCards()
{
    open("Score", [](QWidget* s) {
        type(s, "Race", "Suzuka");
        inModal([s] { click(s, "Testscore"); }, [](QWidget*) {});
        QVERIFY(!button(s, "Calculate")->isEnabled());
        inModal([s] { click(s, "Teamscore"); },
                [](QWidget* card) {
                    QCOMPARE(text(card, "Team_Price") + text(card, "Driver2_Price"),
                             QStringLiteral(" 0 0"));
                    click(card, "Forward");
                    QCOMPARE(focusName() + u'|' + box(card, "Team_Price")->selectedText(),
                             QStringLiteral("Team_Price|0"));
                });
        QVERIFY(!picker(s, "Race")->isEnabled() && button(s, "Calculate")->isEnabled());
    });
}

// Every entry on two rows, names then scores, numbered; at least 25 rows and always an empty
// pair after the last entry; positions outside their lists empty; rows below cleared.
void TestWindows::entriesViewer()
{
    const FlexGrid* grid = main_->findChild<Team_Viewer*>()->grid();
    QCOMPARE(rows(grid, {0, 1, 2}),
             QStringLiteral("|Owner|Team|Engine|Driver 1|Driver 2|Test Driver "
                            "1|dora|Meteor|Helix|Ed Fay|Flo Gil|Ida Jo "
                            "|5|7|1|9|10|0"));
    QCOMPARE(grid->model()->rowCount() * 100 + cellText(grid, 23, 0).toInt(), 2512);
    writeRecords(data_->dir().entries(), std::vector(12, entry("x", 1, 9, -1, 3, 7, 5)));
    writeBytes(data_->dir().testDrivers(), {});
    open("Entries", [](QWidget* w) { click(w, "Close"); });
    QCOMPARE(rows(grid, {23}, 1) + u' ' + rows(grid, {25}),
             QStringLiteral("x|||Di Eto|| 13||||||"));
    writeRecords(data_->dir().entries(), std::vector{entry("y", 0, 0, 0, 0, 1, 0)});
    open("Entries", [](QWidget* w) { click(w, "Close"); });
    QCOMPARE(rows(grid, {3}, 1) + QString::number(grid->model()->rowCount()),
             QStringLiteral("|||||27"));
}

// The budget the number its text begins with, nothing for none above 0; names as stored;
// the test-driver box empty; an open result window brought back by another budget.
void TestWindows::bestAndWorst()
{
    open("Calculate", [](QWidget* c) {
        for (const char* budget : {"0", "-5", "abc", ""}) {
            type(c, "Budge", budget);
            click(c, "Ok");
            QVERIFY(c->isVisible());
        }
    });
    open("Calculator", [this](QWidget* r) {
        QCOMPARE(text(r, "Team"), QStringLiteral("Meteor").leftJustified(80));
        QCOMPARE(box(r, "Team")->cursorPosition(), 0); // shown from its beginning
        QCOMPARE(text(r, "Score") + u'|' + text(r, "Price") + u'|' + text(r, "Score2") + u'|'
                     + text(r, "TestDriver"),
                 QStringLiteral("34|19|6|"));
        QCOMPARE(text(r, "Driver12"), QStringLiteral("Cy Dunn").leftJustified(80));
        type(r, "Team", "typed");
        inModal([this] { trigger(main_.get(), "File_Calc"); },
                [](QWidget* c) {
                    type(c, "Budge", "1");
                    click(c, "Ok");
                });
        QCOMPARE(text(r, "Team"), QStringLiteral("typed"));
    });
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
