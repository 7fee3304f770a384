// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "widget_test_support.h"

#include <QDialog>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "keyboard/key_names.h"
#include "keyboard/key_table.h"
#include "keyboard/ui/key_panel.h"
#include "util/codec.h"
#include "util/ui/modal.h"

namespace teclarium::test {
namespace {

// A dialog that no test answers fails the running test instead of hanging it.
const bool kUnansweredDialogsFail = [] {
    SetModalHandler([](QDialog& dialog) {
        QTest::qFail(qPrintable("unanswered dialog: " + DialogText(dialog)), __FILE__, __LINE__);
        return int(QDialog::Rejected);
    });
    return true;
}();

}  // namespace

TDialogAnswers::TDialogAnswers() {
    FPrevious = SetModalHandler([this](QDialog& dialog) {
        ++FShown;
        Texts.push_back(DialogText(dialog));
        if (FNext >= FAnswers.size()) {
            ++FUnexpected;
            qWarning("unexpected dialog: %s", qPrintable(Texts.back()));
            return int(QDialog::Rejected);
        }
        return FAnswers[FNext++](dialog);
    });
}

TDialogAnswers::~TDialogAnswers() {
    SetModalHandler({});
}

TWordList AnsiWords(const QStringList& words) {
    TWordList list;
    for (const QString& word : words) list.push_back(ToAnsi(word));
    return list;
}

QString DialogText(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->text();
    if (auto* label = dialog.findChild<QLabel*>("Message")) return label->text();
    return dialog.windowTitle();
}

int ClickButton(QDialog& dialog, const QString& name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    if (!button) return -1;
    // Run the dialog for real and click from inside its loop.
    QTimer::singleShot(0, button, [button] { button->click(); });
    const int result = dialog.exec();
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->clickedButton() == button ? 1 : 0;
    return result;
}

void PressKey(QWidget* widget, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers,
              quint32 scanCode) {
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        int key = Qt::Key_unknown;
        if (ch == ' ')
            key = Qt::Key_Space;
        else if (ch.unicode() < 128 && ch.isLetterOrNumber())
            key = ch.toUpper().unicode();
        PressKey(widget, key, QString(ch));
    }
}

}  // namespace teclarium::test

#include <QDir>
#include <QFile>

#include "shell/settings_module.h"

namespace teclarium::test {

TTestFolder::TTestFolder(const QStringList& dataFiles) : FPrevious(QDir::currentPath()) {
    for (const QString& name : dataFiles)
        QFile::copy(QStringLiteral(TECLARIUM_DATA_DIR "/") + name, FDir.filePath(name));
    QDir::setCurrent(FDir.path());
    FSettings = std::make_unique<TModIniLS>(QFile::encodeName(FDir.path() + '/').toStdString(), "Teclarium");
    // Past the first start: the shortcut is not offered.
    Write("Teclarium.ini", "[Options]\r\nMkLink=0\r\n");
}

TTestFolder::~TTestFolder() {
    QDir::setCurrent(FPrevious);
}

void TTestFolder::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(FDir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

TKeyPanel* KeyPanel(const QWidget& window, int number) {
    if (number <= kCharKeyCount)
        return Child<TKeyPanel>(window, qPrintable(QStringLiteral("P_K%1").arg(kKeyCodes[number])));
    for (TKeyPanel* key : window.findChildren<TKeyPanel*>())
        if (key->window() == &window && key->objectName().isEmpty() &&
            key->accessibleName() == SpecialKeyName(number))
            return key;
    qFatal("no key %d", number);
}

QFrame* KeyFrame(const TKeyPanel* key) {
    QFrame* around = nullptr;
    for (QFrame* frame : key->parentWidget()->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = frame->geometry();
        if (!r.contains(key->geometry())) continue;
        if (!around || r.width() * r.height() < around->width() * around->height()) around = frame;
    }
    if (!around) qFatal("no frame around %s", qPrintable(key->accessibleName()));
    return around;
}

int CharCell(const QLabel* label) {
    QLabel probe(QStringLiteral("H"));
    probe.setFont(label->font());
    probe.adjustSize();
    return probe.width();
}

}  // namespace teclarium::test
