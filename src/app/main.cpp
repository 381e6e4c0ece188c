#include "about/program_icon.h"
#include "data/data_dir.h"
#include "data/folder_lock.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(VELMORA_VERSION_MAJOR)
                                            .arg(VELMORA_VERSION_MINOR)
                                            .arg(VELMORA_VERSION_PATCH));
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setWindowIcon(velmora::programIcon());

    const velmora::DataDir dataDir = velmora::DataDir::ofApplication();
    // One copy at a time on a data folder: a second one says so and ends, writing nothing.
    velmora::FolderLock lock;
    QString error;
    if (!lock.acquire(dataDir.path(), &error)) {
        velmora::Messages::error(nullptr, error);
        return 1;
    }

    velmora::Main window(dataDir);
    if (!window.loaded())
        return 1;
    window.show();
    return QApplication::exec();
}
