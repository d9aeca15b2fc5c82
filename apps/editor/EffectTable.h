// The effect parameter tables of docs/effects.md, read at run time so that one table (the one the
// transform component is documented by) gives every effect dialog its parameters' units, ranges
// and starting values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::editor {

// One end of a range: a number, or a share of the document's sample rate ("0.49 × rate").
struct RangeLimit {
    double value = 0;
    bool timesRate = false;

    double Resolve(double sampleRateHz) const { return timesRate ? value * sampleRateHz : value; }
};

struct EffectParameter {
    std::string name;     // as the automation member names it
    std::string unit;     // "dB", "ms", "factor", ... ("" when the table gives none)
    std::string meaning;  // the table's explanation, shown as a tooltip
    std::optional<RangeLimit> minimum;  // none: unbounded ("any (wrapped)") or not a number
    std::optional<RangeLimit> maximum;
    std::vector<double> choices;  // the only values accepted ("0, 1, 2"), else empty
    std::string defaultText;      // one number, or a comma-separated list for an array parameter
};

struct Effect {
    std::string member;   // the automation method, e.g. "LowPassFilter"
    std::string section;  // the heading it is listed under, e.g. "Filters"
    std::vector<EffectParameter> parameters;  // in the table's order (not necessarily the call's)

    const EffectParameter* Find(std::string_view parameterName) const;
};

class EffectTable {
public:
    // Reads every table whose header starts "| Effect | Parameter |". A row with an empty Effect
    // cell continues the effect above; a cell naming several effects ("LowPassFilter,
    // HighPassFilter") or several parameters ("AmpLL, AmpLR") gives each the row; a parenthesis
    // after an effect name ("Trim (TrimStart, TrimEnd)") is a remark.
    static EffectTable Parse(std::string_view markdown);

    const std::vector<Effect>& Effects() const { return effects_; }
    const Effect* Find(std::string_view member) const;

private:
    std::vector<Effect> effects_;
};

// "−1000..1000", "1..0.49 × rate", "1..rate/2 each", "0..10000 (≥ 1 sample)", "0, 1, 2",
// "any (wrapped)" or "" into the limits and choices of parameter.
void ParseRange(std::string_view text, EffectParameter& parameter);

// A comma-separated list of numbers ("0, -6, 0"; the typographic minus counts); nothing when an
// item is not a number.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

}  // namespace vesk::editor
