// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/speech_output.h"

#include <QAccessibleWidget>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtConcurrent/QtConcurrentRun>

#include "settings/load_save.h"
#include "speech/voice/own_voice.h"
#include "util/program_location.h"

namespace teclarium {
namespace {

// A screen reader drops what a window shows while its activation's events still come.
constexpr int kActivationSettleMs = 300;

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
constexpr const char* kNoticeProperty = "teclariumNotice";

// The notification's interface: a notification, named with what is said.
QAccessibleInterface* NoticeFactory(const QString& className, QObject* object) {
    auto* widget = className == QLatin1String("QWidget") ? qobject_cast<QWidget*>(object) : nullptr;
    if (!widget || !widget->property(kNoticeProperty).isValid()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}
#endif

// The module beside the program, else the installed one; null when it cannot be loaded
// or no speech engine answers. Loaded once per process and never unloaded.
std::unique_ptr<TVoice> LoadVoice() {
    QLibrary module(
        QFile::decodeName((ModuleFolder(ProgramFolder(), kVoiceModuleName) + kVoiceModuleName).c_str()));
    const auto open = reinterpret_cast<decltype(&TeclariumOpenVoice)>(module.resolve(kOpenVoiceEntry));
    return std::unique_ptr<TVoice>(open ? open() : nullptr);
}

}  // namespace

TSpeechOutput::TSpeechOutput(QWidget* window) : FWindow(window) {
    if (!window) return;
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, window, [this](QWindow* focused) {
        if (!focused || focused != FWindow->window()->windowHandle()) return;
        FSinceActivation.start();
        if (!FNoticeText.isEmpty())
            QTimer::singleShot(kActivationSettleMs, FWindow, [this] { ShowNotice(); });
    });
}

TSpeechOutput::~TSpeechOutput() {
    if (FVoiceLoading.isValid() && !FVoiceTaken) delete FVoiceLoading.result();
}

void TSpeechOutput::SetMode(TSpeechMode mode, int rate) {
    FMode = mode;
    FRate = rate;
    if (FVoice) FVoice->SetRate(rate);
    // Opening the speech server's connection takes time: not on the window's thread,
    // and not at the first word.
    if (mode == TSpeechMode::OwnVoice && !FVoiceLoading.isValid())
        FVoiceLoading = QtConcurrent::run([] { return LoadVoice().release(); });
}

bool TSpeechOutput::On() const {
    return FMode == TSpeechMode::OwnVoice || (FMode == TSpeechMode::ScreenReader && QAccessible::isActive());
}

const TKeySpeech& TSpeechOutput::Keys(const TKeyCharsList& keys) {
    if (!FKeys) FKeys.emplace(keys);
    return *FKeys;
}

void TSpeechOutput::Say(const QString& text) {
    if (text.isEmpty() || !On()) return;
    if (FMode == TSpeechMode::OwnVoice) {
        if (!FVoiceTaken && FVoiceLoading.isValid()) {
            FVoiceTaken = true;
            FVoice.reset(FVoiceLoading.result());  // waits only for a connection still opening
            if (FVoice) FVoice->SetRate(FRate);
        }
        if (FVoice) FVoice->Say(text);
        return;
    }
    if (!FWindow) return;
    FNoticeText = text;
    if (!FWindow->isActiveWindow()) return;  // said once the window is active
    const qint64 since = FSinceActivation.isValid() ? FSinceActivation.elapsed() : kActivationSettleMs;
    if (since < kActivationSettleMs)
        QTimer::singleShot(static_cast<int>(kActivationSettleMs - since), FWindow, [this] { ShowNotice(); });
    else
        ShowNotice();
}

void TSpeechOutput::ShowNotice() {
    if (FNoticeText.isEmpty() || !FWindow || !FWindow->isActiveWindow()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The screen reader's own announcement, said at once, cutting short what it was saying.
    QAccessibleAnnouncementEvent announcement(FWindow, std::exchange(FNoticeText, QString()));
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&announcement);
#else
    // Before Qt 6.8: a notification that shows, which screen readers say unasked.
    if (!FNotice) {
        static const bool installed = (QAccessible::installFactory(NoticeFactory), true);
        Q_UNUSED(installed);
        FNotice = new QWidget(FWindow);
        FNotice->setObjectName(QStringLiteral("P_Spoken"));
        FNotice->setProperty(kNoticeProperty, true);
        // Shown for the screen reader, never seen: one transparent pixel in a corner.
        FNotice->setGeometry(0, 0, 1, 1);
        FNotice->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Each showing is said, the same words again too.
    FNotice->hide();
    FNotice->setAccessibleName(std::exchange(FNoticeText, QString()));
    FNotice->show();
#endif
}

}  // namespace teclarium
