#include "window/qt_x11_frame.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace {

// The property's layout and bits as Motif's window manager defined them.
struct MotifWmHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};

constexpr std::uint32_t hintsFunctions = 1u << 0;
constexpr std::uint32_t hintsDecorations = 1u << 1;
constexpr std::uint32_t functionMove = 1u << 2;
constexpr std::uint32_t functionClose = 1u << 5;
constexpr std::uint32_t decorationBorder = 1u << 1;
constexpr std::uint32_t decorationTitle = 1u << 3;
constexpr std::uint32_t decorationMenu = 1u << 4;

} // namespace

void setFixedFrameHints(xcb_connection_t *connection, std::uint32_t window)
{
    constexpr std::string_view name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, name.size(), name.data()), nullptr);
    if (!atom)
        return;
    const MotifWmHints hints{hintsFunctions | hintsDecorations, functionMove | functionClose,
                             decorationBorder | decorationTitle | decorationMenu, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom->atom, atom->atom, 32,
                        sizeof hints / 4, &hints);
    std::free(atom);
}
