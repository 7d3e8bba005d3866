#pragma once

#include <string>
#include <string_view>

namespace zorind {

// Converts UTF-8 text to the PC Latin-2 code page (852) used by the console
// lines of the solver. Characters without a place in it become '?'.
std::string toCodePage852(std::string_view utf8);

// The last-resort exit when the numeric workspace cannot get memory: three
// lines on the standard error stream in code page 852, then exit status 1.
// Nothing is saved and no window is shown.
[[noreturn]] void fatalError(std::string_view message);

} // namespace zorind
