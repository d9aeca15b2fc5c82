// A Markdown reference of the type library, generated from its tables so that the
// documentation cannot drift from what Invoke accepts.
#pragma once

#include <string>

namespace vesk {

// The library's classes, every interface (dispatch identifier, member, kind, parameters with
// their types and defaults, value type) and every enumeration, as Markdown.
std::string DescribeLibrary();

}  // namespace vesk
