// What the keyboard does in every window, each opened as the organiser opens it, shown and
// active: where the focus starts, what Esc and Enter do, that modified keys type nothing,
// that a focused stepping button never hands the focus to Delete, and how long a name may be.

#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "season.h"
#include "toolkit/dialogs.h"

#include <QMenu>

using namespace velmora;
using namespace velmora::test;

namespace {

using Use = std::function<void(QWidget*)>;
using Opener = std::function<void(Main&, const Use&)>;

// A menu item of the window, or one of its buttons.
void trigger(QWidget* from, const char* item)
{
    if (auto* action = from->findChild<QAction*>(QString::fromLatin1(item)))
        action->trigger();
    else
        click(from, item);
}

void modal(QWidget* from, const char* item, const Use& use)
{
    if (inModal([&] { trigger(from, item); }, use).isEmpty())
        QFAIL(item);
}

void beside(QWidget* from, const char* item, const char* window, const Use& use)
{
    trigger(from, item);
    QWidget* w = shownWindow(window);
    QVERIFY2(w && waitUntilActive(w), window);
    use(w);
    w->close();
}

// Every window, as the menu (and the window that leads to it) opens it.
QMap<QString, Opener> openers()
{
    return {
        {"Main", [](Main& m, const Use& use) { use(&m); }},
        {"Team_Entry", [](Main& m, const Use& use) { modal(&m, "Setup_Team", use); }},
        {"Test_Driver", [](Main& m, const Use& use) { modal(&m, "Setup_Driver", use); }},
        {"Entries", [](Main& m, const Use& use) { modal(&m, "Comp_Team", use); }},
        {"Score", [](Main& m, const Use& use) { modal(&m, "Comp_Score", use); }},
        {"Race_Score",
         [](Main& m, const Use& use) {
             modal(&m, "Comp_Score", [&](QWidget* s) { modal(s, "Teamscore", use); });
         }},
        {"TD_Score",
         [](Main& m, const Use& use) {
             modal(&m, "Comp_Score", [&](QWidget* s) { modal(s, "Testscore", use); });
         }},
        {"Calculate", [](Main& m, const Use& use) { modal(&m, "File_Calc", use); }},
        {"Calculator",
         [](Main& m, const Use& use) {
             modal(&m, "File_Calc", [](QWidget* c) {
                 type(c, "Budge", QStringLiteral("100"));
                 click(c, "Ok");
             });
             QWidget* w = shownWindow("Calculator");
             QVERIFY(w && waitUntilActive(w));
             use(w);
             w->close();
         }},
        {"frmAbout", [](Main& m, const Use& use) { beside(&m, "Help_About", "frmAbout", use); }},
        {"Team_Viewer",
         [](Main& m, const Use& use) { beside(&m, "Comp_View", "Team_Viewer", use); }},
    };
}

// The named control that has the keyboard focus (a box inside a drop-down list counts as
// the list).
QString focusName()
{
    QWidget* f = QApplication::focusWidget();
    while (f && f->objectName().isEmpty())
        f = f->parentWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

// A key pressed where the keyboard focus is.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), modifiers);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Messages::collect(true); }
    void init();
    void cleanup();

    void focusStartsOnTheFirstControl_data() { windows(); }
    void focusStartsOnTheFirstControl();
    void enterPressesOnlyAFocusedButton_data() { windows(); }
    void enterPressesOnlyAFocusedButton();
    void escapeClosesOnlyWhereThereIsACancelButton_data() { windows(); }
    void escapeClosesOnlyWhereThereIsACancelButton();
    void modifiedKeysTypeNothing_data();
    void modifiedKeysTypeNothing();
    void focusNeverFallsToDelete_data();
    void focusNeverFallsToDelete();
    void scoreCardStepsIntoTheFirstScore();
    void namesTakeEightyCharacters_data();
    void namesTakeEightyCharacters();

private:
    static void windows();

    std::unique_ptr<TempData> data_;
    std::unique_ptr<Main> main_;
};

void TestKeyboard::init()
{
    data_ = std::make_unique<TempData>();
    writeSeason(data_->dir());
    main_ = std::make_unique<Main>(data_->dir());
    main_->show();
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
}

void TestKeyboard::cleanup()
{
    main_.reset();
    data_.reset();
    QCOMPARE(Messages::collected(), QStringList());
}

void TestKeyboard::windows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");   // where the focus is when the window opens
    QTest::addColumn<QString>("enterIn"); // a box, or a button that has the focus
    QTest::addColumn<bool>("cancels");    // Esc (and Enter on its button) closes it
    QTest::newRow("main window") << "Main"
                                 << "HiScores"
                                 << "HiScores" << false;
    QTest::newRow("team editor") << "Team_Entry"
                                 << "Team"
                                 << "Team" << false;
    QTest::newRow("test-driver editor") << "Test_Driver"
                                        << "Driver"
                                        << "Price" << false;
    QTest::newRow("entry editor") << "Entries"
                                  << "Owner"
                                  << "Owner" << false;
    QTest::newRow("scoring window") << "Score"
                                    << "Race"
                                    << "Race" << false;
    QTest::newRow("team score card") << "Race_Score"
                                     << "Team_Price"
                                     << "Team_Price" << false;
    QTest::newRow("test-driver score card") << "TD_Score"
                                            << "Driver"
                                            << "Price" << false;
    QTest::newRow("budget dialog") << "Calculate"
                                   << "Budge"
                                   << "Budge" << false;
    QTest::newRow("result window") << "Calculator"
                                   << "Team"
                                   << "Price" << false;
    QTest::newRow("About box") << "frmAbout"
                               << "cmdOK"
                               << "cmdOK" << true;
    QTest::newRow("entries viewer") << "Team_Viewer"
                                    << "Spread"
                                    << "Spread" << true;
}

