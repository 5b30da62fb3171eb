#pragma once
// The component plug-in model: every plug-in object starts with a pointer to its function table,
// whose first entries are those of the base interface (IUnknown). A host finds a factory by name
// in the plug-in's code, calls it for a plug-in type and asks the returned object for an
// interface by its UUID bytes.
#include <cstdint>

#include "platform/UUID.h"

using HRESULT = int32_t;
using ULONG = uint32_t;
using REFIID = CFUUIDBytes;
using LPVOID = void*;

inline constexpr HRESULT S_OK = 0;

// The base interface's table: a reserved slot, then QueryInterface, AddRef and Release.
struct IUnknownVTbl {
  void* _reserved;
  HRESULT (*QueryInterface)(void* thisPointer, REFIID iid, LPVOID* ppv);
  ULONG (*AddRef)(void* thisPointer);
  ULONG (*Release)(void* thisPointer);
};

// 00000000-0000-0000-C000-000000000046, the base interface.
inline constexpr CFUUIDRef kIUnknownUUID = CFUUIDGetConstantUUIDWithBytes(
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);

// A plug-in's factory: the new object (a pointer to its IUnknownVTbl pointer) for `typeID`, or
// null when the plug-in makes nothing of that type.
using CFPlugInFactoryFunction = void* (*)(void* allocator, CFUUIDRef typeID);
