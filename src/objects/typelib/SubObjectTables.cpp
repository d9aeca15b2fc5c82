// The rows of the sub-object interfaces, in published order. Row order is vtable order; the
// parameter syntax is TypeInfo.h's.
#include "objects/typelib/LibraryTables.h"
#include "objects/typelib/SubObjectInterfaces.h"

namespace vesk::typelib {
namespace {

// clang-format off
constexpr MemberRow kPositionRows[] = {
    {1, "StartSelect", "get/put", "", "long"},
    {2, "EndSelect", "get/put", "", "long"},
    {3, "StartView", "get/put", "", "long"},
    {4, "EndView", "get/put", "", "long"},
    {5, "Selected", "get/put", "", "VARIANT_BOOL"},
    {6, "TotalSamples", "get", "", "long"},
    {7, "CurrentPosition", "get/put", "", "long"},
    {8, "SecToSamples", "method", "Millisec long", "long"},
    {9, "SamplesToSec", "method", "Samples long", "long"},
    {10, "GoToMarker", "method", "Num long", ""},
};

constexpr MemberRow kChannelRows[] = {
    {1, "Count", "get", "", "short"},
    {2, "Num", "get/put", "", "short"},
    {3, "Visible", "get/put", "", "VARIANT_BOOL"},
    {4, "Operation", "get/put", "", "VARIANT_BOOL"},
};

constexpr MemberRow kMarkersRows[] = {
    {1, "Count", "get", "", "long"},
    {2, "Num", "get/put", "", "long"},
    {3, "CodePage", "get/put", "", "short"},
    {4, "Country", "get/put", "", "short"},
    {5, "Dialect", "get/put", "", "short"},
    {6, "Label", "get/put", "", "BSTR"},
    {7, "Note", "get/put", "", "BSTR"},
    {8, "Text", "get/put", "", "BSTR"},
    {9, "Length", "get/put", "", "long"},
    {10, "Position", "get/put", "", "long"},
    {11, "Language", "get/put", "", "short"},
    {12, "Insert", "method", "Position long, Length long, Label BSTR, Note BSTR = \"\", Text BSTR = \"\", Language short = 0, Country short = 0, Dialect short = 0, CodePage short = 0", ""},
    {13, "Delete", "method", "", ""},
};

constexpr MemberRow kScaleRows[] = {
    {1, "Font", "get/put/putref", "", "IFontDisp"},
    {2, "Type", "get/put", "", "short"},
    {3, "Visible", "get/put", "", "VARIANT_BOOL"},
    {4, "Grid", "get/put", "", "VARIANT_BOOL"},
    {5, "Orientation", "get/put", "", "short"},
};

constexpr MemberRow kColorsRows[] = {
    {1, "Font", "get/put", "", "OLE_COLOR"},
    {2, "SelectDigitalWaveform", "get/put", "", "OLE_COLOR"},
    {3, "SelectCenterLine", "get/put", "", "OLE_COLOR"},
    {4, "SelectBackground", "get/put", "", "OLE_COLOR"},
    {5, "SelectAnalogWaveform", "get/put", "", "OLE_COLOR"},
    {6, "Scales", "get/put", "", "OLE_COLOR"},
    {7, "PlayCursor", "get/put", "", "OLE_COLOR"},
    {8, "Grid", "get/put", "", "OLE_COLOR"},
    {9, "DigitalWaveform", "get/put", "", "OLE_COLOR"},
    {10, "Cursor", "get/put", "", "OLE_COLOR"},
    {11, "CenterLine", "get/put", "", "OLE_COLOR"},
    {12, "Boundary", "get/put", "", "OLE_COLOR"},
    {13, "Background", "get/put", "", "OLE_COLOR"},
    {14, "AnalogWaveform", "get/put", "", "OLE_COLOR"},
    {15, "CueMarker", "get/put", "", "OLE_COLOR"},
    {16, "RangeMarker", "get/put", "", "OLE_COLOR"},
    {17, "RangeMarkerBackground", "get/put", "", "OLE_COLOR"},
};

constexpr MemberRow kFileInfoRows[] = {
    {1, "Frequency", "get", "", "FrequencyConstants"},
    {2, "Channels", "get", "", "ChannelsConstants"},
    {3, "Title", "get/put", "", "BSTR"},
    {4, "Year", "get/put", "", "long"},
    {5, "Artist", "get/put", "", "BSTR"},
    {6, "Album", "get/put", "", "BSTR"},
    {7, "Comments", "get/put", "", "BSTR"},
    {8, "Copyright", "get/put", "", "BSTR"},
    {9, "Genre", "get/put", "", "short"},
    {10, "SaveExtraInfoEnabled", "get/put", "", "VARIANT_BOOL"},
    {11, "FormatString", "get", "", "BSTR"},
    {12, "Composer", "get/put", "", "BSTR"},
    {13, "URL", "get/put", "", "BSTR"},
    {14, "Track", "get/put", "", "short"},
    {15, "EncodedBy", "get/put", "", "BSTR"},
    {20, "GenreToString", "method", "nGenre short", "BSTR"},
    {21, "Mp3TagInfoVersion", "get/put", "", "short"},
};

constexpr MemberRow kDeviceRows[] = {
    {1, "Count", "get", "", "short"},
    {2, "Num", "get/put", "", "short"},
    {3, "Name", "get", "", "BSTR"},
    {5, "Volume", "get/put", "", "long"},
    {6, "DeviceLines", "get", "", "IAudioEditorDeviceLine"},
    {7, "BufferSize", "get/put", "", "long"},
    {8, "TimerInterval", "get/put", "", "short"},
    {9, "BufferCount", "get/put", "", "short"},
};

constexpr MemberRow kDeviceLineRows[] = {
    {1, "Count", "get", "", "short"},
    {2, "Num", "get/put", "", "short"},
    {3, "Name", "get", "", "BSTR"},
    {4, "AdvancedName", "get", "index short", "BSTR"},
    {5, "AdvancedCount", "get", "", "short"},
    {6, "VolumeBalance", "get/put", "", "short"},
    {7, "Volume", "get/put", "", "long"},
    {8, "AdvancedValue", "get/put", "index short", "VARIANT"},
    {9, "Select", "get/put", "", "VARIANT_BOOL"},
};

constexpr MemberRow kRecorderRows[] = {
    {1, "AccuAttackTime", "get/put", "", "long"},
    {2, "AccuAttackLevel", "get/put", "", "long"},
    {3, "AccuReleaseTime", "get/put", "", "long"},
    {4, "AccuReleaseLevel", "get/put", "", "long"},
    {5, "AccuEnabled", "get/put", "", "VARIANT_BOOL"},
    {10, "NotchFilterEnabled", "get/put", "", "VARIANT_BOOL"},
    {11, "HighPassFilterEnabled", "get/put", "", "VARIANT_BOOL"},
    {12, "LowPassFilterEnabled", "get/put", "", "VARIANT_BOOL"},
    {13, "HighPassFilterFrequency", "get/put", "", "float"},
    {14, "LowPassFilterFrequency", "get/put", "", "float"},
    {15, "NotchFilterFrequency", "get/put", "", "float"},
    {20, "AGCLowLevel", "get/put", "", "long"},
    {21, "AGCHighLevel", "get/put", "", "long"},
    {22, "AGCRate", "get/put", "", "float"},
    {23, "AGCEnabled", "get/put", "", "VARIANT_BOOL"},
};

constexpr MemberRow kLameMp3EncoderRows[] = {
    {1, "SetParamsFromCommandLine", "method", "CommandLine BSTR", ""},
    {2, "SetParamsFromPreset", "method", "Preset short = 0", ""},
    {3, "SetParamsFromAltPreset", "method", "Preset short = 0", ""},
    {10, "VbrBitrate", "get/put", "", "BitrateConstants"},
    {11, "VbrQuality", "get/put", "", "short"},
    {12, "VbrCodingMethod", "get/put", "", "Mp3LameMethodConstants"},
    {13, "AbrBitrate", "get/put", "", "short"},
    {14, "TypeStereo", "get/put", "", "Mp3LameTypeStereoConstants"},
    {15, "EncoderQuality", "get/put", "", "short"},
    {16, "WritingVBRHeader", "get/put", "", "VARIANT_BOOL"},
    {17, "BitReservoir", "get/put", "", "VARIANT_BOOL"},
    {18, "BlockTypeControl", "get/put", "", "VARIANT_BOOL"},
    {19, "ShortBlocks", "get/put", "", "VARIANT_BOOL"},
    {20, "Emphasis", "get/put", "", "short"},
    {21, "StrictISOCompliance", "get/put", "", "VARIANT_BOOL"},
    {22, "StrictlyEnforceMinBitrate", "get/put", "", "VARIANT_BOOL"},
    {23, "ATHControlMode", "get/put", "", "short"},
    {24, "LowPassFrequency", "get/put", "", "long"},
    {25, "HighPassFrequency", "get/put", "", "long"},
    {26, "LowPassWidth", "get/put", "", "long"},
    {27, "HighPassWidth", "get/put", "", "long"},
    {29, "ErrorProtection", "get/put", "", "VARIANT_BOOL"},
    {30, "Bitrate", "get/put", "", "BitrateConstants"},
    {31, "Channels", "get/put", "", "ChannelsConstants"},
    {32, "Frequency", "get/put", "", "FrequencyConstants"},
};
// clang-format on

constexpr InterfaceTable kTables[] = {
    {"IAudioEditorPosition", IAudioEditorPosition::kIid, kPositionRows, false},
    {"IAudioEditorChannel", IAudioEditorChannel::kIid, kChannelRows, false},
    {"IAudioEditorMarkers", IAudioEditorMarkers::kIid, kMarkersRows, false},
    {"IAudioEditorScale", IAudioEditorScale::kIid, kScaleRows, false},
    {"IAudioEditorColors", IAudioEditorColors::kIid, kColorsRows, false},
    {"IAudioEditorFileInfo", IAudioEditorFileInfo::kIid, kFileInfoRows, false},
    {"IAudioEditorDevice", IAudioEditorDevice::kIid, kDeviceRows, false},
    {"IAudioEditorDeviceLine", IAudioEditorDeviceLine::kIid, kDeviceLineRows, false},
    {"IAudioEditorRecorder", IAudioEditorRecorder::kIid, kRecorderRows, false},
    {"IAudioEditorLameMp3Encoder", IAudioEditorLameMp3Encoder::kIid, kLameMp3EncoderRows, false},
};

}  // namespace

std::span<const InterfaceTable> SubObjectTables() { return kTables; }

}  // namespace vesk::typelib
