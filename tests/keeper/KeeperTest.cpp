#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include "controller/DisplayController.h"
#include "controller/FatalError.h"
#include "controller/PortSequence.h"
#include "controller/SimulatedController.h"
#include "keeper/KeeperPorts.h"
#include "keeper/PortKeeper.h"
#include "profiles/RegisterTable.h"
#include "support/ExpectedAccesses.h"

namespace lcdcrt {
namespace {

TEST(PortKeeper, RefusesAnythingButWholeKnownSequencesAndTouchesNoPort) {
    using namespace std::string_literals;
    const std::vector<std::string> refused[] = {
        {""},
        {"X"},
        {"P"},
        {"C"},
        {"E"},
        {"B", "B"},
        {"B", "PP"},
        {"B", "L\x56"},
        {"B", "L\x56\x02\x00"s},
        {"B", "L\x57\x02"},
        {"B", "L\x00\x02"s},
    };
    for (const auto& requests : refused) {
        SimulatedController chip;
        PortKeeper keeper(chip);
        for (std::size_t i = 0; i + 1 < requests.size(); ++i) {
            ASSERT_EQ(keeper.answer(requests[i]), "k");
        }
        EXPECT_THROW(keeper.answer(requests.back()), FatalError) << requests.back();
        EXPECT_TRUE(chip.log().empty()) << requests.back();
    }
}

// The window's side and the keeper, joined by a socket pair as the two processes are.
TEST(KeeperPair, CarriesOutTheWindowsSequencesAccessForAccess) {
    int sockets[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, sockets), 0);
    SimulatedController chip;
    std::thread keeper([&] { serveWindow(sockets[0], chip); });
    KeeperPorts window(sockets[1]);
    PortSequence start(window);
    EXPECT_TRUE(probeController(window));
    writeRegisterTable(window, lcdTable(0x0756));
    start.finish();
    PortSequence click(window);
    writeRegisterTable(window, crtTable());
    click.finish();
    close(sockets[1]);
    keeper.join();
    EXPECT_EQ(testing::loggedAccesses(chip),
              testing::expectedAccesses({"probe-present", "lcd-panel-5", "crt"}));
}

}  // namespace
}  // namespace lcdcrt
