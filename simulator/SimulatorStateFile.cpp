#include "simulator/SimulatorStateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/FatalError.h"
#include "base/Translation.h"

namespace lcdcrt {

namespace {

using State = SimulatedController::State;

[[noreturn]] void failToRead(const std::string& path, int error) {
    throw FatalError(formatted(tr("the simulator state LCDCRT_SIM_STATE=\"%s\" cannot be read: %s"),
                               path.c_str(), errorText(error)));
}

[[noreturn]] void failToWrite(const std::string& path, int error) {
    throw FatalError(
        formatted(tr("the simulator state LCDCRT_SIM_STATE=\"%s\" cannot be written: %s"),
                  path.c_str(), errorText(error)));
}

// Reads at most size + 1 bytes, so that a longer file is told from a whole one.
std::size_t readUpTo(int fd, unsigned char* buffer, std::size_t size) {
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = read(fd, buffer + total, size - total);
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            return static_cast<std::size_t>(-1);
        }
        total += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    return total;
}

}  // namespace

SimulatorStateFile::SimulatorStateFile(SimulatedController& chip, std::string path)
    : ForwardingPorts(chip), chip_(chip), path_(std::move(path)) {}

void SimulatorStateFile::beginSequence() {
    // Non-blocking, so that a FIFO put there opens at once and is refused.
    const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            failToRead(path_, errno);
        }
        chip_.setState(State{});
        return;
    }
    struct stat file {};
    if (fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
        close(fd);
        throw FatalError(formatted(tr("the simulator state LCDCRT_SIM_STATE=\"%s\" is not a "
                                      "regular file"),
                                   path_.c_str()));
    }
    unsigned char buffer[sizeof(State) + 1];
    const std::size_t size = readUpTo(fd, buffer, sizeof(buffer));
    const int error = errno;
    close(fd);
    if (size == static_cast<std::size_t>(-1)) {
        failToRead(path_, error);
    }
    if (size != sizeof(State)) {
        throw FatalError(formatted(tr("the simulator state LCDCRT_SIM_STATE=\"%s\" is not a "
                                      "register state: it must hold exactly %zu bytes"),
                                   path_.c_str(), sizeof(State)));
    }
    State state;
    std::memcpy(state.data(), buffer, sizeof(State));
    chip_.setState(state);
}

void SimulatorStateFile::endSequence() {
    const std::string temporary = path_ + ".new";
    const State state = chip_.state();
    // Never waits on a FIFO or follows a link put at the temporary's name.
    const int fd = open(temporary.c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (fd >= 0 && file == nullptr) {
        close(fd);
    }
    int error = 0;
    if (file == nullptr || std::fwrite(state.data(), 1, state.size(), file) != state.size() ||
        std::fflush(file) != 0 || fsync(fileno(file)) != 0) {
        error = errno;
    }
    if (file != nullptr && std::fclose(file) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        std::remove(temporary.c_str());
        failToWrite(path_, error);
    }
}

}  // namespace lcdcrt
