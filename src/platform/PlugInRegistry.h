#pragma once
// The plug-in instance registry: how many live instances each factory has made. A host asks it
// whether a plug-in's code is still in use before unloading it.
#include <cstdint>

#include "platform/UUID.h"

void CFPlugInAddInstanceForFactory(const CFUUIDRef& factoryID);
// Removing more instances than were added leaves the count at 0.
void CFPlugInRemoveInstanceForFactory(const CFUUIDRef& factoryID);
int32_t CFPlugInInstanceCountForFactory(const CFUUIDRef& factoryID);
