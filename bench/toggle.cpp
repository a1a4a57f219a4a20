#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "controller/DisplayController.h"
#include "profiles/RegisterTable.h"
#include "simulator/SimulatedController.h"
#include "window/Form1.h"

namespace {

// Forwards to a simulated controller, as Module1 does in the program. The controller's
// access log grows with every write; both sides start on a fresh one every kRenewEvery
// toggles, outside the timed part, so a long run neither fills the memory nor measures the
// growth of one huge log.
constexpr int kRenewEvery = 1024;

class RenewedController final : public lcdcrt::PortLibrary {
  public:
    std::uint32_t in(std::int32_t port, lcdcrt::Width width) override {
        return chip_->in(port, width);
    }
    void out(std::int32_t port, lcdcrt::Width width, std::uint32_t value) override {
        chip_->out(port, width, value);
    }
    void countToggle(benchmark::State& state) {
        if (++toggles_ % kRenewEvery == 0) {
            state.PauseTiming();
            chip_ = std::make_unique<lcdcrt::SimulatedController>();
            state.ResumeTiming();
        }
    }

  private:
    std::unique_ptr<lcdcrt::SimulatedController> chip_ =
        std::make_unique<lcdcrt::SimulatedController>();
    int toggles_ = 0;
};

// One click of the toggle button, handled by the window: CRT and LCD in turn.
void toggleHandler(benchmark::State& state) {
    RenewedController ports;
    lcdcrt::Form1 form(ports, "");
    form.show();
    form.Command1_Click();  // the start-up switch, from no title to LCD_T
    for (auto _ : state) {
        form.Command1_Click();
        ports.countToggle(state);
    }
}

// The least any toggle has to do: write the 20 words of the other profile and retitle the
// window.
void toggleFloor(benchmark::State& state) {
    constexpr std::size_t kWords = 20;
    RenewedController ports;
    QWidget window;
    window.show();
    window.setWindowTitle(QStringLiteral("LCD_T"));
    const std::array tables{lcdcrt::crtTable(), lcdcrt::lcdTable(0x0256)};
    const std::array titles{QStringLiteral("CRT"), QStringLiteral("LCD_T")};
    std::size_t next = 0;
    for (auto _ : state) {
        for (std::size_t slot = 0; slot < kWords; ++slot) {
            lcdcrt::writeRegisterWord(ports, static_cast<std::uint16_t>(tables[next][slot]));
        }
        window.setWindowTitle(titles[next]);
        next ^= 1U;
        ports.countToggle(state);
    }
}

BENCHMARK(toggleHandler);
BENCHMARK(toggleFloor);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
