#include <gtest/gtest.h>

#include <QScreen>
#include <string>
#include <vector>

#include "controller/SimulatedController.h"
#include "support/ExpectedAccesses.h"
#include "window/Form1.h"

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
    // pixels, 1920 x 1215 twips. The top keeps its half.
    ASSERT_EQ(form.screen()->geometry().size(), QSize(800, 800));
    EXPECT_EQ(form.left(), 5040.0F);
    EXPECT_EQ(form.top(), 5392.5F);
}

TEST(Form1Start, EndsBeforeShowingWithTheRightStatusAndNoRegisterWritten) {
    struct Case {
        const char* name;
        std::uint8_t identity;
        std::string commandLine;
        int status;
        std::string probeSection;
        std::string stderrSays;
    };
    const Case cases[] = {
        {"absent", 0xFF, "", 2, "probe-absent", ""},
        {"out of range", 0x80, "126", 1, "probe-present", "lcdcrt: panel parameter \"126\""},
        {"not whole", 0x80, "0.5", 1, "probe-present", "lcdcrt: panel parameter \"0.5\""},
    };
    for (const Case& c : cases) {
        SimulatedController chip(c.identity);
        Form1 form(chip, c.commandLine);
        ::testing::internal::CaptureStderr();
        form.Form_Load();
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(form.endStatus(), c.status) << c.name;
        EXPECT_EQ(loggedAccesses(chip), expectedAccesses({c.probeSection})) << c.name;
        EXPECT_EQ(form.windowTitle(), QStringLiteral(" ")) << c.name;
        EXPECT_FALSE(form.isVisible()) << c.name;
        if (c.stderrSays.empty()) {
            EXPECT_EQ(errors, "") << c.name;
        } else {
            EXPECT_EQ(errors.rfind(c.stderrSays, 0), 0U) << c.name << ": " << errors;
        }
    }
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
