#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "console/ConsoleModes.h"
#include "controller/HeldPorts.h"
#include "controller/SimulatedController.h"

namespace lcdcrt {
namespace {

// A controller that is sent SIGTERM while it receives the tenth word of a table, and
// says how many words it has received.
class InterruptedController final : public PortLibrary {
  public:
    std::uint32_t in(std::int32_t port, Width width) override { return chip_.in(port, width); }
    void out(std::int32_t port, Width width, std::uint32_t value) override {
        chip_.out(port, width, value);
        if (width == Width::Word) {
            ++words_;
            std::fprintf(stderr, "%d words\n", words_);
            if (words_ == 10) {
                std::raise(SIGTERM);
            }
        }
    }

  private:
    SimulatedController chip_;
    int words_ = 0;
};

TEST(HeldSignals, ATerminatedProcessFinishesItsTableFirst) {
    const std::string lock = ::testing::TempDir() + "held-signals.lock";
    EXPECT_EXIT(
        {
            InterruptedController chip;
            HeldPorts ports(chip, lock);
            runConsoleMode({Command::Mode::Crt, ""}, ports);
            std::fprintf(stderr, "went on after the table\n");
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "\n20 words\n$");
}

}  // namespace
}  // namespace lcdcrt
