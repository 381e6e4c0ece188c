#include "databases/test_driver.h"

#include "data/text.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Test_Driver::Test_Driver(const DataDir& dataDir, Team_Viewer* viewer, QWidget* parent)
    : RecordEditor(dataDir, viewer, dataDir.testDrivers(), TestDriverRecord::Length, parent)
{
    setObjectName(QStringLiteral("Test_Driver"));
    setWindowTitle(QStringLiteral("Test Driver Database"));
    setFixedSize(twipsSize(4410, 1335));

    Driver = new QLineEdit(this);
    Driver->setObjectName(QStringLiteral("Driver"));
    place(Driver, 945, 420, 1935, 285);

    // A record saved before any record was shown, the box untouched, gets the price 1.
    Price = new QLineEdit(QStringLiteral("1"), this);
    Price->setObjectName(QStringLiteral("Price"));
    Price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Price->setAccessibleName(QStringLiteral("Price"));
    place(Price, 3075, 420, 960, 285);

    place(New, 60, 870, 720, 345);
    place(Previous, 840, 870, 840, 345);
    place(Forward, 1755, 870, 840, 345);
    place(Delete, 2655, 870, 840, 345);
    place(Close, 3570, 870, 765, 345);
    place(Number, 945, 30, 690, 285);

    Label6 = addLabel("Label6", QStringLiteral("Number:"), Number, 195, 60, 645, 225);
    Label5 =
        addLabel("Label5", QStringLiteral("Price (\u00a3millions)"), Price, 3000, 60, 1110, 225);
    Label3 = addLabel("Label3", QStringLiteral("Driver:"), Driver, 345, 450, 495, 225);
    Number->setAccessibleName(QStringLiteral("Number"));
    Driver->setAccessibleName(QStringLiteral("Driver"));

    chainTabs({Driver, Price, New, Previous, Forward, Delete, Close, Number});

    Form_Load();
}

void Test_Driver::showRecord(const QByteArray& record)
{
    record_ = record.isEmpty() ? TestDriverRecord{} : TestDriverRecord::decode(record.constData());
    Driver->setText(displayText(record_.Name));
    Price->setText(numberText(int(record_.Price)));
}

QByteArray Test_Driver::takeShown()
{
    record_.Name = fieldText(Driver->text());
    record_.Price = toInteger(readNumber(Price->text()));
    return record_.encode();
}

QWidget* Test_Driver::firstBox() const
{
    return Driver;
}

void Test_Driver::clearBoxes()
{
    Driver->clear();
    Price->clear();
}

} // namespace velmora