void TestKeyboard::focusStartsOnTheFirstControl()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QString focused;
    openers()[window](*main_, [&](QWidget* w) {
        QCOMPARE(w->objectName(), window);
        focused = focusName();
    });
    QCOMPARE(focused, focus);
}

void TestKeyboard::enterPressesOnlyAFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, enterIn);
    QFETCH(bool, cancels);
    bool open = false;
    openers()[window](*main_, [&](QWidget* w) {
        QWidget* target = control(w, enterIn.toLatin1().constData());
        target->setFocus();
        // A budget in the box: Enter there must not start the search either.
        if (window == QLatin1String("Calculate"))
            type(w, "Budge", QStringLiteral("100"));
        // A window that Enter opens by mistake is closed again, and named.
        QString opened;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget(); m && m != w) {
                opened = m->objectName();
                m->close();
            }
        });
        guard.start(300);
        press(Qt::Key_Return);
        QCOMPARE(opened, QString());
        open = w->isVisible();
    });
    QCOMPARE(open, !cancels || window == QLatin1String("Team_Viewer"));
    QVERIFY(!shownWindow("Calculator"));
}

void TestKeyboard::escapeClosesOnlyWhereThereIsACancelButton()
{
    QFETCH(QString, window);
    QFETCH(bool, cancels);
    if (window == QLatin1String("Main"))
        QSKIP("the main window is left through its menu or close box");
    bool open = false;
    openers()[window](*main_, [&](QWidget* w) {
        press(Qt::Key_Escape);
        open = w->isVisible();
    });
    QCOMPARE(open, !cancels);
}

void TestKeyboard::modifiedKeysTypeNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("owner") << "Entries"
                           << "Owner";
    QTest::newRow("team picker") << "Entries"
                                 << "Team";
    QTest::newRow("team name") << "Team_Entry"
                               << "Team";
    QTest::newRow("test-driver price") << "Test_Driver"
                                       << "Price";
    QTest::newRow("race") << "Score"
                          << "Race";
    QTest::newRow("score") << "Race_Score"
                           << "Team_Price";
    QTest::newRow("test driver picker") << "TD_Score"
                                        << "Driver";
    QTest::newRow("budget") << "Calculate"
                            << "Budge";
}

