#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QTest>
#include <string>

#include "controller/SimulatedController.h"
#include "window/Form1.h"
#include "window/Layout.h"

namespace lcdcrt {
namespace {

// Shows the form and makes it the active window, which the focus and shortcuts need.
void showActive(Form1& form) {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

TEST(Form1Layout, PixelGeometryIsTheTwipsRoundedEdgeByEdge) {
    SimulatedController chip;
    Form1 form(chip, "");
    struct Case {
        const char* name;
        QRect actual;
        QRect expected;
    };
    const Case cases[] = {
        {"Form1 client area", {form.pos(), form.size()}, {24, 53, 128, 81}},
        {"Command1", form.Command1->geometry(), {8, 8, 113, 33}},
        {"Command2", form.Command2->geometry(), {8, 48, 113, 25}},
        {"halves round up", twipsToPixels(TwipsRect{7.4F, 7.5F, 22.4F, 22.6F}), {0, 1, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.actual, c.expected) << c.name;
    }
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(Form1Layout, ButtonsShowCaptionsWithAltKeysInBoldGothic) {
    SimulatedController chip;
    Form1 form(chip, "");
    struct Case {
        QPushButton* button;
        QString text;
        QKeySequence key;
    };
    const Case cases[] = {
        {form.Command1, QStringLiteral("LCD>CRT>(&7)"), QKeySequence(Qt::ALT | Qt::Key_7)},
        {form.Command2, QStringLiteral("END (&6)"), QKeySequence(Qt::ALT | Qt::Key_6)},
    };
    for (const Case& c : cases) {
        const std::string name = c.button->objectName().toStdString();
        EXPECT_EQ(c.button->text(), c.text) << name;
        EXPECT_EQ(QKeySequence::mnemonic(c.button->text()), c.key) << name;
        EXPECT_FALSE(c.button->isDefault() || c.button->autoDefault()) << name;

        const QFont font = c.button->font();
        EXPECT_EQ(font.families().value(0), QStringLiteral("ＭＳ Ｐゴシック")) << name;
        EXPECT_EQ(font.pointSizeF(), 11.25) << name;
        EXPECT_EQ(font.weight(), 700) << name;
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut()) << name;
        const QString face = QFontInfo(font).family();
        EXPECT_TRUE(face == font.families().value(0) || face == QStringLiteral("IPAPGothic"))
            << name << " drawn in " << face.toStdString();
    }
}

TEST(Form1Keys, FocusStartsOnCommand1AndTabsToCommand2) {
    SimulatedController chip;
    Form1 form(chip, "");
    showActive(form);
    EXPECT_EQ(QApplication::focusWidget(), form.Command1);
    QTest::keyClick(form.Command1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Command2);
    QTest::keyClick(form.Command2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Command1);
}

TEST(Form1Keys, EnterAndSpaceClickTheFocusedButtonAltDigitsTheirsEscNone) {
    struct Case {
        const char* name;
        int focused;  // 1 or 2: Command1 or Command2
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks1;
        int clicks2;
    };
    const Case cases[] = {
        {"Return on Command1", 1, Qt::Key_Return, Qt::NoModifier, 1, 0},
        {"keypad Enter on Command1", 1, Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
        {"Space on Command1", 1, Qt::Key_Space, Qt::NoModifier, 1, 0},
        {"Return on Command2", 2, Qt::Key_Return, Qt::NoModifier, 0, 1},
        {"Space on Command2", 2, Qt::Key_Space, Qt::NoModifier, 0, 1},
        {"Esc on Command1", 1, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Esc on Command2", 2, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Alt+7 on Command2", 2, Qt::Key_7, Qt::AltModifier, 1, 0},
        {"Alt+6 on Command1", 1, Qt::Key_6, Qt::AltModifier, 0, 1},
    };
    for (const Case& c : cases) {
        SimulatedController chip;
        Form1 form(chip, "");
        int clicks1 = 0;
        int clicks2 = 0;
        QObject::connect(form.Command1, &QPushButton::clicked, [&clicks1] { ++clicks1; });
        QObject::connect(form.Command2, &QPushButton::clicked, [&clicks2] { ++clicks2; });
        showActive(form);
        QPushButton* const focused = c.focused == 1 ? form.Command1 : form.Command2;
        focused->setFocus();

        QTest::keyClick(focused, c.key, c.modifiers);
        // An access key clicks after a short animation; give it, and any second click,
        // time to arrive.
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return clicks1 + clicks2 >= c.clicks1 + c.clicks2; }, 1000))
            << c.name;
        QTest::qWait(200);
        EXPECT_EQ(clicks1, c.clicks1) << c.name;
        EXPECT_EQ(clicks2, c.clicks2) << c.name;
    }
}

TEST(Form1Icon, IsThe32PixelCubesLetteredInCyanOnBlueAndWhite) {
    SimulatedController chip;
    Form1 form(chip, "");
    const QIcon icon = form.windowIcon();
    ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    const QImage image = icon.pixmap(32, 32).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_FALSE(image.hasAlphaChannel());

    struct Case {
        const char* name;
        QPoint pixel;
        QColor colour;
    };
    const QColor blue(0x00, 0x00, 0xFF);
    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor black(0x00, 0x00, 0x00);
    const QColor cyan(0x00, 0xFF, 0xFF);
    const Case cases[] = {
        {"sky, top left", {0, 0}, blue}, {"ground, bottom left", {0, 31}, white},
        {"L's stem", {12, 8}, cyan},     {"L has no top bar", {17, 8}, black},
        {"C's back", {4, 24}, cyan},     {"C is open on the right", {9, 24}, black},
        {"D's stem", {19, 24}, cyan},    {"D's counter", {21, 24}, black},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(image.pixelColor(c.pixel), c.colour) << c.name;
    }

    // The desktop icon is the same drawing as a 24-bit PNG; regenerate it after editing
    // the XPM, for example: convert resources/lcdcrt.xpm PNG24:resources/lcdcrt.png
    const QImage png(QStringLiteral(LCDCRT_SOURCE_DIR "/resources/lcdcrt.png"));
    EXPECT_FALSE(png.hasAlphaChannel());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace lcdcrt
