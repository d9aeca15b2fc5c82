// Python str <-> the UTF-16 text of BSTRs and names. A Python string may hold lone surrogates
// ("\ud800"), which UTF-8 cannot carry but UTF-16 can: they pass unchanged both ways, and
// what the control does with them is its own business.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>

namespace vesk::python {

class StringConverter {
public:
    // The UTF-16 text of a str (a TypeError for anything else).
    static std::u16string ToUtf16(pybind11::handle text);
    static pybind11::str FromUtf16(std::u16string_view text);
};

}  // namespace vesk::python
