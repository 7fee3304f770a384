// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/ui/course_keyboard.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLocale>

#include "course/course_texts.h"
#include "keyboard/keyboard_geometry.h"
#include "keyboard/ui/key_panel.h"
#include "progress/ui/heat_keyboard.h"
#include "util/codec.h"

namespace teclarium {
namespace {

constexpr std::uint8_t kCourseKeyFontSize = 10;
constexpr int kOutline = 3;

QFrame* OutlineFrame(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

// The panel's learned character, else its first one.
unsigned char Shown(const TKeyChars& key, const std::array<bool, 256>& learned) {
    for (unsigned char ch : {key.Plain, key.Shifted, key.AltGr})
        if (ch != 0 && learned[ch]) return ch;
    return key.Plain;
}

}  // namespace

const TCourseColours& CourseColours(bool colourBlind) {
    // The colour-blind next key, untimed key and outline stay apart from every colour
    // of the blue-to-red scale, and from each other, under red-green colour blindness.
    static const TCourseColours standard{QColor(0xEC, 0xEC, 0xEC), QColor(0xC4, 0xC4, 0xC4),
                                         QColor(0x7F, 0xD4, 0xFF), QColor(0x1F, 0x3F, 0xBF)};
    static const TCourseColours blind{QColor(0xEC, 0xEC, 0xEC), QColor(0x8C, 0x8C, 0x8C),
                                      QColor(0x88, 0x77, 0xFF), QColor(0x00, 0x00, 0x00)};
    return colourBlind ? blind : standard;
}

TCourseKeyboard::TCourseKeyboard(const TKeyCharsList& keys, QWidget* parent) : QWidget(parent), FKeys(keys) {
    setObjectName(QStringLiteral("P_CourseKeyboard"));
    setAccessibleName(FromUtf8(kCourseKeyboardName));
    setAccessibleDescription(FromUtf8(kCourseKeyboardHelp));
    setFocusPolicy(Qt::StrongFocus);
    const TKeyboardGeometry g = KeyboardGeometry(kCourseKeyFontSize, false);
    setFixedSize(g.Width + 2 * kOutline, g.Height + 2 * kOutline);
    P_FocusOutline = OutlineFrame("P_FocusOutline", this);
    P_DeadKeyOutline = OutlineFrame("P_DeadKeyOutline", this);
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
        connect(panel, &TKeyPanel::clicked, this, [this, key] {
            const unsigned char ch = Shown(key, FLearned);
            if (FLearned[ch]) emit FocusChosen(ch);
        });
        FPanels.push_back(panel);
    }
    auto* space = new TKeyPanel(this);
    space->setAccessibleName(FromUtf8(kSpaceKeyName));
    space->setGeometry(g.SpaceBar.Left + kOutline, g.SpaceBar.Top + kOutline, g.SpaceBar.Width,
                       g.SpaceBar.Height);
}

TKeyPanel* TCourseKeyboard::Panel(int keyCode) const {
    for (std::size_t i = 0; i < FKeys.size(); ++i)
        if (FKeys[i].KeyCode == keyCode) return FPanels[i];
    return nullptr;
}

void TCourseKeyboard::keyPressEvent(QKeyEvent* e) {
    const std::string typed = ToAnsi(e->text());
    if (typed.size() == 1 && FLearned[static_cast<unsigned char>(typed[0])]) {
        emit FocusChosen(static_cast<unsigned char>(typed[0]));
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TCourseKeyboard::Outline(QFrame* frame, const TKeyPanel* panel) {
    frame->setGeometry(panel->geometry().adjusted(-kOutline, -kOutline, kOutline, kOutline));
    frame->show();
    frame->lower();
}

void TCourseKeyboard::Show(const TCourse& course, bool colourBlind) {
    const TCourseColours& colours = CourseColours(colourBlind);
    std::array<bool, 256> next{};
    std::array<std::string, 256> deadOfNext{};  // dead key -> the accented next characters
    FLearned = {};
    // While no lesson can be offered nothing is shown as learned or next.
    const bool refused = !course.LessonProblem().empty();
    for (char c : refused ? std::string() : course.Learned()) FLearned[static_cast<unsigned char>(c)] = true;
    for (char c : refused ? std::string() : course.NextChars()) {
        const auto ch = static_cast<unsigned char>(c);
        next[ch] = true;
        if (const TDeadKeySequence dead = FKeys.DeadKeys[ch]; dead.DeadKey != 0)
            deadOfNext[dead.DeadKey] += c;
    }
    const unsigned char focus = refused ? 0 : course.Focus();
    const unsigned char focusDead = FKeys.DeadKeys[focus].DeadKey;
    const QLocale catalan(QLocale::Catalan);
    for (QFrame* frame : {P_FocusOutline, P_DeadKeyOutline}) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, colours.Outline);
        frame->setPalette(palette);
        frame->hide();
    }
    for (std::size_t i = 0; i < FKeys.size(); ++i) {
        const TKeyChars& key = FKeys[i];
        TKeyPanel* panel = FPanels[i];
        // A key is as close to the target as the least close of its learned characters
        // that were timed (a capital just learned leaves its letter's colour); neutral
        // while none of them was.
        double closeness = 2;
        unsigned char shown = 0, marked = 0, dead = 0;
        for (unsigned char ch : {key.Plain, key.Shifted, key.AltGr}) {
            if (ch == 0) continue;
            const bool timed = course.Stats()[ch].Timed > 0;
            if (FLearned[ch] &&
                (shown == 0 || (timed && (course.Stats()[shown].Timed == 0 ||
                                          Closeness(course.Stats()[ch], course.Target()) < closeness)))) {
                closeness = Closeness(course.Stats()[ch], course.Target());
                shown = ch;
            }
            if (next[ch] && marked == 0) marked = ch;
            if (!deadOfNext[ch].empty() && dead == 0) dead = ch;
        }
        QPalette palette = panel->palette();
        QString name;
        if (shown != 0 && course.Stats()[shown].Timed > 0) {
            const TKeyStat& s = course.Stats()[shown];
            palette.setColor(QPalette::Button, ScaleColour(1.0 - closeness, colourBlind));
            name = FromUtf8(kKeyLearnedTip)
                       .arg(FromAnsiChar(shown), catalan.toString(s.Speed(), 'f', 0),
                            catalan.toString(s.Accuracy(), 'f', 0));
        } else if (shown != 0) {
            palette.setColor(QPalette::Button, colours.Untimed);
            name = FromUtf8(kKeyUntimedTip).arg(FromAnsiChar(shown));
        } else if (marked != 0 || dead != 0) {
            palette.setColor(QPalette::Button, colours.Next);
            name = marked != 0 ? FromUtf8(kKeyNextTip).arg(FromAnsiChar(marked))
                               : FromUtf8(kKeyDeadTip).arg(FromAnsiChar(dead), CharsText(deadOfNext[dead]));
        } else {
            palette.setColor(QPalette::Button, colours.Locked);
            name = FromUtf8(kKeyLockedTip).arg(FromAnsiChar(key.Plain));
        }
        panel->setPalette(palette);
        panel->setToolTip(name);
        panel->setAccessibleName(name);
        panel->SetEmphasis(marked != 0 || dead != 0);
        panel->update();
        if (focus == 0) continue;
        const auto holds = [&](unsigned char ch) {
            return ch != 0 && (key.Plain == ch || key.Shifted == ch || key.AltGr == ch);
        };
        const TDeadKeySequence focusSequence = FKeys.DeadKeys[focus];
        if (holds(focus) || (focusDead != 0 && holds(focusSequence.Base) && !holds(focusDead)))
            Outline(P_FocusOutline, panel);
        if (holds(focusDead)) Outline(P_DeadKeyOutline, panel);
    }
}

}  // namespace teclarium
