#pragma once

struct xcb_connection_t;

namespace placement {

// The display connection the X11 placement uses from now on, so that a program already
// connected to the X server needs no second connection. Without one, each call opens its own.
void useX11Connection(xcb_connection_t *connection);

} // namespace placement
