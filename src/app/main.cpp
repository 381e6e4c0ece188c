#include "about/program_icon.h"
#include "data/data_dir.h"
#include "data/folder_lock.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <new>

namespace {

// Memory running out in the middle of an action ends that action with a message, not the
// program: every file is replaced in one step, so what is on disk stays whole.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            velmora::Messages::error(nullptr, QStringLiteral("There was not enough memory to "
                                                             "finish the last action."));
            return false;
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    Application app(argc, argv);
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
        // Said on the terminal too, for a copy started from one (or with no desktop to
        // show the box on).
        std::fprintf(stderr, "%s\n", qPrintable(error));
        velmora::Messages::error(nullptr, error);
        return 1;
    }

    velmora::MainWindow window(dataDir);
    if (!window.loaded())
        return 1;
    window.show();
    return QApplication::exec();
}
