// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Helpers of the widget tests: answering modal dialogs, typing into the field.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "drill/word_list.h"

class QDialog;
class QFrame;
class QLabel;

namespace teclarium {
class TKeyPanel;
}

namespace teclarium::test {

// A window's own control (a widget, a menu or an action) by its object name, as the
// window design names it; a dialog's over the window are not its own. None is fatal.
template <typename T>
T* Child(const QWidget& window, const char* name) {
    for (T* child : window.findChildren<T*>(QString::fromLatin1(name))) {
        // Up to the first window: a menu opens as a window of its own, but is the window's.
        const QObject* at = child->parent();
        while (at != &window &&
               !(at->isWidgetType() && static_cast<const QWidget*>(at)->isWindow() && !at->inherits("QMenu")))
            at = at->parent();
        if (at == &window) return child;
    }
    qFatal("%s has no control %s", qPrintable(window.objectName()), name);
}

// The on-screen keyboard's key of the given number (1..52): a character key by its
// name (P_K65), a special key by the name a screen reader says of it.
TKeyPanel* KeyPanel(const QWidget& window, int number);
// The finger-zone frame around a key: the smallest one that holds it.
QFrame* KeyFrame(const TKeyPanel* key);
// The width of one character cell of a label's fixed-pitch font, as a label shows "H".
int CharCell(const QLabel* label);

// Answers every modal dialog with the next of the given answers; a dialog without
// an answer fails the test (recorded) and is rejected instead of hanging.
class TDialogAnswers {
  public:
    using TAnswer = std::function<int(QDialog&)>;
    TDialogAnswers();
    ~TDialogAnswers();
    void Expect(TAnswer answer) { FAnswers.push_back(std::move(answer)); }
    int Shown() const { return FShown; }
    int Unexpected() const { return FUnexpected; }
    bool AllAnswered() const { return FNext == FAnswers.size(); }
    // Texts of the dialogs shown, in order.
    std::vector<QString> Texts;

  private:
    std::vector<TAnswer> FAnswers;
    std::function<int(QDialog&)> FPrevious;  // the enclosing answers, back when these end
    std::size_t FNext = 0;
    int FShown = 0;
    int FUnexpected = 0;
};

// Words as Windows-1252 bytes, as the exercise sources give them to a drill.
TWordList AnsiWords(const QStringList& words);

// The text of a dialog's "Message" label or of a message box.
QString DialogText(QDialog& dialog);
// Clicks the dialog's button with the given object name and returns the dialog's result.
int ClickButton(QDialog& dialog, const QString& name);

// Types characters into a widget as key presses carrying text (accented letters too).
void TypeText(QWidget* widget, const QString& text);
void PressKey(QWidget* widget, int qtKey, const QString& text = QString(),
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0);

}  // namespace teclarium::test

#include <QTemporaryDir>
#include <memory>

namespace teclarium {
class TModIniLS;
}

namespace teclarium::test {

// A temporary folder made the current folder, holding copies of data files; the
// settings files of the window lie there too, as Teclarium.ini, which starts past
// the first start (MkLink=0).
class TTestFolder {
  public:
    explicit TTestFolder(const QStringList& dataFiles = {"KeyMapping.txt", "CharsToType.txt", "11.tcm"});
    ~TTestFolder();
    QString Path(const QString& name) const { return FDir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir FDir;
    QString FPrevious;
    std::unique_ptr<TModIniLS> FSettings;
};

}  // namespace teclarium::test
