#include <gtest/gtest.h>

#include <QScreen>
#include <string>
#include <vector>

#include "controller/SimulatedController.h"
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

TEST(Form1Start, ARefusedPanelIsReportedOnceBeforeAnyRegisterIsWritten) {
    SimulatedController chip;
    Form1 form(chip, "126");
    ::testing::internal::CaptureStderr();
    form.Form_Load();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "lcdcrt: panel parameter \"126\" is out of range (-130 to 125)\n");
    EXPECT_EQ(form.endStatus(), 1);
    EXPECT_EQ(loggedAccesses(chip), expectedAccesses({"probe-present"}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" "));
}

TEST(FatalErrorBox, ShowsTheMessageAsPlainText) {
    const auto box = fatalErrorBox("panel parameter \"<h1>OK\" is out of range");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("panel parameter \"<h1>OK\" is out of range"));
}

TEST(Form1Toggle, EachClickWritesTheOtherProfileThenRetitlesWithoutMinimising) {
    SimulatedController chip;
    Form1 form(chip, "5");
    form.Form_Load();
    form.setWindowState(Qt::WindowNoState);

    struct Step {
        const char* section;
        const char* titleAfter;
    };
    for (const Step step : {Step{"crt", "CRT"}, Step{"lcd-panel-5", "LCD_T"}, Step{"crt", "CRT"}}) {
        const std::size_t before = chip.log().size();
        form.Command1->click();
        const auto all = loggedAccesses(chip);
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()),
                  expectedAccesses({step.section}))
            << step.section;
        EXPECT_EQ(form.windowTitle(), QString::fromLatin1(step.titleAfter));
        EXPECT_EQ(form.windowState(), Qt::WindowNoState);
    }
}

TEST(Form1Toggle, UnknownTitleAndEndButtonTouchNoPort) {
    SimulatedController chip;
    Form1 form(chip, "");
    form.Form_Load();
    const std::size_t afterStart = chip.log().size();

    form.setWindowTitle(QStringLiteral("lcd_t"));
    form.Command1->click();
    EXPECT_EQ(chip.log().size(), afterStart);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("lcd_t"));
    EXPECT_FALSE(form.endStatus());

    form.setWindowTitle(QStringLiteral("LCD_T"));
    form.Command2->click();
    EXPECT_EQ(form.endStatus(), 0);
    form.Command1->click();  // nothing runs once the program has ended
    EXPECT_EQ(chip.log().size(), afterStart);
}

}  // namespace
}  // namespace lcdcrt
