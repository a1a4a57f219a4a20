#include "window/FatalErrorReport.h"

#include <QApplication>
#include <QString>

#include "base/TextOutput.h"

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

std::unique_ptr<QMessageBox> fatalErrorBox(std::string_view message) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Critical, QStringLiteral("lcdcrt"),
        QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    // The message quotes the user's own text: show it as it is, never as markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

int reportFatalError(std::string_view message, ReportChannel channel) {
    const int status = reportFatalErrorText(message);
    if (channel == ReportChannel::Everywhere && canShowMessageBox()) {
        fatalErrorBox(message)->exec();
    }
    return status;
}

}  // namespace lcdcrt
