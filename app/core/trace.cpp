#include "app/core/trace.h"

#include <iostream>

namespace chronel {
namespace {
bool g_traceOn = false;
}

void EnableTrace(bool on) { g_traceOn = on; }
std::ostream* TraceStream() { return g_traceOn ? &std::cout : nullptr; }

}  // namespace chronel
