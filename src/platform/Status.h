#pragma once
// Status codes of the platform stand-ins: 0 success, negative failure.
// Every value the system uses is named here, once.
#include <cstdint>

using OSStatus = int32_t;
using OSErr = int32_t;

inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus paramErr = -50;                 // bad parameter
inline constexpr OSStatus fnfErr = -43;                   // file not found
inline constexpr OSStatus ioErr = -36;                    // I/O error
inline constexpr OSStatus eofErr = -39;                   // end of file
inline constexpr OSStatus memFullErr = -108;              // out of memory
inline constexpr OSStatus resNotFound = -192;             // resource not found
inline constexpr OSStatus resFNotFound = -193;            // resource file not found
inline constexpr OSStatus kPMGeneralError = -30870;       // printing system: general failure
inline constexpr OSStatus kPMInvalidParameter = -30875;   // printing system: bad parameter
inline constexpr OSStatus kPMKeyNotFound = -30879;        // printing system: no such ticket key
inline constexpr OSStatus kPMInvalidTicket = -30889;      // printing system: no such ticket
inline constexpr OSStatus kPMInvalidKey = -30891;         // printing system: bad ticket key
inline constexpr OSStatus eventNotHandledErr = -9874;     // toolkit: let the next handler see the event
inline constexpr OSStatus errStartupCheckFailed = -9530;  // plug-in start-up check failed
inline constexpr OSStatus errUserCanceled = -9589;        // toolkit: user cancelled
inline constexpr OSStatus kTECNoConversionPathErr = -8749;  // text conversion: no path
inline constexpr OSStatus kTextMalformedInputErr = -8739;   // text conversion: malformed input
