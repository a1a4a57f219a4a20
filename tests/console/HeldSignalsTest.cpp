#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "console/ConsoleModes.h"
#include "controller/HeldPorts.h"
#include "controller/SimulatedController.h"

namespace lcdcrt {
namespace {

// SIGTERM arrives while the controller receives the tenth word of a table; the controller
// says how many words it has received.
TEST(HeldSignals, ATerminatedProcessFinishesItsTableFirst) {
    const std::string lock = ::testing::TempDir() + "held-signals.lock";
    EXPECT_EXIT(
        {
            SimulatedController chip;
            int words = 0;
            chip.setObserver([&](const PortAccess& access) {
                if (access.width != Width::Word) {
                    return;
                }
                std::fprintf(stderr, "%d words\n", ++words);
                if (words == 10) {
                    std::raise(SIGTERM);
                }
            });
            HeldPorts ports(chip, lock);
            runConsoleMode({Command::Mode::Crt, ""}, ports);
            std::fprintf(stderr, "went on after the table\n");
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "\n20 words\n$");
}

}  // namespace
}  // namespace lcdcrt
