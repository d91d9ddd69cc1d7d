// The yardstick of the start-up benchmark: a bare Qt Widgets window,
// started the way the program is started.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare window"), &window));
    window.show();
    return QApplication::exec();
}
