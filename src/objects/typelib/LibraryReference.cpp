#include "objects/typelib/LibraryReference.h"

#include <sstream>

#include "objects/typelib/TypeLibrary.h"

namespace vesk {
namespace {

std::string KindText(const MemberInfo& member) {
    if (member.IsMethod()) return "method";
    std::string kinds;
    auto add = [&](uint16_t flag, const char* name) {
        if (!(member.invokeKinds & flag)) return;
        if (!kinds.empty()) kinds += '/';
        kinds += name;
    };
    add(DISPATCH_PROPERTYGET, "get");
    add(DISPATCH_PROPERTYPUT, "put");
    add(DISPATCH_PROPERTYPUTREF, "putref");
    return "property, " + kinds;
}

// An enumeration default reads best as its constant; shared values give the first name.
std::string DefaultText(const ParamInfo& param) {
    const Variant& value = param.defaultValue;
    if (const EnumInfo* info = VeskTypeLibrary().FindEnum(param.typeName)) {
        for (const auto& [name, constant] : info->values) {
            if (constant == value.ToInt()) return "`" + name + "`";
        }
    }
    if (value.vt == VT_BOOL) return value.boolVal ? "true" : "false";
    if (value.vt == VT_BSTR) return "\"" + value.ToUtf8() + "\"";
    return value.ToUtf8();
}

std::string ParamsText(const MemberInfo& member) {
    if (member.params.empty()) return "none";
    std::string text;
    for (const auto& param : member.params) {
        if (!text.empty()) text += ", ";
        text += "`" + param.name + "` " + param.typeName;
        if (param.optional) text += " = " + DefaultText(param);
    }
    return text;
}

void DescribeClasses(std::ostream& out) {
    out << "## Classes\n\n| Class | Default interface | Events | Creatable | Description |\n|---|---|---|---|---|\n";
    for (const auto& coclass : VeskClasses()) {
        out << "| `" << coclass.name << "` | `" << coclass.defaultInterface << "` | "
            << (coclass.defaultSource ? std::string("`") + coclass.defaultSource + "`" : "none") << " | "
            << (coclass.creatable ? "yes" : "no") << " | " << coclass.description << " |\n";
    }
    out << "\nProgIDs: `" << kAudioEditorProgId << "`, `" << kAudioEditorVersionIndependentProgId << "`.\n\n";
}

void DescribeInterface(std::ostream& out, const InterfaceInfo& info) {
    out << "### " << info.name << "\n\n";
    if (info.dispatchOnly) out << "Dispatch-only: the host implements it and the control calls it.\n\n";
    out << "| DispID | Member | Kind | Parameters | Value |\n|---|---|---|---|---|\n";
    for (const auto& member : info.members) {
        out << "| " << member.id << " | `" << member.name << "` | " << KindText(member) << " | " << ParamsText(member)
            << " | " << (member.valueTypeName.empty() ? "none" : member.valueTypeName) << " |\n";
    }
    out << "\n";
}

void DescribeEnums(std::ostream& out) {
    out << "## Enumerations\n\n";
    for (const auto& info : VeskTypeLibrary().Enums()) {
        out << "### " << info.name << "\n\n| Constant | Value |\n|---|---|\n";
        for (const auto& [name, value] : info.values) out << "| `" << name << "` | " << value << " |\n";
        out << "\n";
    }
}

}  // namespace

std::string DescribeLibrary() {
    std::ostringstream out;
    out << "# " << kLibraryName << "\n\n"
        << kLibraryHelpString << ", version " << kLibraryVersionMajor << "." << kLibraryVersionMinor << ".\n\n";
    DescribeClasses(out);
    out << "## Interfaces\n\n";
    for (const InterfaceInfo* info : VeskTypeLibrary().Interfaces()) DescribeInterface(out, *info);
    DescribeEnums(out);
    return out.str();
}

}  // namespace vesk