void TestKeyboard::modifiedKeysTypeNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    openers()[window](*main_, [&](QWidget* w) {
        const QByteArray name = box.toLatin1();
        QWidget* c = control(w, name.constData());
        auto* list = qobject_cast<QComboBox*>(c);
        if (list && !list->isEditable())
            pick(w, name.constData(), 0);
        else
            type(w, name.constData(), QStringLiteral("Zoe"));
        const QString before = text(w, name.constData());
        c->setFocus();
        for (const Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::MetaModifier), Qt::ControlModifier | Qt::AltModifier})
            for (const Qt::Key key : {Qt::Key_N, Qt::Key_C, Qt::Key_I, Qt::Key_1})
                press(key, modifiers);
        QCOMPARE(text(w, name.constData()), before);
        QVERIFY(w->isVisible());
    });
    // The menu's access keys still open their menus.
    main_->activateWindow();
    QVERIFY(waitUntilActive(main_.get()));
    press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(control<QMenu>(main_.get(), "Comp")->isVisible());
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
}

void TestKeyboard::focusNeverFallsToDelete_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("team editor") << "Team_Entry";
    QTest::newRow("test-driver editor") << "Test_Driver";
    QTest::newRow("entry editor") << "Entries";
}

// Space pressed again and again on a focused Next walks to the last record; the focus then
// goes to Previous, and back, and never to Delete, which would delete a record a key press.
void TestKeyboard::focusNeverFallsToDelete()
{
    QFETCH(QString, window);
    auto sizes = [this] {
        QMap<QString, qsizetype> n;
        for (const auto& [name, bytes] : folderState(data_->dir()).asKeyValueRange())
            n[name] = bytes.size();
        return n;
    };
    const auto before = sizes();
    openers()[window](*main_, [&](QWidget* w) {
        button(w, "Forward")->setFocus();
        for (int i = 0; i < 9 && button(w, "Forward")->isEnabled(); ++i) {
            QCOMPARE(focusName(), QStringLiteral("Forward"));
            press(Qt::Key_Space);
        }
        QCOMPARE(focusName(), QStringLiteral("Previous"));
        for (int i = 0; i < 9 && button(w, "Previous")->isEnabled(); ++i) {
            QCOMPARE(focusName(), QStringLiteral("Previous"));
            press(Qt::Key_Space);
        }
        QCOMPARE(focusName(), QStringLiteral("Forward"));
        QCOMPARE(steps(w), QStringLiteral("->"));
    });
    QCOMPARE(sizes(), before); // nothing deleted
}

// After Next or Previous the points of the record shown can be typed at once; its names
// show from their beginning.
void TestKeyboard::scoreCardStepsIntoTheFirstScore()
{
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(data_->dir().teams());
    teams[1].Team.Name = QStringLiteral("Scuderia Comet Racing Team of the North Downs");
    writeRecords(data_->dir().teams(), teams);
    openers()[QStringLiteral("Race_Score")](*main_, [&](QWidget* w) {
        for (const char* step : {"Forward", "Forward", "Previous"}) {
            button(w, step)->setFocus();
            press(Qt::Key_Space);
            QCOMPARE(focusName(), QStringLiteral("Team_Price"));
            QCOMPARE(box(w, "Team_Price")->selectedText(), text(w, "Team_Price"));
        }
        QCOMPARE(text(w, "Team"), teams[1].Team.Name);
        QCOMPARE(box(w, "Team")->cursorPosition(), 0);
        press(Qt::Key_7);
        click(w, "Close");
    });
    QCOMPARE(readRecords<TeamRecord>(data_->dir().raceTeams(QString()))[1].Team.Score, int16_t(7));
}

void TestKeyboard::namesTakeEightyCharacters_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("team") << "Team_Entry"
                          << "Team";
    QTest::newRow("engine") << "Team_Entry"
                            << "Engine";
    QTest::newRow("driver 1") << "Team_Entry"
                              << "Driver1";
    QTest::newRow("driver 2") << "Team_Entry"
                              << "Driver2";
    QTest::newRow("test driver") << "Test_Driver"
                                 << "Driver";
    QTest::newRow("owner") << "Entries"
                           << "Owner";
    QTest::newRow("race") << "Score"
                          << "Race";
}

void TestKeyboard::namesTakeEightyCharacters()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    openers()[window](*main_, [&](QWidget* w) {
        type(w, box.toLatin1().constData(), QString(90, u'n'));
        QCOMPARE(text(w, box.toLatin1().constData()), QString(80, u'n'));
    });
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
