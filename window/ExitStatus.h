#pragma once

namespace lcdcrt {

inline constexpr int kExitEnded = 0;             // the end button, or the window closed
inline constexpr int kExitFatal = 1;             // a fatal error, reported to the user
inline constexpr int kExitControllerAbsent = 2;  // the controller did not answer; silent

}  // namespace lcdcrt
