#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "base/FatalError.h"
#include "controller/DisplayController.h"
#include "controller/HeldPorts.h"
#include "controller/PortSequence.h"
#include "keeper/KeeperClient.h"
#include "keeper/KeeperServer.h"
#include "profiles/RegisterTable.h"
#include "simulator/SimulatedController.h"
#include "support/ExpectedAccesses.h"

namespace lcdcrt {
namespace {

// The keeper serving `chip` on `socket`, in a thread. As its process does, it closes its
// end when it stops serving: a keeper that stops early fails the window's side instead of
// leaving it waiting.
std::thread keeperServing(int socket, PortLibrary& chip) {
    return std::thread([socket, &chip] {
        serveWindow(socket, chip);
        close(socket);
    });
}

// Each list of requests is answered until its last, which is refused with no table word
// written: malformed requests, accesses outside a sequence, and tables that no probe of
// the keeper's own found the controller for.
TEST(KeeperServer, RefusesAnythingButWholeKnownSequencesAndWritesNoWord) {
    using namespace std::string_literals;
    struct Case {
        std::uint8_t identity;
        std::vector<std::string> requests;
    };
    const Case cases[] = {
        {0x80, {""}},
        {0x80, {"X"}},
        {0x80, {"P"}},
        {0x80, {"C"}},
        {0x80, {"E"}},
        {0x80, {"B", "B"}},
        {0x80, {"B", "PP"}},
        {0x80, {"B", "P", "L\x56"}},
        {0x80, {"B", "P", "L\x56\x02\x00"s}},
        {0x80, {"B", "P", "L\x57\x02"}},
        {0x80, {"B", "P", "L\x00\x02"s}},
        {0x80, {"B", "C"}},
        {0x80, {"B", "L\x56\x02"}},
        {0xFF, {"B", "P", "C"}},
        {0x7F, {"B", "P", "E", "B", "L\x56\x02"}},
    };
    for (const auto& [identity, requests] : cases) {
        SimulatedController chip(identity);
        KeeperServer keeper(chip);
        for (std::size_t i = 0; i + 1 < requests.size(); ++i) {
            ASSERT_EQ(keeper.answer(requests[i])[0], 'k');
        }
        EXPECT_THROW(keeper.answer(requests.back()), FatalError) << requests.back();
        for (const PortAccess& access : chip.log()) {
            EXPECT_NE(access.width, Width::Word) << requests.back();
        }
    }
}

// A window that keeps the controller past 2 s loses it, there and then, and an empty
// packet is a malformed request, not the window's end: both are refused with a message.
TEST(KeeperPair, RefusesASequenceHeldTooLongAndAnEmptyPacket) {
    // Of this process alone: the suites of other builds run this test beside it.
    const std::string lock =
        ::testing::TempDir() + "keeper-pair-" + std::to_string(getpid()) + ".lock";
    for (const bool late : {true, false}) {
        int sockets[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, sockets), 0);
        SimulatedController chip;
        HeldPorts held(chip, {lock, false});
        std::thread keeper = keeperServing(sockets[0], held);
        char reply[512];
        ASSERT_EQ(send(sockets[1], "B", 1, 0), 1);
        ASSERT_GT(recv(sockets[1], reply, sizeof reply, 0), 0);
        if (late) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
            const int other = open(lock.c_str(), O_RDONLY | O_CLOEXEC);
            EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0) << "the keeper still holds the lock";
            close(other);
        }
        ASSERT_EQ(send(sockets[1], late ? "P" : "", late ? 1 : 0, 0), late ? 1 : 0);
        const ssize_t size = recv(sockets[1], reply, sizeof reply, 0);
        keeper.join();
        close(sockets[1]);
        ASSERT_GT(size, 0);
        EXPECT_EQ(reply[0], 'e');
        EXPECT_NE(std::string(reply, size).find(late ? "more than 2 s" : "empty"),
                  std::string::npos);
        EXPECT_TRUE(chip.log().empty());
    }
    unlink(lock.c_str());
}

// The window's side refuses what is neither the probe nor a whole table, before the keeper
// is asked for it, and a sequence that ends inside a table; and it fails with the keeper's
// refusal.
TEST(KeeperClient, RefusesWhatIsNeitherTheProbeNorAWholeTable) {
    const struct {
        const char* what;
        void (*accesses)(PortLibrary&);
    } cases[] = {
        {"the probe read from the index port",
         [](PortLibrary& ports) {
             ports.out(kIndexPort, Width::Byte, kProbeRegister);
             ports.in(kIndexPort, Width::Byte);
         }},
        {"the probe selected inside a table",
         [](PortLibrary& ports) {
             ports.out(kIndexPort, Width::Word, 0x5719);
             ports.out(kIndexPort, Width::Byte, kProbeRegister);
         }},
        {"a sequence ended inside a table",
         [](PortLibrary& ports) {
             ports.out(kIndexPort, Width::Word, 0x5719);
             ports.endSequence();
         }},
        {"a table the keeper refuses, with no probe before it",
         [](PortLibrary& ports) { writeRegisterTable(ports, crtTable()); }},
    };
    for (const auto& c : cases) {
        int sockets[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, sockets), 0);
        SimulatedController chip;
        std::thread keeper = keeperServing(sockets[0], chip);
        KeeperClient window(sockets[1]);
        window.beginSequence();
        EXPECT_THROW(c.accesses(window), FatalError) << c.what;
        close(sockets[1]);
        keeper.join();
    }
}

// The window's side and the keeper, joined by a socket pair as the two processes are.
TEST(KeeperPair, CarriesOutTheWindowsSequencesAccessForAccess) {
    int sockets[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, sockets), 0);
    SimulatedController chip;
    std::thread keeper = keeperServing(sockets[0], chip);
    KeeperClient window(sockets[1]);
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
