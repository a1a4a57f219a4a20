#include "window/Form1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <exception>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "base/ExitStatus.h"
#include "base/Translation.h"
#include "controller/DisplayController.h"
#include "controller/PortSequence.h"
#include "profiles/LeadingNumber.h"
#include "profiles/PanelWord.h"
#include "profiles/RegisterTable.h"
#include "window/Appearance.h"
#include "window/ButtonKeys.h"
#include "window/FatalErrorReport.h"
#include "window/Layout.h"

namespace lcdcrt {

namespace {

const QString kTitleNone = QStringLiteral(" ");
const QString kTitleLcd = QStringLiteral("LCD_T");
const QString kTitleCrt = QStringLiteral("CRT");

}  // namespace

Form1::Form1(PortLibrary& ports, std::string commandLine)
    : Command1(new QPushButton(QStringLiteral("LCD>CRT>(&7)"), this)),
      Command2(new QPushButton(QStringLiteral("END (&6)"), this)),
      ports_(ports),
      commandLine_(std::move(commandLine)),
      left_(kFormClientArea.left),
      top_(kFormClientArea.top) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitleNone);
    setWindowIcon(programIcon());
    // Its size is fixed: the window asks for minimise and close buttons, and no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(kFormClientArea).size());
    applyPosition();
    auto* const buttonKeys = new ButtonKeys(this);
    for (auto [button, name, rect] :
         {std::tuple{Command1, "Command1", kCommand1Rect}, {Command2, "Command2", kCommand2Rect}}) {
        button->setObjectName(QLatin1String(name));
        button->setGeometry(twipsToPixels(rect));
        button->setFont(buttonFont());
        button->setAutoDefault(false);
        button->installEventFilter(buttonKeys);
    }
    setTabOrder(Command1, Command2);  // and so Command1 has the focus first
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Form_Load() {
    runHandler([this] {
        if (!probeController(ports_)) {
            end(kExitControllerAbsent);
            return;
        }
        centre();
        Command1_Click();
    });
}

void Form1::Command1_Click() {
    runHandler([this] {
        const QString title = windowTitle();
        if (title == kTitleNone) {
            SwitchToLcd();
            setWindowTitle(kTitleLcd);
            setWindowState(windowState() | Qt::WindowMinimized);
        } else if (title == kTitleCrt) {
            SwitchToLcd();
            setWindowTitle(kTitleLcd);
        } else if (title == kTitleLcd) {
            SwitchToCrt();
            setWindowTitle(kTitleCrt);
        }
    });
}

void Form1::Command2_Click() {
    runHandler([this] { end(kExitEnded); });
}

void Form1::SwitchToLcd() {
    // The panel value goes through the tag as text and is read back from it, so the word
    // written is exactly what the text says.
    tag_ = numberToText(panelValue(commandLine_));
    writeRegisterTable(ports_, lcdTable(panelWord(tag_, commandLine_)));
}

void Form1::SwitchToCrt() {
    writeRegisterTable(ports_, crtTable());
}

void Form1::centre() {
    const float screenWidth = pixelsToTwips(screen()->geometry().width());
    const float screenHeight = pixelsToTwips(screen()->geometry().height());
    setLeft((screenWidth - outerWidth()) / 2);
    setTop((screenHeight - outerHeight()) / 2);
}

// The load handler centres the window by its inner size: the window manager frames it
// only later. The first time the window shows, framed, before the user can have moved it,
// centre it again by its outer size. Not while it is minimised: a move then restores it.
void Form1::centreInFrame() {
    if (!centredInFrame_ && !isMinimized() && frameGeometry().size() != size()) {
        centredInFrame_ = true;
        centre();
    }
}

void Form1::moveEvent(QMoveEvent* event) {
    centreInFrame();
    QWidget::moveEvent(event);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        centreInFrame();
    }
    QWidget::changeEvent(event);
}

float Form1::outerWidth() const {
    return pixelsToTwips(frameGeometry().width());
}

float Form1::outerHeight() const {
    return pixelsToTwips(frameGeometry().height());
}

void Form1::setLeft(float twips) {
    left_ = twips;
    applyPosition();
}

void Form1::setTop(float twips) {
    top_ = twips;
    applyPosition();
}

// The twips stay exact; the window itself can only stand on whole pixels.
void Form1::applyPosition() {
    move(twipsToPixels(left_), twipsToPixels(top_));
}

// Handlers run from the event loop must not let an exception reach it; this is where
// every error of a handler ends. Each handler's accesses form one sequence on the
// controller. Once the program has ended, no handler runs again.
template <typename Handler>
void Form1::runHandler(Handler&& handler) {
    if (endStatus_) {
        return;
    }
    // A handler called by another (the load handler's switch) is part of that one's
    // sequence, and its error that one's to report.
    if (inHandler_) {
        handler();
        return;
    }
    std::optional<std::string> error;
    inHandler_ = true;
    try {
        PortSequence sequence(ports_);
        handler();
        sequence.finish();
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = lcdcrt::tr("unexpected error");
    }
    inHandler_ = false;
    // Reported once the sequence has let the controller go: the box waits for the user.
    if (error) {
        end(reportFatalError(*error));
    }
}

void Form1::end(int status) {
    if (endStatus_) {
        return;
    }
    endStatus_ = status;
    QCoreApplication::exit(status);
}

}  // namespace lcdcrt
