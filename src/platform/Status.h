#pragma once
// Status codes of the platform stand-ins: 0 success, negative failure.
// Every value the system uses is named here, once.
#include <cstdint>

using OSStatus = int32_t;
using OSErr = int32_t;

inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus paramErr = -50;       // bad parameter
inline constexpr OSStatus openErr = -23;        // the operation is not open to this object
inline constexpr OSStatus readErr = -19;        // a read that cannot be done (no room, not open)
inline constexpr OSStatus kCommFailedErr = -1;  // a socket-layer failure
// The plug-in model's answer for an interface a plug-in does not have (the bit pattern 0x80000004).
inline constexpr OSStatus E_NOINTERFACE = static_cast<OSStatus>(0x80000004u);
inline constexpr OSStatus dskFulErr = -34;               // no room left on the disk
inline constexpr OSStatus fnfErr = -43;                  // file not found
inline constexpr OSStatus wPrErr = -44;                  // the disk or folder is read-only
inline constexpr OSStatus ioErr = -36;                   // I/O error
inline constexpr OSStatus eofErr = -39;                  // end of file
inline constexpr OSStatus fnOpnErr = -38;                // file not open
inline constexpr OSStatus dupFNErr = -48;                // file already exists
inline constexpr OSStatus permErr = -54;                 // file permission refused
inline constexpr OSStatus memFullErr = -108;             // out of memory
inline constexpr OSStatus resNotFound = -192;            // resource not found
inline constexpr OSStatus resFNotFound = -193;           // resource file not found
inline constexpr OSStatus kPMGeneralError = -30870;      // printing system: general failure
inline constexpr OSStatus kPMInvalidParameter = -30875;  // printing system: bad parameter
inline constexpr OSStatus kPMKeyNotFound = -30879;       // printing system: no such ticket key
inline constexpr OSStatus kPMInvalidTicket = -30889;     // printing system: no such ticket
inline constexpr OSStatus kPMInvalidKey = -30891;        // printing system: bad ticket key
inline constexpr OSStatus eventNotHandledErr =
    -9874;  // toolkit: let the next handler see the event
inline constexpr OSStatus errStartupCheckFailed = -9530;    // plug-in start-up check failed
inline constexpr OSStatus errUserCanceled = -9589;          // toolkit: user cancelled
inline constexpr OSStatus kTECNoConversionPathErr = -8749;  // text conversion: no path
inline constexpr OSStatus kTextMalformedInputErr = -8739;   // text conversion: malformed input
inline constexpr OSStatus kTECUnmappableElementErr =
    -8738;  // text conversion: a character the target encoding cannot hold
inline constexpr OSStatus kPropertyListMalformedErr =
    -4960;                                              // property list: not a valid property list
inline constexpr OSStatus errInvalidWindowRef = -5600;  // toolkit: no such window
inline constexpr OSStatus errWindowNotSheet = -5613;  // toolkit: the window is not shown as a sheet
inline constexpr OSStatus errUnknownControl =
    -30584;  // toolkit: no such control, or not of the needed kind
inline constexpr OSStatus errCouldntSetFocus =
    -30585;  // toolkit: the control cannot take keyboard focus
inline constexpr OSStatus errControlInactive =
    -30586;  // toolkit: the control is disabled or hidden
inline constexpr OSStatus errModalLoopUnanswered =
    -30590;  // toolkit: a modal loop ended with nobody to answer it
inline constexpr OSStatus errWindowBlocked =
    -30591;  // toolkit: the window takes no input (hidden, or another window's modal loop runs)
inline constexpr OSStatus kIBCarbonRuntimeCantFindNibFile = -10960;  // interface file missing
inline constexpr OSStatus kIBCarbonRuntimeObjectNotOfRequestedType =
    -10961;                                                         // interface file malformed
inline constexpr OSStatus kIBCarbonRuntimeCantFindObject = -10962;  // no window/menu of that name
