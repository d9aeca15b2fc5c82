// Turns a toolkit's pointer input into the control's window messages: button numbers and
// modifier masks into WM_* and MK_* values, positions into a packed lParam, the wheel into
// WHEEL_DELTA steps, and a second press close in time and place into a double click (a toolkit
// that reports raw events does not make that message itself).
#pragma once

#include <cstdint>
#include <optional>

namespace vesk::editor {

struct PointerInput {
    enum class Kind { Press, Release, Motion, Scroll };
    enum Modifier : uint32_t { kShift = 1, kControl = 2, kLeft = 4, kMiddle = 8, kRight = 16 };

    Kind kind = Kind::Motion;
    int button = 0;          // 1 left, 2 middle, 3 right (presses and releases)
    uint32_t modifiers = 0;  // Modifier bits held before this event, as toolkits report them
    double x = 0;            // in the control's window, pixels
    double y = 0;
    double scrollSteps = 0;  // wheel: positive away from the user is negative here (down = +1)
    uint32_t timeMs = 0;     // event time, for double clicks
};

struct WindowMessage {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

class MouseTranslator {
public:
    // doubleClickMs and doubleClickDistance: the desktop's double-click settings.
    MouseTranslator(uint32_t doubleClickMs, int32_t doubleClickDistance)
        : doubleClickMs_(doubleClickMs), doubleClickDistance_(doubleClickDistance) {}

    // The message for an input; nothing for buttons the control has no message for and for
    // wheel input that rounds to no step.
    std::optional<WindowMessage> Translate(const PointerInput& input);

private:
    bool IsDoubleClick(const PointerInput& input) const;

    uint32_t doubleClickMs_;
    int32_t doubleClickDistance_;
    std::optional<PointerInput> lastPress_;  // the press a second one may complete
};

}  // namespace vesk::editor
