#pragma once

namespace lcdcrt {

inline constexpr int kExitEnded = 0;             // done: the end button, or a console mode
inline constexpr int kExitFatal = 1;             // a fatal error, reported to the user
inline constexpr int kExitControllerAbsent = 2;  // the controller did not answer
inline constexpr int kExitNeitherProfile = 3;    // --status read neither configuration

}  // namespace lcdcrt
