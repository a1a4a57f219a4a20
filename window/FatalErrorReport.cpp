#include "window/FatalErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdio>

#include "window/ExitStatus.h"

namespace lcdcrt {

namespace {

// A box needs a running GUI on a screen someone can see; offscreen and minimal
// platforms have none, and a box there would only block.
bool canShowMessageBox() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

int reportFatalError(std::string_view message, ReportChannel channel) {
    std::fprintf(stderr, "lcdcrt: %.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
    if (channel == ReportChannel::Everywhere && canShowMessageBox()) {
        QMessageBox::critical(
            nullptr, QStringLiteral("lcdcrt"),
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    }
    return kExitFatal;
}

}  // namespace lcdcrt
