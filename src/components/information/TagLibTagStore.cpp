#include "components/information/TagLibTagStore.h"

#include <taglib/asffile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/wavfile.h>

#include "components/information/AsfTagFields.h"
#include "components/information/TagLibFile.h"
#include "components/information/TagPropertyConverter.h"
#include "platform/automation/Bstr.h"

namespace vesk {
namespace {

// RIFF INFO fields that TagLib's property mapping leaves out; writing them lets tools that read
// only INFO see the copyright and who encoded the file.
constexpr const char* kInfoCopyright = "ICOP";
constexpr const char* kInfoTechnician = "ITCH";

TagLib::String ToTagLib(const std::u16string& text) { return TagLib::String(Utf16ToUtf8(text), TagLib::String::UTF8); }

std::u16string FromTagLib(const TagLib::String& text) { return Utf8ToUtf16(text.to8Bit(true)); }

bool WriteMp3(TagLib::MPEG::File& file, const TagValues& values, Mp3TagLayout layout) {
    TagLib::ID3v2::Tag* id3v2 = file.ID3v2Tag(true);
    const TagLib::PropertyMap properties = TagPropertyConverter::ToProperties(values, id3v2->properties());
    id3v2->setProperties(properties);
    int tags = TagLib::MPEG::File::ID3v2;
    if (layout.withId3v1) {
        file.ID3v1Tag(true)->setProperties(properties);  // keeps what fits ID3v1's fixed fields
        tags |= TagLib::MPEG::File::ID3v1;
    }
    // StripOthers drops an ID3v1 (or APE) tag the layout does not ask for.
    return file.save(tags, TagLib::File::StripOthers, layout.id3v24 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3,
                     TagLib::File::DoNotDuplicate);
}

bool WriteAsf(TagLib::ASF::File& file, const TagValues& values) {
    TagLib::ASF::Tag& tag = *file.tag();
    AsfTagFields::SetProperties(tag, TagPropertyConverter::ToProperties(values, AsfTagFields::Properties(tag)));
    return file.save();
}

bool WriteWave(TagLib::RIFF::WAV::File& file, const TagValues& values) {
    file.setProperties(TagPropertyConverter::ToProperties(values, file.properties()));
    file.InfoTag()->setFieldText(kInfoCopyright, ToTagLib(values.copyright));
    file.InfoTag()->setFieldText(kInfoTechnician, ToTagLib(values.encodedBy));
    return file.save();
}

TagValues FromInfo(const TagLib::RIFF::Info::Tag& info) {
    TagValues values = TagPropertyConverter::FromProperties(info.properties());
    values.copyright = FromTagLib(info.fieldText(kInfoCopyright));
    values.encodedBy = FromTagLib(info.fieldText(kInfoTechnician));
    return values;
}

// TagLib reads a WAV file's tags from its ID3 chunk when it has one; other programs may have
// tagged the same file in INFO only (the product as album, a copyright), and those fields must
// not be lost on the way to the saved file.
void FillFromInfo(const TagLib::RIFF::WAV::File& file, TagValues& values) {
    if (file.hasInfoTag()) TagPropertyConverter::FillMissing(values, FromInfo(*file.InfoTag()));
}

TagLib::ByteVector FieldName(uint32_t id) {
    TagLib::ByteVector name(4, '\0');
    for (unsigned int i = 0; i < 4; ++i) name[i] = static_cast<char>(id >> (8 * i));
    return name;
}

TagLib::PropertyMap PropertiesOf(TagLib::File& file) {
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file)) return AsfTagFields::Properties(*asf->tag());
    return file.properties();
}

bool WriteAny(TagLib::File& file, const TagValues& values, Mp3TagLayout layout) {
    if (auto* mp3 = dynamic_cast<TagLib::MPEG::File*>(&file)) return WriteMp3(*mp3, values, layout);
    if (auto* wave = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) return WriteWave(*wave, values);
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file)) return WriteAsf(*asf, values);
    file.setProperties(TagPropertyConverter::ToProperties(values, file.properties()));
    return file.save();
}

}  // namespace

bool TagLibTagStore::Read(const std::string& path, TagValues& values) {
    TagLibFile file(path, false);
    TagLib::File* sound = file.Sound();
    if (!sound) return false;
    TagValues read = TagPropertyConverter::FromProperties(PropertiesOf(*sound));
    if (auto* wave = dynamic_cast<TagLib::RIFF::WAV::File*>(sound)) FillFromInfo(*wave, read);
    if (!file.Close()) return false;
    values = std::move(read);
    return true;
}

bool TagLibTagStore::Write(const std::string& path, const TagValues& values, Mp3TagLayout layout) {
    TagLibFile file(path, true);
    TagLib::File* sound = file.Sound();
    if (!sound || sound->readOnly()) return false;
    const bool saved = WriteAny(*sound, values, layout);
    return file.Close() && saved;
}

bool TagLibTagStore::OwnsInfoField(uint32_t id) {
    const TagLib::ByteVector name = FieldName(id);
    if (name == kInfoCopyright || name == kInfoTechnician) return true;
    // Which fields TagLib maps differs between its versions, so ask it: a field it maps shows up
    // in its property map (the probe "1" suits text, year and track fields alike).
    TagLib::RIFF::Info::Tag probe;
    probe.setFieldText(name, "1");
    return !probe.properties().isEmpty();
}

}  // namespace vesk
