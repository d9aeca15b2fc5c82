#include "components/file/LameSettingsStore.h"

#include "components/file/LameEncoderCommandLine.h"
#include "components/file/LameEncoderSettings.h"
#include "platform/automation/OutParam.h"

namespace vesk {

HRESULT LameSettingsStore::SetParamsFromCommandLine(BSTR commandLine) {
    values_.commandLine = std::u16string(BstrView(commandLine));
    LameEncoderCommandLine::Apply(BstrToUtf8(commandLine), values_);
    return S_OK;
}

// A number LAME does not know as a preset changes nothing but the number kept.
HRESULT LameSettingsStore::SetParamsFromPreset(int16_t preset) {
    values_.preset = preset;
    LameEncoderSettings::ApplyPreset(preset, values_);
    return S_OK;
}

// The alternative presets share the numbering of the ordinary ones here.
HRESULT LameSettingsStore::SetParamsFromAltPreset(int16_t preset) { return SetParamsFromPreset(preset); }

// Every property is plain storage: the getter answers what the last put stored.
HRESULT LameSettingsStore::get_VbrBitrate(int32_t* value) { return WriteOut(value, values_.vbrBitrateKbps); }
HRESULT LameSettingsStore::put_VbrBitrate(int32_t value) { return StoreValue(values_.vbrBitrateKbps, value); }
HRESULT LameSettingsStore::get_VbrQuality(int16_t* value) { return WriteOut(value, values_.vbrQuality); }
HRESULT LameSettingsStore::put_VbrQuality(int16_t value) { return StoreValue(values_.vbrQuality, value); }
HRESULT LameSettingsStore::get_VbrCodingMethod(int32_t* value) { return WriteOut(value, values_.vbrCodingMethod); }
HRESULT LameSettingsStore::put_VbrCodingMethod(int32_t value) { return StoreValue(values_.vbrCodingMethod, value); }
HRESULT LameSettingsStore::get_AbrBitrate(int16_t* value) { return WriteOut(value, values_.abrBitrateKbps); }
HRESULT LameSettingsStore::put_AbrBitrate(int16_t value) { return StoreValue(values_.abrBitrateKbps, value); }
HRESULT LameSettingsStore::get_TypeStereo(int32_t* value) { return WriteOut(value, values_.typeStereo); }
HRESULT LameSettingsStore::put_TypeStereo(int32_t value) { return StoreValue(values_.typeStereo, value); }
HRESULT LameSettingsStore::get_EncoderQuality(int16_t* value) { return WriteOut(value, values_.encoderQuality); }
HRESULT LameSettingsStore::put_EncoderQuality(int16_t value) { return StoreValue(values_.encoderQuality, value); }
HRESULT LameSettingsStore::get_WritingVBRHeader(VARIANT_BOOL* value) {
    return WriteOut(value, values_.writingVbrHeader);
}
HRESULT LameSettingsStore::put_WritingVBRHeader(VARIANT_BOOL value) {
    return StoreValue(values_.writingVbrHeader, value);
}
HRESULT LameSettingsStore::get_BitReservoir(VARIANT_BOOL* value) { return WriteOut(value, values_.bitReservoir); }
HRESULT LameSettingsStore::put_BitReservoir(VARIANT_BOOL value) { return StoreValue(values_.bitReservoir, value); }
HRESULT LameSettingsStore::get_BlockTypeControl(VARIANT_BOOL* value) {
    return WriteOut(value, values_.blockTypeControl);
}
HRESULT LameSettingsStore::put_BlockTypeControl(VARIANT_BOOL value) {
    return StoreValue(values_.blockTypeControl, value);
}
HRESULT LameSettingsStore::get_ShortBlocks(VARIANT_BOOL* value) { return WriteOut(value, values_.shortBlocks); }
HRESULT LameSettingsStore::put_ShortBlocks(VARIANT_BOOL value) { return StoreValue(values_.shortBlocks, value); }
HRESULT LameSettingsStore::get_Emphasis(int16_t* value) { return WriteOut(value, values_.emphasis); }
HRESULT LameSettingsStore::put_Emphasis(int16_t value) { return StoreValue(values_.emphasis, value); }
HRESULT LameSettingsStore::get_StrictISOCompliance(VARIANT_BOOL* value) {
    return WriteOut(value, values_.strictIsoCompliance);
}
HRESULT LameSettingsStore::put_StrictISOCompliance(VARIANT_BOOL value) {
    return StoreValue(values_.strictIsoCompliance, value);
}
HRESULT LameSettingsStore::get_StrictlyEnforceMinBitrate(VARIANT_BOOL* value) {
    return WriteOut(value, values_.strictlyEnforceMinBitrate);
}
HRESULT LameSettingsStore::put_StrictlyEnforceMinBitrate(VARIANT_BOOL value) {
    return StoreValue(values_.strictlyEnforceMinBitrate, value);
}
HRESULT LameSettingsStore::get_ATHControlMode(int16_t* value) { return WriteOut(value, values_.athControlMode); }
HRESULT LameSettingsStore::put_ATHControlMode(int16_t value) { return StoreValue(values_.athControlMode, value); }
HRESULT LameSettingsStore::get_LowPassFrequency(int32_t* value) { return WriteOut(value, values_.lowPassFrequencyHz); }
HRESULT LameSettingsStore::put_LowPassFrequency(int32_t value) { return StoreValue(values_.lowPassFrequencyHz, value); }
HRESULT LameSettingsStore::get_HighPassFrequency(int32_t* value) {
    return WriteOut(value, values_.highPassFrequencyHz);
}
HRESULT LameSettingsStore::put_HighPassFrequency(int32_t value) {
    return StoreValue(values_.highPassFrequencyHz, value);
}
HRESULT LameSettingsStore::get_LowPassWidth(int32_t* value) { return WriteOut(value, values_.lowPassWidthHz); }
HRESULT LameSettingsStore::put_LowPassWidth(int32_t value) { return StoreValue(values_.lowPassWidthHz, value); }
HRESULT LameSettingsStore::get_HighPassWidth(int32_t* value) { return WriteOut(value, values_.highPassWidthHz); }
HRESULT LameSettingsStore::put_HighPassWidth(int32_t value) { return StoreValue(values_.highPassWidthHz, value); }
HRESULT LameSettingsStore::get_ErrorProtection(VARIANT_BOOL* value) { return WriteOut(value, values_.errorProtection); }
HRESULT LameSettingsStore::put_ErrorProtection(VARIANT_BOOL value) {
    return StoreValue(values_.errorProtection, value);
}
HRESULT LameSettingsStore::get_Bitrate(int32_t* value) { return WriteOut(value, values_.bitrateKbps); }
HRESULT LameSettingsStore::put_Bitrate(int32_t value) { return StoreValue(values_.bitrateKbps, value); }
HRESULT LameSettingsStore::get_Channels(int32_t* value) { return WriteOut(value, values_.channels); }
HRESULT LameSettingsStore::put_Channels(int32_t value) { return StoreValue(values_.channels, value); }
HRESULT LameSettingsStore::get_Frequency(int32_t* value) { return WriteOut(value, values_.frequencyHz); }
HRESULT LameSettingsStore::put_Frequency(int32_t value) { return StoreValue(values_.frequencyHz, value); }

}  // namespace vesk
