#include "scoring/td_score.h"

#include "data/text.h"
#include "toolkit/accessibility.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TD_Score::TD_Score(const DataDir& dataDir, const QString& race, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), race_(race)
{
    setObjectName(QStringLiteral("TD_Score"));
    setWindowTitle(QStringLiteral("Test Driver Score Card"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(4485, 1905));

    Number = new QLineEdit(QStringLiteral("1"), this);
    Number->setObjectName(QStringLiteral("Number"));
    Number->setEnabled(false);
    Number->setAlignment(Qt::AlignRight);
    Number->setAccessibleName(QStringLiteral("Entry number"));
    place(Number, 1260, 120, 690, 285);

    Label3 = new QLabel(QStringLiteral("Driver:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeCaption(Label3, 105, 675, 1050, 225);
    Driver = new QComboBox(this);
    Driver->setObjectName(QStringLiteral("Driver"));
    place(Driver, 1260, 630, 1935, 315);
    labelFor(Label3, Driver);

    Label5 = new QLabel(QStringLiteral("Score"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    place(Label5, 3390, 375, 960, 225);
    Price = new QLineEdit(this);
    Price->setObjectName(QStringLiteral("Price"));
    Price->setAlignment(Qt::AlignHCenter);
    place(Price, 3390, 645, 960, 285);
    labelFor(Label5, Price);

    New = new QPushButton(QStringLiteral("New"), this);
    New->setObjectName(QStringLiteral("New"));
    place(New, 1260, 1380, 840, 345);
    Close = new QPushButton(QStringLiteral("Finish"), this);
    Close->setObjectName(QStringLiteral("Close"));
    place(Close, 2355, 1380, 840, 345);
    enterPresses({New, Close});
    connect(New, &QPushButton::clicked, this, &TD_Score::New_Click);
    connect(Close, &QPushButton::clicked, this, &TD_Score::Close_Click);

    setTabOrder(Driver, Price);
    setTabOrder(Price, New);
    setTabOrder(New, Close);

    Form_Load();
    Driver->setFocus();
}

void TD_Score::Form_Load()
{
    QString error;
    if (!testDrivers_.open(dataDir_.testDrivers(), TestDriverRecord::Length, &error)
        || !raceTestDrivers_.open(dataDir_.raceTestDrivers(race_), TestDriverRecord::Length,
                                  &error)) {
        Messages::error(this, error);
        New->setEnabled(false);
        Close->setEnabled(false);
        return;
    }
    for (const TestDriverRecord& d : testDrivers_.readAll<TestDriverRecord>(&error))
        Driver->addItem(displayText(d.Name));
    if (!error.isEmpty())
        Messages::error(this, error);
    Driver->setCurrentIndex(-1);
}

bool TD_Score::storeEntry()
{
    const qint64 n = recordNumber(Number->text());
    record_.Name = fieldText(Driver->currentText());
    record_.Score = toInteger(readNumber(Price->text()));
    QString error;
    if (!raceTestDrivers_.write(n, record_, &error)) {
        Messages::error(this, error);
        return false;
    }
    return true;
}

void TD_Score::New_Click()
{
    if (!storeEntry())
        return;
    Number->setText(recordNumberText(recordNumber(Number->text()) + 1));
    Driver->setCurrentIndex(-1);
    Price->clear();
    Driver->setFocus();
}

void TD_Score::Close_Click()
{
    if (!storeEntry())
        return;  // stays open: the entry on the screen is not lost
    hide();
    Form_QueryUnload();
    accept();
}

void TD_Score::Form_QueryUnload()
{
    testDrivers_.close();
    raceTestDrivers_.close();
}

// Esc does nothing: the card has no cancel button, and typed points are not to be lost
// by a habit. The close box leaves without storing.
void TD_Score::reject() {}

void TD_Score::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    done(QDialog::Rejected);
    event->accept();
}

}  // namespace velmora
