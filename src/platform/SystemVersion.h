#pragma once
// The system-version query the extension asks at start-up, by selector: 'sys1' the major
// version, 'sys2' the minor, 'sysv' both as hexadecimal digits 0xMMmb (10.6 is 0x1060; a minor
// above 9 reads as 9, as the selector can hold no more). The system answers as a 10.x release;
// tests set another version, or make the 'sys2' selector fail, to run the older paths.
#include <cstdint>

#include "platform/FourCC.h"
#include "platform/Status.h"

inline constexpr OSStatus gestaltUndefSelectorErr = -5551;  // no such selector

// The answer of one selector in response; gestaltUndefSelectorErr (response untouched) for an
// unknown selector, paramErr for a null response.
OSErr Gestalt(OSType selector, int32_t* response);

// Tests: answer as major.minor from now on; minorSelectorFails makes 'sys2' unknown.
void SetSystemVersionForTesting(int32_t major, int32_t minor, bool minorSelectorFails = false);
// Tests: back to the system's own answer.
void ResetSystemVersion();
