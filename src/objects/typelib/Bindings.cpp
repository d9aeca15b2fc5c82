// One binding per kind of every row, in table order; the tests check that none is missing or
// extra and that argument counts agree with the rows.
#include "objects/typelib/Bindings.h"

#include "objects/typelib/TypeLibrary.h"

namespace vesk {

const InterfaceInfo& DispatchTraits<IAudioEditor>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditor");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditor>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Method<&IAudioEditor::Open>(1),
        Method<&IAudioEditor::New>(2),
        Method<&IAudioEditor::Save>(3),
        Method<&IAudioEditor::Close>(4),
        Method<&IAudioEditor::Play>(10),
        Method<&IAudioEditor::Record>(11),
        Method<&IAudioEditor::Stop>(12),
        Method<&IAudioEditor::Pause>(13),
        Method<&IAudioEditor::Continue>(14),
        MethodResult<&IAudioEditor::GetCurrentArray>(15),
        Method<&IAudioEditor::ZoomIn>(20),
        Method<&IAudioEditor::ZoomOut>(21),
        Method<&IAudioEditor::ZoomFull>(22),
        Method<&IAudioEditor::Refresh>(23),
        Method<&IAudioEditor::ZoomVertical>(24),
        Method<&IAudioEditor::SaveWaveImage>(25),
        Method<&IAudioEditor::Undo>(30),
        Method<&IAudioEditor::Redo>(31),
        Method<&IAudioEditor::Copy>(40),
        Method<&IAudioEditor::Cut>(41),
        Method<&IAudioEditor::Paste>(42),
        Method<&IAudioEditor::PasteFromFile>(43),
        Method<&IAudioEditor::Mix>(44),
        Method<&IAudioEditor::MixFromFile>(45),
        Method<&IAudioEditor::PasteFromClipboard>(46),
        Method<&IAudioEditor::CopyToClipboard>(47),
        Method<&IAudioEditor::InsertSilence>(50),
        Method<&IAudioEditor::DeleteSelect>(51),
        Method<&IAudioEditor::DeleteSilence>(52),
        Method<&IAudioEditor::Trim>(53),
        Method<&IAudioEditor::ConvertSampleType>(54),
        Method<&IAudioEditor::Silence>(60),
        Method<&IAudioEditor::Reverse>(61),
        Method<&IAudioEditor::Invert>(62),
        Method<&IAudioEditor::Amplify>(63),
        Method<&IAudioEditor::AddNoise>(64),
        Method<&IAudioEditor::MixStereoChannels>(65),
        Method<&IAudioEditor::Fade>(66),
        Method<&IAudioEditor::Normalize>(67),
        Method<&IAudioEditor::Vibrato>(68),
        Method<&IAudioEditor::Envelope>(69),
        Method<&IAudioEditor::Compressor>(70),
        Method<&IAudioEditor::Expander>(71),
        Method<&IAudioEditor::Delay>(80),
        Method<&IAudioEditor::Phaser>(81),
        Method<&IAudioEditor::Flanger>(82),
        Method<&IAudioEditor::Reverb>(83),
        Method<&IAudioEditor::Stretch>(85),
        Method<&IAudioEditor::NotchFilter>(90),
        Method<&IAudioEditor::FFTFilter>(91),
        Method<&IAudioEditor::HighPassFilter>(92),
        Method<&IAudioEditor::LowPassFilter>(93),
        Method<&IAudioEditor::HighShelfFilter>(94),
        Method<&IAudioEditor::LowShelfFilter>(95),
        Method<&IAudioEditor::BandPassFilter>(96),
        Method<&IAudioEditor::Equalizer>(97),
        Method<&IAudioEditor::PeakEQFilter>(98),
        Method<&IAudioEditor::SetFormatFromMenu>(110),
        Method<&IAudioEditor::SetFormatRAW>(111),
        Method<&IAudioEditor::SetFormatMP3>(112),
        Method<&IAudioEditor::SetFormatVOX>(113),
        Method<&IAudioEditor::SetFormatG726>(114),
        Method<&IAudioEditor::SetFormatLikeSample>(115),
        Method<&IAudioEditor::SetFormatWMA>(116),
        Method<&IAudioEditor::SetFormatGSM>(117),
        Method<&IAudioEditor::SetFormatPCM>(118),
        Method<&IAudioEditor::SetFormatDSP>(119),
        Method<&IAudioEditor::SetFormatALAW>(120),
        Method<&IAudioEditor::SetFormatULAW>(121),
        Method<&IAudioEditor::SetFormatALF2CD>(122),
        Method<&IAudioEditor::SetFormatADPCM>(123),
        Method<&IAudioEditor::SetFormatOggVorbis>(124),
        Method<&IAudioEditor::SetFormatG723>(125),
        Method<&IAudioEditor::SetFormatG721>(126),
        Method<&IAudioEditor::SetFormatMP2>(127),
        Get<&IAudioEditor::get_UndoRedoCount>(130),
        Put<&IAudioEditor::put_UndoRedoCount>(130),
        Get<&IAudioEditor::get_UndoEnabled>(131),
        Get<&IAudioEditor::get_RedoEnabled>(132),
        Get<&IAudioEditor::get_TypeBorder>(150),
        Put<&IAudioEditor::put_TypeBorder>(150),
        Get<&IAudioEditor::get_MousePointer>(151),
        Put<&IAudioEditor::put_MousePointer>(151),
        Get<&IAudioEditor::get_MouseCustom>(152),
        Put<&IAudioEditor::put_MouseCustom>(152),
        Get<&IAudioEditor::get_MouseEventsEnabled>(155),
        Put<&IAudioEditor::put_MouseEventsEnabled>(155),
        Get<&IAudioEditor::get_TypeView>(156),
        Put<&IAudioEditor::put_TypeView>(156),
        Get<&IAudioEditor::get_TempDirectory>(153),
        Put<&IAudioEditor::put_TempDirectory>(153),
        Get<&IAudioEditor::get_TempFileName>(154),
        Put<&IAudioEditor::put_TempFileName>(154),
        Get<&IAudioEditor::get_ScaleX>(200),
        Put<&IAudioEditor::put_ScaleX>(200),
        Get<&IAudioEditor::get_ScaleY>(201),
        Put<&IAudioEditor::put_ScaleY>(201),
        Get<&IAudioEditor::get_Colors>(202),
        Put<&IAudioEditor::put_Colors>(202),
        Get<&IAudioEditor::get_FileInfo>(203),
        Get<&IAudioEditor::get_DeviceInput>(204),
        Get<&IAudioEditor::get_DeviceOutput>(205),
        Get<&IAudioEditor::get_Recorder>(206),
        Get<&IAudioEditor::get_Position>(208),
        Get<&IAudioEditor::get_Channels>(209),
        Get<&IAudioEditor::get_Markers>(210),
        Get<&IAudioEditor::get_LastErrorNum>(220),
        Get<&IAudioEditor::get_Status>(222),
        Get<&IAudioEditor::get_SmoothEnabled>(280),
        Put<&IAudioEditor::put_SmoothEnabled>(280),
        Get<&IAudioEditor::get_SmoothTime>(281),
        Put<&IAudioEditor::put_SmoothTime>(281),
        Get<&IAudioEditor::get_RecordVisualizationType>(290),
        Put<&IAudioEditor::put_RecordVisualizationType>(290),
        Get<&IAudioEditor::get_MarkerBarEnabled>(291),
        Put<&IAudioEditor::put_MarkerBarEnabled>(291),
        Get<&IAudioEditor::get_MarkerBackgroundEnabled>(292),
        Put<&IAudioEditor::put_MarkerBackgroundEnabled>(292),
        Get<&IAudioEditor::get_Mp3TypeEncoder>(294),
        Put<&IAudioEditor::put_Mp3TypeEncoder>(294),
        Get<&IAudioEditor::get_Mp3TypeDecoder>(295),
        Put<&IAudioEditor::put_Mp3TypeDecoder>(295),
        Get<&IAudioEditor::get_Mp3LameEncoder>(296),
        MethodResult<&IAudioEditor::IsAvailableFormatMpeg>(300),
        MethodResult<&IAudioEditor::IsAvailableFormatOggVorbis>(301),
        Get<&IAudioEditor::get_FileBufferSize>(501),
        Put<&IAudioEditor::put_FileBufferSize>(501),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorPosition>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorPosition");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorPosition>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorPosition::get_StartSelect>(1),       Put<&IAudioEditorPosition::put_StartSelect>(1),
        Get<&IAudioEditorPosition::get_EndSelect>(2),         Put<&IAudioEditorPosition::put_EndSelect>(2),
        Get<&IAudioEditorPosition::get_StartView>(3),         Put<&IAudioEditorPosition::put_StartView>(3),
        Get<&IAudioEditorPosition::get_EndView>(4),           Put<&IAudioEditorPosition::put_EndView>(4),
        Get<&IAudioEditorPosition::get_Selected>(5),          Put<&IAudioEditorPosition::put_Selected>(5),
        Get<&IAudioEditorPosition::get_TotalSamples>(6),      Get<&IAudioEditorPosition::get_CurrentPosition>(7),
        Put<&IAudioEditorPosition::put_CurrentPosition>(7),   MethodResult<&IAudioEditorPosition::SecToSamples>(8),
        MethodResult<&IAudioEditorPosition::SamplesToSec>(9), Method<&IAudioEditorPosition::GoToMarker>(10),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorChannel>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorChannel");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorChannel>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorChannel::get_Count>(1),     Get<&IAudioEditorChannel::get_Num>(2),
        Put<&IAudioEditorChannel::put_Num>(2),       Get<&IAudioEditorChannel::get_Visible>(3),
        Put<&IAudioEditorChannel::put_Visible>(3),   Get<&IAudioEditorChannel::get_Operation>(4),
        Put<&IAudioEditorChannel::put_Operation>(4),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorMarkers>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorMarkers");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorMarkers>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorMarkers::get_Count>(1),     Get<&IAudioEditorMarkers::get_Num>(2),
        Put<&IAudioEditorMarkers::put_Num>(2),       Get<&IAudioEditorMarkers::get_CodePage>(3),
        Put<&IAudioEditorMarkers::put_CodePage>(3),  Get<&IAudioEditorMarkers::get_Country>(4),
        Put<&IAudioEditorMarkers::put_Country>(4),   Get<&IAudioEditorMarkers::get_Dialect>(5),
        Put<&IAudioEditorMarkers::put_Dialect>(5),   Get<&IAudioEditorMarkers::get_Label>(6),
        Put<&IAudioEditorMarkers::put_Label>(6),     Get<&IAudioEditorMarkers::get_Note>(7),
        Put<&IAudioEditorMarkers::put_Note>(7),      Get<&IAudioEditorMarkers::get_Text>(8),
        Put<&IAudioEditorMarkers::put_Text>(8),      Get<&IAudioEditorMarkers::get_Length>(9),
        Put<&IAudioEditorMarkers::put_Length>(9),    Get<&IAudioEditorMarkers::get_Position>(10),
        Put<&IAudioEditorMarkers::put_Position>(10), Get<&IAudioEditorMarkers::get_Language>(11),
        Put<&IAudioEditorMarkers::put_Language>(11), Method<&IAudioEditorMarkers::Insert>(12),
        Method<&IAudioEditorMarkers::Delete>(13),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorScale>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorScale");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorScale>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorScale::get_Font>(1),        Put<&IAudioEditorScale::put_Font>(1),
        PutRef<&IAudioEditorScale::putref_Font>(1),  Get<&IAudioEditorScale::get_Type>(2),
        Put<&IAudioEditorScale::put_Type>(2),        Get<&IAudioEditorScale::get_Visible>(3),
        Put<&IAudioEditorScale::put_Visible>(3),     Get<&IAudioEditorScale::get_Grid>(4),
        Put<&IAudioEditorScale::put_Grid>(4),        Get<&IAudioEditorScale::get_Orientation>(5),
        Put<&IAudioEditorScale::put_Orientation>(5),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorColors>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorColors");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorColors>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorColors::get_Font>(1),
        Put<&IAudioEditorColors::put_Font>(1),
        Get<&IAudioEditorColors::get_SelectDigitalWaveform>(2),
        Put<&IAudioEditorColors::put_SelectDigitalWaveform>(2),
        Get<&IAudioEditorColors::get_SelectCenterLine>(3),
        Put<&IAudioEditorColors::put_SelectCenterLine>(3),
        Get<&IAudioEditorColors::get_SelectBackground>(4),
        Put<&IAudioEditorColors::put_SelectBackground>(4),
        Get<&IAudioEditorColors::get_SelectAnalogWaveform>(5),
        Put<&IAudioEditorColors::put_SelectAnalogWaveform>(5),
        Get<&IAudioEditorColors::get_Scales>(6),
        Put<&IAudioEditorColors::put_Scales>(6),
        Get<&IAudioEditorColors::get_PlayCursor>(7),
        Put<&IAudioEditorColors::put_PlayCursor>(7),
        Get<&IAudioEditorColors::get_Grid>(8),
        Put<&IAudioEditorColors::put_Grid>(8),
        Get<&IAudioEditorColors::get_DigitalWaveform>(9),
        Put<&IAudioEditorColors::put_DigitalWaveform>(9),
        Get<&IAudioEditorColors::get_Cursor>(10),
        Put<&IAudioEditorColors::put_Cursor>(10),
        Get<&IAudioEditorColors::get_CenterLine>(11),
        Put<&IAudioEditorColors::put_CenterLine>(11),
        Get<&IAudioEditorColors::get_Boundary>(12),
        Put<&IAudioEditorColors::put_Boundary>(12),
        Get<&IAudioEditorColors::get_Background>(13),
        Put<&IAudioEditorColors::put_Background>(13),
        Get<&IAudioEditorColors::get_AnalogWaveform>(14),
        Put<&IAudioEditorColors::put_AnalogWaveform>(14),
        Get<&IAudioEditorColors::get_CueMarker>(15),
        Put<&IAudioEditorColors::put_CueMarker>(15),
        Get<&IAudioEditorColors::get_RangeMarker>(16),
        Put<&IAudioEditorColors::put_RangeMarker>(16),
        Get<&IAudioEditorColors::get_RangeMarkerBackground>(17),
        Put<&IAudioEditorColors::put_RangeMarkerBackground>(17),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorFileInfo>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorFileInfo");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorFileInfo>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorFileInfo::get_Frequency>(1),
        Get<&IAudioEditorFileInfo::get_Channels>(2),
        Get<&IAudioEditorFileInfo::get_Title>(3),
        Put<&IAudioEditorFileInfo::put_Title>(3),
        Get<&IAudioEditorFileInfo::get_Year>(4),
        Put<&IAudioEditorFileInfo::put_Year>(4),
        Get<&IAudioEditorFileInfo::get_Artist>(5),
        Put<&IAudioEditorFileInfo::put_Artist>(5),
        Get<&IAudioEditorFileInfo::get_Album>(6),
        Put<&IAudioEditorFileInfo::put_Album>(6),
        Get<&IAudioEditorFileInfo::get_Comments>(7),
        Put<&IAudioEditorFileInfo::put_Comments>(7),
        Get<&IAudioEditorFileInfo::get_Copyright>(8),
        Put<&IAudioEditorFileInfo::put_Copyright>(8),
        Get<&IAudioEditorFileInfo::get_Genre>(9),
        Put<&IAudioEditorFileInfo::put_Genre>(9),
        Get<&IAudioEditorFileInfo::get_SaveExtraInfoEnabled>(10),
        Put<&IAudioEditorFileInfo::put_SaveExtraInfoEnabled>(10),
        Get<&IAudioEditorFileInfo::get_FormatString>(11),
        Get<&IAudioEditorFileInfo::get_Composer>(12),
        Put<&IAudioEditorFileInfo::put_Composer>(12),
        Get<&IAudioEditorFileInfo::get_URL>(13),
        Put<&IAudioEditorFileInfo::put_URL>(13),
        Get<&IAudioEditorFileInfo::get_Track>(14),
        Put<&IAudioEditorFileInfo::put_Track>(14),
        Get<&IAudioEditorFileInfo::get_EncodedBy>(15),
        Put<&IAudioEditorFileInfo::put_EncodedBy>(15),
        MethodResult<&IAudioEditorFileInfo::GenreToString>(20),
        Get<&IAudioEditorFileInfo::get_Mp3TagInfoVersion>(21),
        Put<&IAudioEditorFileInfo::put_Mp3TagInfoVersion>(21),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorDevice>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorDevice");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorDevice>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorDevice::get_Count>(1),         Get<&IAudioEditorDevice::get_Num>(2),
        Put<&IAudioEditorDevice::put_Num>(2),           Get<&IAudioEditorDevice::get_Name>(3),
        Get<&IAudioEditorDevice::get_Volume>(5),        Put<&IAudioEditorDevice::put_Volume>(5),
        Get<&IAudioEditorDevice::get_DeviceLines>(6),   Get<&IAudioEditorDevice::get_BufferSize>(7),
        Put<&IAudioEditorDevice::put_BufferSize>(7),    Get<&IAudioEditorDevice::get_TimerInterval>(8),
        Put<&IAudioEditorDevice::put_TimerInterval>(8), Get<&IAudioEditorDevice::get_BufferCount>(9),
        Put<&IAudioEditorDevice::put_BufferCount>(9),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorDeviceLine>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorDeviceLine");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorDeviceLine>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorDeviceLine::get_Count>(1),         Get<&IAudioEditorDeviceLine::get_Num>(2),
        Put<&IAudioEditorDeviceLine::put_Num>(2),           Get<&IAudioEditorDeviceLine::get_Name>(3),
        Get<&IAudioEditorDeviceLine::get_AdvancedName>(4),  Get<&IAudioEditorDeviceLine::get_AdvancedCount>(5),
        Get<&IAudioEditorDeviceLine::get_VolumeBalance>(6), Put<&IAudioEditorDeviceLine::put_VolumeBalance>(6),
        Get<&IAudioEditorDeviceLine::get_Volume>(7),        Put<&IAudioEditorDeviceLine::put_Volume>(7),
        Get<&IAudioEditorDeviceLine::get_AdvancedValue>(8), Put<&IAudioEditorDeviceLine::put_AdvancedValue>(8),
        Get<&IAudioEditorDeviceLine::get_Select>(9),        Put<&IAudioEditorDeviceLine::put_Select>(9),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorRecorder>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorRecorder");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorRecorder>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Get<&IAudioEditorRecorder::get_AccuAttackTime>(1),
        Put<&IAudioEditorRecorder::put_AccuAttackTime>(1),
        Get<&IAudioEditorRecorder::get_AccuAttackLevel>(2),
        Put<&IAudioEditorRecorder::put_AccuAttackLevel>(2),
        Get<&IAudioEditorRecorder::get_AccuReleaseTime>(3),
        Put<&IAudioEditorRecorder::put_AccuReleaseTime>(3),
        Get<&IAudioEditorRecorder::get_AccuReleaseLevel>(4),
        Put<&IAudioEditorRecorder::put_AccuReleaseLevel>(4),
        Get<&IAudioEditorRecorder::get_AccuEnabled>(5),
        Put<&IAudioEditorRecorder::put_AccuEnabled>(5),
        Get<&IAudioEditorRecorder::get_NotchFilterEnabled>(10),
        Put<&IAudioEditorRecorder::put_NotchFilterEnabled>(10),
        Get<&IAudioEditorRecorder::get_HighPassFilterEnabled>(11),
        Put<&IAudioEditorRecorder::put_HighPassFilterEnabled>(11),
        Get<&IAudioEditorRecorder::get_LowPassFilterEnabled>(12),
        Put<&IAudioEditorRecorder::put_LowPassFilterEnabled>(12),
        Get<&IAudioEditorRecorder::get_HighPassFilterFrequency>(13),
        Put<&IAudioEditorRecorder::put_HighPassFilterFrequency>(13),
        Get<&IAudioEditorRecorder::get_LowPassFilterFrequency>(14),
        Put<&IAudioEditorRecorder::put_LowPassFilterFrequency>(14),
        Get<&IAudioEditorRecorder::get_NotchFilterFrequency>(15),
        Put<&IAudioEditorRecorder::put_NotchFilterFrequency>(15),
        Get<&IAudioEditorRecorder::get_AGCLowLevel>(20),
        Put<&IAudioEditorRecorder::put_AGCLowLevel>(20),
        Get<&IAudioEditorRecorder::get_AGCHighLevel>(21),
        Put<&IAudioEditorRecorder::put_AGCHighLevel>(21),
        Get<&IAudioEditorRecorder::get_AGCRate>(22),
        Put<&IAudioEditorRecorder::put_AGCRate>(22),
        Get<&IAudioEditorRecorder::get_AGCEnabled>(23),
        Put<&IAudioEditorRecorder::put_AGCEnabled>(23),
    };
    return kBindings;
}

