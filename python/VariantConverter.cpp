#include "VariantConverter.h"

#include <limits>
#include <string>

#include "ArrayConverter.h"
#include "ComError.h"
#include "DispatchObject.h"
#include "StringConverter.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

py::object DispatchToPython(IDispatch* object) {
    if (!object) return py::none();
    return py::cast(DispatchObject(ComPtr<IDispatch>(object)));
}

py::object UnknownToPython(IUnknown* object) {
    if (!object) return py::none();
    ComPtr<IDispatch> dispatch;
    if (Failed(object->QueryInterface(IDispatch::kIid, dispatch.put_void()))) return py::none();
    return py::cast(DispatchObject(std::move(dispatch)));
}

// The PyIDispatch behind a value: itself, or the _oleobj_ of a wrapper. nullptr otherwise.
DispatchObject* AsDispatchObject(py::handle value) {
    if (py::isinstance<DispatchObject>(value)) return &value.cast<DispatchObject&>();
    if (!py::isinstance<py::str>(value) && py::hasattr(value, "_oleobj_")) {
        py::object inner = value.attr("_oleobj_");
        if (py::isinstance<DispatchObject>(inner)) return &inner.cast<DispatchObject&>();
    }
    return nullptr;
}

}  // namespace

py::object VariantConverter::ToPython(const VARIANT& v) {
    if (v.vt & VT_BYREF) {
        Variant value;
        ComError::Check(VariantCopyInd(&value, &v));
        return ToPython(value);
    }
    if (v.vt & VT_ARRAY) return ArrayToPython(v.parray);
    switch (v.vt) {
        case VT_EMPTY: case VT_NULL: return py::none();
        case VT_I1: return py::int_(v.cVal);
        case VT_I2: return py::int_(v.iVal);
        case VT_I4: case VT_INT: return py::int_(v.lVal);
        case VT_I8: return py::int_(v.llVal);
        case VT_UI1: return py::int_(v.bVal);
        case VT_UI2: return py::int_(v.uiVal);
        case VT_UI4: case VT_UINT: return py::int_(v.ulVal);
        case VT_UI8: return py::int_(v.ullVal);
        case VT_R4: return py::float_(v.fltVal);
        case VT_R8: case VT_DATE: return py::float_(v.dblVal);
        case VT_CY: return py::float_(static_cast<double>(v.cyVal) / 10000.0);
        case VT_BOOL: return py::bool_(v.boolVal != VARIANT_FALSE);
        case VT_ERROR: return py::int_(v.scode);
        case VT_BSTR: return StringConverter::FromUtf16(BstrView(v.bstrVal));
        case VT_DISPATCH: return DispatchToPython(v.pdispVal);
        case VT_UNKNOWN: return UnknownToPython(v.punkVal);
        case VT_VARIANT: return py::none();
        default: throw py::type_error("unsupported VARIANT type " + std::to_string(v.vt));
    }
}

py::object VariantConverter::ArrayToPython(SAFEARRAY* array) {
    if (!array) return py::none();
    if (ArrayConverter::IsNumeric(array->vt)) return ArrayConverter::ToTuple(array);
    uint32_t count = SafeArrayCount(array);
    py::tuple result(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (array->vt == VT_VARIANT) {
            result[i] = ToPython(static_cast<VARIANT*>(array->pvData)[i]);
        } else if (array->vt == VT_BSTR) {
            result[i] = StringConverter::FromUtf16(BstrView(static_cast<BSTR*>(array->pvData)[i]));
        } else {
            throw py::type_error("unsupported array element type " + std::to_string(array->vt));
        }
    }
    return result;
}

Variant VariantConverter::FromPython(py::handle value, VARTYPE hint) {
    if (value.is_none()) return Variant();
    if (DispatchObject* object = AsDispatchObject(value)) return Variant::Dispatch(object->get());
    // bool before int: Python's bool is an int.
    if (py::isinstance<py::bool_>(value)) return Variant::Bool(value.cast<bool>());
    if (py::isinstance<py::int_>(value)) return IntToVariant(value);
    if (py::isinstance<py::float_>(value)) return Variant::R8(value.cast<double>());
    if (py::isinstance<py::str>(value)) {
        const std::u16string text = StringConverter::ToUtf16(value);
        BSTR bstr = SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
        if (!bstr) ComError::Raise(E_OUTOFMEMORY);
        return Variant::AdoptBstr(bstr);
    }
    if (PySequence_Check(value.ptr())) return SequenceToVariant(value, hint);
    throw py::type_error("cannot pass an object of type " +
                         std::string(py::str(py::type::handle_of(value).attr("__name__"))) +
                         " to an automation call");
}

Variant VariantConverter::IntToVariant(py::handle value) {
    int overflow = 0;
    long long number = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
    if (overflow) {
        PyErr_SetString(PyExc_OverflowError, "int too large for an automation argument");
        throw py::error_already_set();
    }
    if (number >= std::numeric_limits<int32_t>::min() && number <= std::numeric_limits<int32_t>::max()) {
        return Variant::I4(static_cast<int32_t>(number));
    }
    Variant result;
    if (number > 0 && number <= std::numeric_limits<uint32_t>::max()) {
        result.vt = VT_UI4;  // colours and other unsigned 32-bit values
        result.ulVal = static_cast<uint32_t>(number);
    } else {
        result.vt = VT_I8;
        result.llVal = number;
    }
    return result;
}

Variant VariantConverter::SequenceToVariant(py::handle sequence, VARTYPE hint) {
    VARTYPE element = (hint & VT_ARRAY) ? static_cast<VARTYPE>(hint & VT_TYPEMASK) : VARTYPE{VT_VARIANT};
    if (ArrayConverter::IsNumeric(element)) {
        return Variant::AdoptArray(ArrayConverter::FromSequence(sequence, element).Detach());
    }
    auto items = py::reinterpret_borrow<py::sequence>(sequence);
    SafeArrayPtr array(SafeArrayCreateVector(VT_VARIANT, 0, static_cast<uint32_t>(items.size())));
    if (!array.get()) ComError::Raise(E_OUTOFMEMORY);
    auto* slots = static_cast<VARIANT*>(array.get()->pvData);
    for (size_t i = 0; i < items.size(); ++i) {
        Variant item = FromPython(items[i]);
        slots[i] = item;  // moves the contents: the array now owns them
        VariantInit(&item);
    }
    return Variant::AdoptArray(array.Detach());
}

}  // namespace vesk::python
