#include "MemberForm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {

namespace {

// Parameters the table calls unbounded ("any (wrapped)") still need a range for a spin box.
constexpr double kUnbounded = 1e6;

void ApplyRange(FormField& field, const EffectParameter& parameter, double sampleRateHz) {
    field.minimum = parameter.minimum ? parameter.minimum->Resolve(sampleRateHz) : -kUnbounded;
    field.maximum = parameter.maximum ? parameter.maximum->Resolve(sampleRateHz) : kUnbounded;
    if (!parameter.choices.empty()) {
        field.kind = FormField::Kind::Choice;
        for (double choice : parameter.choices) field.choices.emplace_back(NumberText(choice), choice);
    }
}

void TypeField(FormField& field, const ParamInfo& param, const TypeLibrary& library) {
    if (const EnumInfo* enumeration = library.FindEnum(param.typeName)) {
        field.kind = FormField::Kind::Choice;
        field.type = VT_I4;
        for (const auto& [name, value] : enumeration->values) field.choices.emplace_back(name, value);
    } else if (param.type == VT_BOOL) {
        field.kind = FormField::Kind::Flag;
        field.type = VT_BOOL;
    } else if (param.type & VT_ARRAY) {
        field.kind = FormField::Kind::NumberList;
        field.type = VT_ARRAY | VT_R4;
    } else if (param.type == VT_BSTR) {
        field.kind = FormField::Kind::Text;
        field.type = VT_BSTR;
    } else if (param.type == VT_I2 || param.type == VT_I4) {
        field.kind = FormField::Kind::WholeNumber;
        field.type = param.type;
    }
}

std::string InitialText(const FormField& field, const ParamInfo& param, const EffectParameter* described,
                        const std::map<std::string, std::string>& startValues) {
    // The host's starting values come from the document (its rate, its channels) and win.
    if (auto start = startValues.find(param.name); start != startValues.end()) return start->second;
    if (param.optional) {
        if (field.kind == FormField::Kind::Flag) return param.defaultValue.ToInt() ? "1" : "0";
        if (field.kind == FormField::Kind::Text) return param.defaultValue.ToUtf8();
        return NumberText(param.defaultValue.ToDouble());
    }
    if (described && !described->defaultText.empty()) return described->defaultText;
    if (field.kind == FormField::Kind::Choice) return NumberText(field.choices.front().second);
    if (field.kind == FormField::Kind::Text) return "";
    return NumberText(std::clamp(0.0, field.minimum, field.maximum));
}

std::string Label(const std::string& name, const EffectParameter* described) {
    if (!described || described->unit.empty() || described->unit == "boolean") return name;
    return name + " (" + described->unit + ")";
}

Variant ArrayOf(const std::vector<double>& values, double minimum, double maximum) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_R4, 0, static_cast<uint32_t>(values.size()));
    auto elements = SafeArraySpan<float>(array, VT_R4);
    for (size_t i = 0; i < elements.size(); ++i) {
        elements[i] = static_cast<float>(std::clamp(values[i], minimum, maximum));
    }
    return Variant::AdoptArray(array);
}

}  // namespace

std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

const MemberInfo* EditorMethod(const std::string& name) {
    const MemberInfo* member = VeskTypeLibrary().FindInterface("IAudioEditor")->FindByName(name);
    return member && member->IsMethod() ? member : nullptr;
}

std::optional<Variant> FormField::ToVariant(const std::string& text) const {
    if (kind == Kind::Text) return Variant::String(text);
    auto numbers = ParseNumberList(text);
    if (!numbers || numbers->empty()) return std::nullopt;
    if (kind == Kind::NumberList) return ArrayOf(*numbers, minimum, maximum);
    if (numbers->size() != 1) return std::nullopt;
    const double value = numbers->front();
    switch (kind) {
        case Kind::Flag:
            return Variant::Bool(value != 0);
        case Kind::Choice: {
            const bool listed = std::any_of(choices.begin(), choices.end(),
                                            [value](const auto& choice) { return choice.second == value; });
            if (!listed) return std::nullopt;
            return Variant::I4(static_cast<int32_t>(value));
        }
        case Kind::WholeNumber:
            return Variant::I4(static_cast<int32_t>(std::lround(std::clamp(value, minimum, maximum))));
        default:
            return Variant::R8(std::clamp(value, minimum, maximum));
    }
}

MemberForm MemberForm::For(const MemberInfo& method, const Effect* effect, const TypeLibrary& library,
                           double sampleRateHz, const std::map<std::string, std::string>& startValues) {
    MemberForm form{method.name, {}};
    for (const ParamInfo& param : method.params) {
        const EffectParameter* described = effect ? effect->Find(param.name) : nullptr;
        FormField field;
        field.name = param.name;
        field.label = Label(param.name, described);
        if (described) field.tooltip = described->meaning;
        TypeField(field, param, library);
        if (described) ApplyRange(field, *described, sampleRateHz);
        field.initial = InitialText(field, param, described, startValues);
        form.fields.push_back(std::move(field));
    }
    return form;
}

std::optional<std::vector<Variant>> MemberForm::Arguments(const std::vector<std::string>& texts,
                                                          std::string* invalidField) const {
    std::vector<Variant> arguments;
    for (size_t i = 0; i < fields.size(); ++i) {
        auto value = fields[i].ToVariant(i < texts.size() ? texts[i] : std::string());
        if (!value) {
            if (invalidField) *invalidField = fields[i].name;
            return std::nullopt;
        }
        arguments.push_back(std::move(*value));
    }
    return arguments;
}

}  // namespace vesk::editor
