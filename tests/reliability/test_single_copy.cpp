// The real program started twice on one data folder (the folder that holds it): the
// second copy says so and writes nothing while the first runs on; once the first has
// ended, however it ended, the folder is free again.

#include "season.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

// Waits until the process has written `text` to its error output, or the time is up.
bool waitForError(QProcess& p, const QByteArray& text, int ms, QByteArray* seen)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        p.waitForReadyRead(50);
        *seen += p.readAllStandardError();
        if (seen->contains(text))
            return true;
        if (p.state() == QProcess::NotRunning && !p.bytesAvailable())
            break;
    }
    *seen += p.readAllStandardError();
    return seen->contains(text);
}

bool waitForFile(const QString& path, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !QFile::exists(path))
        QTest::qWait(20);
    return QFile::exists(path);
}

void stop(QProcess& p)
{
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(5000);
    }
}

// A started copy, killed when the test leaves it, also on a failed check.
struct Copy : QProcess {
    ~Copy() override { stop(*this); }
};

} // namespace

class TestSingleCopy : public QObject {
    Q_OBJECT
private slots:
    void secondCopyWritesNothing();
};

void TestSingleCopy::secondCopyWritesNothing()
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("velmora"));
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_PROGRAM), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const DataDir dir(folder.path());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    auto start = [&](Copy& p) {
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QDir::tempPath()); // the data folder is the program's own
        p.start(program, {});
        QVERIFY(p.waitForStarted(5000));
    };

    // The first copy starts on an empty folder: its league table creates entry.tro.
    Copy first;
    start(first);
    QVERIFY(waitForFile(dir.entries(), 20000));
    writeSeason(dir); // as if the organiser had worked in it
    const FolderState before = folderState(dir);

    Copy second;
    start(second);
    QByteArray said;
    QVERIFY2(waitForError(second, "already running", 20000, &said), said.constData());
    QVERIFY2(said.contains(QFile::encodeName(folder.path())), said.constData());
    // It waits on its message box, or has ended: either way it wrote nothing, and the
    // first copy runs on.
    QTest::qWait(1000);
    QCOMPARE(folderState(dir), before);
    // The data files and the program, nothing else: no scratch file either.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), before.size());
    QCOMPARE(first.state(), QProcess::Running);
    stop(second);

    // A copy that was killed holds the folder no longer.
    stop(first);
    Copy third;
    start(third);
    QByteArray thirdSaid;
    QVERIFY2(!waitForError(third, "already running", 2000, &thirdSaid), thirdSaid.constData());
    QCOMPARE(third.state(), QProcess::Running);
    QCOMPARE(folderState(dir), before);
    stop(third);
}

QTEST_MAIN(TestSingleCopy)
#include "test_single_copy.moc"
