// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/xkb/xkb_x11_layout.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
// The XKB protocol header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace teclarium {
namespace {

struct TFreeReply {
    void operator()(void* p) const { std::free(p); }
};

// Sets up XKB on the connection (each time: a closed connection's address can come
// back for a new one); the core keyboard's device, or -1.
int CoreKeyboard(xcb_connection_t* connection) {
    if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr,
                                     nullptr))
        return -1;
    return xkb_x11_get_core_keyboard_device_id(connection);
}

// The group in use: the effective one of the core keyboard's state.
std::optional<unsigned> ActiveGroup(xcb_connection_t* connection, int device) {
    const std::unique_ptr<xcb_xkb_get_state_reply_t, TFreeReply> state(xcb_xkb_get_state_reply(
        connection, xcb_xkb_get_state(connection, static_cast<xcb_xkb_device_spec_t>(device)), nullptr));
    if (!state) return std::nullopt;
    return state->group;
}

// Field number index of a comma-separated list; empty past its end.
std::string ListItem(std::string_view list, unsigned index) {
    for (unsigned i = 0; i < index; ++i) {
        const std::size_t comma = list.find(',');
        if (comma == std::string_view::npos) return {};
        list.remove_prefix(comma + 1);
    }
    return std::string(list.substr(0, list.find(',')));
}

}  // namespace

std::optional<TXkbLayoutName> XkbActiveLayoutName(xcb_connection_t* connection) {
    const int device = CoreKeyboard(connection);
    if (device < 0) return std::nullopt;
    constexpr std::string_view kRulesNames = "_XKB_RULES_NAMES";
    const xcb_intern_atom_cookie_t atomCookie =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(kRulesNames.size()), kRulesNames.data());
    const xcb_xkb_get_state_cookie_t stateCookie =
        xcb_xkb_get_state(connection, static_cast<xcb_xkb_device_spec_t>(device));
    const std::unique_ptr<xcb_intern_atom_reply_t, TFreeReply> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr));
    const std::unique_ptr<xcb_xkb_get_state_reply_t, TFreeReply> state(
        xcb_xkb_get_state_reply(connection, stateCookie, nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE || !state) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_get_property_reply_t, TFreeReply> property(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->format != 8) return std::nullopt;
    // rules, model, layouts, variants, options: NUL-terminated strings; layouts and
    // variants are lists by group.
    const std::string_view value(static_cast<const char*>(xcb_get_property_value(property.get())),
                                 static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
    std::string_view fields[5];
    std::string_view rest = value;
    for (std::string_view& field : fields) {
        const std::size_t end = rest.find('\0');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    TXkbLayoutName name{ListItem(fields[2], state->group), ListItem(fields[3], state->group)};
    if (name.Layout.empty()) return std::nullopt;
    return name;
}

std::optional<TXkbLayout> XkbActiveLayout(xcb_connection_t* connection, std::span<const unsigned> keycodes) {
    const int device = CoreKeyboard(connection);
    if (device < 0) return std::nullopt;
    static xkb_context* const context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context) return std::nullopt;
    const std::optional<unsigned> group = ActiveGroup(connection, device);
    xkb_keymap* keymap =
        group ? xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS)
              : nullptr;
    if (!keymap) return std::nullopt;
    TXkbLayout layout = XkbLayoutOfKeymap(keymap, *group, keycodes);
    xkb_keymap_unref(keymap);
    return layout;
}

}  // namespace teclarium
