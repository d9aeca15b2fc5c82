#include "document/FileKind.h"

#include <algorithm>
#include <cctype>

#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

FileKind FileKindOf(const std::string& fileName) {
    const std::string extension = Lower(SplitPath(fileName).extension);
    if (extension == ".wma") return FileKind::Wma;
    if (extension == ".cda") return FileKind::CdTrack;
    return FileKind::General;
}

int32_t CdTrackNumber(const std::string& fileName) {
    const std::string name = SplitPath(fileName).name;
    if (name.size() < 6) return 0;
    int32_t number = 0;
    for (size_t i = 5; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
        number = number * 10 + (name[i] - '0');
        if (number > 99) break;
    }
    return number;
}

}  // namespace vesk
