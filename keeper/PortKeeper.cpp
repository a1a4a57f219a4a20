#include "keeper/PortKeeper.h"

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

#include "controller/DisplayController.h"
#include "controller/FatalError.h"
#include "controller/Translation.h"
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

}  // namespace

PortKeeper::~PortKeeper() {
    if (inSequence_) {
        try {
            ports_.endSequence();
        } catch (...) {
        }
    }
}

std::string PortKeeper::answer(std::string_view request) {
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
            return done;
        case keeper::kEnd:
            inSequence_ = false;
            ports_.endSequence();
            return done;
        case keeper::kProbe:
            return done + static_cast<char>(readProbeRegister(ports_));
        case keeper::kLcd:
            writeRegisterTable(ports_, lcdTable(panelWordOf(request)));
            return done;
        case keeper::kCrt:
            writeRegisterTable(ports_, crtTable());
            return done;
        default:
            refuse(N_("a request of no known kind"));
    }
}

void serveWindow(int socket, PortLibrary& ports) {
    PortKeeper keeper(ports);
    std::array<char, keeper::kLargestPacket> packet{};
    for (;;) {
        const ssize_t size = recv(socket, packet.data(), packet.size(), 0);
        if (size < 0 && errno == EINTR) {
            continue;
        }
        if (size <= 0) {
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
