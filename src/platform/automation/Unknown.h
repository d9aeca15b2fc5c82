// Reference-counted interfaces: IUnknown, a smart pointer that holds one reference, and a base
// class that gives an implementation its reference count.
//
// Rules, as in COM: a pointer returned through an out parameter carries one reference that the
// receiver releases; an [in] pointer is borrowed for the call. Objects are used on one thread,
// so counts are plain integers.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/automation/ComTypes.h"

namespace vesk {

struct IUnknown {
    // {00000000-0000-0000-C000-000000000046}
    static constexpr IID kIid{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

// Owns one reference to T (nullptr allowed). T is any interface derived from IUnknown.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference on p.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { reset(); }

    ComPtr& operator=(const ComPtr& other) {
        ComPtr copy(other);
        swap(copy);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept {
        ComPtr moved(std::move(other));
        swap(moved);
        return *this;
    }

    // Adopts a pointer that already carries a reference (from a factory or an out parameter).
    static ComPtr Attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    // Gives up ownership without releasing.
    T* Detach() { return std::exchange(p_, nullptr); }

    void reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    void swap(ComPtr& other) noexcept { std::swap(p_, other.p_); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out parameters: releases what is held, then hands out the slot.
    T** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    // Returns a new reference through an out parameter, as getters do.
    HRESULT CopyTo(T** out) const {
        if (!out) return E_POINTER;
        *out = p_;
        if (p_) p_->AddRef();
        return S_OK;
    }

    // QueryInterface into another interface.
    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(U::kIid, result.put_void());
        return result;
    }

private:
    T* p_ = nullptr;
};

template <class T, class U>
bool operator==(const ComPtr<T>& a, const ComPtr<U>& b) {
    return static_cast<const void*>(a.get()) == static_cast<const void*>(b.get());
}

// Creates an implementation object with one reference held by the returned pointer.
template <class T, class... Args>
ComPtr<T> MakeCom(Args&&... args) {
    return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

// The reference count of an implementation. Derive the concrete class from RefCounted and
// its interfaces, then let QueryInterface/AddRef/Release forward here (the macro below).
class RefCounted {
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

protected:
    virtual ~RefCounted() = default;
    uint32_t AddRefImpl() { return ++refs_; }
    uint32_t ReleaseImpl() {
        uint32_t left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    uint32_t refs_ = 1;  // MakeCom adopts this first reference
};

// Answers QueryInterface for IUnknown and the listed interfaces, in that order of preference.
template <class Self, class First, class... Rest>
HRESULT QueryInterfaceFor(Self* self, const IID& iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IUnknown::kIid || iid == First::kIid) {
        *object = static_cast<First*>(self);
    } else if constexpr (sizeof...(Rest) > 0) {
        return QueryInterfaceFor<Self, Rest...>(self, iid, object);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<First*>(self)->AddRef();
    return S_OK;
}

}  // namespace vesk

// Implements the three IUnknown members of a class derived from RefCounted and the listed
// interfaces (the first one also answers IUnknown).
#define VESK_IUNKNOWN_IMPL(Self, ...)                                                    \
    HRESULT QueryInterface(const ::vesk::IID& iid, void** object) override {             \
        return ::vesk::QueryInterfaceFor<Self, __VA_ARGS__>(this, iid, object);           \
    }                                                                                    \
    uint32_t AddRef() override { return AddRefImpl(); }                                  \
    uint32_t Release() override { return ReleaseImpl(); }
