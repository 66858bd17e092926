// The yardstick of the startup script: the least a Qt Widgets program does
// to show an empty main window.

#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(773, 550);
    window.show();
    return app.exec();
}
