#include "about/frm_about.h"

#include "about/program_icon.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace velmora {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, bool black)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (black) {
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(palette);
    }
    return l;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Velmora"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(5730, 3120));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    place(cmdOK, 4335, 2220, 1260, 345);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QStringLiteral("Velmora icon"));
    place(picIcon, 240, 240, 540, 540);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(programIcon().pixmap(32, 32));

    lblDescription = label(this, "lblDescription",
                           QStringLiteral("Competition management tool for Windows 95/NT4."),
                           true);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblDescription, 1050, 960, 3765, 570);

    lblDisclaimer = label(this, "lblDisclaimer",
                          QStringLiteral("Warning: this program belongs to its author. Copying "
                                         "it, or passing it on to anyone, in whole or in part, "
                                         "without the author's written permission is "
                                         "forbidden and will be prosecuted."),
                          true);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblDisclaimer, 240, 1920, 3870, 1020);

    lblTitle = label(this, "lblTitle", QStringLiteral("Velmora"), true);
    place(lblTitle, 1050, 240, 3885, 240);

    lblVersion = label(this, "lblVersion", QStringLiteral("Version"), false);
    place(lblVersion, 1050, 600, 3885, 225);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VELMORA_VERSION_MAJOR)
                            .arg(VELMORA_VERSION_MINOR)
                            .arg(VELMORA_VERSION_PATCH));
}

void frmAbout::cmdOK_Click()
{
    hide();
    deleteLater();
}

// Esc and the close box press OK.
void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // A grey line with a white one two pixels wide just below it: an etched groove.
    QPainter p(this);
    const QRect grey = twipsRect(120, 1680, 5684 - 120, 15);
    const QRect white = twipsRect(120, 1695, 5669 - 120, 30);
    p.fillRect(grey, QColor(128, 128, 128));
    p.fillRect(white, Qt::white);
}

}  // namespace velmora
