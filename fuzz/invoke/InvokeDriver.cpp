#include "fuzz/invoke/InvokeDriver.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "document/WaveFile.h"
#include "fuzz/invoke/MemberPolicy.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::fuzz {
namespace {

constexpr uint16_t kPutKinds = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
constexpr uint16_t kKinds[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF};
constexpr DISPID kBadIds[] = {-1, DISPID_PROPERTYPUT, 0, 7777, INT32_MIN, INT32_MAX, 5000};
constexpr DISPID kBadNames[] = {-1, 99, DISPID_PROPERTYPUT, INT32_MIN};

// Names a file parameter may be given: relative ones (they land in the working directory,
// itself inside the scratch tree) and absolute ones inside the scratch tree.
constexpr const char* kRelativeNames[] = {"a.wav", "b.mp3", "c.ogg", "d.flac", "e.aiff", "f.au",
                                          "g.raw", "h.vox", "i.mp2", "j.opus", "k.wma", "l.bmp",
                                          "m.png", "n.txt", "noext", "", ".", ".."};
constexpr const char* kScratchNames[] = {"/out.wav", "/out.mp3", "/img.bmp", "/missing/x.wav", "/", "/tmp/", "/cwd/"};

HRESULT GetProperty(IDispatch* object, DISPID id, VARIANT* value) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr);
}

uint16_t ChooseFlags(Choices& choices, const MemberInfo& row) {
    switch (choices.Below(10)) {
        case 7: return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
        case 8: return static_cast<uint16_t>(choices.Bits64());
        case 9: return choices.OneIn(2) ? 0 : kPutKinds;
        default: {
            uint16_t offered[4];
            uint32_t count = 0;
            for (uint16_t kind : kKinds) {
                if (row.invokeKinds & kind) offered[count++] = kind;
            }
            return count ? offered[choices.Below(count)] : DISPATCH_METHOD;
        }
    }
}

uint32_t ChooseCount(Choices& choices, const MemberInfo& row, bool put) {
    const uint32_t expected = static_cast<uint32_t>(row.params.size()) + (put ? 1 : 0);
    switch (choices.Below(8)) {
        case 5: return choices.Below(expected + 1);
        case 6: return expected + 1 + choices.Below(3);
        case 7: return static_cast<uint32_t>(row.RequiredParams()) + (put ? 1 : 0);
        default: return expected;
    }
}

// The named-argument ids: for a put, normally the one DISPID_PROPERTYPUT; for a method, some
// of its parameters by index, now and then a wrong or repeated one.
std::vector<DISPID> ChooseNames(Choices& choices, const MemberInfo& row, bool put, uint32_t count) {
    std::vector<DISPID> names;
    if (put) {
        if (count == 0) return names;
        switch (choices.Below(8)) {
            case 0: return names;
            case 1: names.push_back(choices.From(kBadNames)); return names;
            case 2:
                names.push_back(DISPID_PROPERTYPUT);
                if (count > 1) names.push_back(0);
                return names;
            default: names.push_back(DISPID_PROPERTYPUT); return names;
        }
    }
    if (count == 0 || row.params.empty() || !choices.OneIn(3)) return names;
    const uint32_t wanted = 1 + choices.Below(std::min<uint32_t>(count, static_cast<uint32_t>(row.params.size())));
    std::vector<DISPID> order;
    for (size_t i = 0; i < row.params.size(); ++i) order.push_back(static_cast<DISPID>(i));
    for (uint32_t i = 0; i < wanted; ++i) {
        std::swap(order[i], order[i + choices.Below(static_cast<uint32_t>(order.size()) - i)]);
        names.push_back(order[i]);
    }
    if (choices.OneIn(6)) names[choices.Below(wanted)] = choices.OneIn(2) ? choices.From(kBadNames) : names[0];
    return names;
}

}  // namespace

