// Clicks the toggle button of the real window on the real ports. It runs only inside
// the emulated-x86 guest, where run-guest records and checks every port access.
#include <unistd.h>
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <string>

#include "controller/HardwarePorts.h"
#include "controller/Module1.h"
#include "window/Form1.h"

namespace {

// Only the guest's kernel command line carries this word: on any other machine the
// port writes below would reach whatever hardware sits at 0x3D6.
bool insideGuest() {
    std::ifstream commandLine("/proc/cmdline");
    std::string word;
    while (commandLine >> word) {
        if (word == "lcdcrt.guest=1")
            return true;
    }
    return false;
}

class Form1ClickTest : public QObject {
    Q_OBJECT

  public:
    explicit Form1ClickTest(lcdcrt::PortLibrary& ports) : ports_(ports) {}

  private slots:
    void togglesLcdCrtLcd() {
        lcdcrt::Form1 form(ports_, "");
        form.Form_Load();
        QVERIFY(!form.endStatus());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("LCD_T"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(form.windowTitle(), QStringLiteral("CRT"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(form.windowTitle(), QStringLiteral("LCD_T"));
    }

  private:
    lcdcrt::PortLibrary& ports_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!insideGuest()) {
        std::fputs("refusing to touch ports outside the emulated-x86 guest\n", stderr);
        return 1;
    }
    // As lcdcrt's main does: ports first, capabilities gone before Qt starts.
    lcdcrt::Module1 ports(lcdcrt::bindHardwarePorts(lcdcrt::acquirePortAccess()));
    QApplication app(argc, argv);
    Form1ClickTest test(ports);
    dup2(STDERR_FILENO, STDOUT_FILENO);  // the guest reports stderr: the test log goes there
    return QTest::qExec(&test, argc, argv);
}

#include "Form1ClickTest.moc"
