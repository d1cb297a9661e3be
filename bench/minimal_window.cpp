// The reference of the start-up figures (bench/startup_time.sh): the least a Qt program does to
// show a main window, a QMainWindow with a label, built from the same Qt as the program.
//
//   minimal_window TITLE
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Minimal"));
    window.setCentralWidget(new QLabel(QStringLiteral("Fortunix"), &window));
    window.show();
    return QApplication::exec();
}
