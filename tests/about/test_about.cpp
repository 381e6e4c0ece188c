#include "about/frm_about.h"
#include "about/program_icon.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

QList<frmAbout*> aboutBoxes()
{
    QList<frmAbout*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<frmAbout*>(w); a && a->isVisible())
            found.append(a);
    return found;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textsAndPlaces();
    void etchedSeparator();
    void okEnterEscAndCloseBoxDiscardIt_data();
    void okEnterEscAndCloseBoxDiscardIt();
    void menuShowsOneModelessAboutBox();
    void iconIsDrawnAtEverySize();

    void noWindowLeftOpen();
};

void TestAbout::initTestCase()
{
    // The program's font (offscreen, Sans Serif resolves to DejaVu Sans).
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}

void TestAbout::textsAndPlaces()
{
    frmAbout about;
    auto* lblTitle = control<QLabel>(&about, "lblTitle");
    auto* lblVersion = control<QLabel>(&about, "lblVersion");
    auto* lblDescription = control<QLabel>(&about, "lblDescription");
    auto* lblDisclaimer = control<QLabel>(&about, "lblDisclaimer");
    auto* picIcon = control<QLabel>(&about, "picIcon");
    QPushButton* cmdOK = button(&about, "cmdOK");
    QCOMPARE(about.windowTitle(), QStringLiteral("About Velmora"));
    QCOMPARE(lblTitle->text(), QStringLiteral("Velmora"));
    QCOMPARE(lblVersion->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(lblDescription->text(),
             QStringLiteral("Competition management tool for Windows 95/NT4."));
    QVERIFY(lblDisclaimer->text().size() > 40);
    QCOMPARE(cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(cmdOK->isDefault());
    QVERIFY(!about.isModal());
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QCOMPARE(about.size(), twipsSize(5730, 3120));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(cmdOK->geometry(), twipsRect(4335, 2220, 1260, 345));
    QCOMPARE(picIcon->geometry(), twipsRect(240, 240, 540, 540));
    QCOMPARE(lblTitle->geometry(), twipsRect(1050, 240, 3885, 240));
    QCOMPARE(lblVersion->geometry(), twipsRect(1050, 600, 3885, 225));
    QCOMPARE(lblDescription->geometry(), twipsRect(1050, 960, 3765, 570));
    QCOMPARE(lblDisclaimer->geometry(), twipsRect(240, 1920, 3870, 1020));
    QCOMPARE(picIcon->pixmap().size(), QSize(32, 32));

    // The wrapped texts fit their labels at the program's font.
    for (QLabel* l : {lblDescription, lblDisclaimer})
        QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
}

void TestAbout::etchedSeparator()
{
    frmAbout about;
    about.show();
    const QImage shot = about.grab().toImage();
    // Grey at 1680 twips (pixel row 112), white on the two rows below, across the window.
    for (int x : {10, 190, 370}) {
        QCOMPARE(shot.pixelColor(x, 112), QColor(128, 128, 128));
        QCOMPARE(shot.pixelColor(x, 113), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(x, 114), QColor(Qt::white));
        QVERIFY(shot.pixelColor(x, 111) != QColor(128, 128, 128));
    }
}

void TestAbout::okEnterEscAndCloseBoxDiscardIt_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Esc") << 2;
    QTest::newRow("close box") << 3;
}

void TestAbout::okEnterEscAndCloseBoxDiscardIt()
{
    QFETCH(int, how);
    QPointer<frmAbout> about(new frmAbout);
    about->show();
    switch (how) {
    case 0:
        click(about, "cmdOK");
        break;
    case 1:
        QTest::keyClick(button(about, "cmdOK"), Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(button(about, "cmdOK"), Qt::Key_Escape);
        break;
    default:
        about->close();
        break;
    }
    QVERIFY(!about || !about->isVisible());
    QTRY_VERIFY(about.isNull());
}

void TestAbout::menuShowsOneModelessAboutBox()
{
    TempData data;
    Main main(data.dir());
    main.show();
    QAction* helpAbout = menuItem(&main, "Help_About");
    helpAbout->trigger();
    QCOMPARE(aboutBoxes().size(), 1);
    frmAbout* first = aboutBoxes().first();
    QVERIFY(!QApplication::activeModalWidget());
    helpAbout->trigger();
    QCOMPARE(aboutBoxes().size(), 1);
    QCOMPARE(aboutBoxes().first(), first);

    // Closed, it comes back new.
    QPointer<frmAbout> gone(first);
    click(first, "cmdOK");
    QTRY_VERIFY(gone.isNull());
    helpAbout->trigger();
    QCOMPARE(aboutBoxes().size(), 1);
    QCOMPARE(control<QLabel>(aboutBoxes().first(), "lblVersion")->text(),
             QStringLiteral("Version 1.0.0"));
    main.hide();
    delete aboutBoxes().first();
}

void TestAbout::iconIsDrawnAtEverySize()
{
    for (int size : {16, 32, 48, 256}) {
        const QImage image = programIconImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        // Transparent corners around an opaque body, with the flag's black and white.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(size / 2, size - size / 8).alpha(), 255);
        bool dark = false, light = false;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                dark = dark || (c.alpha() == 255 && c.lightness() < 40);
                light = light || (c.alpha() == 255 && c.lightness() > 235);
            }
        QVERIFY(dark && light);
    }
    QVERIFY(programIcon().availableSizes().contains(QSize(32, 32)));
}

void TestAbout::noWindowLeftOpen()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
