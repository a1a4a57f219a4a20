#include "keeper/KeeperServer.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>

#include "base/FatalError.h"
#include "base/Translation.h"
#include "controller/DisplayController.h"
#include "keeper/KeeperProtocol.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

[[noreturn]] void refuse(const char* why) {
    throw FatalError(formatted(tr("the port keeper refused the window's request: %s"), tr(why)));
}

std::int16_t panelWordOf(std::string_view request) {
    if (request.size() != 3) {
        refuse(N_("an LCD request holds a panel word of two bytes"));
    }
    const auto low = static_cast<std::uint8_t>(request[1]);
    const auto high = static_cast<std::uint8_t>(request[2]);
    if (!isPanelWord(low)) {
        refuse(N_("a panel word must set register 0x56"));
    }
    return static_cast<std::int16_t>(low | (high << 8));
}

// Whether a packet arrives on `socket` before `deadline`.
bool packetWithin(int socket, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{socket, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) {
            continue;  // a forwarded signal does not extend the window's time
        }
        if (ready != 0 || left.count() <= 0) {
            return ready > 0;
        }
    }
}

// A sequenced-packet socket reads an empty packet and the peer's end alike as 0 bytes;
// only an ended peer also hangs up.
bool peerClosed(int socket) {
    pollfd hangUp{socket, POLLRDHUP, 0};
    return poll(&hangUp, 1, 0) > 0 && (hangUp.revents & (POLLHUP | POLLRDHUP)) != 0;
}

}  // namespace

void KeeperServer::requireController() const {
    if (!controllerFound_) {
        refuse(N_("a table before the probe found the controller"));
    }
}

KeeperServer::~KeeperServer() {
    abandonSequence();
}

void KeeperServer::abandonSequence() {
    abandoned_ = true;
    if (inSequence_) {
        inSequence_ = false;
        try {
            ports_.endSequence();
        } catch (...) {
        }
    }
}

std::string KeeperServer::answer(std::string_view request) {
    if (abandoned_) {
        refuse(N_("the window held the controller for more than 2 s"));
    }
    if (request.empty()) {
        refuse(N_("an empty request"));
    }
    const char kind = request[0];
    if (kind != keeper::kLcd && request.size() != 1) {
        refuse(N_("a request longer than its kind allows"));
    }
    if ((kind == keeper::kBegin) == inSequence_) {
        refuse(inSequence_ ? N_("a sequence inside a sequence")
                           : N_("an access outside a sequence"));
    }
    std::string done(1, keeper::kDone);
    switch (kind) {
        case keeper::kBegin:
            ports_.beginSequence();
            inSequence_ = true;
            sequenceEnds_ =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(kSequenceMilliseconds);
            return done;
        case keeper::kEnd:
            inSequence_ = false;
            ports_.endSequence();
            return done;
        case keeper::kProbe: {
            const std::uint8_t identity = readProbeRegister(ports_);
            controllerFound_ = identity == kProbeIdentity;
            return done + static_cast<char>(identity);
        }
        case keeper::kLcd: {
            const std::int16_t word = panelWordOf(request);
            requireController();
            writeRegisterTable(ports_, lcdTable(word));
            return done;
        }
        case keeper::kCrt:
            requireController();
            writeRegisterTable(ports_, crtTable());
            return done;
        default:
            refuse(N_("a request of no known kind"));
    }
}

void serveWindow(int socket, PortLibrary& ports) {
    KeeperServer keeper(ports);
    std::array<char, keeper::kLargestPacket> packet{};
    for (;;) {
        if (keeper.inSequence() && !packetWithin(socket, keeper.sequenceEnds())) {
            keeper.abandonSequence();
            continue;
        }
        const ssize_t size = recv(socket, packet.data(), packet.size(), 0);
        if (size < 0 && errno == EINTR) {
            continue;
        }
        if (size < 0 || (size == 0 && peerClosed(socket))) {
            return;
        }
        std::string reply;
        bool refused = false;
        try {
            reply = keeper.answer({packet.data(), static_cast<std::size_t>(size)});
        } catch (const std::exception& error) {
            reply = std::string(1, keeper::kRefused) + error.what();
            refused = true;
        }
        reply.resize(std::min(reply.size(), keeper::kLargestPacket));
        if (send(socket, reply.data(), reply.size(), MSG_NOSIGNAL) < 0 || refused) {
            return;
        }
    }
}

}  // namespace lcdcrt
