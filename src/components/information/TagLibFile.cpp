#include "components/information/TagLibFile.h"

namespace vesk {

TagLibFile::TagLibFile(const std::string& path, bool writable)
    : stream_(path, writable), ref_(&stream_, true, TagLib::AudioProperties::Fast) {}

TagLib::File* TagLibFile::Sound() const {
    if (ref_.isNull() || !ref_.audioProperties() || ref_.audioProperties()->sampleRate() <= 0) return nullptr;
    return ref_.file();
}

}  // namespace vesk
