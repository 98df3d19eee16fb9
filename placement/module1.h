#pragma once

#include <cstdint>

namespace Module1 {

// Switches a window's always-on-top state: a flag of 0 switches it off, any other value on.
// The handle is the window's native handle as a 32-bit integer.
void SetTopMost(std::int32_t &handle, std::int16_t &flag);

} // namespace Module1
