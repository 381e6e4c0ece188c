#include "about/program_icon.h"
#include "data/data_dir.h"
#include "main/main_window.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(VELMORA_VERSION_MAJOR)
                                            .arg(VELMORA_VERSION_MINOR)
                                            .arg(VELMORA_VERSION_PATCH));
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setWindowIcon(velmora::programIcon());

    velmora::Main window(velmora::DataDir::ofApplication());
    if (!window.loaded())
        return 1;
    window.show();
    return QApplication::exec();
}
