#include "components/information/AsfTagFields.h"

#include <array>

namespace vesk {
namespace {

struct AttributeName {
    const char* attribute;
    const char* key;  // in TagLib's property map
    bool isHome;      // where this component writes the field; else another program's name
};

constexpr std::array<AttributeName, 6> kAttributes{{
    {"WM/UserWebURL", "URL", true},
    {"date", "DATE", false},
    {"Description", "COMMENT", false},
    {"title", "TITLE", false},
    {"Author", "ARTIST", false},
    {"copyright", "COPYRIGHT", false},
}};

TagLib::String FirstText(const TagLib::ASF::Tag& tag, const char* attribute) {
    const TagLib::ASF::AttributeList values = tag.attribute(attribute);
    return values.isEmpty() ? TagLib::String() : values.front().toString();
}

}  // namespace

TagLib::PropertyMap AsfTagFields::Properties(const TagLib::ASF::Tag& tag) {
    TagLib::PropertyMap properties = tag.properties();
    for (const AttributeName& name : kAttributes) {
        const TagLib::String text = FirstText(tag, name.attribute);
        if (!properties.contains(name.key) && !text.isEmpty()) properties.insert(name.key, text);
    }
    return properties;
}

void AsfTagFields::SetProperties(TagLib::ASF::Tag& tag, const TagLib::PropertyMap& properties) {
    tag.setProperties(properties);
    for (const AttributeName& name : kAttributes) {
        tag.removeItem(name.attribute);
        const auto value = properties.find(name.key);
        if (name.isHome && value != properties.end() && !value->second.isEmpty()) {
            tag.setAttribute(name.attribute, TagLib::ASF::Attribute(value->second.front()));
        }
    }
}

}  // namespace vesk
