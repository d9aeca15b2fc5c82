#include "Container.h"

#include "ComError.h"
#include "platform/drawing/BitmapFile.h"

namespace py = pybind11;

namespace vesk::python {

Container::Container(const DispatchObject& control, int32_t width, int32_t height)
    : siteStorage_(std::make_unique<HeadlessSite>(width, height)), site_(*siteStorage_) {
    if (width < 1 || height < 1) throw py::value_error("a window needs a width and a height of at least 1");
    HRESULT hr = control.get()->QueryInterface(IEditorControl::kIid, control_.put_void());
    if (Succeeded(hr) && !control_) hr = E_NOINTERFACE;
    ComError::Check(hr);
    ComError::Check(control_->InPlaceActivate(&site_));
}

Container::~Container() {
    if (control_) control_->InPlaceDeactivate();
}

void Container::Paint() {
    Bitmap& window = *site_.Window();
    ComError::Check(control_->Paint(window, ClientRect{0, 0, window.Width(), window.Height()}));
}

void Container::Resize(int32_t width, int32_t height) {
    if (width < 1 || height < 1) throw py::value_error("a window needs a width and a height of at least 1");
    site_.Resize(width, height);
}

uint32_t Container::Pixel(int32_t x, int32_t y) const {
    const Bitmap& window = *site_.Window();
    if (x < 0 || y < 0 || x >= window.Width() || y >= window.Height()) throw py::index_error("pixel outside the window");
    return window.Pixel(x, y);
}

void Container::Save(const std::string& path) const {
    if (!WritePictureFile(*site_.Window(), path)) throw py::value_error("cannot write the picture to " + path);
}

intptr_t Container::SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    bool passOn = false;
    ComError::Check(control_->WindowMessage(message, wParam, lParam, &result, &passOn));
    return result;
}

void Container::Bind(py::module_& module) {
    py::class_<Container>(module, "Container",
                          "A headless window holding an in-place active control (see audioeditor.Container).")
        .def(py::init<const DispatchObject&, int32_t, int32_t>(), py::arg("oleobj"), py::arg("width"),
             py::arg("height"))
        .def("paint", &Container::Paint, "Paints the control into the window (its whole bounds).")
        .def("resize", &Container::Resize, py::arg("width"), py::arg("height"),
             "Gives the window a new size; the next paint lays the control out again.")
        .def("pixel", &Container::Pixel, py::arg("x"), py::arg("y"),
             "0x00RRGGBB colour of the last painted window at (x, y).")
        .def("save", &Container::Save, py::arg("path"),
             "Writes the last painted window: a bitmap file, or PNG when the name ends in .png.")
        .def("send_message", &Container::SendMessage, py::arg("msg"), py::arg("wparam") = 0, py::arg("lparam") = 0,
             "Sends a window message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...) to the control; returns its answer.")
        .def("pointer", &Container::PointerName,
             "The name of the pointer shown now: the system pointers ('arrow', 'cross', 'ibeam', ...),\n"
             "'custom', or the control's own 'grab', 'left', 'right', 'edge'.")
        .def("captured", &Container::Captured, "Whether the control holds the mouse capture.")
        .def_property_readonly("width", &Container::Width)
        .def_property_readonly("height", &Container::Height);
}

}  // namespace vesk::python
