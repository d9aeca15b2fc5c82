// The type library as data. Each interface is a table of rows written the way its reference
// reads (dispatch identifier, name, kind, parameter list, value type); the rows are parsed
// once into InterfaceInfo, which Invoke, the Python module and the documentation all read.
//
// Row syntax:
//   kind    "method", "get", "get/put", "get/put/putref"
//   params  "" or a comma-separated list of "Name Type" or "Name Type = Default", where Type is
//           short, long, int, float, double, BSTR, VARIANT_BOOL, VARIANT, OLE_COLOR, IDispatch,
//           an interface name (IFontDisp, IAudioEditorScale, ...: a dispatch object), an
//           enumeration name of the library (a long), SAFEARRAY(short), SAFEARRAY(float)*.
//           A default is a number, a quoted string, true/false, or an enumeration constant.
//   value   "" (nothing returned) or a Type as above.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/ComTypes.h"
#include "platform/automation/Variant.h"

namespace vesk {

struct ParamInfo {
    std::string name;
    VARTYPE type = VT_EMPTY;  // VT_ARRAY | element type for arrays
    std::string typeName;     // as written in the row ("FormatTypeConstants", "BSTR", ...)
    bool byRef = false;       // SAFEARRAY(float)*: passed by reference
    bool optional = false;
    Variant defaultValue;     // of type `type` when optional
};

struct MemberInfo {
    DISPID id = 0;
    std::string name;
    uint16_t invokeKinds = 0;  // DISPATCH_METHOD, or a mix of DISPATCH_PROPERTYGET/PUT/PUTREF
    std::vector<ParamInfo> params;
    VARTYPE valueType = VT_EMPTY;  // VT_EMPTY: nothing returned
    std::string valueTypeName;

    bool IsMethod() const { return invokeKinds & DISPATCH_METHOD; }
    size_t RequiredParams() const;
};

struct InterfaceInfo {
    std::string name;
    IID iid{};
    bool dispatchOnly = false;  // event interfaces
    std::vector<MemberInfo> members;

    const MemberInfo* Find(DISPID id) const;
    // Case-insensitive.
    const MemberInfo* FindByName(std::string_view name) const;
};

struct EnumInfo {
    std::string name;
    std::vector<std::pair<std::string, int32_t>> values;  // in declaration order
};

// One row of an interface table, as written in source.
struct MemberRow {
    DISPID id;
    const char* name;
    const char* kind;
    const char* params;
    const char* value;
};

// The enumerations and interfaces of one library. Parsing errors in the rows are programming
// errors: Build throws std::logic_error naming the row.
class TypeLibrary {
public:
    TypeLibrary(std::string name, std::vector<EnumInfo> enums);

    // Parses the rows and adds the interface; returns it.
    const InterfaceInfo& AddInterface(std::string name, const IID& iid, std::span<const MemberRow> rows,
                                      bool dispatchOnly = false);

    const std::string& Name() const { return name_; }
    const std::vector<EnumInfo>& Enums() const { return enums_; }
    const InterfaceInfo* FindInterface(std::string_view name) const;
    const std::vector<const InterfaceInfo*>& Interfaces() const { return order_; }
    std::optional<int32_t> EnumValue(std::string_view constant) const;
    const EnumInfo* FindEnum(std::string_view name) const;

private:
    ParamInfo ParseParam(std::string_view text) const;
    std::pair<VARTYPE, bool> ParseType(std::string_view type) const;

    std::string name_;
    std::vector<EnumInfo> enums_;
    std::map<std::string, InterfaceInfo, std::less<>> interfaces_;
    std::vector<const InterfaceInfo*> order_;
};

// Case-insensitive ASCII comparison used for member and parameter names.
bool NamesEqual(std::string_view a, std::string_view b);

}  // namespace vesk
