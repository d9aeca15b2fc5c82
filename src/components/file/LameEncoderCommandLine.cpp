#include "components/file/LameEncoderCommandLine.h"

#include <lame/lame.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "components/file/LameEncoderSettings.h"

namespace vesk {
namespace {

std::vector<std::string> Tokens(std::string_view line) {
    std::vector<std::string> tokens;
    size_t start = 0;
    while (start < line.size()) {
        const size_t begin = line.find_first_not_of(" \t\r\n", start);
        if (begin == std::string_view::npos) break;
        const size_t end = std::min(line.find_first_of(" \t\r\n", begin), line.size());
        tokens.emplace_back(line.substr(begin, end - begin));
        start = end;
    }
    return tokens;
}

std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') return std::nullopt;
    return value;
}

// LAME takes frequencies in kHz; a value that can only be Hz is taken as Hz.
int32_t Hertz(double value) { return static_cast<int32_t>(std::lround(std::abs(value) < 50 ? value * 1000 : value)); }

std::optional<int32_t> PresetNumber(const std::string& name) {
    if (name == "r3mix") return R3MIX;
    if (name == "standard") return STANDARD;
    if (name == "extreme") return EXTREME;
    if (name == "insane") return INSANE;
    if (name == "medium") return MEDIUM;
    if (const std::optional<double> kbps = Number(name)) return static_cast<int32_t>(*kbps);
    return std::nullopt;
}

// Walks the tokens; an option's argument is the rest of its token ("-V2") or the next token.
class Reader {
public:
    Reader(std::vector<std::string> tokens, LameSettingsValues& values) : tokens_(std::move(tokens)), v_(values) {}

    void Run() {
        for (index_ = 0; index_ < tokens_.size(); ++index_) {
            const std::string& token = tokens_[index_];
            if (token.rfind("--", 0) == 0) {
                Long(token.substr(2));
            } else if (token.size() >= 2 && token[0] == '-') {
                Short(token[1], token.substr(2));
            }
        }
    }

private:
    std::string Argument(const std::string& attached) {
        if (!attached.empty()) return attached;
        return index_ + 1 < tokens_.size() ? tokens_[++index_] : std::string();
    }

    std::optional<double> NumberArgument(const std::string& attached) { return Number(Argument(attached)); }

    void Short(char option, const std::string& rest) {
        switch (option) {
            case 'b': Set(v_.bitrateKbps, NumberArgument(rest)); break;
            case 'B': Set(v_.vbrBitrateKbps, NumberArgument(rest)); break;
            case 'V': Vbr(NumberArgument(rest)); break;
            case 'q': Set(v_.encoderQuality, NumberArgument(rest)); break;
            case 'h': v_.encoderQuality = 2; break;
            case 'f': v_.encoderQuality = 7; break;
            case 'm': Mode(Argument(rest)); break;
            case 'a': v_.channels = 1; break;
            case 't': v_.writingVbrHeader = VARIANT_FALSE; break;
            case 'e': Emphasis(Argument(rest)); break;
            case 'p': v_.errorProtection = VARIANT_TRUE; break;
            case 'F': v_.strictlyEnforceMinBitrate = VARIANT_TRUE; break;
            default: break;
        }
    }

    void Long(const std::string& name) {
        if (name == "abr") {
            v_.vbrCodingMethod = 4;
            Set(v_.abrBitrateKbps, NumberArgument({}));
        } else if (name == "vbr-old") {
            v_.vbrCodingMethod = 1;
        } else if (name == "vbr-new") {
            v_.vbrCodingMethod = 2;
        } else if (name == "lowpass" || name == "highpass" || name == "lowpass-width" || name == "highpass-width") {
            Filter(name, NumberArgument({}));
        } else if (name == "resample") {
            if (const auto khz = NumberArgument({})) v_.frequencyHz = Hertz(*khz);
        } else if (name == "strictly-enforce-ISO") {
            v_.strictIsoCompliance = VARIANT_TRUE;
        } else if (name == "nores") {
            v_.bitReservoir = VARIANT_FALSE;
        } else if (name == "noshort") {
            v_.shortBlocks = VARIANT_FALSE;
        } else if (name == "preset") {
            if (const auto preset = PresetNumber(Argument({}))) LameEncoderSettings::ApplyPreset(*preset, v_);
        }
    }

    template <class T>
    static void Set(T& field, std::optional<double> value) {
        if (value) field = static_cast<T>(*value);
    }

    // -V keeps an explicitly chosen VBR method (--vbr-old before it) and otherwise takes LAME's.
    void Vbr(std::optional<double> quality) {
        if (!quality) return;
        v_.vbrQuality = static_cast<int16_t>(*quality);
        if (v_.vbrCodingMethod == -1 || v_.vbrCodingMethod == 4) v_.vbrCodingMethod = 0;
    }

    void Mode(const std::string& mode) {
        if (mode == "m") {
            v_.channels = 1;
            return;
        }
        static constexpr std::string_view kModes = "sjfd";  // TypeStereo 1..4
        const size_t found = mode.size() == 1 ? kModes.find(mode[0]) : std::string_view::npos;
        if (found != std::string_view::npos) {
            v_.typeStereo = static_cast<int32_t>(found) + 1;
            v_.channels = 2;
        }
    }

    void Emphasis(const std::string& text) {
        if (text == "n") v_.emphasis = 0;
        if (text == "5") v_.emphasis = 1;
        if (text == "c") v_.emphasis = 3;
    }

    void Filter(const std::string& name, std::optional<double> khz) {
        if (!khz) return;
        const int32_t hz = *khz < 0 ? -1 : Hertz(*khz);
        if (name == "lowpass") v_.lowPassFrequencyHz = hz;
        if (name == "highpass") v_.highPassFrequencyHz = hz;
        if (name == "lowpass-width") v_.lowPassWidthHz = hz;
        if (name == "highpass-width") v_.highPassWidthHz = hz;
    }

    std::vector<std::string> tokens_;
    LameSettingsValues& v_;
    size_t index_ = 0;
};

}  // namespace

void LameEncoderCommandLine::Apply(std::string_view line, LameSettingsValues& values) {
    LameSettingsValues fresh;
    fresh.frequencyHz = values.frequencyHz;
    fresh.channels = values.channels;
    fresh.commandLine = values.commandLine;
    fresh.preset = values.preset;
    Reader(Tokens(line), fresh).Run();
    values = fresh;
}

}  // namespace vesk
