#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "console/ConsoleModes.h"
#include "controller/HeldPorts.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {
namespace {

// A signal arrives while the controller receives the tenth word of a table; the
// controller says how many words it has received. Every signal that can be held waits
// for the table: those that end a process, a timer's, the user's and the CPU limit's.
TEST(HeldSignals, AProcessEndedBySignalFinishesItsTableFirst) {
    const std::string lock = ::testing::TempDir() + "held-signals.lock";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGXCPU}) {
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
                        std::raise(signal);
                    }
                });
                HeldPorts ports(chip, {lock, false});
                runConsoleMode({Command::Mode::Crt, ""}, ports);
                std::fprintf(stderr, "went on after the table\n");
                std::_Exit(0);
            },
            ::testing::KilledBySignal(signal), "\n20 words\n$")
            << strsignal(signal);
    }
}

}  // namespace
}  // namespace lcdcrt
