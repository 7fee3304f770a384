// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/xkb/xkb_layout.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace teclarium {
namespace {

template <typename T, void (*Free)(T*)>
struct TXkbFree {
    void operator()(T* p) const { Free(p); }
};
using TKeymapPtr = std::unique_ptr<xkb_keymap, TXkbFree<xkb_keymap, xkb_keymap_unref>>;
using TStatePtr = std::unique_ptr<xkb_state, TXkbFree<xkb_state, xkb_state_unref>>;
using TComposeStatePtr =
    std::unique_ptr<xkb_compose_state, TXkbFree<xkb_compose_state, xkb_compose_state_unref>>;

// One context and one compose table for the process: loading them costs far more than
// reading a layout, and neither changes while the program runs.
xkb_context* Context() {
    static xkb_context* const context = [] {
        xkb_context* c = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        if (c) xkb_context_set_log_level(c, XKB_LOG_LEVEL_CRITICAL);
        return c;
    }();
    return context;
}

xkb_compose_table* ComposeTable() {
    static xkb_compose_table* const table =
        Context() ? xkb_compose_table_new_from_locale(Context(), ComposeLocale().c_str(),
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS)
                  : nullptr;
    return table;
}

// The spacing character that stands for a dead key on its key face; 0 for a dead key
// without one.
char32_t SpacingAccent(xkb_keysym_t sym) {
    switch (sym) {
        case XKB_KEY_dead_grave:
            return U'`';
        case XKB_KEY_dead_acute:
            return U'\u00B4';
        case XKB_KEY_dead_circumflex:
            return U'^';
        case XKB_KEY_dead_tilde:
            return U'~';
        case XKB_KEY_dead_diaeresis:
            return U'\u00A8';
        case XKB_KEY_dead_cedilla:
            return U'\u00B8';
        case XKB_KEY_dead_abovering:
            return U'\u00B0';
        case XKB_KEY_dead_macron:
            return U'\u00AF';
        case XKB_KEY_dead_caron:
            return U'\u02C7';
        case XKB_KEY_dead_breve:
            return U'\u02D8';
        case XKB_KEY_dead_abovedot:
            return U'\u02D9';
        case XKB_KEY_dead_ogonek:
            return U'\u02DB';
        case XKB_KEY_dead_doubleacute:
            return U'\u02DD';
        default:
            return 0;
    }
}

bool IsDeadKeysym(xkb_keysym_t sym) {
    return sym >= XKB_KEY_dead_grave && sym <= XKB_KEY_dead_greek;
}

// The key whose first symbol is sym (a modifier key), or 0.
xkb_keycode_t KeyOfSymbol(xkb_keymap* keymap, xkb_keysym_t sym) {
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= xkb_keymap_max_keycode(keymap);
         ++code) {
        const xkb_keysym_t* syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, code, 0, 0, &syms) == 1 && syms[0] == sym) return code;
    }
    return 0;
}

}  // namespace

std::string ComposeLocale() {
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") locale = "ca_ES";
    return locale + ".UTF-8";
}

TXkbLayout XkbLayoutOfKeymap(xkb_keymap* keymap, unsigned group, std::span<const unsigned> keycodes) {
    TXkbLayout layout;
    layout.Keys.resize(keycodes.size());
    // What each level types, as the keys type it: the modifier key held, in the group.
    // A level the key does not have (AltGr on a two-level key) types nothing here.
    const xkb_keycode_t shift = KeyOfSymbol(keymap, XKB_KEY_Shift_L);
    const xkb_keycode_t altGr = KeyOfSymbol(keymap, XKB_KEY_ISO_Level3_Shift);
    const std::array<std::array<xkb_keycode_t, 2>, kXkbLevels> modifierKeys{
        {{0, 0}, {shift, 0}, {altGr, 0}, {shift, altGr}}};
    std::vector<xkb_keysym_t> deadKeys, bases{XKB_KEY_space};
    for (int level = 0; level < kXkbLevels; ++level) {
        if ((level == 1 || level == 3) && shift == 0) continue;
        if (level >= 2 && altGr == 0) continue;
        const TStatePtr state(xkb_state_new(keymap));
        if (!state) break;
        xkb_state_update_mask(state.get(), 0, 0, 0, 0, 0, group);
        for (xkb_keycode_t modifier : modifierKeys[static_cast<std::size_t>(level)])
            if (modifier != 0) xkb_state_update_key(state.get(), modifier, XKB_KEY_DOWN);
        for (std::size_t i = 0; i < keycodes.size(); ++i) {
            const xkb_keycode_t code = keycodes[i];
            const xkb_layout_index_t keyGroup = xkb_state_key_get_layout(state.get(), code);
            if (keyGroup == XKB_LAYOUT_INVALID) continue;
            if (level > 0 &&
                xkb_state_key_get_level(state.get(), code, keyGroup) < static_cast<unsigned>(level))
                continue;
            const xkb_keysym_t sym = xkb_state_key_get_one_sym(state.get(), code);
            TXkbKey& key = layout.Keys[i];
            if (IsDeadKeysym(sym)) {
                key.Chars[level] = SpacingAccent(sym);
                key.Dead[level] = key.Chars[level] != 0;
                if (key.Dead[level] && std::find(deadKeys.begin(), deadKeys.end(), sym) == deadKeys.end())
                    deadKeys.push_back(sym);
            } else {
                key.Chars[level] = xkb_keysym_to_utf32(sym);
                if (key.Chars[level] != 0 && std::find(bases.begin(), bases.end(), sym) == bases.end())
                    bases.push_back(sym);
            }
        }
    }
    // Each dead key followed by each character a single key types.
    xkb_compose_table* table = ComposeTable();
    if (!table || deadKeys.empty()) return layout;
    const TComposeStatePtr compose(xkb_compose_state_new(table, XKB_COMPOSE_STATE_NO_FLAGS));
    if (!compose) return layout;
    for (xkb_keysym_t dead : deadKeys) {
        for (xkb_keysym_t base : bases) {
            xkb_compose_state_reset(compose.get());
            xkb_compose_state_feed(compose.get(), dead);
            xkb_compose_state_feed(compose.get(), base);
            if (xkb_compose_state_get_status(compose.get()) != XKB_COMPOSE_COMPOSED) continue;
            const char32_t result = xkb_keysym_to_utf32(xkb_compose_state_get_one_sym(compose.get()));
            if (result != 0)
                layout.Composed.push_back({SpacingAccent(dead), xkb_keysym_to_utf32(base), result});
        }
    }
    return layout;
}

std::optional<TXkbLayout> XkbLayoutFromNames(const TXkbLayoutName& name, std::span<const unsigned> keycodes) {
    if (!Context()) return std::nullopt;
    const xkb_rule_names names{"evdev", "pc105", name.Layout.c_str(), name.Variant.c_str(), ""};
    const TKeymapPtr keymap(xkb_keymap_new_from_names(Context(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) return std::nullopt;
    return XkbLayoutOfKeymap(keymap.get(), 0, keycodes);
}

}  // namespace teclarium
