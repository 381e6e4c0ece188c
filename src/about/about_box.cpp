#include "about/about_box.h"

#include "about/program_icon.h"
#include "data/version.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace velmora {

AboutBox::AboutBox(QWidget* parent)
    : FixedWindow(parent, "frmAbout", tr("About Velmora"), 5730, 3120)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* ok = addButton(this, "cmdOK", tr("&OK"), {4335, 2220, 1260, 345});
    // Enter and Esc both press OK.
    ok->setDefault(true);
    setCancelButton(ok);
    connect(ok, &QPushButton::clicked, this, &AboutBox::onOkClicked);

    auto* icon = addLabel(this, "picIcon", QString(), {240, 240, 540, 540}, nullptr,
                          Qt::AlignLeft | Qt::AlignTop);
    icon->setAccessibleName(tr("Velmora icon"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    auto text = [this](const char* name, const QString& caption, Twips at) {
        QLabel* label = addLabel(this, name, caption, at, nullptr, Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        place(label, at.left, at.top, at.width, at.height); // wrapped within its place
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
        return label;
    };
    text("lblDescription", tr("Competition management tool for Windows 95/NT4."),
         {1050, 960, 3765, 570});
    text("lblDisclaimer",
         tr("Warning: this program belongs to its author. Copying it or passing it on, "
            "in whole or in part, without the author's written permission is "
            "forbidden."),
         {240, 1920, 3870, 1020});
    text("lblTitle", QStringLiteral("Velmora"), {1050, 240, 3885, 240});
    QLabel* version =
        addLabel(this, "lblVersion", tr("Version"), {1050, 600, 3885, 225}, nullptr, Qt::AlignLeft);
    setTabOrder({ok});
    version->setText(tr("Version %1").arg(versionText()));
}

void AboutBox::onOkClicked()
{
    close();
}

void AboutBox::paintEvent(QPaintEvent* event)
{
    FixedWindow::paintEvent(event);
    // A grey line with a white one two pixels wide just below it: an etched groove.
    QPainter p(this);
    p.fillRect(twipsRect(120, 1680, 5684 - 120, 15), QColor(128, 128, 128));
    p.fillRect(twipsRect(120, 1695, 5669 - 120, 30), Qt::white);
}

} // namespace velmora
