// What only the windows can get wrong, each opened from the menu on the season, shown and
// active: the keyboard, where stepping leaves them, and what they show and store.
#include "data/io.h"
#include "data/text.h"
#include "fixture.h"
#include "gui.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

// The named control a widget is part of (the box inside a drop-down list is the list).
QString named(QWidget* c)
{
    while (c && c->objectName().isEmpty())
        c = c->parentWidget();
    return c ? c->objectName() : QString();
}
const auto focusName = [] { return named(QApplication::focusWidget()); };

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
    void closeBoxAsks_data();
    void closeBoxAsks();
    void leagueTableStaysPut();
    void reportDialog();
    void unreadableFileKeepsWindowShut_data();
    void unreadableFileKeepsWindowShut();
    void editorsStoreWhatIsShown();
    void entryEditor();
    void scoreCards();
    void entriesViewer();
    void bestAndWorst();

private:
    void open(const QString& window, const Use& use) { inWindow(*main_, window, use); }

    std::unique_ptr<TempData> data_;
    std::unique_ptr<MainWindow> main_;
};

void TestWindows::init()
{
    data_ = std::make_unique<TempData>();
    writeSeason(data_->dir());
    main_ = std::make_unique<MainWindow>(data_->dir());
    main_->show();
    QVERIFY(waitUntilActive(main_.get()));
}

void TestWindows::cleanup()
{
    main_.reset();
    Messages::asked().clear();
    QCOMPARE(std::exchange(Messages::collected(), {}), QStringList());
}

void TestWindows::keys_data()
{
    // The window; a control where Enter presses nothing (on a button: that button) and a key
    // with Alt, Ctrl or Meta types nothing; the controls Tab leads through from where the focus
    // is when the window opens, in the order of its rows, skipping those that are off (here:
    // Previous, and Calculate before a team card); what that box holds ("name": 80 code-page
    // characters, "number": a typed blank changes nothing); the key that closes the window
    // (Enter on About's OK), if any.
    const QString editor = QStringLiteral(" New Forward Delete Close");
    const QString team = "Team Team_Price Engine Engine_Price Driver1 Driver1_Price Driver2 "
                         "Driver2_Price"
                         + editor,
                  driver = "Driver Price" + editor,
                  entry = "Owner Team Engine Driver1 Driver2 TDriver Price" + editor;
    const char* results = "Team Engine Driver1 Driver2 Price Score Team2 Engine2 Driver12 Driver22 "
                          "Price2 Score2 Okay";
    textTable({"window", "box", "order", "holds", "closedBy"},
              {{"Main", "HiScores", "HiScores Sort_Owner Sort_Points", "", ""},
               {"Team_Entry", "Team", team, "name", ""},
               {"Team_Entry", "Driver2_Price", team, "number", ""},
               {"Test_Driver", "Driver", driver, "name", ""},
               {"Test_Driver", "Price", driver, "number", ""},
               {"Entries", "Owner", entry, "name", ""},
               {"Entries", "Team", entry, "", ""},
               {"Entries", "Price", entry, "number", ""},
               {"Score", "Race", "Race Teamscore Testscore", "name", ""},
               {"Race_Score", "Team_Price",
                "Team_Price Engine_Price Driver1_Price Driver2_Price Forward Close", "number", ""},
               {"TD_Score", "Driver", "Driver Price New Close", "", ""},
               {"TD_Score", "Price", "Driver Price New Close", "number", ""},
               {"Calculate", "Budge", "Budge Ok", "number", ""},
               {"Calculator", "Price", results, "", ""},
               {"frmAbout", "cmdOK", "cmdOK", "", "Enter"},
               {"Team_Viewer", "Spread", "Spread Close", "", "Esc"}},
              2);
}

