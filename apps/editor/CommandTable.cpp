#include "CommandTable.h"

#include <cctype>

namespace vesk::editor {

namespace {

using K = Command::Kind;

std::vector<Command> MakeCommands() {
    return {
        {"new", "File", "_New\u2026", {"<Control>n"}, K::Form, "New", {}, {{"Frequency", "44100"}, {"nChannels", "2"}}, "create a new sound"},
        {"open", "File", "_Open\u2026", {"<Control>o"}, K::Handler, "Open", {}, {}, "open"},
        {"save", "File", "_Save", {"<Control>s"}, K::Handler, "Save", {}, {}, "save"},
        {"save-as", "File", "Save _As\u2026", {"<Control><Shift>s"}, K::Handler, "Save", {}, {}, "save"},
        {"save-selection", "File", "Save Se_lection As\u2026", {}, K::Handler, "Save", {}, {}, "save the selection as"},
        {"close", "File", "_Close", {"<Control>w"}, K::Handler, "", {}, {}, "close"},
        {"quit", "File", "_Quit", {"<Control>q"}, K::Handler, "", {}, {}, "quit"},

        {"undo", "Edit", "_Undo", {"<Control>z"}, K::Call, "Undo", {}, {}, "undo"},
        {"redo", "Edit", "_Redo", {"<Control><Shift>z", "<Control>y"}, K::Call, "Redo", {}, {}, "redo"},
        {"cut", "Edit", "Cu_t", {"<Control>x"}, K::Call, "Cut", {}, {}, "cut"},
        {"copy", "Edit", "_Copy", {"<Control>c"}, K::Call, "Copy", {}, {}, "copy"},
        {"paste", "Edit", "_Paste", {"<Control>v"}, K::Call, "Paste", {}, {}, "paste"},
        {"paste-file", "Edit", "Paste from _File\u2026", {}, K::Handler, "PasteFromFile", {}, {}, "paste"},
        {"mix", "Edit", "_Mix\u2026", {}, K::Form, "Mix", {}, {{"AmplifySelect", "1"}, {"AmplifyPaste", "1"}}, "mix"},
        {"mix-file", "Edit", "Mix from F_ile\u2026", {}, K::Form, "MixFromFile", {}, {{"AmplifySelect", "1"}, {"AmplifyPaste", "1"}}, "mix"},
        {"delete", "Edit", "_Delete", {"Delete"}, K::Call, "DeleteSelect", {}, {}, "delete the selection of"},
        {"insert-silence", "Edit", "Insert _Silence\u2026", {}, K::Form, "InsertSilence", {}, {{"Millisec", "1000"}}, "insert silence into"},
        {"select-all", "Edit", "Select _All", {"<Control>a"}, K::Handler, "", {}, {}, "select"},
        {"copy-clipboard", "Edit", "Copy to S_ystem Clipboard", {"<Control><Shift>c"}, K::Call, "CopyToClipboard", {}, {}, "copy to the system clipboard"},
        {"paste-clipboard", "Edit", "Paste from System Clip_board", {"<Control><Shift>v"}, K::Call, "PasteFromClipboard", {}, {}, "paste from the system clipboard"},

        {"convert", "Effects", "_Convert Sample Type…", {}, K::Form, "ConvertSampleType", {}, {}, "convert"},

        {"zoom-in", "View", "Zoom _In", {"<Control>plus", "<Control>equal"}, K::Call, "ZoomIn", {}, {}, "zoom"},
        {"zoom-out", "View", "Zoom _Out", {"<Control>minus"}, K::Call, "ZoomOut", {}, {}, "zoom"},
        {"zoom-full", "View", "Zoom _Full", {"<Control>0"}, K::Call, "ZoomFull", {}, {}, "zoom"},
        {"zoom-vertical", "View", "_Vertical Zoom\u2026", {}, K::Form, "ZoomVertical", {}, {{"Procent", "100"}}, "zoom"},
        {"view-waveform", "View", "_Waveform", {}, K::Handler, "", {}, {}, "show"},
        {"view-spectral", "View", "_Spectral", {}, K::Handler, "", {}, {}, "show"},
        {"toggle-scales", "View", "Show or Hide the S_cales", {}, K::Handler, "", {}, {}, "show"},
        {"colours-dark", "View", "Colours: _Dark", {}, K::Handler, "", {}, {}, "show"},
        {"colours-light", "View", "Colours: _Light", {}, K::Handler, "", {}, {}, "show"},

        {"play", "Transport", "_Play", {"space"}, K::Call, "Play", {1}, {}, "play"},
        {"play-looped", "Transport", "Play _Looped", {"<Shift>space"}, K::Call, "Play", {3}, {}, "play"},
        {"pause", "Transport", "P_ause or Continue", {"Pause"}, K::Handler, "Pause", {}, {}, "pause"},
        {"stop", "Transport", "_Stop", {"Escape"}, K::Call, "Stop", {}, {}, "stop"},
        {"record", "Transport", "_Record (Overwrite)", {"<Control>r"}, K::Call, "Record", {1}, {}, "record into"},
        {"record-mix", "Transport", "Record (_Mix)", {"<Control><Shift>r"}, K::Call, "Record", {2}, {}, "record into"},

        {"marker-add", "Markers", "_Add Marker", {"<Control>m"}, K::Handler, "", {}, {}, "add a marker to"},
        {"marker-panel", "Markers", "Show or Hide the _Panel", {"F9"}, K::Handler, "", {}, {}, "show"},
    };
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = MakeCommands();
    return commands;
}

const Command* FindCommand(const std::string& action) {
    for (const Command& command : Commands()) {
        if (command.action == action) return &command;
    }
    return nullptr;
}

bool IsTypingKey(const std::string& accelerator) {
    const bool control = accelerator.find("<Control>") != std::string::npos;
    const bool alt = accelerator.find("<Alt>") != std::string::npos;
    const std::string key = accelerator.substr(accelerator.rfind('>') == std::string::npos ? 0 : accelerator.rfind('>') + 1);
    if (alt) return false;
    if (control) return key.size() == 1 && std::string("acvxyzACVXYZ").find(key) != std::string::npos;
    // Function keys and Pause type nothing.
    const bool functionKey = key.size() >= 2 && key[0] == 'F' && std::isdigit(static_cast<unsigned char>(key[1]));
    return !functionKey && key != "Pause";
}

const std::vector<std::string>& MenuNames() {
    static const std::vector<std::string> names{"File", "Edit", "Effects", "View", "Transport", "Markers"};
    return names;
}

}  // namespace vesk::editor
