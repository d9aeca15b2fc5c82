#include "platform/automation/TypeInfo.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <tuple>

namespace vesk {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::string WithoutSpaces(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) out += c;
    }
    return out;
}

bool IsIdentifier(std::string_view text) {
    if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_')) return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

[[noreturn]] void Reject(const std::string& what) { throw std::logic_error(what); }

// Splits a parameter list at the commas that are not inside a quoted default.
std::vector<std::string_view> SplitParams(std::string_view text) {
    std::vector<std::string_view> parts;
    if (Trim(text).empty()) return parts;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"') quoted = !quoted;
        if (i == text.size() || (text[i] == ',' && !quoted)) {
            std::string_view part = Trim(text.substr(start, i - start));
            if (part.empty()) Reject("empty parameter in '" + std::string(text) + "'");
            parts.push_back(part);
            start = i + 1;
        }
    }
    if (quoted) Reject("unterminated string in '" + std::string(text) + "'");
    return parts;
}

uint16_t ParseKind(std::string_view kind) {
    kind = Trim(kind);
    if (kind == "method") return DISPATCH_METHOD;
    uint16_t kinds = 0;
    while (true) {
        const size_t slash = kind.find('/');
        const std::string_view part = Trim(kind.substr(0, slash));
        const uint16_t bit = part == "get"      ? DISPATCH_PROPERTYGET
                             : part == "put"    ? DISPATCH_PROPERTYPUT
                             : part == "putref" ? DISPATCH_PROPERTYPUTREF
                                                : 0;
        if (bit == 0 || (kinds & bit)) Reject("bad kind '" + std::string(kind) + "'");
        kinds |= bit;
        if (slash == std::string_view::npos) return kinds;
        kind.remove_prefix(slash + 1);
    }
}

// Types a vector may hold across the interface.
bool IsArrayElement(VARTYPE vt) {
    return vt == VT_I2 || vt == VT_I4 || vt == VT_R4 || vt == VT_R8 || vt == VT_BSTR || vt == VT_BOOL ||
           vt == VT_VARIANT;
}

// A literal default before it is converted to the parameter's type.
std::optional<Variant> ParseNumberLiteral(std::string_view text) {
    const char* end = text.data() + text.size();
    int32_t whole;
    if (auto r = std::from_chars(text.data(), end, whole); r.ec == std::errc() && r.ptr == end) {
        return Variant::I4(whole);
    }
    double real;
    if (auto r = std::from_chars(text.data(), end, real); r.ec == std::errc() && r.ptr == end) {
        return Variant::R8(real);
    }
    return std::nullopt;
}