void TestWindows::keys()
{
    const auto [window, box, order, holds, closedBy] =
        fetchTexts("window", "box", "order", "holds", "closedBy");
    QStringList reached;
    QString opened, typed, kept, afterBlank, afterForeign, tip, closed;
    open(window, [&](QWidget* w) {
        QWidget* const first = QApplication::focusWidget();
        QWidget* c = first;
        do {
            if (c->isEnabled() && c->isVisibleTo(w) && (c->focusPolicy() & Qt::TabFocus)
                && (reached.isEmpty() || reached.back() != named(c)))
                reached << named(c);
            c = c->nextInFocusChain();
        } while (c != first);
        // Every caption shows whole, inside the window, and names its box for a screen reader.
        for (QLabel* label : w->findChildren<QLabel*>()) {
            QVERIFY2((label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width() + 1)
                         && w->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName() + u':',
                         label->text().endsWith(u':') ? label->text() : label->text() + u':');
        }
        QWidget* target = control(w, box);
        target->setFocus();
        auto* list = qobject_cast<QComboBox*>(target);
        if (list && !list->isEditable())
            pick(w, box, 0);
        else if (list || qobject_cast<QLineEdit*>(target))
            type(w, box, holds == u"name" ? QString(90, u'n') : QStringLiteral("100"));
        if (list || qobject_cast<QLineEdit*>(target))
            typed = text(w, box);
        for (const auto modifiers :
             {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::MetaModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier})
            for (const Qt::Key key : {Qt::Key_N, Qt::Key_C, Qt::Key_1})
                press(key, modifiers);
        kept = typed.isNull() ? QString() : text(w, box);
        if (holds == u"number") { // the number selected, as after a step, and a blank typed
            qobject_cast<QLineEdit*>(target)->selectAll();
            press(Qt::Key_Space);
            afterBlank = text(w, box);
        }
        if (holds == u"name") { // a character the files cannot hold, typed and pasted
            type(w, box, QStringLiteral("Zo\u00eb \u20ac"));
            typeKeys(QApplication::focusWidget(), QStringLiteral("\u0416"));
            QApplication::clipboard()->setText(QStringLiteral("\u0141ukasz"));
            press(Qt::Key_V, Qt::ControlModifier);
            afterForeign = text(w, box);
            tip = QToolTip::text();
        }
        // A window Enter opens by mistake is closed again, and named.
        opened = inModal([] { press(Qt::Key_Return); });
        const bool openAfterEnter = w->isVisible();
        if (openAfterEnter)
            press(Qt::Key_Escape);
        closed = !openAfterEnter ? "Enter" : w->isVisible() ? "" : "Esc";
    });
    QCOMPARE(reached.join(u' '), order);
    QCOMPARE(kept + opened, typed);
    QCOMPARE(typed.size(), holds == u"name" ? 80 : typed.size());
    QCOMPARE(afterBlank, holds == u"number" ? typed : QString());
    QCOMPARE(afterForeign, holds == u"name" ? QStringLiteral("Zo\u00eb \u20ac") : QString());
    QCOMPARE(tip.contains(u'\u0141'), holds == u"name");
    QCOMPARE(closed, closedBy);
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
    // next Space would delete a record) and the records of the file (name:score of the first
    // component).
    const QString season = QStringLiteral("Arrow:3,Comet:0,Meteor:7");
    textTable({"window", "actions", "number", "steps", "focus", "records"},
              {{"Team_Entry", "X>Y>", "3", "<-", "Previous", "X:3,Y:0,Meteor:7"},
               {"Team_Entry", ">>>><", "2", "<>", "Previous", season},
               // A new team starts with no points, and one left untouched is not stored.
               {"Team_Entry", "+X+", "5", "<-", "Team", season + ",X:0"},
               {"Team_Entry", "+X<", "3", "<>", "Previous", season + ",X:0"},
               {"Team_Entry", "+<", "3", "<-", "Previous", season},
               {"Team_Entry", "+X<>x", "3", "<-", "Team", season},
               {"Team_Entry", "+x", "3", "<-", "Team", season},
               {"Test_Driver", "+N<", "2", "<>", "Previous", "Gus Ho:1,Ida Jo:0,N:0"},
               {"Entries", ">>><<<", "1", "->", "Forward", "Alan,Cleo,bob,dora"},
               {"Entries", ">x", "2", "<>", "Owner", "Cleo,bob,dora"},
               {"Entries", "+<", "4", "<-", "Previous", "Alan,Cleo,bob,dora"},
               {"Race_Score", ">>", "3", "<-", "Team_Price", "Arrow:10,Comet:4,Meteor:1"}},
              2);
}

