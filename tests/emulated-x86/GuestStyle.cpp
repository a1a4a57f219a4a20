// A Qt style plugin that the emulated-x86 scenarios load into the window process with
// QT_PLUGIN_PATH and QT_STYLE_OVERRIDE=lcdcrt-guest. Inside the guest only (its marker on the
// kernel command line), it writes 0xBEEF to port 0x3D6 under whatever grant the process has
// and tells on stderr whether that faulted; sends the port keeper the requests that
// LCDCRT_GUEST_KEEPER lists (B,P,C: one packet each, before the window's own) and tells its
// answers; then, once the event loop runs, clicks Form1's buttons as LCDCRT_GUEST_CLICKS
// lists them (1,2: Command1, Command2; T: SIGTERM to the window, P: SIGTERM to its parent,
// lcdcrt, each as by kill).
#include <sys/io.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QTimer>
#include <csetjmp>
#include <csignal>
#include <cstdio>

namespace {

sigjmp_buf fault;

bool insideGuest() {
    QFile commandLine(QStringLiteral("/proc/cmdline"));
    return commandLine.open(QIODevice::ReadOnly) &&
           commandLine.readAll().simplified().split(' ').contains("lcdcrt.guest=1");
}

// Without a grant, the kernel answers the write with SIGSEGV.
const char* writeForeignWord() {
    struct sigaction catcher = {}, previous = {};
    catcher.sa_handler = [](int) { siglongjmp(fault, 1); };
    sigaction(SIGSEGV, &catcher, &previous);
    volatile bool faulted = true;
    if (sigsetjmp(fault, 1) == 0) {
        outw(0xBEEF, 0x3D6);
        faulted = false;
    }
    sigaction(SIGSEGV, &previous, nullptr);
    return faulted ? "faulted" : "went through";
}

// The keeper's socket is the one sequenced-packet socket the window holds.
QString askKeeper(const QStringList& requests) {
    int keeper = 3;
    for (int type = 0; keeper < 64; ++keeper) {
        socklen_t size = sizeof type;
        if (getsockopt(keeper, SOL_SOCKET, SO_TYPE, &type, &size) == 0 && type == SOCK_SEQPACKET) {
            break;
        }
    }
    QString answers;
    for (const QString& request : requests) {
        char answer[512] = "";
        send(keeper, request.toLatin1().constData(), 1, 0);
        recv(keeper, answer, sizeof answer, 0);
        answers += u' ' + request + u':' + QLatin1Char(answer[0]);
    }
    return answers;
}

void click(const QStringList& buttons) {
    for (QWidget* const form : QApplication::topLevelWidgets()) {
        for (const QString& button : form->objectName() == u"Form1" ? buttons : QStringList()) {
            if (button == u"T" || button == u"P") {
                kill(button == u"T" ? getpid() : getppid(), SIGTERM);
            } else {
                form->findChild<QPushButton*>(QLatin1String("Command") + button)->click();
            }
        }
    }
}

}  // namespace

class GuestStyle : public QStylePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "GuestStyle.json")

  public:
    QStyle* create(const QString&) override {
        if (insideGuest()) {
            std::fprintf(stderr, "lcdcrt-guest-style: outw 0xbeef to 0x3d6 %s\n",
                         writeForeignWord());
            const QStringList requests =
                qEnvironmentVariable("LCDCRT_GUEST_KEEPER").split(u',', Qt::SkipEmptyParts);
            if (!requests.isEmpty()) {
                std::fprintf(stderr, "lcdcrt-guest-style: the keeper answered%s\n",
                             qPrintable(askKeeper(requests)));
            }
            const QString clicks = qEnvironmentVariable("LCDCRT_GUEST_CLICKS");
            QTimer::singleShot(0, qApp,
                               [clicks] { click(clicks.split(u',', Qt::SkipEmptyParts)); });
        }
        return QStyleFactory::create(QStringLiteral("Fusion"));
    }
};

#include "GuestStyle.moc"
