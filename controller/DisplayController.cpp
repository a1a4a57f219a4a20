#include "controller/DisplayController.h"

namespace lcdcrt {

void writeRegisterWord(PortLibrary& ports, std::uint16_t word) {
    ports.DlPortWritePortUshort(kIndexPort, word);
}

bool probeController(PortLibrary& ports) {
    ports.DlPortWritePortUchar(kIndexPort, kProbeRegister);
    return ports.DlPortReadPortUchar(kDataPort) == kProbeIdentity;
}

}  // namespace lcdcrt
