#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"

namespace vesk {
namespace {

TEST(SafeArray, VectorHasBoundsTypeAndZeroedElements) {
    SafeArrayPtr a(SafeArrayCreateVector(VT_R4, 1, 3));
    ASSERT_TRUE(a.get());
    int32_t lower = 0, upper = 0;
    VARTYPE vt = VT_EMPTY;
    EXPECT_EQ(SafeArrayGetLBound(a.get(), 1, &lower), S_OK);
    EXPECT_EQ(SafeArrayGetUBound(a.get(), 1, &upper), S_OK);
    EXPECT_EQ(SafeArrayGetVartype(a.get(), &vt), S_OK);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 3);
    EXPECT_EQ(vt, VT_R4);
    ASSERT_EQ(a.floats().size(), 3u);
    for (float f : a.floats()) EXPECT_EQ(f, 0.0f);
    EXPECT_TRUE(a.shorts().empty());  // another element type

    SafeArrayPtr empty(SafeArrayCreateVector(VT_I2, 0, 0));
    EXPECT_EQ(SafeArrayGetUBound(empty.get(), 1, &upper), S_OK);
    EXPECT_EQ(upper, -1);
}

TEST(SafeArray, RejectsBadArgumentsAndTypes) {
    int32_t bound;
    EXPECT_EQ(SafeArrayGetUBound(nullptr, 1, &bound), E_INVALIDARG);
    EXPECT_EQ(SafeArrayGetLBound(nullptr, 1, &bound), E_INVALIDARG);
    EXPECT_EQ(SafeArrayCreateVector(VT_DISPATCH, 0, 1), nullptr);
    SafeArrayPtr a(SafeArrayCreateVector(VT_I2, 0, 2));
    EXPECT_EQ(SafeArrayGetUBound(a.get(), 2, &bound), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayUnaccessData(a.get()), E_UNEXPECTED);
    EXPECT_EQ(SafeArrayCount(nullptr), 0u);
    EXPECT_EQ(SafeArrayDestroy(nullptr), S_OK);
}

TEST(SafeArray, RedimKeepsValuesAndZeroesNewElements) {
    SafeArrayPtr a(SafeArrayCreateVector(VT_I2, 0, 2));
    a.shorts()[0] = 7;
    a.shorts()[1] = -8;
    SAFEARRAYBOUND bigger{4, 0};
    ASSERT_EQ(SafeArrayRedim(a.get(), &bigger), S_OK);
    EXPECT_EQ(std::vector<int16_t>(a.shorts().begin(), a.shorts().end()), (std::vector<int16_t>{7, -8, 0, 0}));
    SAFEARRAYBOUND smaller{1, 5};
    ASSERT_EQ(SafeArrayRedim(a.get(), &smaller), S_OK);
    int32_t lower;
    SafeArrayGetLBound(a.get(), 1, &lower);
    EXPECT_EQ(lower, 5);
    EXPECT_EQ(a.shorts()[0], 7);
}

// Arrays of several megabytes get storage of their own (laid out for huge pages); it must be
// zeroed to the last element and keep its values when redimensioned across that size.
TEST(SafeArray, LargeArraysAreZeroedAndRedimensionedLikeSmallOnes) {
    const uint32_t large = (9u << 20) / 2 + 3;  // past 8 MiB, not a whole number of pages
    SafeArrayPtr a(SafeArrayCreateVector(VT_I2, 0, large));
    ASSERT_TRUE(a.get());
    const auto zero = [](int16_t v) { return v == 0; };
    ASSERT_TRUE(std::all_of(a.shorts().begin(), a.shorts().end(), zero));
    for (uint32_t i = 0; i < large; i += 4099) a.shorts()[i] = static_cast<int16_t>(i);
    a.shorts()[large - 1] = -1;
    SAFEARRAYBOUND bigger{large + 1000, 0};
    ASSERT_EQ(SafeArrayRedim(a.get(), &bigger), S_OK);
    EXPECT_EQ(a.shorts()[large - 1], -1);
    EXPECT_TRUE(std::all_of(a.shorts().begin() + large, a.shorts().end(), zero));
    SAFEARRAYBOUND small{5000, 0};
    ASSERT_EQ(SafeArrayRedim(a.get(), &small), S_OK);
    EXPECT_EQ(a.shorts()[4099], 4099);
    SafeArrayPtr copy;
    ASSERT_EQ(SafeArrayCopy(a.get(), copy.put()), S_OK);
    EXPECT_EQ(copy.shorts()[4099], 4099);
}

TEST(SafeArray, LockedArrayRefusesRedimAndDestroy) {
    SAFEARRAY* a = SafeArrayCreateVector(VT_R8, 0, 2);
    void* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(a, &data), S_OK);
    EXPECT_EQ(data, a->pvData);
    SAFEARRAYBOUND bound{8, 0};
    EXPECT_EQ(SafeArrayRedim(a, &bound), DISP_E_ARRAYISLOCKED);
    EXPECT_EQ(SafeArrayDestroy(a), DISP_E_ARRAYISLOCKED);
    EXPECT_EQ(SafeArrayCount(a), 2u);
    EXPECT_EQ(SafeArrayUnaccessData(a), S_OK);
    EXPECT_EQ(SafeArrayDestroy(a), S_OK);
}

TEST(SafeArray, OwnedElementsAreCopiedDeeplyAndFreed) {
    SafeArrayPtr strings(SafeArrayCreateVector(VT_BSTR, 0, 3));
    auto names = SafeArraySpan<BSTR>(strings.get(), VT_BSTR);
    names[0] = AllocBstr("one");
    names[2] = AllocBstr("three");
    SafeArrayPtr copy;
    ASSERT_EQ(SafeArrayCopy(strings.get(), copy.put()), S_OK);
    auto copied = SafeArraySpan<BSTR>(copy.get(), VT_BSTR);
    EXPECT_NE(copied[0], names[0]);
    EXPECT_EQ(BstrToUtf8(copied[0]), "one");
    EXPECT_EQ(copied[1], nullptr);
    SAFEARRAYBOUND one{1, 0};
    EXPECT_EQ(SafeArrayRedim(strings.get(), &one), S_OK);  // frees "three" (the leak checker watches)

    SafeArrayPtr variants(SafeArrayCreateVector(VT_VARIANT, 0, 1));
    Variant text = Variant::String("v");
    VariantCopy(&SafeArraySpan<VARIANT>(variants.get(), VT_VARIANT)[0], &text);
    ASSERT_EQ(SafeArrayCopy(variants.get(), copy.put()), S_OK);
    EXPECT_EQ(Variant(SafeArraySpan<VARIANT>(copy.get(), VT_VARIANT)[0]).ToUtf8(), "v");
}

}  // namespace
}  // namespace vesk
