// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// KeyMapping.txt against the live X11 Spanish layout: each key's line gives what the
// key types with no modifier, with Shift and with AltGr, in Windows-1252.
#include <QFile>
#include <QTest>
#include <clocale>
#include <map>

#include "keyboard/key_mapping.h"
#include "keyboard/key_table.h"
#include "platform/ui/virtual_keys.h"
#include "util/codec.h"

// X11 headers last: they define names that clash with Qt's.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

using namespace teclarium;

namespace {

// The Windows-1252 byte that the key types with the given modifiers, or 0 when it
// types nothing or something Windows-1252 cannot hold.
unsigned char Typed(Display* display, XkbDescPtr keymap, unsigned keycode, unsigned mods) {
    unsigned modsLeft = 0;
    KeySym keysym = NoSymbol;
    if (!XkbTranslateKeyCode(keymap, static_cast<KeyCode>(keycode), mods, &modsLeft, &keysym)) return 0;
    char utf8[16] = {};
    int extra = 0;
    // Dead keys give their spacing accent.
    const int length = XkbTranslateKeySym(display, &keysym, 0, utf8, sizeof utf8 - 1, &extra);
    const QString text = QString::fromUtf8(utf8, std::max(length, 0));
    if (text.size() != 1) return 0;
    const unsigned char byte = AnsiChar(text.at(0));
    return byte > ' ' ? byte : 0;
}

}  // namespace

class TestKeyMappingLayout : public QObject {
    Q_OBJECT

  private slots:
    void everyLineTypesWhatTheLayoutTypes();
};

void TestKeyMappingLayout::everyLineTypesWhatTheLayoutTypes() {
    QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));  // key symbols come out as UTF-8
    Display* display = XOpenDisplay(nullptr);
    QVERIFY(display);
    XkbDescPtr keymap = XkbGetMap(display, XkbAllClientInfoMask, XkbUseCoreKbd);
    QVERIFY(keymap);
    const unsigned altGr = XkbKeysymToModifiers(display, XK_ISO_Level3_Shift);
    QVERIFY(altGr != 0);
    std::map<int, unsigned> keycodeOf;  // virtual-key code -> X keycode
    for (unsigned keycode = 8; keycode < 256; ++keycode)
        if (const int vk = VirtualKeyOfScanCode(keycode); vk != 0) keycodeOf.emplace(vk, keycode);

    QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/KeyMapping.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const TKeyCharsList keys = ReadKeyMapping(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QCOMPARE(keys.size(), std::size_t(kCharKeyCount));
    std::map<unsigned char, int> keyOfChar;  // every character the file gives, and its key
    for (const TKeyChars& k : keys)
        for (unsigned char c : {k.Plain, k.Shifted, k.AltGr})
            if (c != 0) keyOfChar.emplace(c, k.KeyCode);

    for (const TKeyChars& k : keys) {
        const QByteArray key = QByteArray::number(k.KeyCode);
        QVERIFY2(keycodeOf.count(k.KeyCode), key);
        const unsigned keycode = keycodeOf.at(k.KeyCode);
        QVERIFY2(k.Plain == Typed(display, keymap, keycode, 0), key);
        QVERIFY2(k.Shifted == Typed(display, keymap, keycode, ShiftMask), key);
        // An AltGr character is left out only when Windows-1252 cannot hold it or another
        // key of the file already gives it (one key to light per character).
        const unsigned char withAltGr = Typed(display, keymap, keycode, altGr);
        const auto given = keyOfChar.find(withAltGr);
        const bool elsewhere = withAltGr != 0 && given != keyOfChar.end() && given->second != k.KeyCode;
        QVERIFY2(k.AltGr == (elsewhere ? 0 : withAltGr), key);
    }
    XkbFreeKeyboard(keymap, 0, True);
    XCloseDisplay(display);
}

QTEST_GUILESS_MAIN(TestKeyMappingLayout)
#include "tst_key_mapping_layout.moc"
