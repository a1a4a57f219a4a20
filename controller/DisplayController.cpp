#include "controller/DisplayController.h"

namespace lcdcrt {

void writeRegisterWord(PortLibrary& ports, std::uint16_t word) {
    ports.DlPortWritePortUshort(kIndexPort, word);
}

std::uint8_t readRegister(PortLibrary& ports, std::uint8_t index) {
    ports.DlPortWritePortUchar(kIndexPort, index);
    return ports.DlPortReadPortUchar(kDataPort);
}

std::uint8_t readProbeRegister(PortLibrary& ports) {
    return readRegister(ports, kProbeRegister);
}

bool probeController(PortLibrary& ports) {
    return readProbeRegister(ports) == kProbeIdentity;
}

}  // namespace lcdcrt
