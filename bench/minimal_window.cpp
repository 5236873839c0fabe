#include <QApplication>
#include <QMainWindow>

// The yardstick for start-up: the least a Qt Widgets program does to show a maximised window.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("minimal");
    window.showMaximized();
    return QApplication::exec();
}
