// The control's type library: its identity, the classes it describes and the parsed tables of
// its enumerations and interfaces (IAudioEditor, _IAudioEditorEvents and the sub-object
// interfaces). Invoke, the Python module and the generated reference all read these tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/automation/TypeInfo.h"

namespace vesk {

inline constexpr char kLibraryName[] = "VESKAUDIOEDITORLib";
inline constexpr char kLibraryHelpString[] = "VeskAudioEditor 1.0 Type Library";
inline constexpr uint16_t kLibraryVersionMajor = 1;
inline constexpr uint16_t kLibraryVersionMinor = 0;
inline constexpr LCID kLibraryLocale = 0x409;
// {5645534B-0000-4E00-A000-000000000001}
inline constexpr GUID LIBID_VeskAudioEditorLib{
    0x5645534B, 0x0000, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};

// The one creatable class and the names under which hosts create it.
// {5645534B-0002-4E00-A000-000000000001}
inline constexpr CLSID CLSID_AudioEditor{0x5645534B, 0x0002, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};
inline constexpr char kAudioEditorProgId[] = "VeskAudioEditor.AudioEditor.1";
inline constexpr char kAudioEditorVersionIndependentProgId[] = "VeskAudioEditor.AudioEditor";
// The value of the ProgID and class keys in the registry.
inline constexpr char kAudioEditorRegistryName[] = "VeskAudioEditor Class";

// A class (coclass) of the library.
struct ClassDescription {
    const char* name;  // "AudioEditor"
    CLSID clsid;
    const char* defaultInterface;  // "IAudioEditor"
    const char* defaultSource;     // the event interface it fires, or nullptr
    bool creatable;                // hosts may create it; the others come from the control's properties
    const char* description;       // "AudioEditor Class"
};

// All classes, AudioEditor first.
std::span<const ClassDescription> VeskClasses();

// The parsed library; built on first use (thread-safe) and never destroyed before exit.
const TypeLibrary& VeskTypeLibrary();

// The table of one interface of the library by exact name ("IAudioEditor",
// "_IAudioEditorEvents", ...). Precondition: the name exists (std::logic_error otherwise).
const InterfaceInfo& LibraryInterface(std::string_view name);

}  // namespace vesk
