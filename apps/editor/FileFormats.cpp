#include "FileFormats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace vesk::editor {

const std::vector<std::string>& ReadablePatterns() {
    static const std::vector<std::string> patterns{
        "*.wav", "*.mp3", "*.ogg", "*.opus", "*.flac", "*.aif", "*.aiff", "*.au", "*.snd", "*.raw", "*.pcm",
        "*.vox", "*.gsm", "*.mp2", "*.mpc", "*.avi", "*.aac", "*.m4a", "*.wma", "*.g726", "*.g721", "*.g723"};
    return patterns;
}

std::string FormatMemberFor(const std::string& fileName) {
    static const std::vector<std::pair<std::string, std::string>> members{
        {".wav", "SetFormatPCM"},   {".mp3", "SetFormatMP3"},   {".ogg", "SetFormatOggVorbis"},
        {".mp2", "SetFormatMP2"},   {".vox", "SetFormatVOX"},   {".gsm", "SetFormatGSM"},
        {".raw", "SetFormatRAW"},   {".pcm", "SetFormatRAW"},   {".wma", "SetFormatWMA"},
        {".g726", "SetFormatG726"}, {".g721", "SetFormatG721"}, {".g723", "SetFormatG723"},
    };
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [suffix, member] : members) {
        if (suffix == extension) return member;
    }
    return "";
}

}  // namespace vesk::editor
