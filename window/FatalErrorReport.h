#pragma once

#include <QMessageBox>
#include <memory>
#include <string_view>

namespace lcdcrt {

enum class ReportChannel {
    Everywhere,  // stderr, and a message box where a real display exists
    TextOnly,    // stderr only: the window system itself has failed
};

// The critical message box that tells the user of a fatal error, not yet shown.
std::unique_ptr<QMessageBox> fatalErrorBox(std::string_view message);

// The one place that tells the user about a fatal error: a line `lcdcrt: <message>` on
// stderr and, where a real display exists, a critical message box. Returns the exit
// status that ends the program.
int reportFatalError(std::string_view message, ReportChannel channel = ReportChannel::Everywhere);

}  // namespace lcdcrt
