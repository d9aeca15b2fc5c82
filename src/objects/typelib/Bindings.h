// The dispatch traits of the library's dual interfaces: each interface's table and the binding
// of every row kind to its C++ member, so that an implementation gets IDispatch by deriving from
// DispatchImpl<I>. Table and bindings are checked against each other by the tests.
#pragma once

#include <span>

#include "objects/typelib/AudioEditorInterface.h"
#include "objects/typelib/SubObjectInterfaces.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

template <>
struct DispatchTraits<IAudioEditor> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorPosition> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorChannel> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorMarkers> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorScale> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorColors> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorFileInfo> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorDevice> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorDeviceLine> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorRecorder> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

template <>
struct DispatchTraits<IAudioEditorLameMp3Encoder> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

}  // namespace vesk
