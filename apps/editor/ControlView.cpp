#include "ControlView.h"

#include <gdkmm/cursor.h>
#include <gdkmm/memorytexture.h>
#include <gtkmm/native.h>
#include <gtkmm/settings.h>

#include <cstring>
#include <stdexcept>

namespace vesk::editor {

namespace {

// The names CSS gives the system pointers, by shape.
const char* CursorName(PointerShape shape) {
    switch (shape) {
        case PointerShape::Cross: return "crosshair";
        case PointerShape::IBeam: return "text";
        case PointerShape::SizeAll: return "move";
        case PointerShape::SizeNESW: return "nesw-resize";
        case PointerShape::SizeNS: return "ns-resize";
        case PointerShape::SizeNWSE: return "nwse-resize";
        case PointerShape::SizeWE: return "ew-resize";
        case PointerShape::UpArrow: return "n-resize";
        case PointerShape::Wait: return "wait";
        case PointerShape::No: return "not-allowed";
        case PointerShape::AppStarting: return "progress";
        case PointerShape::Help: return "help";
        case PointerShape::Size: return "all-scroll";
        default: return "default";
    }
}

Glib::RefPtr<Gdk::Cursor> CursorFromImage(const PointerImage& image) {
    // 0xAARRGGBB words are B, G, R, A bytes on a little-endian machine.
    auto bytes = Glib::Bytes::create(image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
    auto texture = Gdk::MemoryTexture::create(image.width, image.height, Gdk::MemoryTexture::Format::B8G8R8A8, bytes,
                                              static_cast<gsize>(image.width) * sizeof(uint32_t));
    return Gdk::Cursor::create(texture, image.hotX, image.hotY);
}

uint32_t Modifiers(Gdk::ModifierType state) {
    uint32_t modifiers = 0;
    auto held = [state](Gdk::ModifierType bit) { return (state & bit) == bit; };
    if (held(Gdk::ModifierType::SHIFT_MASK)) modifiers |= PointerInput::kShift;
    if (held(Gdk::ModifierType::CONTROL_MASK)) modifiers |= PointerInput::kControl;
    if (held(Gdk::ModifierType::BUTTON1_MASK)) modifiers |= PointerInput::kLeft;
    if (held(Gdk::ModifierType::BUTTON2_MASK)) modifiers |= PointerInput::kMiddle;
    if (held(Gdk::ModifierType::BUTTON3_MASK)) modifiers |= PointerInput::kRight;
    return modifiers;
}

std::optional<PointerInput::Kind> KindOf(Gdk::Event::Type type) {
    switch (type) {
        case Gdk::Event::Type::BUTTON_PRESS: return PointerInput::Kind::Press;
        case Gdk::Event::Type::BUTTON_RELEASE: return PointerInput::Kind::Release;
        case Gdk::Event::Type::MOTION_NOTIFY: return PointerInput::Kind::Motion;
        case Gdk::Event::Type::SCROLL: return PointerInput::Kind::Scroll;
        default: return std::nullopt;
    }
}

double ScrollSteps(const Gdk::Event& event) {
    switch (event.get_direction()) {
        case Gdk::ScrollDirection::UP: return -1;
        case Gdk::ScrollDirection::DOWN: return 1;
        case Gdk::ScrollDirection::SMOOTH: {
            double dx = 0, dy = 0;
            event.get_deltas(dx, dy);
            return dy;
        }
        default: return 0;
    }
}

uint32_t DoubleClickTime() {
    return static_cast<uint32_t>(Gtk::Settings::get_default()->property_gtk_double_click_time().get_value());
}

int32_t DoubleClickDistance() {
    return Gtk::Settings::get_default()->property_gtk_double_click_distance().get_value();
}

}  // namespace

ControlView::ControlView(IUnknown* control, std::function<void()> afterInput)
    : afterInput_(std::move(afterInput)), translator_(DoubleClickTime(), DoubleClickDistance()) {
    control->QueryInterface(IEditorControl::kIid, control_.put_void());
    if (!control_) throw std::runtime_error("The control cannot be placed in a window.");
    set_expand(true);
    set_focusable(true);
    set_draw_func(sigc::mem_fun(*this, &ControlView::Draw));
    signal_resize().connect(sigc::mem_fun(*this, &ControlView::Resize));
    auto input = Gtk::EventControllerLegacy::create();
    input->signal_event().connect(sigc::mem_fun(*this, &ControlView::OnEvent), false);
    add_controller(input);
    control_->InPlaceActivate(this);
}

ControlView::~ControlView() { control_->InPlaceDeactivate(); }

void ControlView::Resize(int width, int height) { window_ = Bitmap(width, height); }

void ControlView::Draw(const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height) {
    if (window_.Width() != width || window_.Height() != height) window_ = Bitmap(width, height);
    if (window_.Empty()) return;
    // A repaint with unchanged bounds only copies the control's composed frame.
    control_->Paint(window_, ClientRect{0, 0, width, height});
    // The bitmap's 0x00RRGGBB words are cairo's RGB24 pixels; its rows are packed.
    auto surface = Cairo::ImageSurface::create(Cairo::Surface::Format::RGB24, width, height);
    surface->flush();
    unsigned char* data = surface->get_data();
    const int stride = surface->get_stride();
    for (int32_t y = 0; y < height; ++y) {
        std::memcpy(data + static_cast<ptrdiff_t>(y) * stride, window_.Row(y), static_cast<size_t>(width) * 4);
    }
    surface->mark_dirty();
    cairo->set_source(surface, 0, 0);
    cairo->paint();
}

bool ControlView::OnEvent(const Glib::RefPtr<const Gdk::Event>& event) {
    auto kind = KindOf(event->get_event_type());
    if (!kind) return false;
    PointerInput input;
    input.kind = *kind;
    if (*kind == PointerInput::Kind::Press || *kind == PointerInput::Kind::Release) {
        input.button = static_cast<int>(event->get_button());
    }
    input.modifiers = Modifiers(event->get_modifier_state());
    if (!WidgetPosition(*event, input.x, input.y)) return false;
    if (*kind == PointerInput::Kind::Scroll) input.scrollSteps = ScrollSteps(*event);
    input.timeMs = event->get_time();
    if (*kind == PointerInput::Kind::Press) grab_focus();
    if (auto message = translator_.Translate(input)) Send(*message);
    return true;
}

bool ControlView::WidgetPosition(const Gdk::Event& event, double& x, double& y) {
    // Raw events carry surface coordinates; the control wants its own window's.
    double surfaceX = 0, surfaceY = 0;
    if (!event.get_position(surfaceX, surfaceY)) return false;
    auto* native = get_native();
    auto* top = dynamic_cast<Gtk::Widget*>(native);
    if (!top) return false;
    double offsetX = 0, offsetY = 0;
    native->get_surface_transform(offsetX, offsetY);
    return top->translate_coordinates(*this, surfaceX - offsetX, surfaceY - offsetY, x, y);
}

void ControlView::Send(const WindowMessage& message) {
    intptr_t result = 0;
    bool passOn = false;
    control_->WindowMessage(message.message, message.wParam, message.lParam, &result, &passOn);
    if (afterInput_) afterInput_();
}

void ControlView::ShowPointer(const Pointer& pointer) {
    if (pointer.image) {
        set_cursor(CursorFromImage(*pointer.image));
    } else {
        set_cursor(Gdk::Cursor::create(CursorName(pointer.shape)));
    }
}

}  // namespace vesk::editor
