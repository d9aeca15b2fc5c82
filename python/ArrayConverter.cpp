#include "ArrayConverter.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "ComError.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

[[noreturn]] void RaiseOverflow(size_t index, py::handle item, const char* what) {
    std::string text = "item " + std::to_string(index) + " (" + std::string(py::repr(item)) +
                       ") is out of range for " + what;
    PyErr_SetString(PyExc_OverflowError, text.c_str());
    throw py::error_already_set();
}

// Only true integers (objects with __index__) are accepted as samples: a float would have to
// be rounded, and which way is the caller's decision.
template <class T>
T IntegerItem(size_t index, py::handle item, const char* what) {
    if (!PyIndex_Check(item.ptr())) {
        throw py::type_error("item " + std::to_string(index) + " must be an integer for " + what + ", not " +
                             std::string(py::str(py::type::handle_of(item).attr("__name__"))));
    }
    auto number = py::reinterpret_steal<py::object>(PyNumber_Index(item.ptr()));
    int overflow = 0;
    long long value = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
    if (overflow || value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        RaiseOverflow(index, item, what);
    }
    return static_cast<T>(value);
}

template <class T>
T FloatItem(size_t index, py::handle item, const char* what) {
    double value = PyFloat_AsDouble(item.ptr());
    if (value == -1.0 && PyErr_Occurred()) throw py::error_already_set();
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<T>::max()) RaiseOverflow(index, item, what);
    return static_cast<T>(value);
}

template <class T>
void Fill(SAFEARRAY* array, const py::sequence& items, const char* what) {
    auto* data = static_cast<T*>(array->pvData);
    for (size_t i = 0; i < items.size(); ++i) {
        py::object item = items[i];
        if constexpr (std::is_floating_point_v<T>) {
            data[i] = FloatItem<T>(i, item, what);
        } else {
            data[i] = IntegerItem<T>(i, item, what);
        }
    }
}

// VARIANT_BOOL shares its C++ type with 16-bit samples, so booleans have their own pair.
void FillBooleans(SAFEARRAY* array, const py::sequence& items) {
    auto* data = static_cast<VARIANT_BOOL*>(array->pvData);
    for (size_t i = 0; i < items.size(); ++i) {
        py::object item = items[i];
        data[i] = PyObject_IsTrue(item.ptr()) > 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

py::tuple Booleans(SAFEARRAY* array) {
    auto values = SafeArraySpan<VARIANT_BOOL>(array, VT_BOOL);
    py::tuple result(values.size());
    for (size_t i = 0; i < values.size(); ++i) result[i] = py::bool_(values[i] != 0);
    return result;
}

template <class T>
py::tuple Elements(SAFEARRAY* array) {
    auto values = SafeArraySpan<T>(array, array->vt);
    py::tuple result(values.size());
    for (size_t i = 0; i < values.size(); ++i) result[i] = py::cast(values[i]);
    return result;
}

}  // namespace

bool ArrayConverter::IsNumeric(VARTYPE elementType) {
    switch (elementType) {
        case VT_I2: case VT_I4: case VT_UI1: case VT_R4: case VT_R8: case VT_BOOL: return true;
        default: return false;
    }
}

SafeArrayPtr ArrayConverter::FromSequence(py::handle sequence, VARTYPE elementType) {
    if (!PySequence_Check(sequence.ptr()) || py::isinstance<py::str>(sequence)) {
        throw py::type_error("a sequence is required, not " +
                             std::string(py::str(py::type::handle_of(sequence).attr("__name__"))));
    }
    auto items = py::reinterpret_borrow<py::sequence>(sequence);
    SafeArrayPtr array(SafeArrayCreateVector(elementType, 0, static_cast<uint32_t>(items.size())));
    if (!array.get()) ComError::Raise(E_OUTOFMEMORY);
    switch (elementType) {
        case VT_I2: Fill<int16_t>(array.get(), items, "a 16-bit sample"); break;
        case VT_I4: Fill<int32_t>(array.get(), items, "a 32-bit integer"); break;
        case VT_UI1: Fill<uint8_t>(array.get(), items, "a byte"); break;
        case VT_R4: Fill<float>(array.get(), items, "a 32-bit float"); break;
        case VT_R8: Fill<double>(array.get(), items, "a 64-bit float"); break;
        case VT_BOOL: FillBooleans(array.get(), items); break;
        default: throw py::type_error("unsupported array element type");
    }
    return array;
}

py::tuple ArrayConverter::ToTuple(SAFEARRAY* array) {
    if (!array) return py::tuple();
    switch (array->vt) {
        case VT_I2: return Elements<int16_t>(array);
        case VT_I4: return Elements<int32_t>(array);
        case VT_UI1: return Elements<uint8_t>(array);
        case VT_R4: return Elements<float>(array);
        case VT_R8: return Elements<double>(array);
        case VT_BOOL: return Booleans(array);
        default: throw py::type_error("unsupported array element type");
    }
}

}  // namespace vesk::python
