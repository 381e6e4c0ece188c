// velmora_export_icon <folder>: the program icon as PNG files, one per size.
#include "about/program_icon.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QDir(folder).filePath(QStringLiteral("velmora-%1.png").arg(size));
        if (!velmora::programIconImage(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
