#include "keeper/KeeperClient.h"

#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "base/FatalError.h"
#include "base/Translation.h"
#include "controller/DisplayController.h"
#include "controller/PortAccess.h"
#include "keeper/KeeperProtocol.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

[[noreturn]] void refuse(const PortAccess& access) {
    throw FatalError(formatted(tr("the window may only probe the controller and write its two "
                                  "tables; refused %s"),
                               toText(access).c_str()));
}

// Whether `words` begin `table`.
bool begins(const std::vector<std::uint16_t>& words, const RegisterTable& table, bool anyPanel) {
    for (std::size_t slot = 0; slot < words.size(); ++slot) {
        if (!matchesSlot(table, slot, words[slot], anyPanel)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string KeeperClient::ask(const std::string& request) {
    if (send(socket_, request.data(), request.size(), MSG_NOSIGNAL) < 0) {
        throw FatalError(formatted(tr("cannot reach the port keeper: %s"), errorText(errno)));
    }
    std::array<char, keeper::kLargestPacket> packet{};
    ssize_t size = 0;
    do {
        size = recv(socket_, packet.data(), packet.size(), 0);
    } while (size < 0 && errno == EINTR);
    if (size <= 0) {
        throw FatalError(tr("the port keeper has ended"));
    }
    const std::string reply(packet.data(), static_cast<std::size_t>(size));
    if (reply[0] != keeper::kDone) {
        throw FatalError(reply.substr(1));
    }
    return reply.substr(1);
}

std::uint32_t KeeperClient::in(std::int32_t port, Width width) {
    if (!probeSelected_ || port != kDataPort || width != Width::Byte) {
        refuse({PortAccess::Direction::In, port, width, 0});
    }
    probeSelected_ = false;
    const std::string value = ask(std::string(1, keeper::kProbe));
    return value.empty() ? 0 : static_cast<std::uint8_t>(value[0]);
}

void KeeperClient::out(std::int32_t port, Width width, std::uint32_t value) {
    const PortAccess access{PortAccess::Direction::Out, port, width, value};
    if (port != kIndexPort || probeSelected_) {
        refuse(access);
    }
    if (width == Width::Byte && value == kProbeRegister && words_.empty()) {
        probeSelected_ = true;
    } else if (width == Width::Word) {
        tableWord(static_cast<std::uint16_t>(value));
    } else {
        refuse(access);
    }
}

void KeeperClient::tableWord(std::uint16_t word) {
    words_.push_back(word);
    const bool crt = begins(words_, crtTable(), false);
    const bool lcd = begins(words_, lcdTable(kPanelRegister), true);
    if (!crt && !lcd) {
        words_.clear();
        refuse({PortAccess::Direction::Out, kIndexPort, Width::Word, word});
    }
    if (words_.size() < kWrittenSlots) {
        return;
    }
    const std::uint16_t panelWord = words_[kPanelSlot];
    words_.clear();
    if (crt) {
        ask(std::string(1, keeper::kCrt));
    } else {
        ask(std::string{keeper::kLcd, static_cast<char>(panelWord & 0xFFU),
                        static_cast<char>(panelWord >> 8)});
    }
}

void KeeperClient::beginSequence() {
    ask(std::string(1, keeper::kBegin));
}

void KeeperClient::endSequence() {
    const bool unfinished = probeSelected_ || !words_.empty();
    probeSelected_ = false;
    words_.clear();
    ask(std::string(1, keeper::kEnd));
    if (unfinished) {
        throw FatalError(tr("the window ended a sequence before the keeper could carry it out"));
    }
}

}  // namespace lcdcrt
