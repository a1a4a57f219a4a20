#include "window/Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "base/ExitStatus.h"
#include "base/Translation.h"
#include "base/Version.h"
#include "window/FatalErrorReport.h"
#include "window/Form1.h"

namespace lcdcrt {

namespace {

bool isSet(const char* variable) {
    return !qEnvironmentVariableIsEmpty(variable);
}

// Wayland lets no client place its own window, and the window centres itself: where
// XWayland is there and the user chose no platform, use it.
void preferXWayland() {
    if (!isSet("QT_QPA_PLATFORM") && isSet("WAYLAND_DISPLAY") && isSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

bool displayReachable() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

// Qt ends the process itself when it cannot start its platform; make that end the way
// every other fatal error does. Nothing of the window system can be trusted by then.
void reportQtFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        const std::string text =
            formatted(tr("the window system failed: %s"), message.toStdString().c_str());
        std::_Exit(reportFatalError(text, ReportChannel::TextOnly));
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int runProgram(const char* programName, std::string commandLine, PortLibrary& ports) {
    preferXWayland();
    if (!displayReachable()) {
        return reportFatalError(
            tr("no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
               "to run without one, set QT_QPA_PLATFORM=offscreen"));
    }
    qInstallMessageHandler(reportQtFatal);

    // Qt gets the program name only: the user's text is the panel parameter, never a Qt
    // option.
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(programName), nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("lcdcrt"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    // Qt's own texts, such as the message box's button, in the user's language.
    QTranslator qtTexts;
    if (QLocale().language() != QLocale::English && QLocale().language() != QLocale::C &&
        qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    Form1 form(ports, std::move(commandLine));
    form.Form_Load();
    if (const auto status = form.endStatus()) {
        return *status;
    }
    form.show();
    return QApplication::exec();
}

}  // namespace lcdcrt
