#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>

// What any Qt program with lcdcrt's window has to do at start: an application given only
// the program name, a 128 x 81 window and its two buttons. It ends where lcdcrt-sim's dry
// run ends, with the window set up and not yet shown, and the way it ends, tearing nothing
// down.
int main(int /*argc*/, char** argv) {
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QWidget window;
    auto* toggle = new QPushButton(QStringLiteral("LCD>CRT>(&7)"), &window);
    auto* end = new QPushButton(QStringLiteral("END (&6)"), &window);
    window.setFixedSize(128, 81);
    toggle->setGeometry(8, 8, 113, 33);
    end->setGeometry(8, 48, 113, 25);
    std::_Exit(0);
}
