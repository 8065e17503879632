// The smallest Qt Widgets program with a main window, a menu bar and a status bar: the floor
// against which the program's start-up time and memory are compared.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &window, &QMainWindow::close);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.show();
    return app.exec();
}
