// The values the Invoke harness passes: for a parameter of a given type, the right type with
// ordinary or extreme values (INT_MIN, INT_MAX, NaN, ±inf, the largest floats), every other
// scalar type, strings that are empty, null, huge, numeric, not UTF-16-clean or not numbers at
// all, arrays where a scalar goes and scalars where an array goes, objects of the wrong
// interface, missing-argument markers, types no member takes, and all of these by reference.
//
// Strings never contain '/' unless they are one of the paths the harness gives out, and those
// all lie inside its scratch directory; relative names resolve inside it too (see
// InvokeDriver), so no value can make the control write elsewhere.
#pragma once

#include <string>
#include <vector>

#include "fuzz/invoke/Choices.h"
#include "fuzz/invoke/MemberPolicy.h"
#include "fuzz/invoke/ArgumentPack.h"
#include "platform/automation/Dispatch.h"

namespace vesk::fuzz {

// What the value is for.
struct ValueSlot {
    VARTYPE declared = VT_EMPTY;  // the parameter's type in the table (VT_ARRAY | element for arrays)
    bool path = false;            // a file or folder name
    NumberRange numbers = NumberRange::Any;
    std::string interfaceName;    // for an object: the interface the table names
};

// An object a value may be, and the interface it is.
struct KnownObject {
    IDispatch* object;  // borrowed
    std::string interfaceName;
};

class HostileValues {
public:
    // `paths`: the names a path slot may receive (inside the scratch directory); `objects`:
    // the dispatch objects a value may be (they outlive this object).
    HostileValues(std::vector<std::u16string> paths, std::vector<KnownObject> objects);

    // Writes a value for the slot into `out` (which is empty); by-reference storage comes from
    // `pack`.
    void Fill(Choices& choices, const ValueSlot& slot, VARIANT& out, ArgumentPack& pack) const;

private:
    void FillScalar(Choices& choices, VARTYPE type, NumberRange numbers, VARIANT& out) const;
    void FillString(Choices& choices, const ValueSlot& slot, VARIANT& out) const;
    void FillArray(Choices& choices, const ValueSlot& slot, VARIANT& out) const;
    void FillObject(Choices& choices, VARIANT& out) const;
    void FillReference(Choices& choices, const ValueSlot& slot, VARIANT& out, ArgumentPack& pack) const;
    void FillOddType(Choices& choices, VARIANT& out) const;
    BSTR MakeString(Choices& choices, const ValueSlot& slot) const;

    std::vector<std::u16string> paths_;
    std::vector<KnownObject> objects_;
};

}  // namespace vesk::fuzz
