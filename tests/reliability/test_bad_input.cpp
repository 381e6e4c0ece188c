// Bad input pasted into every box whose text goes into a file: 10,000 characters, control
// characters, characters outside Windows-1252, huge and tiny numbers, exponents and hex,
// race names that look like paths. Nothing may crash, every stored value must be one the
// field can hold (cut to 80, '?' for what the code page lacks, numbers clamped), and
// every file must stay whole records.

#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "data/text.h"
#include "databases/entries.h"
#include "databases/team_entry.h"
#include "databases/test_driver.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "scoring/race_score.h"
#include "scoring/score.h"
#include "scoring/td_score.h"
#include "season.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

// Pastes text over the box's whole text, as a user does with Ctrl+A, Ctrl+V.
void paste(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->selectAll();
    box->paste();
}

QString repeated(const QString& s, int n)
{
    return s.repeated(n);
}

// A box of a window, where the window stores it, and how to read it back.
struct Box {
    const char* name;
    std::function<QDialog*(const DataDir&)> open;
    std::function<QLineEdit*(QDialog*)> box;
    std::function<void(QDialog*)> store;
    QString file;
    int recordLength;
    // A Single field (else an Integer), for number boxes.
    bool single;
    // The stored value of record 1, as text (names) or number.
    std::function<QString(const QByteArray&)> text;
    std::function<double(const QByteArray&)> number;
};

template <class W> std::function<QDialog*(const DataDir&)> editorOf()
{
    return [](const DataDir& d) { return new W(d, nullptr); };
}

QDialog* entryEditor(const DataDir& d)
{
    return new Entries(d, 1, nullptr);
}

void pressClose(QDialog* w)
{
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Close")), Qt::LeftButton);
}

std::function<QLineEdit*(QDialog*)> named(const char* name)
{
    return [name](QDialog* w) { return box(w, name); };
}

QList<Box> nameBoxes()
{
    QList<Box> list;
    const char* names[] = {"Team", "Engine", "Driver1", "Driver2"};
    const char* labels[] = {"team name", "engine name", "driver 1 name", "driver 2 name"};
    for (int s = 0; s < 4; ++s)
        list.append({labels[s],
                     editorOf<Team_Entry>(),
                     named(names[s]),
                     pressClose,
                     QStringLiteral("teams.tro"),
                     TeamRecord::Length,
                     false,
                     [s](const QByteArray& r) {
                         return displayText(ComponentSlot::decodeFrom(r.constData() + 86 * s).Name);
                     },
                     {}});
    list.append({"test-driver name",
                 editorOf<Test_Driver>(),
                 named("Driver"),
                 pressClose,
                 QStringLiteral("test.tro"),
                 TestDriverRecord::Length,
                 false,
                 [](const QByteArray& r) {
                     return displayText(TestDriverRecord::decode(r.constData()).Name);
                 },
                 {}});
    list.append(
        {"owner",
         entryEditor,
         named("Owner"),
         pressClose,
         QStringLiteral("entry.tro"),
         EntryRecord::Length,
         false,
         [](const QByteArray& r) { return displayText(EntryRecord::decode(r.constData()).Owner); },
         {}});
    return list;
}