std::string DescribeRow(const std::string& library, const std::string& iface, const MemberRow& row) {
    return "type library " + library + ", " + iface + " row " + std::to_string(row.id) + " '" +
           (row.name ? row.name : "") + "'";
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

size_t MemberInfo::RequiredParams() const {
    return static_cast<size_t>(
        std::count_if(params.begin(), params.end(), [](const ParamInfo& p) { return !p.optional; }));
}

const MemberInfo* InterfaceInfo::Find(DISPID id) const {
    auto it = std::find_if(members.begin(), members.end(), [id](const MemberInfo& m) { return m.id == id; });
    return it == members.end() ? nullptr : &*it;
}

const MemberInfo* InterfaceInfo::FindByName(std::string_view memberName) const {
    auto it = std::find_if(members.begin(), members.end(),
                           [memberName](const MemberInfo& m) { return NamesEqual(m.name, memberName); });
    return it == members.end() ? nullptr : &*it;
}

TypeLibrary::TypeLibrary(std::string name, std::vector<EnumInfo> enums)
    : name_(std::move(name)), enums_(std::move(enums)) {}

const InterfaceInfo* TypeLibrary::FindInterface(std::string_view name) const {
    auto it = interfaces_.find(name);
    return it == interfaces_.end() ? nullptr : &it->second;
}

std::optional<int32_t> TypeLibrary::EnumValue(std::string_view constant) const {
    for (const EnumInfo& e : enums_) {
        for (const auto& [name, value] : e.values) {
            if (NamesEqual(name, constant)) return value;
        }
    }
    return std::nullopt;
}

const EnumInfo* TypeLibrary::FindEnum(std::string_view name) const {
    auto it = std::find_if(enums_.begin(), enums_.end(),
                           [name](const EnumInfo& e) { return NamesEqual(e.name, name); });
    return it == enums_.end() ? nullptr : &*it;
}

std::pair<VARTYPE, bool> TypeLibrary::ParseType(std::string_view type) const {
    std::string text = WithoutSpaces(type);
    const bool byRef = !text.empty() && text.back() == '*';
    if (byRef) text.pop_back();
    constexpr std::string_view kArray = "SAFEARRAY(";
    if (text.starts_with(kArray) && text.ends_with(')')) {
        auto [element, elementByRef] = ParseType(text.substr(kArray.size(), text.size() - kArray.size() - 1));
        if (elementByRef || !IsArrayElement(element)) Reject("unsupported array type '" + std::string(type) + "'");
        return {static_cast<VARTYPE>(VT_ARRAY | element), byRef};
    }
    // Only arrays travel by reference; an interface is already a pointer.
    if (byRef) Reject("only SAFEARRAY types may be passed by reference: '" + std::string(type) + "'");
    static const std::pair<std::string_view, VARTYPE> kBuiltIn[] = {
        {"short", VT_I2},  {"long", VT_I4},   {"int", VT_I4},          {"float", VT_R4},
        {"double", VT_R8}, {"BSTR", VT_BSTR}, {"VARIANT_BOOL", VT_BOOL}, {"VARIANT", VT_VARIANT},
        {"OLE_COLOR", VT_UI4}, {"IDispatch", VT_DISPATCH},
    };
    for (const auto& [name, vt] : kBuiltIn) {
        if (text == name) return {vt, false};
    }
    if (FindEnum(text)) return {VT_I4, false};
    // Interface names of this library and of the standard one (IFontDisp, ...).
    if (text.size() > 1 && text[0] == 'I' && std::isupper(static_cast<unsigned char>(text[1])) && IsIdentifier(text)) {
        return {VT_DISPATCH, false};
    }
    Reject("unknown type '" + std::string(type) + "'");
}

ParamInfo TypeLibrary::ParseParam(std::string_view text) const {
    const size_t equals = text.find('=');
    const std::string_view declaration = Trim(text.substr(0, equals));
    const size_t gap = declaration.find_first_of(" \t");
    if (gap == std::string_view::npos) Reject("parameter without a type: '" + std::string(text) + "'");
    ParamInfo param;
    param.name = std::string(declaration.substr(0, gap));
    param.typeName = std::string(Trim(declaration.substr(gap)));
    if (!IsIdentifier(param.name)) Reject("bad parameter name in '" + std::string(text) + "'");
    std::tie(param.type, param.byRef) = ParseType(param.typeName);
    if (equals == std::string_view::npos) return param;

    const std::string_view literal = Trim(text.substr(equals + 1));
    std::optional<Variant> raw;
    if (literal.size() >= 2 && literal.front() == '"' && literal.back() == '"') {
        raw = Variant::String(literal.substr(1, literal.size() - 2));
    } else if (NamesEqual(literal, "true") || NamesEqual(literal, "false")) {
        raw = Variant::Bool(NamesEqual(literal, "true"));
    } else if (auto number = ParseNumberLiteral(literal)) {
        raw = std::move(number);
    } else if (auto constant = EnumValue(literal)) {
        raw = Variant::I4(*constant);
    } else {
        Reject("unknown default '" + std::string(literal) + "'");
    }
    param.optional = true;
    if (param.type == VT_VARIANT) {
        param.defaultValue = std::move(*raw);
    } else if (Failed(VariantChangeType(&param.defaultValue, &*raw, 0, param.type))) {
        Reject("default '" + std::string(literal) + "' does not fit " + param.typeName);
    }
    return param;
}

const InterfaceInfo& TypeLibrary::AddInterface(std::string name, const IID& iid, std::span<const MemberRow> rows,
                                               bool dispatchOnly) {
    if (interfaces_.count(name)) Reject("type library " + name_ + ": interface " + name + " added twice");
    InterfaceInfo info{name, iid, dispatchOnly, {}};
    for (const MemberRow& row : rows) {
        try {
            MemberInfo member;
            member.id = row.id;
            member.name = row.name ? row.name : "";
            if (!IsIdentifier(member.name)) Reject("bad member name");
            if (info.Find(row.id) || info.FindByName(member.name)) Reject("duplicate dispatch id or name");
            member.invokeKinds = ParseKind(row.kind ? row.kind : "");
            for (std::string_view part : SplitParams(row.params ? row.params : "")) {
                member.params.push_back(ParseParam(part));
                if (!member.params.back().optional && member.params.size() > member.RequiredParams()) {
                    Reject("required parameter after an optional one");
                }
            }
            const std::string_view value = Trim(row.value ? row.value : "");
            member.valueTypeName = std::string(value);
            // A by-reference mark on a result says nothing: results always come back by pointer.
            if (!value.empty()) member.valueType = ParseType(value).first;
            if (!member.IsMethod() && member.valueType == VT_EMPTY) Reject("property without a value type");
            info.members.push_back(std::move(member));
        } catch (const std::logic_error& e) {
            throw std::logic_error(DescribeRow(name_, name, row) + ": " + e.what());
        }
    }
    auto [it, inserted] = interfaces_.emplace(std::move(name), std::move(info));
    order_.push_back(&it->second);
    return it->second;
}

}  // namespace vesk
