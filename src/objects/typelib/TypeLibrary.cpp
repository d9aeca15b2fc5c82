#include "objects/typelib/TypeLibrary.h"

#include <stdexcept>
#include <string>

#include "objects/typelib/LibraryTables.h"

namespace vesk {
namespace {

constexpr GUID ClassId(uint8_t index) {
    return {0x5645534B, 0x0002, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, index}};
}

constexpr ClassDescription kClasses[] = {
    {"AudioEditor", CLSID_AudioEditor, "IAudioEditor", "_IAudioEditorEvents", true, "AudioEditor Class"},
    {"AudioEditorScale", ClassId(2), "IAudioEditorScale", nullptr, false, "AudioEditorScale Class"},
    {"AudioEditorColors", ClassId(3), "IAudioEditorColors", nullptr, false, "AudioEditorColors Class"},
    {"AudioEditorFileInfo", ClassId(4), "IAudioEditorFileInfo", nullptr, false, "AudioEditorFileInfo Class"},
    {"AudioEditorDevice", ClassId(5), "IAudioEditorDevice", nullptr, false, "AudioEditorDevice Class"},
    {"AudioEditorDeviceLine", ClassId(6), "IAudioEditorDeviceLine", nullptr, false, "AudioEditorDeviceLine Class"},
    {"AudioEditorPosition", ClassId(7), "IAudioEditorPosition", nullptr, false, "AudioEditorPosition Class"},
    {"AudioEditorChannel", ClassId(8), "IAudioEditorChannel", nullptr, false, "AudioEditorChannel Class"},
    {"AudioEditorMarkers", ClassId(9), "IAudioEditorMarkers", nullptr, false, "AudioEditorMarkers Class"},
    {"AudioEditorLameMp3Encoder", ClassId(10), "IAudioEditorLameMp3Encoder", nullptr, false,
     "AudioEditorLameMp3Encoder Class"},
    {"AudioEditorRecorder", ClassId(11), "IAudioEditorRecorder", nullptr, false, "AudioEditorRecorder Class"},
};

void AddTables(TypeLibrary& library, std::span<const typelib::InterfaceTable> tables) {
    for (const auto& table : tables) library.AddInterface(table.name, table.iid, table.rows, table.dispatchOnly);
}

// Built in place: the library's interface list points into its own map.
const TypeLibrary* NewLibrary() {
    auto* library = new TypeLibrary(kLibraryName, typelib::LibraryEnumerations());
    AddTables(*library, typelib::AudioEditorTables());
    AddTables(*library, typelib::SubObjectTables());
    return library;
}

}  // namespace

std::span<const ClassDescription> VeskClasses() { return kClasses; }

const TypeLibrary& VeskTypeLibrary() {
    // Never destroyed: objects that outlive main (a host's globals) may still dispatch through it.
    static const TypeLibrary* const library = NewLibrary();
    return *library;
}

const InterfaceInfo& LibraryInterface(std::string_view name) {
    const InterfaceInfo* info = VeskTypeLibrary().FindInterface(name);
    if (!info) throw std::logic_error("no interface " + std::string(name) + " in " + kLibraryName);
    return *info;
}

}  // namespace vesk
