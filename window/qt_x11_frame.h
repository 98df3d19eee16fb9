#pragma once

#include <cstdint>

struct xcb_connection_t;

// Tells the window manager, through the Motif hints, that the window can be moved and closed
// but not resized, minimized or maximized, and which parts of a frame it wants.
void setFixedFrameHints(xcb_connection_t *connection, std::uint32_t window);
