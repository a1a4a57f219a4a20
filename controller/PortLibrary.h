#pragma once

#include <cstdint>

namespace lcdcrt {

enum class Width : std::uint8_t { Byte = 1, Word = 2, Long = 4 };

// The port-I/O library: the twelve operations the program declares, all built on one
// read and one write of a given width. An implementation supplies `in` and `out`; each
// call performs exactly one access, in call order. Ports are signed 32-bit, as the
// library's callers have always passed them.
class PortLibrary {
  public:
    virtual ~PortLibrary() = default;

    virtual std::uint32_t in(std::int32_t port, Width width) = 0;
    virtual void out(std::int32_t port, Width width, std::uint32_t value) = 0;

    // Brackets accesses that belong together (the probe and the table after it, or one
    // table): an implementation may hold the controller for itself from begin to end, and
    // end reports what could not be completed. Sequences do not nest: a caller ends one
    // before it begins the next, and a window handler called by another joins that one's.
    virtual void beginSequence() {}
    virtual void endSequence() {}

    std::uint8_t DlPortReadPortUchar(std::int32_t port);
    std::uint16_t DlPortReadPortUshort(std::int32_t port);
    std::uint32_t DlPortReadPortUlong(std::int32_t port);
    void DlPortWritePortUchar(std::int32_t port, std::uint8_t value);
    void DlPortWritePortUshort(std::int32_t port, std::uint16_t value);
    void DlPortWritePortUlong(std::int32_t port, std::uint32_t value);

    void DlPortReadPortBufferUchar(std::int32_t port, std::uint8_t* buffer, std::uint32_t count);
    void DlPortReadPortBufferUshort(std::int32_t port, std::uint16_t* buffer, std::uint32_t count);
    void DlPortReadPortBufferUlong(std::int32_t port, std::uint32_t* buffer, std::uint32_t count);
    void DlPortWritePortBufferUchar(std::int32_t port, const std::uint8_t* buffer,
                                    std::uint32_t count);
    void DlPortWritePortBufferUshort(std::int32_t port, const std::uint16_t* buffer,
                                     std::uint32_t count);
    void DlPortWritePortBufferUlong(std::int32_t port, const std::uint32_t* buffer,
                                    std::uint32_t count);
};

}  // namespace lcdcrt