void TestWindows::stepping()
{
    const auto [window, actions, number, steps, focus, records] =
        fetchTexts("window", "actions", "number", "steps", "focus", "records");
    const bool entries = window == u"Entries", drivers = window == u"Test_Driver";
    QStringList seen; // the record number, the stepping buttons, the focus
    open(window, [&](QWidget* w) {
        const char* buttons[] = {"Forward", "Previous", "New", "Delete"};
        for (const QChar c : actions) {
            if (c.isUpper()) {
                type(w, entries ? "Owner" : drivers ? "Driver" : "Team", c);
            } else {
                button(w, buttons[QStringLiteral("><+x").indexOf(c)])->setFocus();
                press(Qt::Key_Space);
            }
        }
        seen = QStringList{text(w, "Number").trimmed(), velmora::test::steps(w), focusName()};
    });
    QCOMPARE(seen, QStringList({number, steps, focus}));
    // The close box stored nothing more (the entry file is put in order).
    const DataDir& d = data_->dir();
    QStringList shown;
    if (entries)
        for (const EntryRecord& e : readRecords<EntryRecord>(d.entries()))
            shown << displayText(e.Owner);
    else if (drivers)
        for (const TestDriverRecord& t : readRecords<TestDriverRecord>(d.testDrivers()))
            shown << displayText(t.Name) + u':' + QString::number(t.Score);
    else
        for (const TeamRecord& t :
             readRecords<TeamRecord>(window == u"Race_Score" ? d.raceTeams("Imola") : d.teams()))
            shown << displayText(t.Team.Name) + u':' + QString::number(t.Team.Score);
    QCOMPARE(shown.join(u','), records);
}

// Closing a window by its close box once something was typed asks first: Store does what
// its Close button does, Discard drops it, Go Back returns to the window. Nothing typed, or
// nothing the window could store (no driver picked), asks nothing.
void TestWindows::closeBoxAsks_data()
{
    // The box typed into (a number: the driver picked); how often it asked (Go Back: again as
    // the test closes it).
    textTable({"window", "box", "typed", "answer", "asked", "open", "file", "changed"},
              {{"Team_Entry", "Team", "Zed", "Store", "1", "", "teams.tro", "changed"},
               {"Team_Entry", "Team_Price", "1", "Discard", "1", "", "teams.tro", ""},
               {"Team_Entry", "Driver1", "Zed", "GoBack", "2", "open", "teams.tro", ""},
               {"Team_Entry", "", "", "Store", "0", "", "teams.tro", ""},
               {"Entries", "Owner", "Dora", "Store", "1", "", "entry.tro", "changed"},
               {"Race_Score", "Engine_Price", "9", "Store", "1", "", "Imola.tmr", "changed"},
               {"TD_Score", "1", "7", "Store", "1", "", "Imola.tdr", "changed"},
               {"TD_Score", "", "7", "Store", "0", "", "Imola.tdr", ""}},
              4);
}

void TestWindows::closeBoxAsks()
{
    const auto [window, box, typed, answer, asked, open, file, changed] =
        fetchTexts("window", "box", "typed", "answer", "asked", "open", "file", "changed");
    const QByteArray before = readBytes(data_->path(file));
    bool stillOpen = false;
    this->open(window, [&](QWidget* w) {
        bool picked = false;
        const int item = box.toInt(&picked);
        if (picked)
            pick(w, "Driver", item);
        else if (!box.isEmpty())
            type(w, box, typed);
        if (window == u"TD_Score")
            type(w, "Price", typed);
        const QStringList answers = {"Store", "Discard", "GoBack"}; // in Answer's order
        Messages::setNextAnswer(Messages::Answer(answers.indexOf(answer)));
        w->close();
        stillOpen = w->isVisible();
    });
    QCOMPARE(QStringList({QString::number(Messages::asked().size()), stillOpen ? "open" : "",
                          readBytes(data_->path(file)) != before ? "changed" : ""}),
             QStringList({asked, open, changed}));
}

// A price left as shown keeps all its digits; Close has the full table show the change.
void TestWindows::editorsStoreWhatIsShown()
{
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(data_->dir().teams());
    teams[0].Engine.Price = 12.345678f;
    writeRecords(data_->dir().teams(), teams);
    open("Team_Entry", [](QWidget* w) {
        type(w, "Team", " Arrow GP ");
        click(w, "Close");
    });
    QCOMPARE(readRecords<TeamRecord>(data_->dir().teams())[0].Engine.Price, 12.345678f);
    QCOMPARE(cellText(control<FlexGrid>(main_.get(), "Spread"), 3, 2), QStringLiteral("Arrow GP"));
}