QList<Box> numberBoxes()
{
    QList<Box> list;
    const char* boxes[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
    const char* priceLabels[] = {"team price", "engine price", "driver 1 price", "driver 2 price"};
    const char* scoreLabels[] = {"team race score", "engine race score", "driver 1 race score",
                                 "driver 2 race score"};
    for (int s = 0; s < 4; ++s) {
        auto slotField = [s](int offset) {
            return [s, offset](const QByteArray& r) {
                const ComponentSlot c = ComponentSlot::decodeFrom(r.constData() + 86 * s);
                return offset == 80 ? double(c.Price) : double(c.Score);
            };
        };
        list.append({priceLabels[s],
                     editorOf<Team_Entry>(),
                     named(boxes[s]),
                     pressClose,
                     QStringLiteral("teams.tro"),
                     TeamRecord::Length,
                     true,
                     {},
                     slotField(80)});
        list.append({scoreLabels[s],
                     [](const DataDir& d) { return new Race_Score(d, QStringLiteral("Imola")); },
                     named(boxes[s]),
                     pressClose,
                     QStringLiteral("Imola.tmr"),
                     TeamRecord::Length,
                     false,
                     {},
                     slotField(84)});
    }
    list.append({"test-driver price",
                 editorOf<Test_Driver>(),
                 named("Price"),
                 pressClose,
                 QStringLiteral("test.tro"),
                 TestDriverRecord::Length,
                 false,
                 {},
                 [](const QByteArray& r) {
                     return double(TestDriverRecord::decode(r.constData()).Price);
                 }});
    list.append(
        {"entry total",
         entryEditor,
         named("Price"),
         pressClose,
         QStringLiteral("entry.tro"),
         EntryRecord::Length,
         true,
         {},
         [](const QByteArray& r) { return double(EntryRecord::decode(r.constData()).Price); }});
    list.append({"test-driver race score",
                 [](const DataDir& d) { return new TD_Score(d, QStringLiteral("Imola")); },
                 named("Price"),
                 pressClose,
                 QStringLiteral("Imola.tdr"),
                 TestDriverRecord::Length,
                 false,
                 {},
                 [](const QByteArray& r) {
                     return double(TestDriverRecord::decode(r.constData()).Score);
                 }});
    return list;
}

// Stores `typed` through the box on a fresh season and returns record 1 of the box's file;
// checks on the way that the file stayed whole records, as many as before.
QByteArray storeThrough(const Box& b, const QString& typed)
{
    TempData data;
    writeSeason(data.dir());
    const QString path = data.path(b.file);
    const qsizetype before = readBytes(path).size();
    {
        std::unique_ptr<QDialog> w(b.open(data.dir()));
        w->show();
        paste(b.box(w.get()), typed);
        b.store(w.get());
        if (w->isVisible())
            qWarning("%s: the window stayed open", b.name);
    }
    const QByteArray file = readBytes(path);
    if (file.size() != before || file.size() % b.recordLength != 0)
        qWarning("%s: %lld bytes, %lld before", b.name, qlonglong(file.size()), qlonglong(before));
    return file.size() == before ? file.left(b.recordLength) : QByteArray();
}

int tried = 0;

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Messages::collect(true); }
    void cleanup()
    {
        QCOMPARE(Messages::collected(), QStringList());
        QCOMPARE(visibleTopLevelWindows(), 0);
    }
    void names_data();
    void names();
    void numbers_data();
    void numbers();
    void raceNames_data();
    void raceNames();
    void budgets_data();
    void budgets();
    void fileTooLargeToLoad();
    void cleanupTestCase();
};

void TestBadInput::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString x80 = repeated(QStringLiteral("x"), 80);
    QTest::newRow("10,000 characters") << repeated(QStringLiteral("x"), 10000) << x80;
    QTest::newRow("blanks around") << QStringLiteral("   Ann Lee   ") << QStringLiteral("Ann Lee");
    QTest::newRow("control characters")
        << QStringLiteral("A\tB\u0001C\u001bD\u007f") << QStringLiteral("A\tB\u0001C\u001bD\u007f");
    QTest::newRow("outside the code page")
        << QStringLiteral("Zo\u00eb \u4e2d\u6587 \U0001F600 \u0100!")
        << QStringLiteral("Zo\u00eb ?? ? ?!");
    QTest::newRow("code page's own 0x80-0x9F")
        << QStringLiteral("\u20ac \u0160\u2122") << QStringLiteral("\u20ac \u0160\u2122");
    QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QStringLiteral("b")
                                << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    QTest::newRow("emoji across the 80th place")
        << repeated(QStringLiteral("x"), 79) + QStringLiteral("\U0001F600")
        << repeated(QStringLiteral("x"), 79) + QStringLiteral("?");
    QTest::newRow("10,000 euro signs")
        << repeated(QStringLiteral("\u20ac"), 10000) << repeated(QStringLiteral("\u20ac"), 80);
}

void TestBadInput::names()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    for (const Box& b : nameBoxes()) {
        const QByteArray record = storeThrough(b, typed);
        QVERIFY2(!record.isEmpty(), b.name);
        QCOMPARE(b.text(record), stored);
        ++tried;
    }
}