std::string CallRecord::Describe() const {
    char text[160];
    std::snprintf(text, sizeof text, " id %d flags 0x%x args %u named %u%s -> 0x%08x", id, flags, argumentCount,
                  namedCount, contradictoryBlock ? " (contradictory block)" : "", static_cast<uint32_t>(result));
    return member + text;
}

bool IsAllowedInvokeResult(HRESULT hr, bool contradictoryBlock) {
    constexpr uint32_t kDispatchFacility = 0x80020000u;
    return hr == S_OK || (static_cast<uint32_t>(hr) & 0xFFFF0000u) == kDispatchFacility ||
           (contradictoryBlock && hr == E_INVALIDARG);
}

InvokeDriver::InvokeDriver(IDispatch* control, std::string scratchRoot) : root_(std::move(scratchRoot)) {
    std::filesystem::create_directories(root_ + "/cwd");
    std::filesystem::create_directories(root_ + "/tmp");
    previousDirectory_ = std::filesystem::current_path().string();
    if (::chdir((root_ + "/cwd").c_str()) != 0) throw std::runtime_error("cannot enter the scratch directory");
    WriteSampleSound();
    FindTargets(control);
    values_ = std::make_unique<HostileValues>(Paths(), Objects());
    for (size_t t = 0; t < targets_.size(); ++t) {
        const auto& members = targets_[t].info->members;
        for (size_t m = 0; m < members.size(); ++m) {
            if (!PolicyFor(targets_[t].name, members[m].name).skipped) callable_.emplace_back(t, m);
        }
    }
}

InvokeDriver::~InvokeDriver() {
    values_.reset();
    targets_.clear();
    if (::chdir(previousDirectory_.c_str()) != 0) std::perror("chdir");
}

void InvokeDriver::WriteSampleSound() {
    samplePath_ = root_ + "/sample.wav";
    std::vector<int16_t> ramp(800);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 40 - 16000);
    WaveFile file;
    if (!file.Create(samplePath_, 8000, 1) || !file.Write(ramp.data(), static_cast<uint32_t>(ramp.size() * 2)) ||
        !file.Close()) {
        throw std::runtime_error("cannot write the sample sound");
    }
}

// The control, then every object a property of a known object hands out, each interface once.
void InvokeDriver::FindTargets(IDispatch* control) {
    targets_.push_back({"IAudioEditor", ComPtr<IDispatch>(control), &LibraryInterface("IAudioEditor")});
    for (size_t i = 0; i < targets_.size(); ++i) {
        for (const MemberInfo& row : targets_[i].info->members) {
            if (!(row.invokeKinds & DISPATCH_PROPERTYGET) || !row.params.empty() || row.valueType != VT_DISPATCH) continue;
            const InterfaceInfo* info = VeskTypeLibrary().FindInterface(row.valueTypeName);
            bool seen = !info;
            for (const DispatchTarget& known : targets_) seen = seen || known.info == info;
            if (seen) continue;
            Variant value;
            if (Failed(GetProperty(targets_[i].object.get(), row.id, &value)) || value.vt != VT_DISPATCH ||
                !value.pdispVal) {
                continue;
            }
            targets_.push_back({info->name, ComPtr<IDispatch>(value.pdispVal), info});
        }
    }
}

std::vector<std::u16string> InvokeDriver::Paths() const {
    std::vector<std::u16string> paths{Utf8ToUtf16(samplePath_)};
    for (const char* name : kRelativeNames) paths.push_back(Utf8ToUtf16(name));
    for (const char* name : kScratchNames) paths.push_back(Utf8ToUtf16(root_ + name));
    return paths;
}

std::vector<KnownObject> InvokeDriver::Objects() const {
    std::vector<KnownObject> objects;
    for (const DispatchTarget& target : targets_) objects.push_back({target.object.get(), target.name});
    return objects;
}

CallRecord InvokeDriver::Step(Choices& choices) {
    const auto [target, member] = callable_[choices.Below(static_cast<uint32_t>(callable_.size()))];
    return CallMember(choices, target, member);
}

