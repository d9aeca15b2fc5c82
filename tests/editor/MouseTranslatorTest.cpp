// Pointer input into window messages: buttons, key states, packing, double clicks, the wheel.
#include <gtest/gtest.h>

#include "MouseTranslator.h"
#include "platform/window/WindowMessages.h"

namespace vesk::editor {
namespace {

using Kind = PointerInput::Kind;

PointerInput Input(Kind kind, int button, double x, double y, uint32_t timeMs, uint32_t modifiers = 0) {
    PointerInput input;
    input.kind = kind;
    input.button = button;
    input.x = x;
    input.y = y;
    input.timeMs = timeMs;
    input.modifiers = modifiers;
    return input;
}

TEST(MouseTranslator, ButtonsCarryTheirOwnKeyStateOnTheWayDownNotUp) {
    MouseTranslator translator(400, 4);
    // Toolkits report the state before the event: no button held yet on a press.
    auto down = translator.Translate(Input(Kind::Press, 1, 10.7, 20.2, 100, PointerInput::kShift));
    ASSERT_TRUE(down);
    EXPECT_EQ(down->message, WM_LBUTTONDOWN);
    EXPECT_EQ(down->wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(XOfLParam(down->lParam), 10);
    EXPECT_EQ(YOfLParam(down->lParam), 20);
    auto drag = translator.Translate(Input(Kind::Motion, 0, -3, 15, 150, PointerInput::kLeft));
    EXPECT_EQ(drag->message, WM_MOUSEMOVE);
    EXPECT_EQ(drag->wParam, MK_LBUTTON);
    EXPECT_EQ(XOfLParam(drag->lParam), -3);  // outside the window while captured
    auto up = translator.Translate(Input(Kind::Release, 1, 0, 0, 200, PointerInput::kLeft | PointerInput::kControl));
    EXPECT_EQ(up->message, WM_LBUTTONUP);
    EXPECT_EQ(up->wParam, MK_CONTROL);

    EXPECT_EQ(translator.Translate(Input(Kind::Press, 3, 0, 0, 1000))->message, WM_RBUTTONDOWN);
    EXPECT_EQ(translator.Translate(Input(Kind::Release, 2, 0, 0, 1100))->message, WM_MBUTTONUP);
    EXPECT_FALSE(translator.Translate(Input(Kind::Press, 8, 0, 0, 1200)));  // a side button
}

TEST(MouseTranslator, ASecondPressCloseInTimeAndPlaceIsADoubleClickOnce) {
    MouseTranslator translator(400, 4);
    auto message = [&](int button, double x, uint32_t time) {
        return translator.Translate(Input(Kind::Press, button, x, 50, time))->message;
    };
    EXPECT_EQ(message(1, 100, 1000), WM_LBUTTONDOWN);
    EXPECT_EQ(message(1, 103, 1400), WM_LBUTTONDBLCLK);
    EXPECT_EQ(message(1, 103, 1500), WM_LBUTTONDOWN);  // a third press starts again
    EXPECT_EQ(message(1, 103, 1901), WM_LBUTTONDOWN);  // too late
    EXPECT_EQ(message(1, 108, 2000), WM_LBUTTONDOWN);  // too far
    EXPECT_EQ(message(3, 108, 2100), WM_RBUTTONDOWN);  // another button
    EXPECT_EQ(message(3, 108, 2200), WM_RBUTTONDBLCLK);
}

TEST(MouseTranslator, TheWheelSendsSignedNotchesInTheHighWord) {
    MouseTranslator translator(400, 4);
    PointerInput up = Input(Kind::Scroll, 0, 5, 6, 0, PointerInput::kControl);
    up.scrollSteps = -1;  // away from the user
    auto zoomIn = translator.Translate(up);
    ASSERT_TRUE(zoomIn);
    EXPECT_EQ(zoomIn->message, WM_MOUSEWHEEL);
    EXPECT_EQ(static_cast<int32_t>(static_cast<uint32_t>(zoomIn->wParam)) >> 16, WHEEL_DELTA);
    EXPECT_EQ(zoomIn->wParam & 0xFFFF, MK_CONTROL);
    up.scrollSteps = 2;
    EXPECT_LT(static_cast<int32_t>(static_cast<uint32_t>(translator.Translate(up)->wParam)), 0);
    up.scrollSteps = 0.001;  // a touchpad's crumb
    EXPECT_FALSE(translator.Translate(up));
}

}  // namespace
}  // namespace vesk::editor
