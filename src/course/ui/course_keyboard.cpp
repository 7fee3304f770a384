#include "course/ui/course_keyboard.h"

#include <QFrame>
#include <QLocale>
#include <array>

#include "course/course_texts.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/ui/key_panel.h"
#include "progress/ui/heat_keyboard.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr std::uint8_t kCourseKeyFontSize = 10;
constexpr int kOutline = 3;

const QColor kDimmed(0xE4, 0xE4, 0xE4);
const QColor kNext(0x7F, 0xD4, 0xFF);

}  // namespace

TCourseKeyboard::TCourseKeyboard(const TKeyCharsList& keys, QWidget* parent) : QWidget(parent), FKeys(keys) {
    setObjectName(QStringLiteral("P_CourseKeyboard"));
    const TKeyboardGeometry g = KeyboardGeometry(kCourseKeyFontSize, false);
    setFixedSize(g.Width + 2 * kOutline, g.Height + 2 * kOutline);
    P_FocusOutline = new QFrame(this);
    P_FocusOutline->setObjectName(QStringLiteral("P_FocusOutline"));
    P_FocusOutline->setStyleSheet(QStringLiteral("background-color: #1F3FBF;"));
    P_FocusOutline->hide();
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSize(g.KeyFontSize);
    for (const TKeyChars& key : FKeys) {
        auto* panel = new TKeyPanel(this);
        panel->setObjectName(QStringLiteral("P_K%1").arg(key.KeyCode));
        panel->setFont(font);
        const TBox& box = g.Keys[key.KeyNumber];
        panel->setGeometry(box.Left + kOutline, box.Top + kOutline, box.Width, box.Height);
        panel->SetCharacter(key.Plain);
        FPanels.push_back(panel);
    }
    auto* space = new TKeyPanel(this);
    space->setGeometry(g.SpaceBar.Left + kOutline, g.SpaceBar.Top + kOutline, g.SpaceBar.Width,
                       g.SpaceBar.Height);
}

TKeyPanel* TCourseKeyboard::Panel(int keyCode) const {
    for (std::size_t i = 0; i < FKeys.size(); ++i)
        if (FKeys[i].KeyCode == keyCode) return FPanels[i];
    return nullptr;
}

void TCourseKeyboard::Show(const TCourse& course, bool colourBlind) {
    std::array<bool, 256> learned{}, next{};
    for (char c : course.Learned()) learned[static_cast<unsigned char>(c)] = true;
    for (char c : course.NextChars()) next[static_cast<unsigned char>(c)] = true;
    const QLocale catalan(QLocale::Catalan);
    P_FocusOutline->hide();
    for (std::size_t i = 0; i < FKeys.size(); ++i) {
        const TKeyChars& key = FKeys[i];
        TKeyPanel* panel = FPanels[i];
        // A key is as close to the target as the least close of its learned characters.
        double closeness = 2;
        unsigned char shown = 0, marked = 0;
        for (unsigned char ch : {key.Plain, key.Shifted, key.AltGr}) {
            if (ch == 0) continue;
            if (learned[ch] && Closeness(course.Stats()[ch], course.Target()) < closeness) {
                closeness = Closeness(course.Stats()[ch], course.Target());
                shown = ch;
            }
            if (next[ch] && marked == 0) marked = ch;
        }
        QPalette palette = panel->palette();
        const QString name = FromAnsiChar(key.Plain);
        if (shown != 0) {
            const TKeyStat& s = course.Stats()[shown];
            palette.setColor(QPalette::Button, ScaleColour(1.0 - closeness, colourBlind));
            panel->setToolTip(FromUtf8(kKeyLearnedTip)
                                  .arg(FromAnsiChar(shown), catalan.toString(s.Speed(), 'f', 0),
                                       catalan.toString(s.Accuracy(), 'f', 1)));
        } else if (marked != 0) {
            palette.setColor(QPalette::Button, kNext);
            panel->setToolTip(FromUtf8(kKeyNextTip).arg(FromAnsiChar(marked)));
        } else {
            palette.setColor(QPalette::Button, kDimmed);
            panel->setToolTip(FromUtf8(kKeyLockedTip).arg(name));
        }
        panel->setPalette(palette);
        panel->SetEmphasis(marked != 0);
        panel->update();
        const unsigned char focus = course.Focus();
        if (focus != 0 && (key.Plain == focus || key.Shifted == focus || key.AltGr == focus)) {
            P_FocusOutline->setGeometry(panel->geometry().adjusted(-kOutline, -kOutline, kOutline, kOutline));
            P_FocusOutline->show();
            P_FocusOutline->lower();
        }
    }
}

}  // namespace teclarium
