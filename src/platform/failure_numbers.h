// SPDX-License-Identifier: MIT
// Every failure number the program raises or tells apart, with its meaning: each failure has a
// number of its own. A Failure carries one of these; the shell's answers to open() are listed
// here too.
#pragma once

namespace vq72::failure_number {

// Serial control.
inline constexpr long kNoSuchPort = 8002;           // the port number names no usable device
inline constexpr long kPortInUse = 8005;            // another process holds the port
inline constexpr long kPortNotOpen = 8012;          // Output on a closed port
inline constexpr long kTransmitBufferFull = 1010;   // Output would pass OutBufferSize
inline constexpr long kInvalidPropertyValue = 380;  // Settings text not understood
inline constexpr long kSystemErrorBase = 9000;      // plus errno: any other failure of the port
// Not a failure: a network port still connecting, opened when comm_event::kOpenSettled says
// (9000 + EINPROGRESS).
inline constexpr long kPortOpening = kSystemErrorBase + 115;

// Numbers written as text.
inline constexpr long kTypeMismatch = 13;  // the text is not a number
inline constexpr long kOverflow = 6;       // the number lies outside the 16-bit range

// Settings backing: the registry's own numbers.
inline constexpr long kSettingsKeyNotFound = -2147024894;   // the key cannot be opened
inline constexpr long kSettingsAccessDenied = -2147024891;  // the key cannot be written

// Application services: a running instance did not answer (the number of a call with an
// unusable argument).
inline constexpr long kInstanceNoAnswer = 5;
// Shell: the target is empty, so there is nothing to open (the number of a bad file name).
inline constexpr long kShellUnusableTarget = 52;

// Shell answers to open(): above 32 it opened, 32 or below it did not.
inline constexpr long kShellOpened = 42;
inline constexpr long kShellFileNotFound = 2;
inline constexpr long kShellNoAssociation = 31;

}  // namespace vq72::failure_number