void TestBadInput::numbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("single");
    QTest::addColumn<double>("integer");
    const QString nines = repeated(QStringLiteral("9"), 10000);
    QTest::newRow("10,000 digits") << nines << double(FLT_MAX) << 32767.0;
    QTest::newRow("minus 10,000 digits") << u'-' + nines << double(-FLT_MAX) << -32768.0;
    QTest::newRow("past a single") << QStringLiteral("1E39") << double(FLT_MAX) << 32767.0;
    QTest::newRow("infinite") << QStringLiteral("-1D999") << double(-FLT_MAX) << -32768.0;
    QTest::newRow("tiny") << QStringLiteral("1E-50") << 0.0 << 0.0;
    QTest::newRow("half past the top") << QStringLiteral("32767.5") << 32767.5 << 32767.0;
    QTest::newRow("half below the bottom") << QStringLiteral("-32768.5") << -32768.5 << -32768.0;
    QTest::newRow("half to even") << QStringLiteral("2.5") << 2.5 << 2.0;
    QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0 << 1500.0;
    QTest::newRow("D exponent") << QStringLiteral("2d2") << 200.0 << 200.0;
    QTest::newRow("hex") << QStringLiteral("&H7FFF") << 32767.0 << 32767.0;
    QTest::newRow("hex past 16 bits") << QStringLiteral("&H8000") << 32768.0 << 32767.0;
    QTest::newRow("long hex") << QStringLiteral("&HFFFFFFFFFFFFFFFFFFFF")
                              << double(float(1208925819614629174706175.0)) << 32767.0;
    QTest::newRow("octal") << QStringLiteral("&o17") << 15.0 << 15.0;
    QTest::newRow("blanks between digits") << QStringLiteral(" 1 2 . 5 ") << 12.5 << 12.0;
    QTest::newRow("control character first") << QStringLiteral("\u000112") << 0.0 << 0.0;
    QTest::newRow("full-width digits") << QStringLiteral("\uff11\uff12") << 0.0 << 0.0;
    QTest::newRow("text") << QStringLiteral("lots") << 0.0 << 0.0;
}

void TestBadInput::numbers()
{
    QFETCH(QString, typed);
    QFETCH(double, single);
    QFETCH(double, integer);
    for (const Box& b : numberBoxes()) {
        const QByteArray record = storeThrough(b, typed);
        QVERIFY2(!record.isEmpty(), b.name);
        QCOMPARE(b.number(record), b.single ? single : integer);
        ++tried;
    }
}

void TestBadInput::raceNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("parent folder") << QStringLiteral("../evil") << QStringLiteral("../evil");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a\\b");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("..");
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral(".");
    QTest::newRow("absolute") << QStringLiteral("/etc/x") << QStringLiteral("/etc/x");
    QTest::newRow("NUL") << QStringLiteral("x") + QChar(0) + QStringLiteral("y")
                         << QStringLiteral("x") + QChar(0) + QStringLiteral("y");
    QTest::newRow("10,000 characters")
        << repeated(QStringLiteral("r"), 10000) << repeated(QStringLiteral("r"), 80);
    QTest::newRow("outside the code page")
        << QStringLiteral("\u4e2d/\U0001F600") << QStringLiteral("?/?");
}

