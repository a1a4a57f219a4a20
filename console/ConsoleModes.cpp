#include "console/ConsoleModes.h"

#include <cstdio>
#include <optional>
#include <string>

#include "base/ExitStatus.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "console/Diagnosis.h"
#include "controller/DisplayController.h"
#include "controller/PortSequence.h"
#include "profiles/ControllerState.h"
#include "profiles/LeadingNumber.h"
#include "profiles/PanelWord.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

using Mode = Command::Mode;

std::string absentMessage(std::uint8_t identity) {
    return formatted(tr("no display controller answered: register 0x45 read 0x%02x, not 0x80"),
                     identity);
}

// The panel word the window's LCD switch writes for the same text.
std::int16_t lcdPanelWord(const std::string& panelText) {
    return panelWord(numberToText(panelValue(panelText)), panelText);
}

ControllerState writeLcd(PortLibrary& ports, std::int16_t word) {
    writeRegisterTable(ports, lcdTable(word));
    return {ControllerState::Profile::Lcd, panelOfWord(static_cast<std::uint16_t>(word)), {}};
}

ControllerState writeCrt(PortLibrary& ports) {
    writeRegisterTable(ports, crtTable());
    return {ControllerState::Profile::Crt, 0, {}};
}

}  // namespace

int runConsoleMode(const Command& command, PortLibrary& ports) {
    const Mode mode = command.mode;
    if (mode == Mode::Diagnose) {
        return runDiagnosis(ports);
    }
    std::optional<std::int16_t> word;
    if (mode == Mode::Lcd || mode == Mode::Toggle) {
        word = lcdPanelWord(command.panelText);
    }

    PortSequence sequence(ports);
    const std::uint8_t identity = readProbeRegister(ports);
    if (identity != kProbeIdentity) {
        sequence.finish();
        tellUser(absentMessage(identity));
        return kExitControllerAbsent;
    }
    std::optional<ControllerState> state;
    if (mode == Mode::Lcd) {
        writeLcd(ports, *word);
    } else if (mode == Mode::Crt) {
        writeCrt(ports);
    } else {
        state = decodeState(readTableRegisters(ports));
        if (mode == Mode::Toggle) {
            state = state->profile == ControllerState::Profile::Lcd ? writeCrt(ports)
                                                                    : writeLcd(ports, *word);
        }
    }
    sequence.finish();

    if (!state) {
        return kExitEnded;
    }
    writeText(stdout, stateLine(*state) + "\n", N_("to standard output"));
    return state->profile == ControllerState::Profile::Neither ? kExitNeitherProfile : kExitEnded;
}

}  // namespace lcdcrt
