#include "placement/module1.h"

#include "placement/window_pos.h"

namespace Module1 {

void SetTopMost(std::int32_t &handle, std::int16_t &flag)
{
    using namespace placement;
    // The window id is an unsigned 32-bit value that travels in a signed integer.
    const auto window = static_cast<std::uintptr_t>(static_cast<std::uint32_t>(handle));
    if (flag != 0)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    else
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace Module1
