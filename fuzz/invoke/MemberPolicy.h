// What the Invoke harness holds back. Everything is called with hostile arguments except:
//   - members that wait for devices (the transport): they are left out;
//   - numbers that say how much work a call does (milliseconds of silence to write, a rate to
//     convert to): they stay moderate, so that an input costs milliseconds, not a disk;
//   - open faults, until they are mended: the arguments that reach them stay clear of them
//     (listed in MemberPolicy.cpp when there are any);
//   - strings that name files or folders: they name places inside the scratch directory only.
#pragma once

#include <string_view>

namespace vesk::fuzz {

// The numbers a member's arguments may be.
enum class NumberRange {
    Any,      // everything, NaN and the infinities included
    Bounded,  // nothing large and positive
};

struct MemberPolicy {
    bool skipped = false;
    NumberRange numbers = NumberRange::Any;
};

MemberPolicy PolicyFor(std::string_view interfaceName, std::string_view memberName);

// True for a parameter (or, with an empty parameter name, a property value) that is a path.
bool NamesAPath(std::string_view memberName, std::string_view paramName);

}  // namespace vesk::fuzz
