#include "MouseTranslator.h"

#include <cmath>
#include <cstdlib>

#include "platform/window/WindowMessages.h"

namespace vesk::editor {

namespace {

uintptr_t ButtonKey(int button) {
    switch (button) {
        case 1: return MK_LBUTTON;
        case 2: return MK_MBUTTON;
        case 3: return MK_RBUTTON;
        default: return 0;
    }
}

uintptr_t KeyState(uint32_t modifiers) {
    uintptr_t keys = 0;
    if (modifiers & PointerInput::kShift) keys |= MK_SHIFT;
    if (modifiers & PointerInput::kControl) keys |= MK_CONTROL;
    if (modifiers & PointerInput::kLeft) keys |= MK_LBUTTON;
    if (modifiers & PointerInput::kMiddle) keys |= MK_MBUTTON;
    if (modifiers & PointerInput::kRight) keys |= MK_RBUTTON;
    return keys;
}

// Down, up and double-click messages are three apart per button: left, right, middle.
uint32_t ButtonMessage(int button, uint32_t leftMessage) {
    switch (button) {
        case 1: return leftMessage;
        case 3: return leftMessage + 3;
        case 2: return leftMessage + 6;
        default: return 0;
    }
}

intptr_t Position(const PointerInput& input) {
    return MakeLParam(static_cast<int32_t>(std::floor(input.x)), static_cast<int32_t>(std::floor(input.y)));
}

}  // namespace

std::optional<WindowMessage> MouseTranslator::Translate(const PointerInput& input) {
    const uintptr_t keys = KeyState(input.modifiers);
    switch (input.kind) {
        case PointerInput::Kind::Motion:
            return WindowMessage{WM_MOUSEMOVE, keys, Position(input)};
        case PointerInput::Kind::Press: {
            if (!ButtonKey(input.button)) return std::nullopt;
            const bool twice = IsDoubleClick(input);
            // A third press starts again: it is a press, not another double click.
            lastPress_ = twice ? std::nullopt : std::optional<PointerInput>(input);
            const uint32_t message = ButtonMessage(input.button, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
            return WindowMessage{message, keys | ButtonKey(input.button), Position(input)};
        }
        case PointerInput::Kind::Release:
            if (!ButtonKey(input.button)) return std::nullopt;
            return WindowMessage{ButtonMessage(input.button, WM_LBUTTONUP), keys & ~ButtonKey(input.button),
                                 Position(input)};
        case PointerInput::Kind::Scroll: {
            const auto delta = static_cast<int32_t>(std::lround(-input.scrollSteps * WHEEL_DELTA));
            if (delta == 0) return std::nullopt;
            const auto packed = (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16) | (keys & 0xFFFF);
            return WindowMessage{WM_MOUSEWHEEL, packed, Position(input)};
        }
    }
    return std::nullopt;
}

bool MouseTranslator::IsDoubleClick(const PointerInput& input) const {
    if (!lastPress_ || lastPress_->button != input.button) return false;
    if (input.timeMs - lastPress_->timeMs > doubleClickMs_) return false;
    return std::abs(input.x - lastPress_->x) <= doubleClickDistance_ &&
           std::abs(input.y - lastPress_->y) <= doubleClickDistance_;
}

}  // namespace vesk::editor
