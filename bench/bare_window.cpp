// The yardstick of start-up: a Qt program that opens one empty window, built as velmora is.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(232, 318); // about the main window's first size
    window.show();
    return QApplication::exec();
}
