#include "StringConverter.h"

namespace py = pybind11;

namespace vesk::python {

std::u16string StringConverter::ToUtf16(py::handle text) {
    if (!py::isinstance<py::str>(text)) throw py::type_error("a str was expected");
    // "surrogatepass" writes lone surrogates as the UTF-16 units they are.
    PyObject* bytes = PyUnicode_AsEncodedString(text.ptr(), "utf-16-le", "surrogatepass");
    if (!bytes) throw py::error_already_set();
    const py::bytes owned = py::reinterpret_steal<py::bytes>(bytes);
    const std::string_view raw = owned;
    std::u16string result(raw.size() / sizeof(char16_t), u'\0');
    raw.copy(reinterpret_cast<char*>(result.data()), result.size() * sizeof(char16_t));
    return result;
}

py::str StringConverter::FromUtf16(std::u16string_view text) {
    int littleEndian = -1;
    PyObject* decoded = PyUnicode_DecodeUTF16(reinterpret_cast<const char*>(text.data()),
                                              static_cast<Py_ssize_t>(text.size() * sizeof(char16_t)),
                                              "surrogatepass", &littleEndian);
    if (!decoded) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

}  // namespace vesk::python