const InterfaceInfo& DispatchTraits<IAudioEditorLameMp3Encoder>::Info() {
    static const InterfaceInfo& info = LibraryInterface("IAudioEditorLameMp3Encoder");
    return info;
}

std::span<const MemberBinding> DispatchTraits<IAudioEditorLameMp3Encoder>::Bindings() {
    static constexpr MemberBinding kBindings[] = {
        Method<&IAudioEditorLameMp3Encoder::SetParamsFromCommandLine>(1),
        Method<&IAudioEditorLameMp3Encoder::SetParamsFromPreset>(2),
        Method<&IAudioEditorLameMp3Encoder::SetParamsFromAltPreset>(3),
        Get<&IAudioEditorLameMp3Encoder::get_VbrBitrate>(10),
        Put<&IAudioEditorLameMp3Encoder::put_VbrBitrate>(10),
        Get<&IAudioEditorLameMp3Encoder::get_VbrQuality>(11),
        Put<&IAudioEditorLameMp3Encoder::put_VbrQuality>(11),
        Get<&IAudioEditorLameMp3Encoder::get_VbrCodingMethod>(12),
        Put<&IAudioEditorLameMp3Encoder::put_VbrCodingMethod>(12),
        Get<&IAudioEditorLameMp3Encoder::get_AbrBitrate>(13),
        Put<&IAudioEditorLameMp3Encoder::put_AbrBitrate>(13),
        Get<&IAudioEditorLameMp3Encoder::get_TypeStereo>(14),
        Put<&IAudioEditorLameMp3Encoder::put_TypeStereo>(14),
        Get<&IAudioEditorLameMp3Encoder::get_EncoderQuality>(15),
        Put<&IAudioEditorLameMp3Encoder::put_EncoderQuality>(15),
        Get<&IAudioEditorLameMp3Encoder::get_WritingVBRHeader>(16),
        Put<&IAudioEditorLameMp3Encoder::put_WritingVBRHeader>(16),
        Get<&IAudioEditorLameMp3Encoder::get_BitReservoir>(17),
        Put<&IAudioEditorLameMp3Encoder::put_BitReservoir>(17),
        Get<&IAudioEditorLameMp3Encoder::get_BlockTypeControl>(18),
        Put<&IAudioEditorLameMp3Encoder::put_BlockTypeControl>(18),
        Get<&IAudioEditorLameMp3Encoder::get_ShortBlocks>(19),
        Put<&IAudioEditorLameMp3Encoder::put_ShortBlocks>(19),
        Get<&IAudioEditorLameMp3Encoder::get_Emphasis>(20),
        Put<&IAudioEditorLameMp3Encoder::put_Emphasis>(20),
        Get<&IAudioEditorLameMp3Encoder::get_StrictISOCompliance>(21),
        Put<&IAudioEditorLameMp3Encoder::put_StrictISOCompliance>(21),
        Get<&IAudioEditorLameMp3Encoder::get_StrictlyEnforceMinBitrate>(22),
        Put<&IAudioEditorLameMp3Encoder::put_StrictlyEnforceMinBitrate>(22),
        Get<&IAudioEditorLameMp3Encoder::get_ATHControlMode>(23),
        Put<&IAudioEditorLameMp3Encoder::put_ATHControlMode>(23),
        Get<&IAudioEditorLameMp3Encoder::get_LowPassFrequency>(24),
        Put<&IAudioEditorLameMp3Encoder::put_LowPassFrequency>(24),
        Get<&IAudioEditorLameMp3Encoder::get_HighPassFrequency>(25),
        Put<&IAudioEditorLameMp3Encoder::put_HighPassFrequency>(25),
        Get<&IAudioEditorLameMp3Encoder::get_LowPassWidth>(26),
        Put<&IAudioEditorLameMp3Encoder::put_LowPassWidth>(26),
        Get<&IAudioEditorLameMp3Encoder::get_HighPassWidth>(27),
        Put<&IAudioEditorLameMp3Encoder::put_HighPassWidth>(27),
        Get<&IAudioEditorLameMp3Encoder::get_ErrorProtection>(29),
        Put<&IAudioEditorLameMp3Encoder::put_ErrorProtection>(29),
        Get<&IAudioEditorLameMp3Encoder::get_Bitrate>(30),
        Put<&IAudioEditorLameMp3Encoder::put_Bitrate>(30),
        Get<&IAudioEditorLameMp3Encoder::get_Channels>(31),
        Put<&IAudioEditorLameMp3Encoder::put_Channels>(31),
        Get<&IAudioEditorLameMp3Encoder::get_Frequency>(32),
        Put<&IAudioEditorLameMp3Encoder::put_Frequency>(32),
    };
    return kBindings;
}

}  // namespace vesk
