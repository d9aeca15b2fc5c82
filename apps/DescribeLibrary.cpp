// Prints the automation reference of the control (every interface, member, dispatch
// identifier, parameter, default and enumeration) as Markdown. docs/automation.md is its output;
// a test keeps the two equal.
#include <iostream>

#include "objects/typelib/LibraryReference.h"

int main() {
    std::cout << vesk::DescribeLibrary();
    return 0;
}
