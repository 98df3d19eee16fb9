#include "placement/window_pos.h"
#include "placement/x11_connection.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// Always on top through the EWMH _NET_WM_STATE_ABOVE state. The window manager owns the stacking
// order, so the window asks it: before the first map through the window's own _NET_WM_STATE
// property, which the manager reads when it maps the window, and afterwards through a
// _NET_WM_STATE client message to the root window.
namespace placement {
namespace {

xcb_connection_t *givenConnection = nullptr;

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// An error reply is taken here, so that it never reaches the event queue of a toolkit that
// shares the connection.
template <typename Reply, typename Cookie>
ReplyPtr<Reply> waitFor(Reply *(*replyOf)(xcb_connection_t *, Cookie, xcb_generic_error_t **),
                        xcb_connection_t *connection, Cookie cookie)
{
    xcb_generic_error_t *error = nullptr;
    ReplyPtr<Reply> reply{replyOf(connection, cookie, &error)};
    std::free(error);
    return reply;
}

struct Disconnect {
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};
using OwnConnection = std::unique_ptr<xcb_connection_t, Disconnect>;

struct Atoms {
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t supportingWmCheck = XCB_ATOM_NONE;
    xcb_atom_t wmState = XCB_ATOM_NONE;
    xcb_atom_t wmStateAbove = XCB_ATOM_NONE;
};

enum class Change { Add, Remove };

constexpr std::uint32_t netWmStateRemove = 0;
constexpr std::uint32_t netWmStateAdd = 1;
constexpr std::uint32_t sourceApplication = 1;

bool isSupportedRequest(std::intptr_t insertAfter, unsigned flags)
{
    const unsigned fixedInPlace = SWP_NOMOVE | SWP_NOSIZE;
    const bool knownFlagsOnly = (flags & ~(fixedInPlace | SWP_NOACTIVATE)) == 0;
    const bool staysInPlace = (flags & fixedInPlace) == fixedInPlace;
    const bool aboveOrNot = insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST;
    return knownFlagsOnly && staysInPlace && aboveOrNot;
}

Atoms internAtoms(xcb_connection_t *connection)
{
    constexpr std::string_view names[] = {"_NET_SUPPORTED", "_NET_SUPPORTING_WM_CHECK",
                                          "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()),
                                     names[i].data());
    xcb_atom_t atoms[std::size(names)]{};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (const auto reply = waitFor(xcb_intern_atom_reply, connection, cookies[i]))
            atoms[i] = reply->atom;
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

std::vector<std::uint32_t> readProperty(xcb_connection_t *connection, xcb_window_t window,
                                        xcb_atom_t property, xcb_atom_t type)
{
    const auto reply = waitFor(xcb_get_property_reply, connection,
                               xcb_get_property(connection, 0, window, property, type, 0, 4096));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t readWindow(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    const auto values = readProperty(connection, window, property, XCB_ATOM_WINDOW);
    return values.empty() ? xcb_window_t{XCB_WINDOW_NONE} : values.front();
}

// EWMH: a window manager is running when the root's _NET_SUPPORTING_WM_CHECK names a window
// whose own _NET_SUPPORTING_WM_CHECK names itself; it supports the state when _NET_SUPPORTED
// lists both _NET_WM_STATE and _NET_WM_STATE_ABOVE.
bool windowManagerSupportsAbove(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
{
    const xcb_window_t check = readWindow(connection, root, atoms.supportingWmCheck);
    if (check == XCB_WINDOW_NONE || readWindow(connection, check, atoms.supportingWmCheck) != check)
        return false;
    const auto supported = readProperty(connection, root, atoms.supported, XCB_ATOM_ATOM);
    const auto lists = [&](xcb_atom_t atom) {
        return std::find(supported.begin(), supported.end(), atom) != supported.end();
    };
    return lists(atoms.wmState) && lists(atoms.wmStateAbove);
}

// Keeps every state that others (the toolkit) put into the property.
void changeOwnState(xcb_connection_t *connection, xcb_window_t window, const Atoms &atoms,
                    Change change)
{
    auto states = readProperty(connection, window, atoms.wmState, XCB_ATOM_ATOM);
    std::erase(states, atoms.wmStateAbove);
    if (change == Change::Add)
        states.push_back(atoms.wmStateAbove);
    if (states.empty())
        xcb_delete_property(connection, window, atoms.wmState);
    else
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atoms.wmState,
                            XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(states.size()),
                            states.data());
}

void askWindowManager(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window,
                      const Atoms &atoms, Change change)
{
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.wmState;
    message.data.data32[0] = change == Change::Add ? netWmStateAdd : netWmStateRemove;
    message.data.data32[1] = atoms.wmStateAbove;
    message.data.data32[3] = sourceApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
}

int switchAbove(xcb_connection_t *connection, xcb_window_t window, Change change)
{
    const auto geometryCookie = xcb_get_geometry(connection, window);
    const auto attributesCookie = xcb_get_window_attributes(connection, window);
    const Atoms atoms = internAtoms(connection);
    const auto geometry = waitFor(xcb_get_geometry_reply, connection, geometryCookie);
    const auto attributes = waitFor(xcb_get_window_attributes_reply, connection, attributesCookie);
    if (!geometry || !attributes || atoms.wmStateAbove == XCB_ATOM_NONE)
        return 0;
    if (!windowManagerSupportsAbove(connection, geometry->root, atoms))
        return 0;
    if (attributes->map_state == XCB_MAP_STATE_UNMAPPED)
        changeOwnState(connection, window, atoms, change);
    else
        askWindowManager(connection, geometry->root, window, atoms, change);
    return xcb_flush(connection) > 0 ? 1 : 0;
}

} // namespace

void useX11Connection(xcb_connection_t *connection)
{
    givenConnection = connection;
}

int SetWindowPos(std::uintptr_t window, std::intptr_t insertAfter, int, int, int, int,
                 unsigned flags)
{
    if (!isSupportedRequest(insertAfter, flags) || window == 0 || window > UINT32_MAX)
        return 0;
    const Change change = insertAfter == HWND_TOPMOST ? Change::Add : Change::Remove;
    const auto id = static_cast<xcb_window_t>(window);
    if (givenConnection)
        return switchAbove(givenConnection, id, change);
    const OwnConnection own{xcb_connect(nullptr, nullptr)};
    if (xcb_connection_has_error(own.get()))
        return 0;
    return switchAbove(own.get(), id, change);
}

} // namespace placement
