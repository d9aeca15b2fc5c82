// Drives a control through IDispatch::Invoke the way a careless or hostile host would: every
// member of the control and of each sub-object it hands out (found through the type library's
// tables), called with chosen or wrong dispatch ids, flags, argument counts, named arguments
// and HostileValues. Each call is checked: Invoke may answer S_OK or a DISP_E_* error (and
// E_INVALIDARG for a parameter block that contradicts itself), nothing else.
//
// The driver's working directory is a folder inside the scratch directory while it exists, so
// relative names the control is given stay inside too.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/invoke/Choices.h"
#include "fuzz/invoke/HostileValues.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/TypeInfo.h"
#include "platform/automation/Unknown.h"

namespace vesk::fuzz {

// One object the driver calls and the table that describes it.
struct DispatchTarget {
    std::string name;  // "IAudioEditor", "IAudioEditorPosition", ...
    ComPtr<IDispatch> object;
    const InterfaceInfo* info = nullptr;
};

// What one call was and how it ended, for reporting.
struct CallRecord {
    std::string member;  // "IAudioEditorMarkers.Insert"; "… (by id)" when sent by another id
    DISPID id = 0;
    uint16_t flags = 0;
    uint32_t argumentCount = 0;
    uint32_t namedCount = 0;
    bool contradictoryBlock = false;
    HRESULT result = S_OK;
    bool allowed = true;

    std::string Describe() const;
};

class InvokeDriver {
public:
    // `scratchRoot`: an existing directory the driver may fill; the control's working files
    // should be set to go there too. `control` is borrowed and outlives the driver.
    InvokeDriver(IDispatch* control, std::string scratchRoot);
    ~InvokeDriver();
    InvokeDriver(const InvokeDriver&) = delete;
    InvokeDriver& operator=(const InvokeDriver&) = delete;

    const std::vector<DispatchTarget>& Targets() const { return targets_; }
    // A sound file inside the scratch directory that Open and PasteFromFile may be given.
    const std::string& SampleSoundPath() const { return samplePath_; }

    // One call on a member chosen by `choices` (never one the policy leaves out).
    CallRecord Step(Choices& choices);
    // One call on member `member` of target `target` (indexes into Targets()).
    CallRecord CallMember(Choices& choices, size_t target, size_t member);

private:
    void FindTargets(IDispatch* control);
    void WriteSampleSound();
    std::vector<std::u16string> Paths() const;
    std::vector<KnownObject> Objects() const;

    std::string root_;
    std::string samplePath_;
    std::string previousDirectory_;
    std::vector<DispatchTarget> targets_;
    std::vector<std::pair<size_t, size_t>> callable_;  // (target, member) the policy lets through
    std::unique_ptr<HostileValues> values_;  // built once the targets are known
};

// True when `hr` is an answer Invoke may give to a hostile call.
bool IsAllowedInvokeResult(HRESULT hr, bool contradictoryBlock);

}  // namespace vesk::fuzz
