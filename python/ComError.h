// The module's exception for failed automation calls, shaped the way scripts written against
// the usual automation bindings expect: args are (hresult, text, excepinfo, argerr) and the
// instance carries .hresult as a signed 32-bit integer.
#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/automation/ComTypes.h"

namespace vesk::python {

class ComError {
public:
    // Creates the exception class `com_error` in `module`. Call once, at import.
    static void Register(pybind11::module_& module);

    // Raises com_error for a failed HRESULT. argError: the argument position Invoke reported
    // (only meaningful for the DISP_E_* codes that name an argument).
    [[noreturn]] static void Raise(HRESULT hr, std::optional<uint32_t> argError = std::nullopt);

    // Raises com_error when hr is a failure; returns otherwise.
    static void Check(HRESULT hr) {
        if (Failed(hr)) Raise(hr);
    }

    // A short English description of the well-known codes, "Error 0x…" for the others.
    static std::string Text(HRESULT hr);

private:
    static pybind11::object& Type();
};

}  // namespace vesk::python
