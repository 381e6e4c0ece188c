// What only the windows get wrong (opened from the menu on the season): keys, stepping, storing.
#include "gui.h"
#include "scoring/championship.h"
#include "toolkit/twips.h"
#include "viewer/entries_viewer.h"

// The named control a widget (the focus) is part of: the box inside a drop-down list is the list.
static QString named(QWidget* c = QApplication::focusWidget())
{
    while (c && c->objectName().isEmpty())
        c = c->parentWidget();
    return c ? c->objectName() : QString();
}

static bool inside(const QWidget* c)
{
    return c->parentWidget()->rect().adjusted(-2, -2, 2, 2).contains(c->geometry());
}

static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), modifiers);
}

// The access keys seen at once: a window's buttons, its labels' and its menu bar's (an empty
// key for a button without one); then each of its menus' (separators aside).
static QList<QStringList> accessKeys(QWidget* w)
{
    const auto key = [](QString text) {
        const qsizetype at = text.remove(QStringLiteral("&&")).indexOf(u'&');
        return at < 0 ? QString() : text.mid(at + 1, 1).toLower();
    };
    QList<QStringList> keys(1);
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(w) && !b->text().isEmpty())
            keys[0] << key(b->text());
    for (const QLabel* label : w->findChildren<QLabel*>())
        if (label->buddy() && !key(label->text()).isEmpty())
            keys[0] << key(label->text());
    for (const QMenuBar* bar : w->findChildren<QMenuBar*>())
        for (const QAction* menu : bar->actions()) {
            keys[0] << key(menu->text());
            keys << QStringList();
            for (const QAction* item : menu->menu()->actions())
                if (!item->isSeparator() && item->isVisible())
                    keys.last() << key(item->text());
        }
    return keys;
}

// What a window says in words, in the order its parts are made: its title, labels, buttons,
// tips, actions, and the headings of its tables.
static QStringList words(QWidget* w)
{
    QStringList all{w->windowTitle()};
    for (const QLabel* label : w->findChildren<QLabel*>())
        all << label->text();
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        all << b->text() << b->toolTip();
    for (const QAction* a : w->findChildren<QAction*>())
        all << a->text() << a->toolTip();
    for (const QGroupBox* g : w->findChildren<QGroupBox*>())
        all << g->title();
    for (const QAbstractItemView* v : w->findChildren<QAbstractItemView*>())
        for (int c = 0; v->model() && c < v->model()->columnCount(); ++c)
            all << v->model()->headerData(c, Qt::Horizontal).toString();
    return all;
}

class TestWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TempData> data_;
    std::unique_ptr<MainWindow> main_;
    void open(const QString& window, const Use& use) { inWindow(*main_, window, use); }

