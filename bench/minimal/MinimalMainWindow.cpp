// The yardstick of the start benchmark: a plain Qt program that shows a main window with a menu,
// a text and a status bar, writes one byte to the descriptor given as its argument when the window
// shows, and exits.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <string>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    const int fd = std::stoi(argv[1]);
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Plik"))->addAction(QStringLiteral("Zamknij"));
    window.setCentralWidget(new QLabel(QStringLiteral("Quorvanta")));
    window.statusBar()->showMessage(QStringLiteral("Gotowy"));
    window.resize(1600, 1000);
    window.show();
    while (!window.isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    const char shown = 1;
    return ::write(fd, &shown, 1) == 1 ? 0 : 3;
}
