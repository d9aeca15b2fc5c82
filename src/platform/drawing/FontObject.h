// Font objects as automation hosts know them (IFontDisp): name, size in points, bold, italic,
// underline, strikethrough, weight and character set. The scales of the control hold one each;
// the painter reads the description to pick a face.
#pragma once

#include <string>

#include "platform/automation/Bstr.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

struct FontDescription {
    std::string name = "Arial";
    double sizePoints = 8.0;
    int16_t weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    // The character set a font is asked for; 1 is the default set, which lets the font
    // machinery choose the face's own.
    int16_t charset = kDefaultCharset;

    static constexpr int16_t kDefaultCharset = 1;
};

struct IFontDisp : IDispatch {
    // {BEF6E003-A874-101A-8BBA-00AA00300CAB}
    static constexpr IID kIid{0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

    virtual HRESULT get_Name(BSTR* value) = 0;
    virtual HRESULT put_Name(BSTR value) = 0;
    virtual HRESULT get_Size(double* points) = 0;
    virtual HRESULT put_Size(double points) = 0;
    virtual HRESULT get_Bold(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Bold(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Italic(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Italic(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Underline(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Underline(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Strikethrough(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Strikethrough(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Weight(int16_t* value) = 0;
    virtual HRESULT put_Weight(int16_t value) = 0;
    virtual HRESULT get_Charset(int16_t* value) = 0;
    virtual HRESULT put_Charset(int16_t value) = 0;
};

template <>
struct DispatchTraits<IFontDisp> {
    static const InterfaceInfo& Info();
    static std::span<const MemberBinding> Bindings();
};

class FontObject : public RefCounted, public DispatchImpl<IFontDisp> {
public:
    explicit FontObject(FontDescription description = {}) : font_(std::move(description)) {}
    VESK_IUNKNOWN_IMPL(FontObject, IFontDisp, IDispatch)

    HRESULT get_Name(BSTR* value) override;
    HRESULT put_Name(BSTR value) override;
    HRESULT get_Size(double* points) override;
    HRESULT put_Size(double points) override;
    HRESULT get_Bold(VARIANT_BOOL* value) override;
    HRESULT put_Bold(VARIANT_BOOL value) override;
    HRESULT get_Italic(VARIANT_BOOL* value) override;
    HRESULT put_Italic(VARIANT_BOOL value) override;
    HRESULT get_Underline(VARIANT_BOOL* value) override;
    HRESULT put_Underline(VARIANT_BOOL value) override;
    HRESULT get_Strikethrough(VARIANT_BOOL* value) override;
    HRESULT put_Strikethrough(VARIANT_BOOL value) override;
    HRESULT get_Weight(int16_t* value) override;
    HRESULT put_Weight(int16_t value) override;
    HRESULT get_Charset(int16_t* value) override;
    HRESULT put_Charset(int16_t value) override;

    const FontDescription& Description() const { return font_; }

private:
    FontDescription font_;
};

// A new font object with the given description (one reference, owned by the caller).
IFontDisp* NewFontObject(FontDescription description = {});

// The description of any font object: ours directly, another host object through its
// properties (missing ones keep the defaults).
FontDescription DescribeFont(IDispatch* font);

}  // namespace vesk
