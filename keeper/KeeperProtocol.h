#pragma once

#include <cstddef>

namespace lcdcrt::keeper {

// The window asks the port keeper over a socket pair of sequenced packets, one request
// a packet: a letter, and for Lcd the panel word, low byte first. The keeper answers each
// with Done (for Probe followed by the byte register 0x45 read) or with Refused followed
// by a message for the user, after which it serves no more.
inline constexpr char kBegin = 'B';  // hold the controller for a sequence
inline constexpr char kProbe = 'P';  // the presence probe
inline constexpr char kLcd = 'L';    // the LCD table with a panel word
inline constexpr char kCrt = 'C';    // the CRT table
inline constexpr char kEnd = 'E';    // release the controller

inline constexpr char kDone = 'k';
inline constexpr char kRefused = 'e';

inline constexpr std::size_t kLargestPacket = 512;

// The variable that tells the window program which descriptor leads to the keeper.
inline constexpr const char* kSocketVariable = "LCDCRT_KEEPER_FD";

}  // namespace lcdcrt::keeper
