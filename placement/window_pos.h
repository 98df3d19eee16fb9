#pragma once

#include <cstdint>

// The one placement call the program makes, with the arguments and constants of Win32's
// SetWindowPos. On Windows it is user32's own; elsewhere it is carried out by the platform's
// nearest equivalent. Returns non-zero on success.
namespace placement {

inline constexpr std::intptr_t HWND_TOPMOST = -1;
inline constexpr std::intptr_t HWND_NOTOPMOST = -2;

inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;
inline constexpr unsigned SWP_NOACTIVATE = 0x0010;

int SetWindowPos(std::uintptr_t window, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                 unsigned flags);

} // namespace placement
