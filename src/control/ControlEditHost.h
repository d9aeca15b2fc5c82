// The control as the edit code sees it: its document history and format, Status and
// LastErrorNum, the working-file settings, the channel flags, the companion components, and
// the reactions after a change of the working file (events, view, markers, channels).
#pragma once

#include "edit/EditHost.h"

namespace vesk {

class AudioEditor;

class ControlEditHost final : public EditHost {
public:
    explicit ControlEditHost(AudioEditor& control) : control_(control) {}

    HistoryStore& History() override;
    int32_t Frequency() const override;
    int32_t Channels() const override;
    void SetFormat(int32_t frequency, int32_t channels) override;
    int16_t Status() const override;
    void SetStatus(int16_t status) override;
    int32_t LastErrorNum() const override;
    void SetLastErrorNum(int32_t code) override;
    int32_t FileBufferSize() const override;
    std::string NewWorkingFileName() override;
    std::string ClipboardFileName() const override;
    bool IsOperated(int channel) override;
    int OperationCount() override;
    bool SmoothEnabled() const override;
    IVeskAudioTransform* Transform() override;
    ComPtr<IVeskAudioFile> CreateFileComponent() override;
    void FireBlockOperation(int16_t percent) override;
    void FireEndOperation() override;
    void FireError(int32_t code) override;
    void BuildOverview() override;
    bool RecomputeView(int32_t startByte, int32_t endByte) override;
    void Redraw() override;
    void RefreshMarkers() override;
    void RefreshChannels() override;

private:
    AudioEditor& control_;
};

}  // namespace vesk
