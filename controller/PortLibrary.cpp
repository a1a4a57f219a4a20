#include "controller/PortLibrary.h"

namespace lcdcrt {

namespace {

template <typename Value>
void readBuffer(PortLibrary& ports, std::int32_t port, Width width, Value* buffer,
                std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<Value>(ports.in(port, width));
    }
}

template <typename Value>
void writeBuffer(PortLibrary& ports, std::int32_t port, Width width, const Value* buffer,
                 std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        ports.out(port, width, buffer[i]);
    }
}

}  // namespace

std::uint8_t PortLibrary::DlPortReadPortUchar(std::int32_t port) {
    return static_cast<std::uint8_t>(in(port, Width::Byte));
}

std::uint16_t PortLibrary::DlPortReadPortUshort(std::int32_t port) {
    return static_cast<std::uint16_t>(in(port, Width::Word));
}

std::uint32_t PortLibrary::DlPortReadPortUlong(std::int32_t port) {
    return in(port, Width::Long);
}

void PortLibrary::DlPortWritePortUchar(std::int32_t port, std::uint8_t value) {
    out(port, Width::Byte, value);
}

void PortLibrary::DlPortWritePortUshort(std::int32_t port, std::uint16_t value) {
    out(port, Width::Word, value);
}

void PortLibrary::DlPortWritePortUlong(std::int32_t port, std::uint32_t value) {
    out(port, Width::Long, value);
}

void PortLibrary::DlPortReadPortBufferUchar(std::int32_t port, std::uint8_t* buffer,
                                            std::uint32_t count) {
    readBuffer(*this, port, Width::Byte, buffer, count);
}

void PortLibrary::DlPortReadPortBufferUshort(std::int32_t port, std::uint16_t* buffer,
                                             std::uint32_t count) {
    readBuffer(*this, port, Width::Word, buffer, count);
}

void PortLibrary::DlPortReadPortBufferUlong(std::int32_t port, std::uint32_t* buffer,
                                            std::uint32_t count) {
    readBuffer(*this, port, Width::Long, buffer, count);
}

void PortLibrary::DlPortWritePortBufferUchar(std::int32_t port, const std::uint8_t* buffer,
                                             std::uint32_t count) {
    writeBuffer(*this, port, Width::Byte, buffer, count);
}

void PortLibrary::DlPortWritePortBufferUshort(std::int32_t port, const std::uint16_t* buffer,
                                              std::uint32_t count) {
    writeBuffer(*this, port, Width::Word, buffer, count);
}

void PortLibrary::DlPortWritePortBufferUlong(std::int32_t port, const std::uint32_t* buffer,
                                             std::uint32_t count) {
    writeBuffer(*this, port, Width::Long, buffer, count);
}

}  // namespace lcdcrt
