#include "EditorVtable.h"

#include "ArrayConverter.h"
#include "ComError.h"

namespace py = pybind11;

namespace vesk::python {

py::object EditorVtable::Query(const DispatchObject& object) {
    ComPtr<IAudioEditor> editor;
    if (Failed(object.get()->QueryInterface(IAudioEditor::kIid, editor.put_void())) || !editor) return py::none();
    return py::cast(EditorVtable(std::move(editor)));
}

void EditorVtable::PutSampleArray(py::handle samples) {
    SafeArrayPtr array = ArrayConverter::FromSequence(samples, VT_I2);
    ComError::Check(editor_->PutSampleArray(array.get()));  // the array stays ours
}

py::object EditorVtable::GetSelectionArray() {
    SafeArrayPtr array;
    ComError::Check(editor_->GetSelectionArray(array.put()));
    if (!array.get()) return py::none();
    return ArrayConverter::ToTuple(array.get());
}

void EditorVtable::ClearSystemClipboard() { ComError::Check(editor_->ClearSystemClipboard()); }

void EditorVtable::Bind(py::module_& module) {
    py::class_<EditorVtable>(module, "EditorVtable",
                             "The control's members without a dispatch identifier (vtable only).")
        .def_static("query", &EditorVtable::Query, py::arg("oleobj"),
                    "The vtable members of a PyIDispatch that is a control, or None.")
        .def("PutSampleArray", &EditorVtable::PutSampleArray, py::arg("samples"),
             "PutSampleArray(samples): puts 16-bit samples (channels interleaved) at the selection.")
        .def("GetSelectionArray", &EditorVtable::GetSelectionArray,
             "GetSelectionArray() -> tuple of the selection's 16-bit samples, or None.")
        .def("ClearSystemClipboard", &EditorVtable::ClearSystemClipboard,
             "ClearSystemClipboard(): gives the system clipboard up when this process holds it.");
}

}  // namespace vesk::python
