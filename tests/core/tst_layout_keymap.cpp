// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Keymaps derived from layout names with XKB and the locale's compose table: how each
// character is typed, the key records they give, the Spanish layout against the
// shipped key mapping file, and every character the course and the exercises use,
// typed through XKB itself.
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <set>

#include "keyboard/key_display.h"
#include "keyboard/key_display_options.h"
#include "keyboard/key_mapping.h"
#include "keyboard/key_table.h"
#include "keyboard/layout_keymap.h"
#include "keyboard/layout_names.h"
#include "platform/xkb/xkb_descriptions.h"
#include "platform/xkb/xkb_layout.h"
#include "speech/char_names.h"
#include "util/codec.h"

using namespace teclarium;

Q_DECLARE_METATYPE(TXkbLayoutName)

namespace {

template <typename T, void (*Free)(T*)>
struct TFree {
    void operator()(T* p) const { Free(p); }
};

const TXkbLayout& Layout(const TXkbLayoutName& name) {
    static std::map<std::pair<std::string, std::string>, TXkbLayout> cache;
    const auto key = std::make_pair(name.Layout, name.Variant);
    auto it = cache.find(key);
    if (it == cache.end()) {
        auto layout = XkbLayoutFromNames(name, CharKeyScanCodes());
        if (!layout) qFatal("no XKB layout %s(%s)", name.Layout.c_str(), name.Variant.c_str());
        it = cache.emplace(key, std::move(*layout)).first;
    }
    return it->second;
}

QByteArray DataFile(const char* name) {
    QFile file(QStringLiteral(TECLARIUM_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", name);
    return file.readAll();
}

// The characters to type in the shipped course order, word list, character patterns
// and exercises (Windows-1252 bytes, no spaces or line breaks).
std::set<unsigned char> CharsToLearn() {
    std::set<unsigned char> chars;
    const auto addText = [&](const QByteArray& text) {
        for (char c : text)
            if (static_cast<unsigned char>(c) > ' ') chars.insert(static_cast<unsigned char>(c));
    };
    for (const QByteArray& line : DataFile("curs.txt").split('\n'))
        if (!line.startsWith(';')) addText(line.left(line.indexOf('\t')));
    for (const QByteArray& line : DataFile("CharsToType.txt").split('\n'))
        addText(line.mid(line.indexOf('\t') + 1));
    addText(DataFile("paraules.txt"));
    const QStringList exercises =
        QDir(QStringLiteral(TECLARIUM_DATA_DIR)).entryList({QStringLiteral("*.tcm")});
    for (const QString& exercise : exercises) addText(DataFile(exercise.toLatin1().constData()));
    return chars;
}

// What XKB and the compose table make of the strokes: the keys pressed in a fresh
// state, Shift or AltGr held for their levels, dead keys fed to compose.
char32_t TypeThroughXkb(const TXkbLayoutName& name, const TCharStrokes& strokes) {
    static xkb_context* const context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    static xkb_compose_table* const table =
        xkb_compose_table_new_from_locale(context, "ca_ES.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS);
    static std::map<std::pair<std::string, std::string>,
                    std::unique_ptr<xkb_keymap, TFree<xkb_keymap, xkb_keymap_unref>>>
        keymaps;
    auto& keymapPtr = keymaps[{name.Layout, name.Variant}];
    if (!keymapPtr) {
        const xkb_rule_names names{"evdev", "pc105", name.Layout.c_str(), name.Variant.c_str(), ""};
        keymapPtr.reset(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }
    xkb_keymap* keymap = keymapPtr.get();
    xkb_compose_state* compose = xkb_compose_state_new(table, XKB_COMPOSE_STATE_NO_FLAGS);
    char32_t typed = 0;
    for (const TKeyStroke& stroke : {strokes.Dead, strokes.Key}) {
        if (stroke.KeyNumber == 0) continue;
        xkb_state* state = xkb_state_new(keymap);
        constexpr unsigned kShiftL = 50, kAltGr = 108, kSpace = 65;
        if (stroke.Level == 1 || stroke.Level == 3) xkb_state_update_key(state, kShiftL, XKB_KEY_DOWN);
        if (stroke.Level >= 2) xkb_state_update_key(state, kAltGr, XKB_KEY_DOWN);
        const unsigned code = stroke.KeyNumber == kSpaceBarStroke
                                  ? kSpace
                                  : kKeyScanCodes[static_cast<std::size_t>(stroke.KeyNumber)];
        const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, code);
        xkb_state_unref(state);
        xkb_compose_state_feed(compose, sym);
        switch (xkb_compose_state_get_status(compose)) {
            case XKB_COMPOSE_NOTHING:
                typed = xkb_keysym_to_utf32(sym);
                break;
            case XKB_COMPOSE_COMPOSED:
                typed = xkb_keysym_to_utf32(xkb_compose_state_get_one_sym(compose));
                break;
            default:
                break;
        }
    }
    xkb_compose_state_unref(compose);
    return typed;
}

const TKeyChars& KeyOfNumber(const TKeyCharsList& keys, int number) {
    for (const TKeyChars& k : keys)
        if (k.KeyNumber == number) return k;
    qFatal("no key %d", number);
}

QString Unicode(unsigned char ch) {
    return FromAnsiChar(ch);
}

// The one key the key records type ch with: the lowest level first, then the lowest
// key number. None when no record holds it.
TKeyStroke RecordStroke(const TKeyCharsList& keys, unsigned char ch) {
    for (int level = 0; level < kXkbLevels; ++level)
        for (const TKeyChars& k : keys)
            if (std::array{k.Plain, k.Shifted, k.AltGr, k.ShiftAltGr}[std::size_t(level)] == ch)
                return {k.KeyNumber, level};
    return {};
}

class TTwoHands : public TKeyDisplayOptions {
  public:
    bool ShowKeyToType() const override { return true; }
    bool OneHand() const override { return false; }
};

// The lit keys' virtual-key codes and the lamps (L, R: the Shifts; G: AltGr) when the
// word's first character is next, with the modifiers held.
QString Shown(const TXkbLayoutName& layout, const QString& word, bool caps, bool shift, bool altGr) {
    TTwoHands options;
    TKeyDisplay display(options);
    display.SetKeyCharsList(KeyCharsOfLayout(Layout(layout)));
    const std::string ansi = ToAnsi(word);
    // A change of Shift with one of AltGr shows at the next message.
    for (int message = 0; message < 2; ++message)
        display.AppMessage(caps, shift, altGr, [&] { display.RefreshKeyDisplay("", ansi); });
    QStringList lit;
    for (std::size_t i = 0; i < display.KeyCharsList().size(); ++i)
        if (display.KeyLit(i)) lit << QString::number(display.KeyCharsList()[i].KeyCode);
    QString lamps;
    if (display.LeftShiftLit()) lamps += 'L';
    if (display.RightShiftLit()) lamps += 'R';
    if (display.AltGrLit()) lamps += 'G';
    return lit.join(' ') + '/' + lamps;
}

}  // namespace

class TestLayoutKeymap : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void typesTheKnownCharacters_data();
    void typesTheKnownCharacters();
    void spanishLayoutAgreesWithTheKeyMappingFile();
    void spanishDeadKeysAreTheSpanishTable();
    void everyCharacterToLearnIsTypedOrUntypable_data();
    void everyCharacterToLearnIsTypedOrUntypable();
    void keyRecordsHoldWindows1252Only();
    void displayLightsTheDerivedKeys_data();
    void displayLightsTheDerivedKeys();
    void untypableCharactersAreNamedOnce_data();
    void untypableCharactersAreNamedOnce();
    void unknownLayoutIsRefused();
    void layoutsNamedInCatalan_data();
    void layoutsNamedInCatalan();
};

void TestLayoutKeymap::initTestCase() {
    // The derivation takes the environment's locale for compose: the tests pin it.
    qputenv("LC_ALL", "ca_ES.UTF-8");
    QCOMPARE(QString::fromStdString(ComposeLocale()), QStringLiteral("ca_ES.UTF-8"));
}

void TestLayoutKeymap::typesTheKnownCharacters_data() {
    QTest::addColumn<TXkbLayoutName>("layout");
    QTest::addColumn<uint>("ch");
    QTest::addColumn<int>("deadKey");
    QTest::addColumn<int>("deadLevel");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("level");

    // Key numbers: 1 left of 1, 2-11 the digits 1-0; 14 Q, 16 E; 24 right of P;
    // 26 A, 34 L, 36 second right of L; 38 right of left Shift, 39 Z.
    QTest::newRow("à on fr: the 0 key") << TXkbLayoutName{"fr", ""} << 0xE0u << 0 << 0 << 11 << 0;
    QTest::newRow("ê on fr: dead circumflex, e") << TXkbLayoutName{"fr", ""} << 0xEAu << 24 << 0 << 16 << 0;
    QTest::newRow("ë on fr: Shift dead diaeresis, e")
        << TXkbLayoutName{"fr", ""} << 0xEBu << 24 << 1 << 16 << 0;
    QTest::newRow("a on fr: the Q place") << TXkbLayoutName{"fr", ""} << uint('a') << 0 << 0 << 14 << 0;
    QTest::newRow("Ç on fr: none") << TXkbLayoutName{"fr", ""} << 0xC7u << 0 << 0 << 0 << 0;
    QTest::newRow("à on us(intl): dead grave, a")
        << TXkbLayoutName{"us", "intl"} << 0xE0u << 1 << 0 << 26 << 0;
    QTest::newRow("é on us(intl): AltGr+e") << TXkbLayoutName{"us", "intl"} << 0xE9u << 0 << 0 << 16 << 2;
    QTest::newRow("ŀ on es(cat): AltGr+L") << TXkbLayoutName{"es", "cat"} << 0x140u << 0 << 0 << 34 << 2;
    QTest::newRow("ŀ on es: Shift+AltGr dead dot above, l")
        << TXkbLayoutName{"es", ""} << 0x140u << 48 << 3 << 34 << 0;
    QTest::newRow("ŀ on it: none") << TXkbLayoutName{"it", ""} << 0x140u << 0 << 0 << 0 << 0;
    QTest::newRow("· on es: Shift+3") << TXkbLayoutName{"es", ""} << 0xB7u << 0 << 0 << 4 << 1;
    QTest::newRow("ç on it: Shift+ò") << TXkbLayoutName{"it", ""} << 0xE7u << 0 << 0 << 35 << 1;
    QTest::newRow("¡ on fr: Shift+AltGr+1") << TXkbLayoutName{"fr", ""} << 0xA1u << 0 << 0 << 2 << 3;
    QTest::newRow("\" on us(intl): one key before dead diaeresis and space")
        << TXkbLayoutName{"us", "intl"} << uint('"') << 0 << 0 << 36 << 3;
    QTest::newRow("~ on es: AltGr+4, not its dead tilde")
        << TXkbLayoutName{"es", ""} << uint('~') << 0 << 0 << 5 << 2;
    QTest::newRow("Ü on es: Shift dead diaeresis, Shift u")
        << TXkbLayoutName{"es", ""} << 0xDCu << 36 << 1 << 20 << 1;
    QTest::newRow("< on es: right of left Shift")
        << TXkbLayoutName{"es", ""} << uint('<') << 0 << 0 << 38 << 0;
    QTest::newRow("º on es: left of 1") << TXkbLayoutName{"es", ""} << 0xBAu << 0 << 0 << 1 << 0;
}

void TestLayoutKeymap::typesTheKnownCharacters() {
    QFETCH(TXkbLayoutName, layout);
    QFETCH(uint, ch);
    QFETCH(int, deadKey);
    QFETCH(int, deadLevel);
    QFETCH(int, key);
    QFETCH(int, level);
    const TCharStrokes strokes = DeadKeyStrokesOf(Layout(layout), static_cast<char32_t>(ch));
    QCOMPARE(strokes.Dead.KeyNumber, deadKey);
    QCOMPARE(strokes.Dead.Level, deadLevel);
    if (deadKey != 0) {
        QCOMPARE(strokes.Key, (TKeyStroke{key, level}));
        return;
    }
    QCOMPARE(strokes.Key, TKeyStroke{});
    // One key, or none: as the key records give it, where Windows-1252 holds ch (ŀ has
    // no byte there).
    const unsigned char ansi = ch < 0x10000 ? AnsiChar(QChar(char16_t(ch))) : 0;
    if (ansi != 0) QCOMPARE(RecordStroke(KeyCharsOfLayout(Layout(layout)), ansi), (TKeyStroke{key, level}));
}

void TestLayoutKeymap::spanishLayoutAgreesWithTheKeyMappingFile() {
    const QByteArray file = DataFile(kKeyMappingFileName);
    const TKeyCharsList shipped =
        ReadKeyMapping(std::string_view(file.constData(), std::size_t(file.size())));
    const TKeyCharsList derived = KeyCharsOfLayout(Layout({"es", ""}));
    QCOMPARE(derived.size(), std::size_t(kCharKeyCount));
    QCOMPARE(shipped.size(), std::size_t(kCharKeyCount));
    QStringList differences;
    for (const TKeyChars& s : shipped) {
        const TKeyChars& d = KeyOfNumber(derived, s.KeyNumber);
        QCOMPARE(d.KeyCode, s.KeyCode);
        QCOMPARE(d.RightHand, s.RightHand);
        QCOMPARE(Unicode(d.Plain), Unicode(s.Plain));
        QCOMPARE(Unicode(d.Shifted), Unicode(s.Shifted));
        if (d.AltGr != s.AltGr)
            differences << QStringLiteral("%1: AltGr %2 in the file, %3 derived")
                               .arg(s.KeyCode)
                               .arg(s.AltGr ? Unicode(s.AltGr) : QStringLiteral("(none)"),
                                    d.AltGr ? Unicode(d.AltGr) : QStringLiteral("(none)"));
    }
    // Every character the file gives, the layout types at that key and level; the
    // file leaves out nine AltGr characters that the layout has (ŧ on T, which
    // Windows-1252 cannot hold, is blank in both).
    const QStringList expected{
        QStringLiteral("55: AltGr (none) in the file, { derived"),
        QStringLiteral("56: AltGr (none) in the file, [ derived"),
        QStringLiteral("57: AltGr (none) in the file, ] derived"),
        QStringLiteral("48: AltGr (none) in the file, } derived"),
        QStringLiteral("219: AltGr (none) in the file, \\ derived"),
        QStringLiteral("81: AltGr (none) in the file, @ derived"),
        QStringLiteral("192: AltGr (none) in the file, ~ derived"),
        QStringLiteral("226: AltGr (none) in the file, | derived"),
        QStringLiteral("190: AltGr (none) in the file, · derived"),
    };
    if (differences != expected) qWarning("%s", qPrintable(differences.join(QLatin1Char('\n'))));
    QCOMPARE(differences, expected);
}

void TestLayoutKeymap::spanishDeadKeysAreTheSpanishTable() {
    const TKeyCharsList derived = KeyCharsOfLayout(Layout({"es", ""}));
    for (int ch = 0; ch < 256; ++ch) {
        const TDeadKeySequence spanish = DeadKeyOf(static_cast<unsigned char>(ch));
        if (spanish.DeadKey == 0) continue;
        QCOMPARE(derived.DeadKeys[static_cast<std::size_t>(ch)], spanish);
    }
}

void TestLayoutKeymap::everyCharacterToLearnIsTypedOrUntypable_data() {
    QTest::addColumn<TXkbLayoutName>("layout");
    QTest::addColumn<QString>("untypable");
    QTest::newRow("es") << TXkbLayoutName{"es", ""} << QString();
    QTest::newRow("es(cat)") << TXkbLayoutName{"es", "cat"} << QString();
    QTest::newRow("fr") << TXkbLayoutName{"fr", ""} << QStringLiteral("ÇÑñ");
    QTest::newRow("it") << TXkbLayoutName{"it", ""} << QString();
    QTest::newRow("us(intl)") << TXkbLayoutName{"us", "intl"} << QStringLiteral("ªº");
    QTest::newRow("latam") << TXkbLayoutName{"latam", ""} << QString();
    QTest::newRow("pt") << TXkbLayoutName{"pt", ""} << QString();
}

void TestLayoutKeymap::everyCharacterToLearnIsTypedOrUntypable() {
    QFETCH(TXkbLayoutName, layout);
    QFETCH(QString, untypable);
    const TKeyCharsList keys = KeyCharsOfLayout(Layout(layout));
    QString missing;
    for (unsigned char ch : CharsToLearn()) {
        const char32_t unicode = Unicode(ch).at(0).unicode();
        const TKeyStroke one = RecordStroke(keys, ch);
        const TCharStrokes strokes =
            one.KeyNumber != 0 ? TCharStrokes{{}, one} : DeadKeyStrokesOf(Layout(layout), unicode);
        QCOMPARE(CanType(keys, ch), strokes.Key.KeyNumber != 0);
        if (strokes.Key.KeyNumber == 0) {
            missing += Unicode(ch);
            continue;
        }
        if (TypeThroughXkb(layout, strokes) != unicode)
            QFAIL(qPrintable(QStringLiteral("%1 is not typed by its strokes").arg(Unicode(ch))));
    }
    QCOMPARE(missing, untypable);
}

void TestLayoutKeymap::keyRecordsHoldWindows1252Only() {
    // ŀ (AltGr+L on es(cat)) has no Windows-1252 byte: the level stays blank, and the
    // rest of the key is kept.
    const TKeyCharsList keys = KeyCharsOfLayout(Layout({"es", "cat"}));
    const TKeyChars& l = KeyOfNumber(keys, 34);
    QCOMPARE(l.Plain, 'l');
    QCOMPARE(l.Shifted, 'L');
    QCOMPARE(l.AltGr, 0);
    // Dead keys show their spacing accents: ´ and ¨ right of ñ.
    const TKeyChars& accents = KeyOfNumber(keys, 36);
    QCOMPARE(accents.Plain, 0xB4);
    QCOMPARE(accents.Shifted, 0xA8);
}

void TestLayoutKeymap::displayLightsTheDerivedKeys_data() {
    QTest::addColumn<TXkbLayoutName>("layout");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("altGr");
    QTest::addColumn<QString>("shown");
    const TXkbLayoutName fr{"fr", ""}, usIntl{"us", "intl"};
    // ^ is the dead key right of P and also on two keys with AltGr: the fewest modifiers win.
    QTest::newRow("fr ê: dead circumflex") << fr << QStringLiteral("ê") << false << false << false << "186/";
    QTest::newRow("fr ë: Shift for the dead diaeresis")
        << fr << QStringLiteral("ë") << false << false << false << "/L";
    QTest::newRow("fr ë: the key lights with Shift")
        << fr << QStringLiteral("ë") << false << true << false << "186/L";
    QTest::newRow("fr à: the 0 key") << fr << QStringLiteral("à") << false << false << false << "48/";
    QTest::newRow("fr ¡: Shift and AltGr, right Shift for a left-hand key")
        << fr << QStringLiteral("¡") << false << true << true << "49/RG";
    QTest::newRow("fr Ç: nothing to light") << fr << QStringLiteral("Ç") << false << false << false << "/";
    // Caps Lock turns letters only: the ç key, whose Shift gives 9, keeps ç, lit without Shift.
    QTest::newRow("fr ç with Caps Lock") << fr << QStringLiteral("ç") << true << false << false << "57/";
    // A dead key lights only where it is dead, never on an ordinary key with the same accent.
    const TXkbLayoutName gb{"gb", ""}, it{"it", ""};
    QTest::newRow("gb è: dead grave on AltGr+#, not the ` key")
        << gb << QStringLiteral("è") << false << false << true << "191/G";
    QTest::newRow("gb `: the ordinary key") << gb << QStringLiteral("`") << false << false << false << "220/";
    QTest::newRow("gb ñ: the dead tilde, not Shift+#")
        << gb << QStringLiteral("ñ") << false << false << true << "187/G";
    QTest::newRow("fr ò: dead grave, not AltGr+7")
        << fr << QStringLiteral("ò") << false << false << true << "191/G";
    QTest::newRow("it À: dead grave, not AltGr+'")
        << it << QStringLiteral("À") << false << false << true << "191/G";
    QTest::newRow("us(intl) à: dead grave left of 1")
        << usIntl << QStringLiteral("à") << false << false << false << "220/";
    QTest::newRow("us(intl) é: AltGr") << usIntl << QStringLiteral("é") << false << false << false << "/G";
}

void TestLayoutKeymap::displayLightsTheDerivedKeys() {
    QFETCH(TXkbLayoutName, layout);
    QFETCH(QString, word);
    QFETCH(bool, caps);
    QFETCH(bool, shift);
    QFETCH(bool, altGr);
    QFETCH(QString, shown);
    QCOMPARE(Shown(layout, word, caps, shift, altGr), shown);
}

void TestLayoutKeymap::untypableCharactersAreNamedOnce_data() {
    QTest::addColumn<TXkbLayoutName>("layout");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("skip");
    QTest::addColumn<QStringList>("names");
    const TXkbLayoutName fr{"fr", ""}, us{"us", ""}, es{"es", ""};
    QTest::newRow("fr: each once, in order")
        << fr << QStringList{"Ñandú", "Çà", "ñÇ"} << QString()
        << QStringList{"enya majúscula", "ce trencada majúscula", "enya"};
    QTest::newRow("fr: already said") << fr << QStringList{"Ça"} << QStringLiteral("Ç") << QStringList{};
    QTest::newRow("us: accents by name")
        << us << QStringList{"¿Que?", "Ïa", "ü"} << QString()
        << QStringList{"interrogant obert", "i majúscula amb dièresi", "u amb dièresi"};
    QTest::newRow("es: all typable") << es << QStringList{"Ç·ñ", "àÜ", "¿ª"} << QString() << QStringList{};
}

void TestLayoutKeymap::untypableCharactersAreNamedOnce() {
    QFETCH(TXkbLayoutName, layout);
    QFETCH(QStringList, words);
    QFETCH(QString, skip);
    QFETCH(QStringList, names);
    std::vector<std::string> ansi;
    for (const QString& w : words) ansi.push_back(ToAnsi(w));
    const std::string chars = UntypableChars(KeyCharsOfLayout(Layout(layout)), ansi, ToAnsi(skip));
    QStringList said;
    for (unsigned char c : chars) said << CharName(c);
    QCOMPARE(said, names);
}

void TestLayoutKeymap::unknownLayoutIsRefused() {
    QVERIFY(!XkbLayoutFromNames({"zz", ""}, CharKeyScanCodes()));
    QVERIFY(!XkbLayoutFromNames({"fr", "nosuchvariant"}, CharKeyScanCodes()));
}

void TestLayoutKeymap::layoutsNamedInCatalan_data() {
    QTest::addColumn<TXkbLayoutName>("layout");
    QTest::addColumn<QString>("language");  // "xx": no catalogue
    QTest::addColumn<QString>("name");
    QTest::newRow("de: the data's Catalan") << TXkbLayoutName{"de", ""} << "ca"
                                            << "Alemany";
    QTest::newRow("gb") << TXkbLayoutName{"gb", ""} << "ca"
                        << "Anglès (RU)";
    QTest::newRow("a variant") << TXkbLayoutName{"fr", "bepo"} << "ca"
                               << "Francès (BEPO)";
    QTest::newRow("no catalogue: the own list") << TXkbLayoutName{"es", "cat"} << "xx"
                                                << "Espanyol (català)";
    QTest::newRow("no catalogue, not listed: English") << TXkbLayoutName{"de", ""} << "xx"
                                                       << "German";
    QTest::newRow("unknown: the name in quotes") << TXkbLayoutName{"zz", ""} << "ca"
                                                 << "«zz»";
}

void TestLayoutKeymap::layoutsNamedInCatalan() {
    QFETCH(TXkbLayoutName, layout);
    QFETCH(QString, language);
    QFETCH(QString, name);
    QCOMPARE(LayoutDisplayName(layout, XkbLayoutDescription(layout, language.toStdString())), name);
}

QTEST_GUILESS_MAIN(TestLayoutKeymap)
#include "tst_layout_keymap.moc"
