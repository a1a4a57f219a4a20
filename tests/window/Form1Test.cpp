#include <gtest/gtest.h>

#include <QScreen>
#include <string>
#include <vector>

#include "simulator/SimulatedController.h"
#include "support/ExpectedAccesses.h"
#include "window/FatalErrorReport.h"
#include "window/Form1.h"
#include "window/Layout.h"

namespace lcdcrt {
namespace {

using testing::expectedAccesses;
using testing::loggedAccesses;

TEST(Form1Start, ProbesWritesLcdThenTitlesMinimisesAndCentresInTwips) {
    SimulatedController chip;
    Form1 form(chip, "");
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" "));

    form.Form_Load();

    EXPECT_EQ(loggedAccesses(chip), expectedAccesses({"probe-present", "lcd-panel-0"}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("LCD_T"));
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(form.tag(), "598");
    EXPECT_FALSE(form.endStatus());
    // The offscreen screen is 800 x 800 pixels, 12000 x 12000 twips; the window 128 x 81
    // pixels, 1920 x 1215 twips. The top keeps its half; a half pixel rounds up.
    ASSERT_EQ(form.screen()->geometry().size(), QSize(800, 800));
    EXPECT_EQ(form.left(), 5040.0F);
    EXPECT_EQ(form.top(), 5392.5F);
    EXPECT_EQ(twipsToPixels(TwipsRect{7.4F, 7.5F, 22.4F, 22.6F}), QRect(0, 1, 1, 2));
}

// Both buttons in the bold 11.25-point Gothic (IPA's where the first is not installed), neither
// a default button that Enter would press wherever the focus is, Command1 first in the focus.
TEST(Form1Buttons, WearTheirFontAndTakeTheFocusInOrder) {
    SimulatedController chip;
    const Form1 form(chip, "");
    for (const QPushButton* button : {form.Command1, form.Command2}) {
        EXPECT_EQ(button->font().families(),
                  QStringList({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}));
        EXPECT_EQ(button->font().pointSizeF(), 11.25);
        EXPECT_EQ(button->font().weight(), QFont::Bold);
        EXPECT_FALSE(button->autoDefault());
    }
    EXPECT_EQ(form.Command1->nextInFocusChain(), form.Command2);
}

TEST(FatalErrorBox, ShowsTheMessageAsPlainText) {
    const auto box = fatalErrorBox("panel parameter \"<h1>OK\" is out of range");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("panel parameter \"<h1>OK\" is out of range"));
}

// Each click writes the other profile, then retitles and leaves the window as it is. A
// title the handler does not know, and the end, leave the ports alone.
TEST(Form1Toggle, ClicksWriteTheOtherProfileThenRetitleUntilTheEnd) {
    SimulatedController chip;
    Form1 form(chip, "5");
    form.Form_Load();
    form.setWindowState(Qt::WindowNoState);
    auto clicked = [&](QPushButton* button) {
        const auto before = static_cast<long>(chip.log().size());
        button->click();
        const auto all = loggedAccesses(chip);
        return std::vector<std::string>(all.begin() + before, all.end());
    };
    EXPECT_EQ(clicked(form.Command1), expectedAccesses({"crt"}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("CRT"));
    EXPECT_EQ(clicked(form.Command1), expectedAccesses({"lcd-panel-5"}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("LCD_T"));
    EXPECT_EQ(form.windowState(), Qt::WindowNoState);

    form.setWindowTitle(QStringLiteral("lcd_t"));
    EXPECT_TRUE(clicked(form.Command1).empty());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("lcd_t"));
    form.setWindowTitle(QStringLiteral("CRT"));
    EXPECT_TRUE(clicked(form.Command2).empty());
    EXPECT_EQ(form.endStatus(), 0);
    EXPECT_TRUE(clicked(form.Command1).empty());  // nothing runs once the program has ended
    EXPECT_EQ(form.windowTitle(), QStringLiteral("CRT"));
}

}  // namespace
}  // namespace lcdcrt
