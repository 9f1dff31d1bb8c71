#pragma once
// The plain-text trace (rise and set computation, city lines read), written to standard output
// only when the program runs with --trace.

#include <ostream>

namespace chronel {

void EnableTrace(bool on);
std::ostream* TraceStream();  // nullptr when tracing is off

}  // namespace chronel
