// The library's tables as written in source: the enumerations and the member rows of every
// interface, in published order. Internal to this folder; everyone else reads the parsed library
// through VeskTypeLibrary().
#pragma once

#include <span>
#include <vector>

#include "platform/automation/TypeInfo.h"

namespace vesk::typelib {

// One interface of the library before parsing.
struct InterfaceTable {
    const char* name;
    IID iid;
    std::span<const MemberRow> rows;  // in vtable order
    bool dispatchOnly;                // the event interface: rows are methods the host implements
};

// Every enumeration with its constants, in declaration order.
std::vector<EnumInfo> LibraryEnumerations();

// IAudioEditor, then _IAudioEditorEvents.
std::span<const InterfaceTable> AudioEditorTables();

// The sub-object interfaces in published order.
std::span<const InterfaceTable> SubObjectTables();

}  // namespace vesk::typelib