// A race typed in the scoring window, its team card filled and finished, then Calculate:
// the calendar holds the name as stored, both race files lie inside the data folder, under
// one name that the calculation finds again, and nothing is written outside it.
void TestBadInput::raceNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QTemporaryDir outer;
    const QString folder = outer.path() + QStringLiteral("/data");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/etc")));
    const DataDir dir(folder);
    writeSeason(dir);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    {
        Score score(dir, nullptr, nullptr);
        score.show();
        paste(picker(&score, "Race")->lineEdit(), typed);
        QTimer::singleShot(0, [] {
            if (auto* card = qobject_cast<Race_Score*>(QApplication::activeModalWidget())) {
                box(card, "Team_Price")->setText(QStringLiteral("11"));
                click(card, "Close");
            }
        });
        score.Teamscore_Click();
        score.Calculate_Click();
        QVERIFY(!score.isVisible());
    }

    const std::vector<RaceName> races = readRecords<RaceName>(dir.calendar());
    QCOMPARE(races.size(), std::size_t(3));
    QCOMPARE(displayText(races.back().Name), stored);
    QCOMPARE(readBytes(dir.calendar()).size(), 3 * RaceName::Length);

    // Outside the data folder: only the folder itself; inside its "etc": nothing.
    QCOMPARE(QDir(outer.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("data")});
    QCOMPARE(QDir(folder + QStringLiteral("/etc")).entryList(QDir::Files), QStringList());
    const QStringList added = [&] {
        QStringList now = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString& f : filesBefore)
            now.removeOne(f);
        return now;
    }();
    QCOMPARE(added.size(), 2); // the race's .tmr and .tdr
    for (const QString& f : added)
        QVERIFY2(f.endsWith(QLatin1String(".tmr")) || f.endsWith(QLatin1String(".tdr")),
                 qPrintable(f));

    // The season totals took the race in: team 1's chassis scored 11 there.
    QCOMPARE(readRecords<TeamRecord>(dir.teams()).at(0).Team.Score, int16_t(10 + 0 + 11));
    QCOMPARE(readBytes(dir.raceTeams(stored)).size(), 3 * TeamRecord::Length);
    ++tried;
}

void TestBadInput::budgets_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("searches");
    QTest::newRow("10,000 digits") << repeated(QStringLiteral("9"), 10000) << true;
    QTest::newRow("infinite") << QStringLiteral("1E999") << true;
    QTest::newRow("hex") << QStringLiteral("&H1A") << true;
    QTest::newRow("tiny") << QStringLiteral("1E-50") << true;
    QTest::newRow("negative") << QStringLiteral("-5") << false;
    QTest::newRow("control characters") << QStringLiteral("\u0001\u0002") << false;
    QTest::newRow("outside the code page") << QStringLiteral("\u4e2d") << false;
    QTest::newRow("10,000 letters") << repeated(QStringLiteral("z"), 10000) << false;
}

// The budget box stores nothing, but its text is read as a number for the search: any
// text gives a result window whose teams cost at most the budget, or none at all.
void TestBadInput::budgets()
{
    QFETCH(QString, typed);
    QFETCH(bool, searches);
    TempData data;
    writeSeason(data.dir());
    const FolderState before = folderState(data.dir());
    QPointer<Calculator> result;
    {
        Calculate dialog(data.dir(), result);
        dialog.show();
        paste(box(&dialog, "Budge"), typed);
        click(&dialog, "Ok");
        QCOMPARE(dialog.isVisible(), !searches);
    }
    QCOMPARE(bool(result), searches);
    if (result) {
        const double budget = readNumber(typed);
        for (QLineEdit* price : {box(result, "Price"), box(result, "Price2")})
            QVERIFY(price->text().isEmpty() || readNumber(price->text()) <= budget);
        delete result;
    }
    QCOMPARE(folderState(data.dir()), before);
    ++tried;
}

// A data file larger than the memory the program may have: start-up names the file and
// the reason, and the program ends without aborting.
void TestBadInput::fileTooLargeToLoad()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer's own memory does not fit under an address-space limit");
#endif
    TempData data;
    QFile big(data.dir().entries());
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(3) << 30)); // sparse
    big.close();
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (rlim_t(1) << 30);
        const rlimit asLimit{limit, limit};
        ::setrlimit(RLIMIT_AS, &asLimit);
        Messages::collected().clear();
        const bool refused = !Main(data.dir()).loaded();
        const QStringList shown = Messages::collected();
        ::_exit(refused && shown.size() == 1 && shown[0].contains(data.dir().entries())
                        && shown[0].contains(QString::fromLocal8Bit(std::strerror(ENOMEM)))
                    ? 0
                    : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "start-up aborted or said nothing");
}

void TestBadInput::cleanupTestCase()
{
    qInfo("bad inputs stored through a box: %d; crashes: 0; files left with a part record: 0",
          tried);
}

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
