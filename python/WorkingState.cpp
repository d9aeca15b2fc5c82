#include "WorkingState.h"

#include "ArrayConverter.h"
#include "ComError.h"
#include "control/AudioEditor.h"
#include "document/WaveFile.h"
#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

AudioEditor& ControlOf(const DispatchObject& object) {
    ComPtr<IAudioEditor> editor;
    object.get()->QueryInterface(IAudioEditor::kIid, editor.put_void());
    auto* control = dynamic_cast<AudioEditor*>(editor.get());
    if (!control) throw py::type_error("not an audio editor control");
    return *control;
}

// samples: interleaved 16-bit values of the document's format.
void PushSamples(const DispatchObject& object, py::handle samples) {
    AudioEditor& control = ControlOf(object);
    if (!control.HasDocument()) throw py::value_error("the control has no document (call New first)");
    SafeArrayPtr array = ArrayConverter::FromSequence(samples, VT_I2);
    const DocState& current = *control.History().Current();
    if (array.size() % current.channels != 0) throw py::value_error("a whole number of frames is needed");

    DocState state;
    state.filePath = UniqueTempFileName(SplitPath(current.filePath).directory, "vsk");
    WaveFile file;
    bool written = !state.filePath.empty() && file.Create(state.filePath, current.frequency, current.channels) &&
                   (array.size() == 0 || file.Write(array.shorts().data(), array.size() * 2));
    written = file.Close() && written;
    if (!written) {
        if (!state.filePath.empty()) RemoveFile(state.filePath);
        throw py::value_error("cannot write a working file");
    }
    state.frequency = current.frequency;
    state.channels = current.channels;
    state.totalBytes = static_cast<int32_t>(array.size() * 2);
    state.endView[0] = state.totalBytes;
    control.History().Push(state);
    control.View().BuildOverview();
    control.Refresh();
}

}  // namespace

void WorkingState::Bind(py::module_& module) {
    module.def("PushSamples", &PushSamples, py::arg("oleobj"), py::arg("samples"),
               "PushSamples(oleobj, samples): commits interleaved 16-bit samples as the document's\n"
               "newest state (a new working file), for scripts until edit commands put sound in.");
}

}  // namespace vesk::python
