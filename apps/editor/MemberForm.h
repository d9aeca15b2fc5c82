// The fields of a dialog that calls one automation member: one field per parameter, in the
// member's call order, typed by the type library (an enumeration becomes a choice of its
// constants, VARIANT_BOOL a check box, a float array a list of numbers) and bounded and filled
// by the effect table where it describes the parameter. Every dialog of the editor — effects,
// output formats, New, Insert silence, Mix — is one of these forms; none is written by hand.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "EffectTable.h"
#include "platform/automation/TypeInfo.h"
#include "platform/automation/Variant.h"

namespace vesk::editor {

struct FormField {
    enum class Kind { Number, WholeNumber, Choice, Flag, NumberList, Text };

    std::string name;     // the parameter's name
    std::string label;    // "DelayTime (ms)"
    std::string tooltip;  // the table's meaning, when it has one
    Kind kind = Kind::Number;
    double minimum = -1e9;  // Number and WholeNumber
    double maximum = 1e9;
    std::vector<std::pair<std::string, double>> choices;  // Choice: label and value
    std::string initial;  // the starting value as text: a number, "1"/"0", a list or a name
    VARTYPE type = VT_R8;  // the parameter's type (for Choice and WholeNumber: VT_I4 or VT_I2)

    // The value for the call from the text a widget holds (for a Choice: the value's text).
    // Nothing when the text is not a valid value of the field; numbers are clamped to the range.
    std::optional<Variant> ToVariant(const std::string& text) const;
};

// A number as a field's text: shortest form, up to ten significant digits ("0.5", "44100").
std::string NumberText(double value);

// The method of the control's interface with that name (any case); nullptr when there is none.
const MemberInfo* EditorMethod(const std::string& name);

struct MemberForm {
    std::string member;
    std::vector<FormField> fields;

    // The form of a method of the interface. effect: its row in the effect table, if any.
    // startValues: parameter name -> starting value; it comes before the type library's default
    // and the table's (the host knows the document, they do not). sampleRateHz resolves "× rate" limits.
    static MemberForm For(const MemberInfo& method, const Effect* effect, const TypeLibrary& library,
                          double sampleRateHz, const std::map<std::string, std::string>& startValues = {});

    // The arguments of the call from the fields' texts, in call order; nothing when one is not
    // valid (then *invalidField names it).
    std::optional<std::vector<Variant>> Arguments(const std::vector<std::string>& texts,
                                                  std::string* invalidField = nullptr) const;
};

}  // namespace vesk::editor