private slots:
    void initTestCase()
    {
        Messages::collect(true);
        static QTemporaryDir config; // the user's own settings: the leagues opened lately
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }
    void init()
    {
        data_ = std::make_unique<TempData>();
        writeSeason(data_->dir());
        main_ = std::make_unique<MainWindow>(openLeague(data_->dir()));
        QVERIFY(waitUntilActive(main_.get()));
    }

    void cleanup()
    {
        main_.reset();
        Messages::asked().clear();
        QCOMPARE(std::exchange(Messages::collected(), {}), QStringList());
    }

    void keys_data()
    {
        // box: where Enter presses nothing (on a button: that one), Alt, Ctrl or Meta keys type
        // nothing; order: where Tab leads, row by row, past controls off (Previous, Calculate);
        // holds: "name" 80 code-page characters, a "whole" number of 16 bits or a "real" one of
        // single precision, kept on a blank; closedBy: its key.
        const QString editor = " New Forward Delete Close", driver = "Driver Price" + editor,
                      entry = "Owner Team Engine Driver1 Driver2 TDriver Price" + editor,
                      team = "Team Team_Price Engine Engine_Price Driver1 Driver1_Price Driver2 "
                             "Driver2_Price New Forward Delete Close";
        textTable(
            {"window", "box", "order", "holds", "closedBy"},
            {{"Main", "HiScores", "HiScores Sort_Owner Sort_Points", "", ""},
             {"Team_Entry", "Team", team, "name", ""},
             {"Team_Entry", "Driver2_Price", team, "real", ""},
             {"Test_Driver", "Driver", driver, "name", ""},
             {"Test_Driver", "Price", driver, "whole", ""},
             {"Entries", "Owner", entry, "name", ""},
             {"Entries", "Team", entry, "", ""},
             {"Entries", "Price", entry, "real", ""},
             {"Score", "Race", "Race Teamscore Testscore", "name", ""},
             {"Race_Score", "Team_Price",
              "Team_Price Engine_Price Driver1_Price Driver2_Price Forward Close", "whole", ""},
             {"TD_Score", "Price", "Driver Price New Close", "whole", ""},
             {"Calculate", "Budge", "Budge Ok", "real", ""},
             {"Calculator", "Price",
              "Team Engine Driver1 Driver2 Price Score Team2 Engine2 Driver12 Driver22 "
              "Price2 Score2 Okay",
              "", ""},
             {"frmAbout", "cmdOK", "cmdOK", "", "Enter"},
             {"Team_Viewer", "Close", "Spread Close", "", "Enter"},
             {"Team_Viewer", "Spread", "Spread Close", "", "Esc"},
             {"Decisions", "List", "List AddButton Close", "", "Esc"},
             {"Penalty_Bonus", "Reason", "Owner Kind Points Race Reason Ok Cancel", "", "Esc"}},
            2);
    }

    void keys()
    {
        const auto [window, box, order, holds, closedBy] =
            fetchTexts("window", "box", "order", "holds", "closedBy");
        QStringList reached;
        QString opened, typed, kept, afterBlank, afterForeign, beyond, tip, closed;
        const bool number = holds == u"whole" || holds == u"real";
        open(window, [&](QWidget* w) {
            QWidget* c = QApplication::focusWidget();
            do {
                if (c->isEnabled() && c->isVisibleTo(w) && (c->focusPolicy() & Qt::TabFocus)
                    && (reached.isEmpty() || reached.back() != named(c)))
                    reached << named(c);
            } while ((c = c->nextInFocusChain()) != QApplication::focusWidget());
            // Every caption shows whole, inside the window, and names its box for screen readers.
            for (QLabel* label : w->findChildren<QLabel*>()) {
                QVERIFY2((label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width() + 1)
                             && w->rect().contains(label->geometry()),
                         qPrintable(label->objectName()));
                // A caption beside its box is level with it.
                if (label->buddy() && label->buddy()->parentWidget() == label->parentWidget()
                    && label->geometry().right() < label->buddy()->x())
                    QVERIFY2(std::abs(label->geometry().center().y()
                                      - label->buddy()->geometry().center().y())
                                 <= 1,
                             qPrintable(label->objectName()));
                const QString caption = QString(label->text()).remove(u'&');
                if (label->buddy())
                    QCOMPARE(label->buddy()->accessibleName() + u':',
                             caption.endsWith(u':') ? caption : caption + u':');
            }
            // Every control lies inside what holds it (a grid's border may lie past the window's
            // edge), and none over another (a caption's room may reach under its box).
            for (QWidget* c : w->findChildren<QWidget*>(QRegularExpression("^(?!qt_).")))
                QVERIFY2(!c->isVisibleTo(w) || inside(c), qPrintable(c->objectName()));
            QList<QWidget*> controls;
            for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (c->isVisibleTo(w) && !qobject_cast<QLabel*>(c))
                    controls << c;
            for (qsizetype i = 0; i < controls.size(); ++i)
                for (qsizetype j = 0; j < i; ++j)
                    QVERIFY2(
                        !controls[i]->geometry().intersects(controls[j]->geometry()),
                        qPrintable(controls[i]->objectName() + u' ' + controls[j]->objectName()));
            // What a window only shows can be neither typed nor dropped into.
            for (QLineEdit* e : w->findChildren<QLineEdit*>())
                QVERIFY2(e->focusPolicy() != Qt::NoFocus || e->isReadOnly(),
                         qPrintable(e->objectName()));
            QWidget* target = control(w, box);
            target->setFocus();
            auto* list = qobject_cast<QComboBox*>(target);
            if (list && !list->isEditable())
                pick(w, box, 0);
            else if (list || qobject_cast<QLineEdit*>(target))
                type(w, box, number ? QStringLiteral("100") : QString(90, u'n'));
            typed = list || qobject_cast<QLineEdit*>(target) ? texts(w, {box}) : QString();
            for (const auto modifiers : QList<Qt::KeyboardModifiers>{
                     Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier | Qt::ShiftModifier,
                     Qt::ControlModifier | Qt::AltModifier})
                for (const Qt::Key key : {Qt::Key_N, Qt::Key_C, Qt::Key_1})
                    press(key, modifiers);
            kept = typed.isNull() ? QString() : texts(w, {box});
            if (number) { // the number selected, as after a step, and a blank typed
                qobject_cast<QLineEdit*>(target)->selectAll();
                press(Qt::Key_Space);
                afterBlank = texts(w, {box});
                for (const char* beyondRange : {"40000", "1E39"}) // typed key by key
                    type(w, box, beyondRange), beyond += texts(w, {box}) + u'|';
                tip = QToolTip::text();
            }
            if (holds == u"name") { // a character the files cannot hold, typed and pasted
                type(w, box, QStringLiteral("Zo\u00eb \u20ac"));
                typeKeys(QApplication::focusWidget(), QStringLiteral("\u0416"));
                QApplication::clipboard()->setText(QStringLiteral("\u0141ukasz"));
                press(Qt::Key_V, Qt::ControlModifier);
                afterForeign = texts(w, {box});
                tip = QToolTip::text();
            }
            opened = inModal([] { press(Qt::Key_Return); }); // a window opened by mistake, named
            closed =
                w->isVisible() ? (press(Qt::Key_Escape), w->isVisible() ? "" : "Esc") : "Enter";
        });
        QCOMPARE(reached.join(u' '), order);
        QCOMPARE(kept + opened, typed);
        if (holds == u"name")
            QCOMPARE(typed.size(), 80);
        QCOMPARE(afterBlank, number ? typed : QString());
        QCOMPARE(beyond, !number ? "" : holds == u"whole" ? "4000|1E3|" : "40000|1E3|");
        QCOMPARE(tip.contains(u"\u201c1E39\u201d cannot be kept"), number);
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

    void stepping_data()
    {
        // actions: a letter typed over the name, Tab (t), or Space on > Next, < Previous, + New,
        // x Delete; focus: never left on Delete, where the next Space deletes, nor on Previous
        // after the last score; records: name:score of each.
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
                   {"Race_Score", ">>", "3", "<-", "Team_Price", "Arrow:10,Comet:4,Meteor:1"},
                   {"Race_Score", ">tttt", "2", "<>", "Forward", "Arrow:10,Comet:4,Meteor:1"}},
                  2);
    }

    void stepping()
    {
        const auto [window, actions, number, steps, focus, records] =
            fetchTexts("window", "actions", "number", "steps", "focus", "records");
        const bool entries = window == u"Entries", drivers = window == u"Test_Driver";
        QStringList seen;
        open(window, [&](QWidget* w) {
            const char* names[] = {"Forward", "Previous", "New", "Delete"};
            for (const QChar c : actions)
                if (c.isUpper())
                    type(w, entries ? "Owner" : drivers ? "Driver" : "Team", c);
                else if (c == u't')
                    press(Qt::Key_Tab);
                else
                    button(w, names[QString("><+x").indexOf(c)])->setFocus(), press(Qt::Key_Space);
            seen = {texts(w, {"Number"}).trimmed(), velmora::test::steps(w), named()};
        });
        QCOMPARE(seen, QStringList({number, steps, focus}));
        // The close box stored nothing more (the entry file put in order).
        const DataDir& d = data_->dir();
        QStringList shown;
        if (entries)
            for (const EntryRecord& e : readRecords<EntryRecord>(d.entries()))
                shown << displayText(e.Owner);
        else if (drivers)
            for (const TestDriverRecord& t : readRecords<TestDriverRecord>(d.testDrivers()))
                shown << displayText(t.Name) + u':' + QString::number(t.Score);
        else
            for (const TeamRecord& t : readRecords<TeamRecord>(
                     window == u"Race_Score" ? d.raceTeams("Imola") : d.teams()))
                shown << displayText(t.Team.Name) + u':' + QString::number(t.Team.Score);
        QCOMPARE(shown.join(u','), records);
    }

    // The close box asks once something was typed (Store as Close, Discard drops, Go Back stays),
    // not with nothing to store. box "1": driver 1 picked; GoBack asks again at cleanup.
    void closeBoxAsks_data()
    {
        textTable({"window", "box", "typed", "answer", "asked", "open", "file", "changed"},
                  {{"Team_Entry", "Team", "Zed", "Store", "1", "", "teams.tro", "changed"},
                   {"Team_Entry", "Team_Price", "1", "Discard", "1", "", "teams.tro", ""},
                   {"Team_Entry", "Driver1", "Zed", "GoBack", "2", "open", "teams.tro", ""},
                   {"Team_Entry", "", "", "Store", "0", "", "teams.tro", ""},
                   {"Entries", "Owner", "Dora", "Store", "1", "", "entry.tro", "changed"},
                   {"Import_Entries", "Sheet", "Zed,Comet,Ion,Ed Fay,Bo Kim,Gus Ho", "Store", "1",
                    "", "entry.tro", "changed"},
                   {"Import_Entries", "Sheet", "Zed,Comet", "GoBack", "2", "open", "entry.tro", ""},
                   {"Race_Score", "Engine_Price", "9", "Store", "1", "", "Imola.tmr", "changed"},
                   {"TD_Score", "1", "7", "Store", "1", "", "Imola.tdr", "changed"},
                   {"TD_Score", "", "7", "Store", "0", "", "Imola.tdr", ""}},
                  4);
    }

    void closeBoxAsks()
    {
        const auto [window, box, typed, answer, asked, open, file, changed] =
            fetchTexts("window", "box", "typed", "answer", "asked", "open", "file", "changed");
        const QByteArray before = readBytes(data_->path(file));
        bool stillOpen = false;
        this->open(window, [&](QWidget* w) {
            if (box == u"1")
                pick(w, "Driver", 1);
            else if (box == u"Sheet")
                control<QPlainTextEdit>(w, box)->setPlainText(typed);
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
    void editorsStoreWhatIsShown()
    {
        std::vector<TeamRecord> teams = readRecords<TeamRecord>(data_->dir().teams());
        teams[0].Engine.Price = 12.345678f;
        writeRecords(data_->dir().teams(), teams);
        trigger(main_.get(), "Comp_View");
        open("Team_Entry", [](QWidget* w) { type(w, "Team", " Arrow GP "), click(w, "Close"); });
        QCOMPARE(readRecords<TeamRecord>(data_->dir().teams())[0].Engine.Price, 12.345678f);
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "Spread"), 3, 2), QString("Arrow GP"));
    }

    // A choice shows its price and the total; a store fills unchosen pickers; Close stores,
    // recalculates, orders the league and refreshes the viewer. A league row hands its entry over.
    void entryEditor()
    {
        auto teams = readRecords<TeamRecord>(data_->dir().teams()); // no engine priced as its team
        teams[2].Engine.Price = 1;
        writeRecords(data_->dir().teams(), teams);
        open("Entries", [](QWidget* w) {
            QCOMPARE(picker(w, "Driver2")->itemText(3), QStringLiteral("Di Eto").leftJustified(80));
            QCOMPARE(texts(w, {"TPrice", "EPrice", "TDPrice"}), QStringLiteral("4.75|9.25|2"));
            pick(w, "Driver1", 1);
            QCOMPARE(texts(w, {"D1Price", "Price"}), QStringLiteral("12.5|33.25"));
            click(w, "New"), type(w, "Owner", "Eve"), click(w, "Close");
        });
        const auto entries = readRecords<EntryRecord>(data_->dir().entries());
        // dora with the total shown; Eve (New) with dora's components and no total.
        QCOMPARE(displayText(entries[2].Owner) + displayText(entries[3].Owner), u"doraEve");
        QVERIFY(entries[2].Price == 33.25f && entries[3].Driver1Index == 1 && !entries[3].Price);
        const FlexGrid* league = control<FlexGrid>(main_.get(), "HiScores");
        QCOMPARE(rows(league, {0, 3}), QStringLiteral("1|bob|61 4|Eve|55"));
        // The full table, first shown after the ordering, follows it and each one after it:
        // the same owners, numbered alike.
        trigger(main_.get(), "Comp_View");
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
            inModal(
                [&] { QTest::mouseDClick(league->viewport(), Qt::LeftButton, {}, cell.center()); },
                [&](QWidget* w) {
                    QCOMPARE(texts(w, {"Number", "Owner"}) + u'|' + steps(w), seen);
                });
        }
        click(main_.get(), "Sort_Owner");
        QCOMPARE(cellText(league, 0, 1), QStringLiteral("Alan"));
        QVERIFY(sameOrder());
        // A position past its list (a team deleted since) shows no team and no price.
        writeRecords(data_->dir().entries(), std::vector{entry("a", 0, 2), entry("b", 0, 9)});
        open("Entries", [](QWidget* w) {
            click(w, "Forward");
            QCOMPARE(texts(w, {"Team", "TPrice"}), u"|");
            click(w, "Close");
        });
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
        // A store fills every unchosen list, one of one item too.
        open("Entries", [](QWidget* w) { pick(w, "Team", 0), click(w, "Close"); });
        QCOMPARE(readRecords<EntryRecord>(data_->dir().entries()).at(0).TestDriverIndex, 0);
    }

    // In a league that allows transfers changed picks ask first: Go Back stores nothing, a transfer
    // counts from the race picked (the entry and the record written in one step), one beyond the
    // league's number is refused, a correction changes the whole season. A renamed owner takes
    // the record along, a deleted one takes it away.
    void transfers()
    {
        LeagueSettings settings;
        settings.transfers = 1;
        QVERIFY(main_->league().storeSettings(settings, nullptr));
        const QString record = data_->path("decisions.txt");
        const auto answer = [](const char* name, int race = -1) {
            return [=](QWidget* q) {
                if (race >= 0)
                    picker(q, "Transfer_Race")->setCurrentIndex(race);
                click(q, name);
            };
        };
        open("Entries", [&](QWidget* w) { // dora: Ed Fay to Ann Lee, then Ion to Vortex
            pick(w, "Driver1", 0);
            QCOMPARE(inModal([&] { click(w, "Forward"); }, answer("Go_Back")), "Transfer_Question");
            QCOMPARE(texts(w, {"Number"}) + readBytes(record), "1");
            inModal([&] { click(w, "Forward"); }, answer("Transfer", 1)); // from Monza
            click(w, "Previous"), pick(w, "Engine", 0);
            inModal([&] { click(w, "Close"); }, answer("Transfer"));
            inModal([&] { click(w, "Close"); }, answer("Correction"));
        });
        QCOMPARE(std::exchange(Messages::collected(), {}),
                 QStringList("dora has made 1 of the 1 transfers the league allows in a season; "
                             "this change would make 2. The entry is not stored."));
        QCOMPARE(readBytes(record), "velmora decisions 1\ntransfer\tdora\tdriver 1\t4\t0\t2\t"
                                    "Ed Fay\tAnn Lee\tMonza\n");
        // Imola: Meteor 1, Vortex 11, Ed Fay 3, Flo Gil 4, Ida Jo 6; Monza: 5, 1, Ann Lee 2, 8, 1.
        const FlexGrid* league = control<FlexGrid>(main_.get(), "HiScores");
        QCOMPARE(rows(league, {3}), QStringLiteral("4|dora|%1").arg(25 + 17));
        // A pick first chosen (dora's test driver named none) is no transfer, and asks nothing;
        // her drivers swapped are none either, the record's transfer following its seat.
        auto entries = readRecords<EntryRecord>(data_->dir().entries());
        entries[3].TestDriverIndex = -1;
        writeRecords(data_->dir().entries(), entries);
        open("Entries", [&](QWidget* w) {
            click(w, "Forward"), click(w, "Forward"), click(w, "Forward");
            pick(w, "Driver1", 5), pick(w, "Driver2", 0);
            QCOMPARE(inModal([&] { click(w, "Close"); }), QString());
        });
        QVERIFY(readBytes(record).contains("\tdriver 2\t4\t0\t"));
        QVERIFY(recalculateChampionship(main_->league(), nullptr));
        QByteArray renamed;
        open("Entries", [&](QWidget* w) {
            click(w, "Forward"), click(w, "Forward"), click(w, "Forward");
            type(w, "Owner", "Dora"), click(w, "Previous");
            renamed = readBytes(record);
            click(w, "Forward"), click(w, "Delete");
        });
        QVERIFY(renamed.contains("\tDora\t"));
        QCOMPARE(readBytes(record), "velmora decisions 1\n");
    }

    // The decisions window, the latest first: a penalty added counts in its race; dora's transfer
    // (Ed Fay to Ann Lee from Monza) taken back gives her Ed Fay again, entry and record in one
    // step; the record keeps it, marked, and it cannot be taken back twice.
    void decisions()
    {
        auto entries = readRecords<EntryRecord>(data_->dir().entries());
        entries[0].Driver1Index = 0;
        writeRecords(data_->dir().entries(), entries);
        const QString record = data_->path("decisions.txt");
        const QByteArray transfer = "transfer\tdora\tdriver 1\t4\t0\t2\tEd Fay\tAnn Lee\tMonza\n";
        writeBytes(record, "velmora decisions 1\n" + transfer);
        open("Decisions", [&](QWidget* w) {
            const auto* list = control<QTableView>(w, "List");
            QCOMPARE(rows(list, {0}),
                     u"dora|Driver 1 transfer: Ed Fay \u2192 Ann Lee|Race 2, Monza|");
            inModal([&] { click(w, "Add"); },
                    [](QWidget* p) { // bob, 10 points in Imola
                        pick(p, "Owner", 1), type(p, "Points", "10"), pick(p, "Race", 0);
                        click(p, "Ok"); // no reason yet: a tip says so
                        QVERIFY(p->isVisible() && QToolTip::text().contains("reason"));
                        type(p, "Reason", "late entry"), click(p, "Ok");
                    });
            QCOMPARE(rows(list, {0}), "bob|Penalty of 10 points|Race 1, Imola|late entry");
            control<QTableView>(w, "List")->setCurrentIndex(list->model()->index(1, 0));
            Messages::setNextAnswer(Messages::Answer::Store);
            click(w, "TakeBack");
            QCOMPARE(rows(list, {1}),
                     u"dora|Driver 1 transfer: Ed Fay \u2192 Ann Lee (taken back)|Race 2, Monza|");
            QVERIFY(!control<QAction>(w, "TakeBack")->isEnabled());
        });
        QCOMPARE(readBytes(record), "velmora decisions 1\ntransfer taken back" + transfer.mid(8)
                                        + "penalty\tbob\t10\t1\tImola\tlate entry\n");
        entries = readRecords<EntryRecord>(data_->dir().entries());
        const auto dora = std::find_if(entries.begin(), entries.end(), [](const EntryRecord& e) {
            return displayText(e.Owner) == u"dora";
        });
        QVERIFY(dora->Driver1Index == 4 && dora->Price == 25.5f); // her picks' total again
        // bob 61 less 10; dora 49 with Ed Fay, and the total of her picks again.
        QCOMPARE(rows(control<FlexGrid>(main_.get(), "HiScores"), {1, 2}), "2|bob|51 3|dora|49");
    }

    // Only a league with a budget marks a total above it and a driver picked twice, saying why;
    // the entry is stored all the same.
    // A sheet pasted: a name not found asked about (Store waits for it), answered and stored as
    // the entry editor stores the same picks in a league like it; a file that is no text told,
    // the paste kept; in a read-only league the preview shows and nothing can be stored.
    void importEntries()
    {
        TempData typed;
        writeSeason(typed.dir());
        for (const DataDir* d :
             {&typed.dir(), &data_->dir()}) { // dora's total as the editor has it
            auto entries = readRecords<EntryRecord>(d->entries());
            entries[0].Price = 25.5f;
            writeRecords(d->entries(), entries);
        }
        {
            MainWindow other(openLeague(typed.dir()));
            QVERIFY(waitUntilActive(&other));
            inWindow(other, "Entries", [](QWidget* w) {
                click(w, "New"), type(w, "Owner", "Zed");
                for (const auto& [name, at] : {std::pair{"Team", 2},
                                               {"Engine", 0},
                                               {"Driver1", 5},
                                               {"Driver2", 0},
                                               {"TDriver", 0}})
                    pick(w, name, at);
                click(w, "New"), type(w, "Owner", "Yan");
                for (const char* name : {"Team", "Engine", "Driver1", "Driver2", "TDriver"})
                    pick(w, name, 1);
                click(w, "Close");
            });
        }
        const QString sheet =
            "Owner;Team;Engine;Driver 1;Driver 2;Test Driver;Note\nZed;Meteor;"
            "VORTEX;Flo Gil;Ann L\u00e9e;Gus Ho;\"paid;late\"\nYan;Comet;Helix;Bo "
            "Kim;Bo Kim;Ida J;";
        const QString binary = typed.path("sheet.xlsx");
        writeBytes(binary, QByteArray("PK\x03\x04\0\0", 6));
        QString before, after, report;
        open("Import_Entries", [&](QWidget* w) {
            auto* text = control<QPlainTextEdit>(w, "Sheet");
            text->setPlainText(sheet);
            const auto* preview = control<QTableView>(w, "Preview");
            before = rows(preview, {0, 1}) + u'|' + picker(w, "Answer1")->accessibleName()
                     + (button(w, "Store")->isEnabled() ? "|Store" : "");
            pick(w, "Answer1", picker(w, "Answer1")->findText("Ida Jo"));
            after = rows(preview, {1});
            OpenFileDialog::setNextFileName(binary);
            click(w, "Open_File");
            QCOMPARE(text->toPlainText(), sheet);
            click(w, "Store");
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(before, "2|Zed|Meteor|Vortex|Flo Gil|Ann Lee|Gus Ho|37.5||New entry.|paid;late "
                         "3|Yan|Comet|Helix|Bo Kim|Bo Kim|Ida J|||Waits for the answers above.|"
                         "|\u201cIda J\u201d (line 3, Test Driver (column F)) is no test driver of "
                         "the league:");
        QCOMPARE(after, "3|Yan|Comet|Helix|Bo Kim|Bo Kim|Ida Jo|45.5|65|New entry.|");
        QCOMPARE(std::exchange(Messages::collected(), {}),
                 QStringList("\u201c" + binary
                             + "\u201d is not taken in: line 1 holds a zero "
                               "byte, which no text holds (a spreadsheet's own file? Save the "
                               "sheet as CSV)."));
        QCOMPARE(calculatedFiles(data_->dir()), calculatedFiles(typed.dir()));
        QCOMPARE(rows(control<FlexGrid>(main_.get(), "HiScores"), {0}), "1|Yan|65");
        SaveFileDialog::setNextFileName(typed.path("given"));
        trigger(main_.get(), "Comp_Export");
        QVERIFY(readBytes(typed.path("given.csv"))
                    .startsWith("\xEF\xBB\xBFOwner,Team,Engine,Driver 1,Driver 2,Test Driver\r\n"
                                "Yan,Comet,Helix,Bo Kim,Bo Kim,Ida Jo\r\n"));

        main_ = std::make_unique<MainWindow>(openLeague(data_->dir(), League::Mode::Read));
        open("Import_Entries", [&](QWidget* w) {
            control<QPlainTextEdit>(w, "Sheet")
                ->setPlainText("Xi,Comet,Helix,Bo Kim,Bo Kim,Ida Jo");
            report = control<QLabel>(w, "Report")->text()
                     + (button(w, "Store")->isEnabled() ? "|Store" : "");
            QCOMPARE(cellText(control<QTableView>(w, "Preview"), 0, 1), "Xi");
        });
        QVERIFY2(report.endsWith("The league is read-only: nothing is stored."),
                 qPrintable(report));
    }

    void budgetMarks()
    {
        for (const QByteArray settings : {"name=x\n", "budget=40\n"}) {
            writeBytes(data_->path("league.ini"), settings);
            main_.reset();
            main_ = std::make_unique<MainWindow>(openLeague(data_->dir()));
            open("Entries", [&](QWidget* w) {
                pick(w, "Driver1", 0), pick(w, "Driver2", 1); // two drivers: neither marked
                QCOMPARE(picker(w, "Driver1")->toolTip(), QString());
                pick(w, "Driver2", 0);
                type(w, "Price", "45");
                const QString tips = box(w, "Price")->toolTip() + u'|'
                                     + picker(w, "Driver1")->toolTip() + u'|'
                                     + picker(w, "Driver2")->toolTip();
                QCOMPARE(tips, settings == "name=x\n"
                                   ? "||"
                                   : "The total, 45, is above the league's budget of 40.|Driver 1 "
                                     "and Driver 2 are the same driver, Ann Lee.|Driver 1 and "
                                     "Driver 2 are the same driver, Ann Lee.");
                QCOMPARE(box(w, "Price")->palette().color(QPalette::Text) == QColor(0xa0, 0, 0),
                         settings != "name=x\n");
                click(w, "Close");
            });
            const auto entries = readRecords<EntryRecord>(data_->dir().entries());
            QVERIFY(std::any_of(entries.begin(), entries.end(),
                                [](const EntryRecord& e) { return e.Price == 45; }));
        }
    }

    // A race with no name is not scored (no hidden ".tmr" file); a team card starts a new race
    // with no points, a step selects the first score; only a team card leads to Calculate.
    void scoreCards()
    {
        open("Score", [this](QWidget* s) {
            type(s, "Race", "   ");
            for (const char* card : {"Teamscore", "Testscore"})
                QCOMPARE(inModal([s, card] { click(s, card); }), QString());
            const QStringList said = std::exchange(Messages::collected(), {});
            QVERIFY2(said.size() == 2 && said[0].contains(u"race"), qPrintable(said.join(u'|')));
            type(s, "Race", "Suzuka");
            inModal([s] { click(s, "Testscore"); },
                    [](QWidget* card) { // the entry goes to the driver's record, then on
                        pick(card, "Driver", 1), type(card, "Price", "4"), click(card, "New");
                        QCOMPARE(texts(card, {"Number", "Driver", "Price"}), u" 3||");
                    });
            // The driver before the one picked gets a record of his own, of no points.
            QCOMPARE(
                readBytes(data_->dir().raceTestDrivers("Suzuka")),
                encodeRecords(std::vector<TestDriverRecord>{{"Gus Ho", 0, 0}, {"Ida Jo", 0, 4}}));
            QVERIFY(!button(s, "Calculate")->isEnabled());
            inModal(
                [s] { click(s, "Teamscore"); },
                [](QWidget* card) {
                    QCOMPARE(texts(card, {"Team_Price", "Driver2_Price"}), QStringLiteral(" 0| 0"));
                    // A click on the team number takes the keys: "go to team 4" changes no score.
                    QTest::mouseClick(box(card, "Number"), Qt::LeftButton);
                    press(Qt::Key_A, Qt::ControlModifier), press(Qt::Key_4);
                    QCOMPARE(named() + texts(card, {"Number", "Team_Price"}), u"Number1| 0");
                    QVERIFY(box(card, "Team")->palette().base()
                            != box(card, "Team_Price")->palette().base());
                    click(card, "Forward");
                    QCOMPARE(named() + u'|' + box(card, "Team_Price")->selectedText(),
                             QStringLiteral("Team_Price|0"));
                });
            QVERIFY(!picker(s, "Race")->isEnabled() && button(s, "Calculate")->isEnabled());
        });
    }

    // Points a card stored are counted however the scoring window closes (its close box here): a
    // calendar race's at once, a new race's when the organiser says so; a race typed in another
    // letter case is the calendar's. Nothing stored, nothing recalculated.
    void raceCountedOnClose_data()
    {
        textTable(
            {"typed", "score", "answer", "calendar", "asked", "counted"},
            {{"calendar race", "Imola", "20", "", "Imola Monza", "0", "counted"},
             {"another letter case", " imola ", "20", "", "Imola Monza", "0", "counted"},
             {"nothing stored", "Imola", "", "", "Imola Monza", "0", ""},
             {"new race, counted", "Suzuka", "5", "Store", "Imola Monza Suzuka", "1", "counted"},
             {"new race, left out", "Suzuka", "5", "Discard", "Imola Monza", "1", ""}});
    }

    void raceCountedOnClose()
    {
        const auto [typed, score, answer, calendar, asked, counted] =
            fetchTexts("typed", "score", "answer", "calendar", "asked", "counted");
        const DataDir& d = data_->dir();
        const QByteArray entries = readBytes(d.entries());
        open("Score", [&](QWidget* s) {
            type(s, "Race", typed);
            inModal([s] { click(s, "Teamscore"); },
                    [&](QWidget* card) {
                        QCOMPARE(texts(card, {"Team"}), QStringLiteral("Arrow"));
                        if (!score.isEmpty())
                            type(card, "Team_Price", score);
                        click(card, "Close");
                    });
            Messages::setNextAnswer(answer == u"Store" ? Messages::Answer::Store
                                                       : Messages::Answer::Discard);
            s->close();
            QVERIFY(!s->isVisible());
        });
        // Counted: the points changed, and calculating again changes nothing more.
        const QByteArray after = readBytes(d.entries());
        QVERIFY(recalculateChampionship(main_->league(), nullptr));
        const bool upToDate = after != entries && readBytes(d.entries()) == after;
        QCOMPARE(
            QStringList({readBytes(d.calendar()).simplified(),
                         QString::number(Messages::asked().size()), upToDate ? "counted" : ""}),
            QStringList({calendar, asked, counted}));
        QVERIFY(!QFile::exists(data_->path("imola.tmr")));
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "HiScores"), 0, 2),
                 QString::number(readRecords<EntryRecord>(d.entries()).front().Points));
    }

    // The race files the table stores are the cards' for the same points: a new race, a calendar
    // race, and one whose team file is shorter than the database (team record r's slot s scores
    // 10r + s - 5, test driver j 20 + j; pasted into the table at its first cell).
    void tableWritesWhatCardsWrite_data()
    {
        textTable({"race"}, {{"Suzuka"}, {"Imola"}, {"Short"}});
    }
    void tableWritesWhatCardsWrite()
    {
        const auto [race] = fetchTexts("race");
        const DataDir& d = data_->dir();
        writeRecords(d.raceTeams("Short"), std::vector(2, team("Old", "Ox", "Al", "Bo")));
        writeRecords(d.raceTestDrivers("Short"), std::vector<TestDriverRecord>{{"Gone", 5, 9}});
        const QStringList files = {d.raceTeams(race), d.raceTestDrivers(race)};
        const char* boxes[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
        const FolderState before = folderState(d);
        const int teams = race == u"Short" ? 2 : 3;
        QString block;
        for (int r = 0; r < teams; ++r)
            for (int k = 0; k < 4; ++k)
                block += QString::number(10 * r + k - 5) + (k < 3 ? u'\t' : u'\n');
        block += "20\n21\n";
        open("Score", [&](QWidget* s) {
            type(s, "Race", race);
            inModal([s] { click(s, "Teamscore"); },
                    [&](QWidget* card) {
                        for (int r = 0; r < teams; ++r) {
                            for (int k = 0; k < 4; ++k)
                                type(card, boxes[k], QString::number(10 * r + k - 5));
                            click(card, r + 1 < teams ? "Forward" : "Close");
                        }
                    });
            inModal([s] { click(s, "Testscore"); },
                    [](QWidget* card) {
                        for (int j = 0; j < 2; ++j)
                            pick(card, "Driver", j), type(card, "Price", QString::number(20 + j)),
                                click(card, "New");
                        click(card, "Close");
                    });
            Messages::setNextAnswer(Messages::Answer::Discard); // a new race: left out
        });
        const QList<QByteArray> byCards = {readBytes(files[0]), readBytes(files[1])};
        for (const QString& f : files)
            before.contains(QFileInfo(f).fileName())
                ? writeBytes(f, before[QFileInfo(f).fileName()])
                : void(QFile::remove(f));
        open("Race_Results", [&](QWidget* w) {
            type(w, "Race", race), press(Qt::Key_Return);
            auto* table = control<QTableView>(w, "Results");
            table->setFocus();
            QApplication::clipboard()->setText(block);
            press(Qt::Key_V, Qt::ControlModifier);
            click(w, "Store");
        });
        QCOMPARE(QList({readBytes(files[0]), readBytes(files[1])}), byCards);
    }

    // The table's keys, as a spreadsheet's (Imola: Arrow 10-13, Comet 4-7, Meteor 1-4, test
    // drivers 2 and 6): typing replaces a cell, F2 edits it, Enter goes down, arrows, Tab and
    // Shift+Tab across point cells only, Up and Down back to the column they left for the test
    // drivers, Ctrl+End and Ctrl+Home to the last and first row, Delete clears, Ctrl+C and
    // Ctrl+V copy and paste a block (selected then); Esc leaves an edit; "abc" typed keeps the
    // points, with a tip. Another race, or Esc, asks first while points are not stored.
    void tableKeys()
    {
        QString moved, copied, pasted, shown;
        open("Race_Results", [&](QWidget* w) {
            type(w, "Race", "imola"); // the calendar's race
            press(Qt::Key_Tab);
            auto* table = control<QTableView>(w, "Results");
            const auto at = [table] {
                return QString("%1,%2 ")
                    .arg(table->currentIndex().row())
                    .arg(table->currentIndex().column());
            };
            moved = texts(w, {"Race"}) + u' ' + named() + u' ' + at();
            typeKeys(QApplication::focusWidget(), "5"), press(Qt::Key_Return), moved += at();
            for (const int key :
                 {+Qt::Key_Right, +Qt::Key_Left, +Qt::Key_Right, +Qt::Key_Tab, +Qt::Key_Tab,
                  +Qt::Key_Tab, +Qt::Key_Backtab, +Qt::Key_Down, +Qt::Key_Down})
                press(key), moved += at();
            press(Qt::Key_F2), typeKeys(QApplication::focusWidget(), "9"), press(Qt::Key_Return);
            press(Qt::Key_Delete);
            press(Qt::Key_Up), press(Qt::Key_Up), press(Qt::Key_Right, Qt::ShiftModifier),
                press(Qt::Key_Up, Qt::ShiftModifier);
            press(Qt::Key_C, Qt::ControlModifier);
            copied = QApplication::clipboard()->text();
            press(Qt::Key_Up), press(Qt::Key_Right), press(Qt::Key_V, Qt::ControlModifier);
            for (const QModelIndex& i : table->selectionModel()->selectedIndexes())
                pasted += QString("%1,%2 ").arg(i.row()).arg(i.column());
            typeKeys(QApplication::focusWidget(), "7"), press(Qt::Key_Escape);
            press(Qt::Key_End, Qt::ControlModifier), moved += at();
            press(Qt::Key_Home, Qt::ControlModifier), moved += at();
            for (const char* key : {"a", "b", "c"}) // the first key opens the cell's editor
                typeKeys(QApplication::focusWidget(), key);
            press(Qt::Key_Return);
            QTRY_VERIFY(QToolTip::text().startsWith(u"\u201cabc\u201d is not a whole number"));
            Messages::setNextAnswer(Messages::Answer::GoBack); // another race named: asked first
            type(w, "Race", "Monza"),
                QTest::keyClick(picker(w, "Race")->lineEdit(), Qt::Key_Return);
            shown = texts(w, {"Race"}) + u' ' + rows(table, {0, 1, 2, 3, 4});
            // Closing, the organiser says Store: a store that fails keeps the window open.
            io::setFaultHook([](io::Op o, const QString&) { return o == io::Op::Write ? EIO : 0; });
            Messages::setNextAnswer(Messages::Answer::Store), press(Qt::Key_Escape);
            io::setFaultHook({});
            QVERIFY(w->isVisible());
            Messages::setNextAnswer(Messages::Answer::Store), press(Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(std::exchange(Messages::collected(), {}).size(), 1);
        QCOMPARE(readRecords<TestDriverRecord>(data_->dir().raceTestDrivers("Imola"))[0].Score, 29);
        QCOMPARE(moved, "Imola Results 0,1 1,1 1,3 1,1 1,3 1,5 1,7 2,1 1,7 2,7 3,1 4,1 0,1 ");
        QCOMPARE(copied + pasted, "7\n4\n0,7 1,7 ");
        QCOMPARE(
            shown,
            "Imola Arrow|5|Vortex|11|Ann Lee|12|Bo Kim|7|35 Comet|4|Helix|5|Cy Dunn|6|Di Eto|4|19 "
            "Meteor|1|Ion|2|Ed Fay|3|Flo Gil|4|10 Gus Ho|29|||||||29 Ida Jo|0|||||||0");
        QCOMPARE(Messages::asked().size(), 3);
        QVERIFY(Messages::asked()[0].contains(u"\u201cMonza\u201d"));
    }

    // The table's commands, chosen from its context menu, are on where they apply (no race; a
    // race, no cell chosen; a cell; nothing to paste). Select All and Copy take Imola's points,
    // Delete sets them to 0, Paste puts them back and selects them; Store then says that nothing
    // changed, and writes nothing.
    void tableCommands()
    {
        QStringList seen;
        QVERIFY(recalculateChampionship(main_->league(), nullptr)); // Imola counted
        const FolderState before = folderState(data_->dir());
        open("Race_Results", [&](QWidget* w) {
            auto* table = control<QTableView>(w, "Results");
            const auto on = [w] {
                QString state;
                for (const char* a : {"Copy", "Paste", "Delete", "SelectAll"})
                    state += control<QAction>(w, a)->isEnabled() ? u'1' : u'0';
                return state;
            };
            const auto choose = [table](const char* item) {
                QTimer::singleShot(0, [item] {
                    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    for (QAction* a : menu->actions())
                        if (a->objectName() == item)
                            QTest::mouseClick(menu, Qt::LeftButton, {},
                                              menu->actionGeometry(a).center());
                });
                QContextMenuEvent opens(QContextMenuEvent::Mouse, {}, table->mapToGlobal(QPoint()));
                QApplication::sendEvent(table->viewport(), &opens);
            };
            QApplication::clipboard()->setText("1");
            seen << on();
            type(w, "Race", "Imola"), press(Qt::Key_Return), seen << on();
            table->setFocus(), seen << on();
            QApplication::clipboard()->clear(), seen << on();
            choose("SelectAll"), choose("Copy"), choose("Delete");
            seen << QApplication::clipboard()->text() << rows(table, {0, 4}, 7);
            table->setCurrentIndex(table->model()->index(0, 1)), choose("Paste");
            seen << QString::number(table->selectionModel()->selectedIndexes().size());
            click(w, "Store");
            seen << control<QLabel>(w, "Said")->text();
        });
        QCOMPARE(seen,
                 QStringList({"0000", "0001", "1111", "1011",
                              "10\t11\t12\t13\n4\t5\t6\t7\n1\t2\t3\t4\n2\n6\n", "0|0 |0", "14",
                              "Nothing changed: the files of \u201cImola\u201d hold these "
                              "points already."}));
        FolderState after = folderState(data_->dir());
        after["entry.tro"] = before["entry.tro"]; // put in order as the window closes
        QCOMPARE(after, before);
    }

    // A race taken out of the calendar (after a question naming it) keeps its files and stops
    // counting; stored again, it is the calendar's last race and counts as before.
    void raceTakenOutAndBack()
    {
        const DataDir& d = data_->dir();
        // bob's first driver from Imola on: from Monza once Imola is out.
        writeBytes(d.file("decisions.txt"),
                   "velmora decisions 1\ntransfer\tbob\tdriver 1\t0\t2\t1\n");
        QVERIFY(recalculateChampionship(main_->league(), nullptr));
        const QByteArray counted = readBytes(d.entries()), imola = readBytes(d.raceTeams("Imola"));
        const auto calendar = [&] {
            return readBytes(d.calendar()).simplified()
                   + (readBytes(d.entries()) == counted ? "" : " recounted");
        };
        QStringList seen;
        open("Race_Results", [&](QWidget* w) {
            type(w, "Race", "Imola"), press(Qt::Key_Return);
            Messages::setNextAnswer(Messages::Answer::Store);
            click(w, "TakeOut");
            seen << calendar() << (button(w, "TakeOut")->isEnabled() ? "on" : "off");
            click(w, "Store");
            seen << calendar();
        });
        QCOMPARE(seen, QStringList({"Monza recounted", "off", "Monza Imola"}));
        QCOMPARE(readBytes(d.raceTeams("Imola")), imola);
        QVERIFY(Messages::asked().value(0).contains(u"\u201cImola\u201d")
                && Messages::asked().value(0).contains(u"count from it or in it (1)"));
        QVERIFY(readBytes(d.file("decisions.txt")).endsWith("\t1\t\t\tMonza\n"));
    }

    // Without points rules the order box says where to give them. With them, names it cannot find
    // are asked about at once (Apply off until answered); applied, the points go into the team
    // rows (a cell typed by hand told, the test drivers left), and Store keeps the order and the
    // answers with the race. Opened again it shows the order, which changed and applied again
    // scores anew; the next race finds the learnt names, until one is removed in League Settings.
    // Closed with an order typed, the box asks first.
    void raceFromItsOrder()
    {
        const DataDir& d = data_->dir();
        QStringList seen;
        const auto inBox = [&](QWidget* w, const QString& order, const Use& use) {
            inModal([w] { click(w, "FromOrder"); },
                    [&](QWidget* box) {
                        if (!order.isNull())
                            control<QPlainTextEdit>(box, "Order")->setPlainText(order);
                        seen << control<QLabel>(box, "Report")->text().section(u' ', 0, 2)
                                    + (button(box, "Apply")->isEnabled() ? " on" : " off");
                        use(box);
                    });
        };
        const auto answer = [](QWidget* box, const char* question, int driver) {
            pick(box, question, picker(box, question)->findData(driver));
        };
        const auto points = [&] {
            const auto t = readRecords<TeamRecord>(d.teams());
            return QString("%1 %2").arg(t[1].Team.Score).arg(t[2].Team.Score);
        };
        open("Race_Results", [&](QWidget* w) {
            type(w, "Race", "Imola"), press(Qt::Key_Return);
            click(w, "FromOrder");
            seen << std::exchange(Messages::collected(), {}).join(u' ').section(u' ', 0, 5);
            writeBytes(d.file("league.ini"), "points_places=10,6,4\npoints_fastest_lap=1\n");
            main_->league().readSettings();
            auto* table = control<QTableView>(w, "Results");
            QVERIFY(table->model()->setData(table->model()->index(0, 3), "9")); // Vortex, by hand
            inBox(w, "1\tANN LEE\tArrow\n2\tCy Dunn\n3\tKim\n4\tJo Vance\n5\tEto D.\nDNF\tEd Fay",
                  [&](QWidget* box) {
                      answer(box, "Answer1", -1), answer(box, "Answer2", 3);
                      pick(box, "FastestLap", picker(box, "FastestLap")->findData(2));
                      click(box, "Apply");
                  });
            seen << control<QLabel>(w, "Said")->text() << rows(table, {0, 1, 2, 3}, 1);
            click(w, "Store");
            seen << readBytes(d.file("Imola.order")) << readBytes(d.file("learnt-names.txt"));
            inBox(w, QString(), [&](QWidget* box) { // a changed classification
                seen << control<QPlainTextEdit>(box, "Order")->toPlainText().section(u'\n', 1, 1);
                control<QPlainTextEdit>(box, "Order")
                    ->setPlainText(
                        "1\tAnn Lee\n2\tEd Fay\n3\tBo Kim\nDNF\tCy Dunn\n4\tJo Vance\n5\tEto D.");
                click(box, "Apply");
            });
            click(w, "Store");
            seen << points();
        });
        open("League_Settings", [](QWidget* w) {
            control<QListWidget>(w, "LearntNames")->item(0)->setSelected(true);
            click(w, "RemoveName"), click(w, "Ok");
        });
        open("Race_Results", [&](QWidget* w) {
            type(w, "Race", "Suzuka"), press(Qt::Key_Return);
            inBox(w, "1\tEto D.\n2\tJo Vance", [](QWidget*) {});
        });
        QCOMPARE(Messages::asked().size(), 1); // closed with an order typed, the box asks
        QCOMPARE(
            seen,
            QStringList(
                {"The league has no points rules,", "Answer for the off",
                 "The finishing order changed 12 cells, now selected. Typed by hand before: "
                 "\u201cVortex\u201d of Arrow.",
                 "14|Vortex|14|Ann Lee|10|Bo Kim|4|42 7|Helix|7|Cy Dunn|7|Di Eto|0|21 "
                 "0|Ion|0|Ed Fay|0|Flo Gil|0|0 2|||||||2",
                 "line\tAnn Lee\t1\tANN LEE\tArrow\nline\tCy Dunn\t2\tCy Dunn\nline\tBo Kim\t3\t"
                 "Kim\nline\t\t4\tJo Vance\nline\tDi Eto\t5\tEto D.\nline\tEd Fay\tDNF\tEd "
                 "Fay\nfastest\tCy Dunn\n",
                 "driver\tJo Vance\ndriver\tEto D.\tDi Eto\n", "Not in the on", "2\tCy Dunn",
                 "9 11", "Answer for the off"}));
    }

    // Two rows an entry, numbered, an empty pair after the last, 25 at least; positions outside
    // their lists empty; rows below cleared.
    void entriesViewer()
    {
        trigger(main_.get(), "Comp_View");
        const FlexGrid* grid = control<FlexGrid>(main_.get(), "Spread");
        QCOMPARE(rows(grid, {0, 1, 2}),
                 QStringLiteral("|Owner|Team|Engine|Driver 1|Driver 2|Test Driver "
                                "1|dora|Meteor|Helix|Ed Fay|Flo Gil|Ida Jo "
                                "|5|7|1|9|10|0"));
        QCOMPARE(grid->model()->rowCount(), 25);
        QCOMPARE(cellText(grid, 23, 0), QStringLiteral("12"));
        QVERIFY(grid->model()->index(0, 1).data(Qt::BackgroundRole).isValid() // heading alone
                && !grid->model()->index(1, 1).data(Qt::BackgroundRole).isValid());
        // The files changed behind the program's back; a change of the first owner shows them.
        const auto renameFirst = [](QWidget* w) { type(w, "Owner", "w"), click(w, "Close"); };
        auto twelve = std::vector(12, entry("x", 1, 9, -1, 3, 7, 5));
        twelve[0] = entry("y", 0, 0, 0, 0, 1, 0);
        writeRecords(data_->dir().entries(), twelve);
        writeBytes(data_->dir().testDrivers(), {});
        open("Entries", renameFirst);
        QCOMPARE(rows(grid, {23}, 1) + u' ' + rows(grid, {25}), u"x|||Di Eto|| 13||||||");
        QCOMPARE(grid->model()->rowCount(), 27); // an empty pair after the twelfth entry
        writeRecords(data_->dir().entries(), std::vector{twelve[0]});
        open("Entries", renameFirst);
        QCOMPARE(rows(grid, {3}, 1) + QString::number(grid->model()->rowCount()), u"|||||25");
    }

    // The budget is the number its text begins with, refused unless above 0; names as stored; the
    // test-driver box empty; an open result window searched again for another budget.
    void bestAndWorst()
    {
        open("Calculate", [](QWidget* c) {
            for (const char* budget : {"0", "-5", "abc", ""}) {
                type(c, "Budge", budget), click(c, "Ok");
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
                    [](QWidget* c) { type(c, "Budge", "20"), click(c, "Ok"); });
            QCOMPARE(shownWindow("Calculator"), r);
            QCOMPARE(texts(r, {"Team", "Score2", "Team2"}), meteor + "|34|" + meteor);
        });
        // A database too large for a quick search is asked about first; the search runs aside,
        // a box with Stop shows, and Stop leaves the boxes empty at once.
        std::vector<TeamRecord> many;
        for (int r = 0; r < 5000; ++r)
            many.push_back(team("T", "E", "A", "B", float(r % 13), r * 7919 % 101));
        writeRecords(data_->dir().teams(), many);
        QTimer stop;
        connect(&stop, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton); // Stop
        });
        stop.start(20);
        QElapsedTimer took;
        took.start();
        for (const auto answer : {Messages::Answer::Discard, Messages::Answer::Store})
            Messages::setNextAnswer(answer),
                inModal([this] { trigger(main_.get(), "File_Calc"); },
                        [](QWidget* c) { type(c, "Budge", "100"), click(c, "Ok"); });
        QVERIFY(took.elapsed() < 5000);
        QCOMPARE(Messages::asked().filter("5000 team records").size(), 2);
        QCOMPARE(texts(shownWindow("Calculator"), {"Team", "Team2"}), "|");
    }

    // Clicks and keys never scroll the league table sideways; columns lie under their headings,
    // which are buttons: the leader's row is plain.
    void leagueTableStaysPut()
    {
        auto* league = control<FlexGrid>(main_.get(), "HiScores");
        QVERIFY(!league->model()->index(0, 1).data(Qt::BackgroundRole).isValid());
        const QPoint points = league->visualRect(league->model()->index(0, 2)).center();
        for (const int key : {0, +Qt::Key_Down, +Qt::Key_Right, +Qt::Key_End, +Qt::Key_Tab}) {
            key ? press(key) : QTest::mouseClick(league->viewport(), Qt::LeftButton, {}, points);
            QCOMPARE(league->horizontalScrollBar()->value(), 0);
        }
        // Both windows open at their first size, name their league, and can be made larger (and
        // maximised): the grid takes the room, the owner and name columns the extra width, and
        // the headings stay over their columns.
        trigger(main_.get(), "Comp_View");
        auto* full = control<EntriesViewer>(main_.get(), "Team_Viewer");
        auto* spread = control<FlexGrid>(full, "Spread");
        const QString name = QFileInfo(data_->dir().path()).fileName();
        QCOMPARE(main_->windowTitle() + u'|' + full->windowTitle(),
                 "Velmora \u2014 " + name + "|Team Entries \u2014 " + name);
        QVERIFY((main_->windowFlags() & full->windowFlags()) & Qt::WindowMaximizeButtonHint);
        full->show();
        const auto names = [spread] {
            return spread->horizontalHeader()->length() - spread->columnWidth(0);
        };
        // At its first size the points column gives the vertical scroll bar its room.
        const int owner = league->columnWidth(1) + league->columnWidth(2), named = names();
        for (const int wider : {0, 240}) {
            main_->resize(main_->size() + QSize(wider, 0));
            full->resize(full->size() + QSize(wider, 0));
            QTRY_COMPARE(league->columnWidth(1) + league->columnWidth(2), owner + wider);
            QVERIFY(inside(league) && inside(league->parentWidget()) && inside(spread));
            QCOMPARE(names(), named + wider);
            if (wider) // the room went to the owners, not to the points
                QCOMPARE(league->columnWidth(2), twips(1155));
            int c = 0;
            for (const char* heading : {"Command1", "Sort_Owner", "Sort_Points"}) {
                const QRect cell = league->visualRect(league->model()->index(0, c++));
                QCOMPARE(button(main_.get(), heading)->isEnabled(), c > 1); // not the position's
                const QRect at(button(main_.get(), heading)->mapToGlobal(QPoint()),
                               button(main_.get(), heading)->size());
                QVERIFY2(qAbs(league->viewport()->mapToGlobal(cell.topLeft()).x() - at.x()) <= 1
                             && qAbs(cell.width() - at.width()) <= 1,
                         heading);
            }
        }
        // The full table's heading row stays in view while the entries scroll under it.
        writeRecords(data_->dir().entries(), std::vector(40, entry("x")));
        open("Entries", [](QWidget* w) { type(w, "Owner", "w"), click(w, "Close"); });
        spread->verticalScrollBar()->setValue(spread->verticalScrollBar()->maximum());
        QVERIFY(spread->verticalScrollBar()->value() > 0);
        QCOMPARE(spread->horizontalHeader()->isVisibleTo(full), true);
        QCOMPARE(spread->model()->headerData(1, Qt::Horizontal).toString(), QString("Owner"));
    }

    // League Settings stores what is typed, and the title follows; closed with changes it asks
    // (Go Back stays, Discard stores nothing). A line that cannot be read is told at start and
    // in the window, which shows the rest and stores nothing; mended, the window is whole again.
    void leagueSettings()
    {
        for (const auto answer : {Messages::Answer::GoBack, Messages::Answer::Discard})
            open("League_Settings", [answer](QWidget* w) {
                type(w, "Name", "Kent"), Messages::setNextAnswer(answer);
                QCOMPARE(w->close(), answer == Messages::Answer::Discard);
            });
        open("League_Settings", [](QWidget* w) {
            for (const char* budget : {"forty", "40,5"}) { // refused at the box, nothing stored
                type(w, "Budget", budget), click(w, "Ok");
                QVERIFY(w->isVisible() && QToolTip::text().contains(budget));
            }
            type(w, "Name", "Kent League"), type(w, "Budget", "40.5"), type(w, "Transfers", "-1");
            click(w, "Ok");
            QVERIFY(w->isVisible() && QToolTip::text().contains(u"\u201c-1\u201d"));
            type(w, "Transfers", "Unlimited"), click(w, "Ok");
        });
        QCOMPARE(Messages::asked().size(), 3); // Go Back, then the close box again; Discard
        QCOMPARE(readBytes(data_->path("league.ini")),
                 "name=Kent League\nbudget=40.5\ntransfers=unlimited\n");
        QCOMPARE(main_->windowTitle(), u"Velmora \u2014 Kent League");
        writeBytes(data_->path("league.ini"), "name=Kent\nbudget=none\n");
        main_.reset();
        main_ = std::make_unique<MainWindow>(openLeague(data_->dir()));
        QVERIFY(std::exchange(Messages::collected(), {}).value(0).startsWith("Line 2 of"));
        open("League_Settings", [this](QWidget* w) {
            QVERIFY(control<QLabel>(w, "Problem")->text().startsWith("Line 2 of"));
            QVERIFY(texts(w, {"Name", "Budget"}) == "Kent|" && !button(w, "Ok")->isEnabled());
            writeBytes(data_->path("league.ini"), "name=Kent\n"); // mended meanwhile
        });
        QCOMPARE(readBytes(data_->path("league.ini")), "name=Kent\n");
        open("League_Settings", [](QWidget* w) { QVERIFY(!w->findChild<QLabel*>("Problem")); });
    }

    // Every command button has an access key, unique in its window with its captions' and its
    // menu bar's; a message opens centred on its window, also one from a window not shown yet.
    void accessKeysAndMessages_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window :
             {"Main", "Team_Entry", "Test_Driver", "Entries", "Score", "Race_Score", "TD_Score",
              "Calculate", "Calculator", "frmAbout", "Team_Viewer", "Race_Results",
              "League_Settings", "New_Season", "Decisions", "Penalty_Bonus", "Import_Entries"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void accessKeysAndMessages()
    {
        QFETCH(QString, window);
        open(window, [](QWidget* w) {
            for (const QStringList& keys : accessKeys(w)) {
                QVERIFY2(!keys.contains(QString()), qPrintable(keys.join(u'|')));
                QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
            }
        });
        if (window != u"Calculator")
            return;
        QFile::remove(data_->dir().teams());
        QDir().mkdir(data_->dir().teams()); // the result window cannot read it: it is never shown
        QPoint centre;
        Messages::collect(false);
        inModal([this] { trigger(main_.get(), "File_Calc"); },
                [&](QWidget* c) {
                    QTimer::singleShot(0, [&] {
                        centre = QApplication::activeModalWidget()->frameGeometry().center();
                        QApplication::activeModalWidget()->close();
                    });
                    type(c, "Budge", "100"), click(c, "Ok");
                });
        Messages::collect(true);
        QVERIFY((centre - main_->frameGeometry().center()).manhattanLength() <= 2);
    }

    // With the German translation loaded, the windows an organiser uses most say nothing in
    // English beside what the league's files hold, and each German window and menu gives its
    // access keys once.
    void german()
    {
        const QStringList windows{"Main", "Race_Results", "Entries"};
        const auto said = [&] {
            QList<QStringList> all{words(main_.get())};
            for (const QString& window : windows.mid(1))
                open(window, [&](QWidget* w) { all << words(w); });
            return all;
        };
        const QList<QStringList> english = said();
        QTranslator own;
        QVERIFY(own.load(QStringLiteral("velmora_de"), QStringLiteral(VELMORA_BUILT_TRANSLATIONS)));
        QCoreApplication::installTranslator(&own);
        const auto english_again = qScopeGuard([&] { QCoreApplication::removeTranslator(&own); });
        main_.reset(); // its folder's lock let go for the German one
        main_ = std::make_unique<MainWindow>(openLeague(data_->dir()));
        QVERIFY(waitUntilActive(main_.get()));
        const QList<QStringList> german = said();
        // Texts alike in both languages, and the season's own words (its names, its races).
        const QSet<QString> alike{"", "Team", "Name", "Budget", "Total"};
        static const QRegularExpression data(
            QStringLiteral("^[-+0-9.,:% ]*$|Imola|Monza|Kent|^Velmora — "));
        QStringList english_left;
        for (qsizetype w = 0; w < windows.size(); ++w) {
            QCOMPARE(german[w].size(), english[w].size());
            for (qsizetype i = 0; i < english[w].size(); ++i)
                if (german[w][i] == english[w][i] && !alike.contains(english[w][i])
                    && !data.match(english[w][i]).hasMatch())
                    english_left << windows[w] + QStringLiteral(": ") + english[w][i];
        }
        QVERIFY2(english_left.isEmpty(), qPrintable(english_left.join(u'\n')));
        const auto once = [](QWidget* w) {
            for (const QStringList& keys : accessKeys(w))
                QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        };
        once(main_.get());
        for (const QString& window : windows.mid(1))
            open(window, once);
    }

    // Another league in this window: the lock moves, both tables show it, the titles name it and
    // the menu lists it; a locked folder is refused with the lock's message, a read-only one
    // viewed, one that holds no league asked about first (and left as it is).
    void switchLeagues()
    {
        TempData other, empty, viewed;
        writeSeason(other.dir()), writeSeason(viewed.dir());
        writeRecords(other.dir().entries(), std::vector{entry("Zed", 99)});
        const auto openFolder = [this](const DataDir& d) {
            FolderDialog::setNextFolder(d.path());
            trigger(main_.get(), "File_Open");
        };
        trigger(main_.get(), "Comp_View"); // shown, the full table follows the switch
        openFolder(other.dir());
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "HiScores"), 0, 1).trimmed(), u"Zed");
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "Spread"), 1, 1).trimmed(), u"Zed");
        QString error;
        QVERIFY(!League::open(other.dir(), League::Mode::Work, &error));
        auto held = League::open(data_->dir(), League::Mode::Work, &error); // the old one let go
        QVERIFY(held);
        openFolder(data_->dir());
        QCOMPARE(Messages::collected().size(), 1);
        QVERIFY(std::exchange(Messages::collected(), {})[0].contains(
            "already running on the data folder \"" + data_->dir().path()));
        QCOMPARE(main_->league().dir().path(), other.dir().path());
        held.reset();
        openFolder(empty.dir());
        QCOMPARE(Messages::asked().size(), 1);
        QVERIFY(Messages::asked()[0].contains(empty.dir().path()) && !empty.dir().holdsLeague());
        ::chmod(QFile::encodeName(viewed.dir().path()).constData(), 0555);
        openFolder(viewed.dir());
        ::chmod(QFile::encodeName(viewed.dir().path()).constData(), 0700);
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "HiScores"), 0, 1).trimmed(), u"dora");
        open("Entries", [&](QWidget* w) { // viewed: its boxes take nothing, and a key says why
            QVERIFY(box(w, "Price")->isReadOnly());
            for (const QComboBox* list : w->findChildren<QComboBox*>())
                QVERIFY2(!list->isEnabled(), qPrintable(list->objectName()));
            type(w, "Owner", "x");
            QCOMPARE(box(w, "Owner")->text(), "dora");
            QCOMPARE(QToolTip::text().replace(u'\n', u' '), io::readOnlyText(viewed.dir().path()));
        }); // the points order after it is not stored, and said so
        QCOMPARE(std::exchange(Messages::collected(), {}),
                 QStringList(io::readOnlyText(viewed.dir().path())));
        emit main_->findChild<QMenu*>("File")->aboutToShow();
        QStringList recent; // in the menu: the latest first, each numbered
        for (const QAction* a : main_->findChild<QMenu*>("File")->actions())
            if (a->objectName().startsWith("File_Recent") && !a->isSeparator())
                recent << a->text();
        QCOMPARE(recent, QStringList({"&1 " + viewed.dir().path(), "&2 " + other.dir().path()}));
        trigger(main_.get(), "File_Recent2");
        QCOMPARE(main_->league().dir().path(), other.dir().path());
    }

    // New Season from the menu: next year's folder offered beside one named by a year, the
    // name's year moved on too; the program works on the new season, without entries if so asked.
    void newSeason()
    {
        const QString old = data_->path("kent2026"), next = data_->path("kent2027");
        QDir(data_->dir().path()).mkdir("kent2026");
        writeSeason(DataDir(old));
        writeBytes(old + "/league.ini", "name=Kent 2026\n");
        main_ = std::make_unique<MainWindow>(openLeague(DataDir(old)));
        inModal([this] { trigger(main_.get(), "File_NewSeason"); },
                [&](QWidget* w) { // closed with the offer changed, it asks; Store makes it
                    QCOMPARE(texts(w, {"Folder", "Name", "Budget"}), next + "|Kent 2027|");
                    control<QCheckBox>(w, "Entries")->setChecked(false);
                    Messages::setNextAnswer(Messages::Answer::Store);
                    QVERIFY(w->close() && Messages::asked().size() == 1);
                });
        QCOMPARE(main_->league().dir().path(), next);
        QCOMPARE(main_->windowTitle(), u"Velmora \u2014 Kent 2027");
        QCOMPARE(cellText(control<FlexGrid>(main_.get(), "HiScores"), 0, 1).trimmed(), u"");
    }

    // The desktop's save dialog offers text files; a name typed without an extension gets ".txt".
    void reportDialog()
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

    // A window whose file cannot be opened (or read: "read") says so and does not open as if it
    // could.
    void unreadableFileKeepsWindowShut_data()
    {
        textTable({"from", "item", "file"},
                  {{"team editor", "Main", "Setup_Team", "teams.tro"},
                   {"test-driver editor", "Main", "Setup_Driver", "test.tro"},
                   {"entry editor, its pickers", "Main", "Comp_Team", "teams.tro"},
                   {"entry editor", "Main", "Comp_Team", "entry.tro"},
                   {"entry editor, its first entry", "Main", "Comp_Team", "entry.tro read"},
                   {"scoring window", "Main", "Comp_Score", "calendar.tro"},
                   {"team card", "Score", "Teamscore", "Imola.tmr"},
                   {"result window", "Calculate", "Ok", "teams.tro"}});
    }

    void unreadableFileKeepsWindowShut()
    {
        const auto [from, item, fault] = fetchTexts("from", "item", "file");
        const QString file = fault.section(u' ', 0, 0);
        const io::Op failing = fault.endsWith(u" read") ? io::Op::Read : io::Op::Open;
        QString opened = QStringLiteral("(none)");
        open(from, [&](QWidget* w) { // ordering the league afterwards may say it again
            if (from != u"Main")
                type(w, from == u"Score" ? "Race" : "Budge", from == u"Score" ? "Imola" : "100");
            io::setFaultHook([&](io::Op op, const QString& path) {
                return op == failing && path.endsWith(u'/' + file) ? EACCES : 0;
            });
            opened = inModal([&] { trigger(w, item); });
            io::setFaultHook({});
        });
        const QStringList told = std::exchange(Messages::collected(), {});
        QCOMPARE(opened, QString());
        QVERIFY(!shownWindow("Calculator"));
        QVERIFY2(!told.isEmpty() && told[0].contains(file), qPrintable(told.join(u'|')));
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
