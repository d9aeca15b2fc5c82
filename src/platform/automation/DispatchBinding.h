// Binds the rows of an interface table to the C++ members that implement them.
//
// Interfaces are declared COM-style: every member returns HRESULT, properties are get_X(T*),
// put_X(T) and putref_X(T), methods take their parameters in order and, when they return a
// value, a last out pointer. A binding row names the member function:
//
//     Get<&IAudioEditorPosition::get_StartSelect>(1)
//     Put<&IAudioEditorPosition::put_StartSelect>(1)
//     Method<&IAudioEditor::Open>(1)                  // nothing returned
//     MethodResult<&IAudioEditor::GetCurrentArray>(15) // last parameter is the result
//
// The Invoke engine (DispatchImpl.h) has already coerced every argument to the type of the
// table row and filled in defaults, in forward order; the thunk reads each argument out of its
// VARIANT by the C++ parameter type and writes the result into the union of `result`; the
// engine then sets result->vt from the row's value type.
#pragma once

#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/automation/Dispatch.h"

namespace vesk {

using InvokeThunk = HRESULT (*)(void* self, VARIANT* args, VARIANT* result);

struct MemberBinding {
    DISPID id;
    uint16_t kind;  // exactly one of DISPATCH_METHOD, _PROPERTYGET, _PROPERTYPUT, _PROPERTYPUTREF
    InvokeThunk call;
    uint32_t argCount;  // C++ parameters that are arguments (the result pointer excluded)
};

namespace binding_detail {

template <class T>
struct Arg;  // how an argument of C++ type T is read from a coerced VARIANT

template <>
struct Arg<int32_t> {
    static int32_t From(VARIANT& v) { return v.lVal; }
};
template <>
struct Arg<uint32_t> {
    static uint32_t From(VARIANT& v) { return v.ulVal; }
};
template <>
struct Arg<int16_t> {  // short and VARIANT_BOOL share the storage
    static int16_t From(VARIANT& v) { return v.iVal; }
};
template <>
struct Arg<float> {
    static float From(VARIANT& v) { return v.fltVal; }
};
template <>
struct Arg<double> {
    static double From(VARIANT& v) { return v.dblVal; }
};
template <>
struct Arg<BSTR> {
    static BSTR From(VARIANT& v) { return v.bstrVal; }
};
template <class I>
    requires std::is_base_of_v<IDispatch, I>
struct Arg<I*> {
    static I* From(VARIANT& v) { return static_cast<I*>(v.pdispVal); }
};
template <>
struct Arg<SAFEARRAY*> {
    static SAFEARRAY* From(VARIANT& v) { return v.parray; }
};
template <>
struct Arg<SAFEARRAY**> {
    static SAFEARRAY** From(VARIANT& v) { return &v.parray; }
};
template <>
struct Arg<VARIANT> {
    static VARIANT From(VARIANT& v) { return v; }
};
template <>
struct Arg<const VARIANT&> {
    static const VARIANT& From(VARIANT& v) { return v; }
};

// How a result of C++ type T (the pointee of the last parameter) is written into a VARIANT.
template <class T>
struct Out;
template <>
struct Out<int32_t> {
    static int32_t* Slot(VARIANT& v) { return &v.lVal; }
};
template <>
struct Out<uint32_t> {
    static uint32_t* Slot(VARIANT& v) { return &v.ulVal; }
};
template <>
struct Out<int16_t> {
    static int16_t* Slot(VARIANT& v) { return &v.iVal; }
};
template <>
struct Out<float> {
    static float* Slot(VARIANT& v) { return &v.fltVal; }
};
template <>
struct Out<double> {
    static double* Slot(VARIANT& v) { return &v.dblVal; }
};
template <>
struct Out<BSTR> {
    static BSTR* Slot(VARIANT& v) { return &v.bstrVal; }
};
template <>
struct Out<SAFEARRAY*> {
    static SAFEARRAY** Slot(VARIANT& v) { return &v.parray; }
};
template <>
struct Out<VARIANT> {
    static VARIANT* Slot(VARIANT& v) { return &v; }
};
template <class I>
    requires std::is_base_of_v<IDispatch, I>
struct Out<I*> {
    static I** Slot(VARIANT& v) { return reinterpret_cast<I**>(&v.pdispVal); }
};

// An object argument arrives as whatever IDispatch the caller passed; the member expects the
// interface its row names. Asking the object for that interface (instead of casting) refuses an
// object of another kind with a type mismatch. The coerced VARIANT keeps owning the reference.
template <class T>
HRESULT NarrowArg(VARIANT& v) {
    if constexpr (std::is_pointer_v<T> && std::is_base_of_v<IDispatch, std::remove_pointer_t<T>>) {
        using I = std::remove_pointer_t<T>;
        if (v.pdispVal == nullptr) return S_OK;
        void* narrowed = nullptr;
        if (Failed(v.pdispVal->QueryInterface(I::kIid, &narrowed)) || narrowed == nullptr) return DISP_E_TYPEMISMATCH;
        v.pdispVal->Release();
        v.pdispVal = static_cast<I*>(narrowed);
    }
    return S_OK;
}

template <class Args, size_t... I>
HRESULT NarrowArgs(VARIANT* args, std::index_sequence<I...>) {
    HRESULT hr = S_OK;
    ((hr = Succeeded(hr) ? NarrowArg<std::tuple_element_t<I, Args>>(args[I]) : hr), ...);
    return hr;
}

template <class F>
struct MemberTraits;
template <class C, class... A>
struct MemberTraits<HRESULT (C::*)(A...)> {
    using Class = C;
    using Args = std::tuple<A...>;
    static constexpr size_t kCount = sizeof...(A);
};

template <auto Fn, size_t... I>
HRESULT CallIn(void* self, VARIANT* args, std::index_sequence<I...>) {
    using T = MemberTraits<decltype(Fn)>;
    if (HRESULT hr = NarrowArgs<typename T::Args>(args, std::index_sequence<I...>{}); Failed(hr)) return hr;
    auto* object = static_cast<typename T::Class*>(self);
    return (object->*Fn)(Arg<std::tuple_element_t<I, typename T::Args>>::From(args[I])...);
}

template <auto Fn, size_t... I>
HRESULT CallInOut(void* self, VARIANT* args, VARIANT* result, std::index_sequence<I...>) {
    using T = MemberTraits<decltype(Fn)>;
    using ResultPtr = std::tuple_element_t<T::kCount - 1, typename T::Args>;
    using ResultT = std::remove_pointer_t<ResultPtr>;
    if (HRESULT hr = NarrowArgs<typename T::Args>(args, std::index_sequence<I...>{}); Failed(hr)) return hr;
    auto* object = static_cast<typename T::Class*>(self);
    return (object->*Fn)(Arg<std::tuple_element_t<I, typename T::Args>>::From(args[I])...,
                         Out<ResultT>::Slot(*result));
}

template <auto Fn>
HRESULT ThunkIn(void* self, VARIANT* args, VARIANT*) {
    using T = MemberTraits<decltype(Fn)>;
    return CallIn<Fn>(self, args, std::make_index_sequence<T::kCount>{});
}

template <auto Fn>
HRESULT ThunkInOut(void* self, VARIANT* args, VARIANT* result) {
    using T = MemberTraits<decltype(Fn)>;
    return CallInOut<Fn>(self, args, result, std::make_index_sequence<T::kCount - 1>{});
}

}  // namespace binding_detail

template <auto Fn>
constexpr MemberBinding Get(DISPID id) {
    using T = binding_detail::MemberTraits<decltype(Fn)>;
    return {id, DISPATCH_PROPERTYGET, &binding_detail::ThunkInOut<Fn>, T::kCount - 1};
}
template <auto Fn>
constexpr MemberBinding Put(DISPID id) {
    using T = binding_detail::MemberTraits<decltype(Fn)>;
    return {id, DISPATCH_PROPERTYPUT, &binding_detail::ThunkIn<Fn>, T::kCount};
}
template <auto Fn>
constexpr MemberBinding PutRef(DISPID id) {
    using T = binding_detail::MemberTraits<decltype(Fn)>;
    return {id, DISPATCH_PROPERTYPUTREF, &binding_detail::ThunkIn<Fn>, T::kCount};
}
template <auto Fn>
constexpr MemberBinding Method(DISPID id) {
    using T = binding_detail::MemberTraits<decltype(Fn)>;
    return {id, DISPATCH_METHOD, &binding_detail::ThunkIn<Fn>, T::kCount};
}
template <auto Fn>
constexpr MemberBinding MethodResult(DISPID id) {
    using T = binding_detail::MemberTraits<decltype(Fn)>;
    return {id, DISPATCH_METHOD, &binding_detail::ThunkInOut<Fn>, T::kCount - 1};
}

}  // namespace vesk
