// The yardstick for start-up: the least a Qt Widgets program does to put one full-screen window on the
// screen, with nothing of the game in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.showFullScreen();
    return application.exec();
}
