// The start-up baseline: a Qt window with one button that leaves as soon as
// it is shown. KOVA's start-up is measured against this program, so it does
// no more than any Qt Widgets program must.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QPushButton button("Exit");
    button.show();
    QTimer::singleShot(0, &button, [] { QApplication::quit(); });
    return QApplication::exec();
}
