// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Deriving a layout's keyboard: compiling its keymap from its names (what a layout
// chosen by name costs), reading a compiled keymap's keys and dead keys (what a live
// layout change costs after the server's keymap is fetched), and turning that into
// key records. The compose table is loaded once per process, before the timing.
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon.h>

#include "keyboard/layout_keymap.h"
#include "keyboard/layout_names.h"
#include "platform/xkb/xkb_x11_layout.h"

using namespace teclarium;

namespace {

const TXkbLayoutName kLayouts[] = {{"es", ""},     {"es", "cat"}, {"fr", ""}, {"it", ""},
                                   {"us", "intl"}, {"latam", ""}, {"pt", ""}};

void Label(benchmark::State& state) {
    const TXkbLayoutName& name = kLayouts[state.range(0)];
    state.SetLabel(name.Variant.empty() ? name.Layout : name.Layout + "(" + name.Variant + ")");
}

// The whole derivation of a layout chosen by name: compile, read, convert.
void FromNames(benchmark::State& state) {
    const TXkbLayoutName& name = kLayouts[state.range(0)];
    XkbLayoutFromNames(name, CharKeyScanCodes());  // loads the compose table once
    for (auto _ : state) {
        std::optional<TXkbLayout> layout = XkbLayoutFromNames(name, CharKeyScanCodes());
        if (!layout) state.SkipWithError("no such layout");
        TKeyCharsList keys = KeyCharsOfLayout(*layout);
        benchmark::DoNotOptimize(keys);
    }
    Label(state);
}
BENCHMARK(FromNames)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// A compiled keymap (the server's, once fetched) read and converted.
void FromKeymap(benchmark::State& state) {
    const TXkbLayoutName& name = kLayouts[state.range(0)];
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", name.Layout.c_str(), name.Variant.c_str(), ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    XkbLayoutOfKeymap(keymap, 0, CharKeyScanCodes());
    for (auto _ : state) {
        TKeyCharsList keys = KeyCharsOfLayout(XkbLayoutOfKeymap(keymap, 0, CharKeyScanCodes()));
        benchmark::DoNotOptimize(keys);
    }
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    Label(state);
}
BENCHMARK(FromKeymap)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The X server's active layout, fetched and derived as on a live layout change (run
// under an X server: scripts/with-xvfb.sh; skipped without one).
void FromServer(benchmark::State& state) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) || !XkbActiveLayoutName(connection)) {
        state.SkipWithError("no X server");
    } else {
        for (auto _ : state) {
            std::optional<TXkbLayout> layout = XkbActiveLayout(connection, CharKeyScanCodes());
            if (!layout) state.SkipWithError("no XKB");
            TKeyCharsList keys = KeyCharsOfLayout(*layout);
            benchmark::DoNotOptimize(keys);
        }
        state.SetLabel(LayoutChoice(*XkbActiveLayoutName(connection)));
    }
    xcb_disconnect(connection);
}
BENCHMARK(FromServer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