CallRecord InvokeDriver::CallMember(Choices& choices, size_t target, size_t member) {
    const DispatchTarget& on = targets_[target];
    const MemberInfo& chosen = on.info->members[member];
    CallRecord record{.member = on.name + "." + chosen.name, .id = chosen.id};
    if (choices.OneIn(12)) record.id = choices.OneIn(2) ? choices.From(kBadIds) : chosen.id + 1;
    // An id of another member calls that member: its own policy and types apply. One the
    // policy leaves out is not sent; an id of no member goes out with the chosen row's shape.
    const MemberInfo* reached = on.info->Find(record.id);
    if (reached && PolicyFor(on.name, reached->name).skipped) {
        record.id = chosen.id;
        reached = &chosen;
    }
    const MemberInfo& row = reached ? *reached : chosen;
    if (record.id != chosen.id) record.member = on.name + "." + (reached ? reached->name : "(none)") + " (by id)";
    const MemberPolicy policy = PolicyFor(on.name, row.name);
    record.flags = ChooseFlags(choices, row);
    const bool put = record.flags & kPutKinds;
    const uint32_t count = ChooseCount(choices, row, put);
    std::vector<DISPID> names = ChooseNames(choices, row, put, count);
    if (names.size() > count) names.resize(count);

    // What each rgvarg entry stands for, in the order Invoke reads them.
    const auto interfaceOf = [](const std::string& typeName) {
        return VeskTypeLibrary().FindInterface(typeName) ? typeName : std::string();
    };
    const auto slotOf = [&](uint32_t index) {
        const ValueSlot value{.declared = row.valueType,
                              .path = NamesAPath(row.name, ""),
                              .numbers = policy.numbers,
                              .interfaceName = interfaceOf(row.valueTypeName)};
        if (put && index == 0) return value;
        int param = -1;
        if (!put && index < names.size()) {
            param = names[index];
        } else {
            param = static_cast<int>(count - 1 - index);
        }
        if (param < 0 || static_cast<size_t>(param) >= row.params.size()) return ValueSlot{.declared = VT_I4};
        const ParamInfo& info = row.params[static_cast<size_t>(param)];
        return ValueSlot{.declared = info.type,
                         .path = NamesAPath(row.name, info.name),
                         .numbers = policy.numbers,
                         .interfaceName = interfaceOf(info.typeName)};
    };
    ArgumentPack pack;
    for (uint32_t i = 0; i < count; ++i) values_->Fill(choices, slotOf(i), pack.Add(), pack);

    DISPPARAMS params{pack.Data(), names.empty() ? nullptr : names.data(), count, static_cast<uint32_t>(names.size())};
    DISPPARAMS* given = &params;
    if (choices.OneIn(40)) {
        record.contradictoryBlock = true;
        names.resize(count + 1, 0);
        switch (choices.Below(4)) {
            case 0: params.rgdispidNamedArgs = names.data(); params.cNamedArgs = count + 1; break;
            case 1: params.rgvarg = nullptr; break;
            case 2: params.rgdispidNamedArgs = nullptr; break;
            default: given = nullptr; break;  // no block at all: no arguments
        }
        record.contradictoryBlock = (params.cNamedArgs > params.cArgs) || (params.cArgs > 0 && !params.rgvarg) ||
                                    (params.cNamedArgs > 0 && !params.rgdispidNamedArgs);
    }
    record.argumentCount = count;
    record.namedCount = params.cNamedArgs;

    Variant result;
    uint32_t argError = UINT32_MAX;
    record.result = on.object->Invoke(record.id, GUID_NULL, 0, record.flags, given, choices.OneIn(8) ? nullptr : &result,
                                      nullptr, choices.OneIn(8) ? nullptr : &argError);
    record.allowed = IsAllowedInvokeResult(record.result, record.contradictoryBlock);
    // An argument Invoke blames must be one the caller passed.
    if (argError != UINT32_MAX && Failed(record.result) && argError >= count) record.allowed = false;
    return record;
}

}  // namespace vesk::fuzz