// A choice shows the component's price and the total of the five price boxes; a store fills
// unchosen pickers first; Close stores, recalculates, orders the league and refreshes the
// viewer, and with no team chosen stores nothing. A league row hands its entry over.
void TestWindows::entryEditor()
{
    open("Entries", [](QWidget* w) {
        QCOMPARE(picker(w, "Driver2")->itemText(3), QStringLiteral("Di Eto").leftJustified(80));
        QCOMPARE(texts(w, {"TPrice", "EPrice", "TDPrice"}), QStringLiteral("4.75|9.25|2"));
        pick(w, "Driver1", 1);
        QCOMPARE(texts(w, {"D1Price", "Price"}), QStringLiteral("12.5|33.25"));
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
    // The full table follows every ordering of the file: the same owners, numbered alike.
    const FlexGrid* full = control<FlexGrid>(main_.get(), "Spread");
    const auto sameOrder = [&] {
        bool same = true;
        for (int r = 0; r < 5; ++r)
            same &= cellText(full, 2 * r + 1, 1) == cellText(league, r, 1);
        return same;
    };
    QVERIFY(sameOrder());

    for (const auto& [r, seen] : {std::pair{2, " 3|dora|->"}, {9, " 6||--"}}) {
        const QRect cell = league->visualRect(league->model()->index(r, 1));
        inModal([&] { QTest::mouseDClick(league->viewport(), Qt::LeftButton, {}, cell.center()); },
                [&](QWidget* w) {
                    QCOMPARE(texts(w, {"Number", "Owner"}) + u'|' + steps(w), seen);
                });
    }
    click(main_.get(), "Sort_Owner");
    QCOMPARE(cellText(league, 0, 1), QStringLiteral("Alan"));
    QVERIFY(sameOrder());
    writeRecords(data_->dir().entries(), std::vector{entry("Solo")});
    writeRecords(data_->dir().testDrivers(), std::vector<TestDriverRecord>{{"Lone", 1, 0}});
    open("Entries", [](QWidget* w) {
        click(w, "Delete");
        QCOMPARE(texts(w, {"Owner", "Team", "Engine", "Driver1", "Driver2", "TDriver", "Price",
                           "TPrice", "TDPrice"}),
                 QString(8, u'|')); // no picker chosen, no box filled
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
    open("Score", [this](QWidget* s) {
        // A race with no name is not scored: no hidden ".tmr" file, and a message.
        type(s, "Race", "   ");
        for (const char* card : {"Teamscore", "Testscore"})
            QCOMPARE(inModal([s, card] { click(s, card); }), QString());
        const QStringList said = std::exchange(Messages::collected(), {});
        QVERIFY2(said.size() == 2 && said[0].contains(u"race"), qPrintable(said.join(u'|')));
        QVERIFY(!QFile::exists(data_->path(".tmr")) && !QFile::exists(data_->path(".tdr")));
        type(s, "Race", "Suzuka");
        inModal([s] { click(s, "Testscore"); });
        QVERIFY(!button(s, "Calculate")->isEnabled());
        inModal([s] { click(s, "Teamscore"); },
                [](QWidget* card) {
                    QCOMPARE(texts(card, {"Team_Price", "Driver2_Price"}), QStringLiteral(" 0| 0"));
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
    const FlexGrid* grid = control<FlexGrid>(main_.get(), "Spread");
    QCOMPARE(rows(grid, {0, 1, 2}),
             QStringLiteral("|Owner|Team|Engine|Driver 1|Driver 2|Test Driver "
                            "1|dora|Meteor|Helix|Ed Fay|Flo Gil|Ida Jo "
                            "|5|7|1|9|10|0"));
    QCOMPARE(grid->model()->rowCount(), 25);
    QCOMPARE(cellText(grid, 23, 0), QStringLiteral("12"));
    writeRecords(data_->dir().entries(), std::vector(12, entry("x", 1, 9, -1, 3, 7, 5)));
    writeBytes(data_->dir().testDrivers(), {});
    open("Entries", [](QWidget* w) { click(w, "Close"); });
    QCOMPARE(rows(grid, {23}, 1) + u' ' + rows(grid, {25}),
             QStringLiteral("x|||Di Eto|| 13||||||"));
    QCOMPARE(grid->model()->rowCount(), 27); // an empty pair after the twelfth entry
    writeRecords(data_->dir().entries(), std::vector{entry("y", 0, 0, 0, 0, 1, 0)});
    open("Entries", [](QWidget* w) { click(w, "Close"); });
    QCOMPARE(rows(grid, {3}, 1) + QString::number(grid->model()->rowCount()),
             QStringLiteral("|||||25"));
}

// The budget the number its text begins with, nothing for none above 0; names as stored;
// the test-driver box empty; an open result window searched again for another budget.
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
        QCOMPARE(box(r, "Team")->cursorPosition(), 0); // shown from its beginning
        const QString meteor = QStringLiteral("Meteor").leftJustified(80);
        QCOMPARE(texts(r, {"Team", "Score", "Price", "Score2", "TestDriver", "Driver12"}),
                 meteor + "|34|19|6||" + QStringLiteral("Cy Dunn").leftJustified(80));
        type(r, "Team", "typed");
        // 20 buys Meteor's four components only (19), worth 34.
        inModal([this] { trigger(main_.get(), "File_Calc"); },
                [](QWidget* c) {
                    type(c, "Budge", "20");
                    click(c, "Ok");
                });
        QCOMPARE(shownWindow("Calculator"), r);
        QCOMPARE(texts(r, {"Team", "Score2", "Team2"}), meteor + "|34|" + meteor);
    });
}

// Clicks and keys in the league table never scroll it sideways: the position column stays,
// and every column lies under its heading button.
void TestWindows::leagueTableStaysPut()
{
    auto* league = control<FlexGrid>(main_.get(), "HiScores");
    const QRect points = league->visualRect(league->model()->index(0, 2));
    QTest::mouseClick(league->viewport(), Qt::LeftButton, {}, points.center());
    QCOMPARE(league->horizontalScrollBar()->value(), 0);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_End, Qt::Key_Tab}) {
        press(key);
        QCOMPARE(league->horizontalScrollBar()->value(), 0);
    }
    for (int c = 0; c < 3; ++c) {
        const char* heading = std::array{"Command1", "Sort_Owner", "Sort_Points"}[c];
        const QPoint cell = league->visualRect(league->model()->index(0, c)).topLeft();
        QVERIFY2(qAbs(league->viewport()->mapToGlobal(cell).x()
                      - button(main_.get(), heading)->mapToGlobal(QPoint()).x())
                     <= 1,
                 heading);
    }
}

// The desktop's save dialog offers text files; a name typed without an extension gets ".txt".
void TestWindows::reportDialog()
{
    QStringList filters;
    inModal([this] { trigger(main_.get(), "File_Output"); },
            [&](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                filters = dialog->nameFilters();
                dialog->setDirectory(data_->dir().path());
                typeKeys(dialog->findChild<QLineEdit*>("fileNameEdit"), "round4");
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
    QCOMPARE(filters, QStringList{"Text Files (*.txt)"});
    QVERIFY(readBytes(data_->path("round4.txt")).startsWith("                  Total Imola"));
}

// A window whose file cannot be opened says so and does not open as if it could.
void TestWindows::unreadableFileKeepsWindowShut_data()
{
    textTable({"from", "item", "file"}, // from: the window whose item or button opens it
              {{"team editor", "Main", "Setup_Team", "teams.tro"},
               {"test-driver editor", "Main", "Setup_Driver", "test.tro"},
               {"entry editor, its pickers", "Main", "Comp_Team", "teams.tro"},
               {"entry editor", "Main", "Comp_Team", "entry.tro"},
               {"scoring window", "Main", "Comp_Score", "calendar.tro"},
               {"team card", "Score", "Teamscore", "Imola.tmr"},
               {"test-driver card", "Score", "Testscore", "test.tro"},
               {"result window", "Calculate", "Ok", "teams.tro"}});
}

void TestWindows::unreadableFileKeepsWindowShut()
{
    const auto [from, item, file] = fetchTexts("from", "item", "file");
    QString opened = QStringLiteral("(none)");
    const Use attempt = [&](QWidget* w) {
        if (from != u"Main")
            type(w, from == u"Score" ? "Race" : "Budge", from == u"Score" ? "Imola" : "100");
        io::setFaultHook([&file](io::Op op, const QString& path) {
            return op == io::Op::Open && path.endsWith(u'/' + file) ? EACCES : 0;
        });
        opened = inModal([&] { trigger(w, item); });
        io::setFaultHook({});
    };
    open(from, attempt); // "Main": the main window itself
    // (The main window, ordering the league after the entry editor or the scoring window,
    // may say again that a file cannot be read.)
    const QStringList told = std::exchange(Messages::collected(), {});
    QCOMPARE(opened, QString());
    QVERIFY(!shownWindow("Calculator"));
    QVERIFY2(!told.isEmpty() && told[0].contains(file), qPrintable(told.join(u'|')));
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
