#include "EffectTable.h"

#include <charconv>
#include <cstdlib>

namespace vesk::editor {

namespace {

constexpr std::string_view kTableHeader = "| Effect | Parameter |";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The tables are typeset: a minus may be U+2212 and a plus sign may lead.
std::string PlainNumberText(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "\u2212") {
            plain += '-';
            i += 2;
        } else if (text[i] != '+') {
            plain += text[i];
        }
    }
    return std::string(Trim(plain));
}

std::optional<double> ParseNumber(std::string_view text) {
    const std::string plain = PlainNumberText(text);
    if (plain.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const auto comma = text.find(',');
        items.emplace_back(Trim(text.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return items;
}

std::vector<std::string> Cells(std::string_view row) {
    row = Trim(row);
    if (row.starts_with('|')) row.remove_prefix(1);
    if (row.ends_with('|')) row.remove_suffix(1);
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t bar = row.find('|'); ; bar = row.find('|', start)) {
        cells.emplace_back(Trim(row.substr(start, bar == std::string_view::npos ? bar : bar - start)));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return cells;
}

// "1", "0.49 × rate" or "rate/2".
std::optional<RangeLimit> ParseLimit(std::string_view text) {
    text = Trim(text);
    if (const auto times = text.find("\u00d7 rate"); times != std::string_view::npos) {
        if (auto factor = ParseNumber(text.substr(0, times))) return RangeLimit{*factor, true};
        return std::nullopt;
    }
    if (text.starts_with("rate/")) {
        auto divisor = ParseNumber(text.substr(5));
        if (divisor && *divisor != 0) return RangeLimit{1.0 / *divisor, true};
        return std::nullopt;
    }
    if (auto value = ParseNumber(text)) return RangeLimit{*value, false};
    return std::nullopt;
}

// Column positions of one table, from its header row.
struct Columns {
    size_t effect = 0, parameter = 1, unit = 2, range = 3, meaning = 4;
    std::optional<size_t> defaults;

    static Columns From(const std::vector<std::string>& header) {
        Columns columns;
        for (size_t i = 0; i < header.size(); ++i) {
            if (header[i] == "Unit") columns.unit = i;
            if (header[i].starts_with("Range")) columns.range = i;
            if (header[i] == "Default") columns.defaults = i;
            if (header[i] == "Meaning") columns.meaning = i;
        }
        return columns;
    }
};

class TableReader {
public:
    explicit TableReader(std::vector<Effect>& effects) : effects_(effects) {}

    void Heading(std::string_view line) { section_ = std::string(Trim(line.substr(line.find(' ')))); }
    void Header(std::string_view line) {
        columns_ = Columns::From(Cells(line));
        current_.clear();
    }
    void Row(std::string_view line) {
        const std::vector<std::string> cells = Cells(line);
        if (cells.size() <= columns_.meaning) return;
        if (!cells[columns_.effect].empty()) StartEffects(cells[columns_.effect]);
        AddParameters(cells);
    }

private:
    void StartEffects(std::string_view cell) {
        current_.clear();
        for (const std::string& name : SplitList(cell.substr(0, cell.find('(')))) {
            effects_.push_back(Effect{name, section_, {}});
            current_.push_back(effects_.size() - 1);
        }
    }

    void AddParameters(const std::vector<std::string>& cells) {
        const std::string& names = cells[columns_.parameter];
        if (names.empty() || names == "\u2014") return;
        const std::vector<std::string> parameterNames = SplitList(names);
        const std::string defaults = columns_.defaults ? cells[*columns_.defaults] : std::string();
        const std::vector<std::string> defaultItems = SplitList(defaults);
        for (size_t i = 0; i < parameterNames.size(); ++i) {
            EffectParameter parameter{parameterNames[i], cells[columns_.unit], cells[columns_.meaning]};
            ParseRange(cells[columns_.range], parameter);
            // One value per named parameter, or the whole cell for a single (array) parameter.
            parameter.defaultText = parameterNames.size() == 1 ? defaults
                                    : i < defaultItems.size() ? defaultItems[i]
                                                              : std::string();
            for (size_t index : current_) effects_[index].parameters.push_back(parameter);
        }
    }

    std::vector<Effect>& effects_;
    std::string section_;
    Columns columns_;
    std::vector<size_t> current_;  // the effects the rows now describe
};

}  // namespace

const EffectParameter* Effect::Find(std::string_view parameterName) const {
    for (const EffectParameter& parameter : parameters) {
        if (parameter.name == parameterName) return &parameter;
    }
    return nullptr;
}

void ParseRange(std::string_view text, EffectParameter& parameter) {
    std::string_view range = Trim(text.substr(0, text.find('(')));
    if (range.ends_with(" each")) range = Trim(range.substr(0, range.size() - 5));
    if (const auto dots = range.find(".."); dots != std::string_view::npos) {
        parameter.minimum = ParseLimit(range.substr(0, dots));
        parameter.maximum = ParseLimit(range.substr(dots + 2));
        return;
    }
    if (range.find(',') != std::string_view::npos) {
        if (auto choices = ParseNumberList(range)) parameter.choices = *choices;
    }
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
    std::vector<double> numbers;
    for (const std::string& item : SplitList(text)) {
        auto number = ParseNumber(item);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

EffectTable EffectTable::Parse(std::string_view markdown) {
    EffectTable table;
    TableReader reader(table.effects_);
    bool inTable = false;
    while (!markdown.empty()) {
        const auto end = markdown.find('\n');
        const std::string_view line = markdown.substr(0, end);
        markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);
        if (line.starts_with("#")) {
            reader.Heading(line);
        } else if (line.starts_with(kTableHeader)) {
            reader.Header(line);
            inTable = true;
        } else if (!line.starts_with("|")) {
            inTable = false;
        } else if (inTable && !line.starts_with("|---")) {
            reader.Row(line);
        }
    }
    return table;
}

const Effect* EffectTable::Find(std::string_view member) const {
    for (const Effect& effect : effects_) {
        if (effect.member == member) return &effect;
    }
    return nullptr;
}

}  // namespace vesk::editor
