// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The main window's link to the course: its window beside the main window, made when
// first asked for, the lessons it starts as drills of the main window, and the
// report of a lesson just recorded.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "course/ui/course_window.h"

class QFont;
class QRect;

namespace teclarium {

class TDrillRecorder;

// What the course asks of the main window.
struct TCourseHost {
    // The current user's settings file (the state and the history lie beside it).
    std::function<std::string()> SettingsFile;
    // The keyboard shown.
    std::function<TCourseKeys()> Keys;
    // Starts a course drill on a lesson's words.
    std::function<void(const std::vector<std::string>& words)> StartDrill;
    std::function<bool()> ColourBlind;
    // The typing field on the screen, which the course window never covers.
    std::function<QRect()> TypingField;
};

class TCourseLink {
  public:
    // recorder: tells the course of each drill recorded; window: the course window's parent.
    TCourseLink(TCourseHost host, TDrillRecorder& recorder, QWidget* window);

    // The menu item "Curs...": the course window shown, made or read anew.
    void Show();
    // The keyboard shown changed.
    void KeyboardChanged();
    // Whether the drill whose report shows next was a course lesson.
    bool LessonRecorded() const { return FLessonRecorded && FCourseWindow; }
    // The keys that lesson unlocked (Windows-1252 bytes); empty when none.
    std::string LessonNews() const;
    // The report of a course lesson just recorded: it says what unlocked and offers
    // the next lesson. False when the drill was no course lesson.
    bool ShowLessonReport(const QString& report, const QString& news, const QFont& font);

  private:
    TCourseHost FHost;
    TDrillRecorder& FRecorder;
    QWidget* FWindow;
    QPointer<TFCourse> FCourseWindow;  // it lives beside the main window
    bool FLessonRecorded = false;      // the drill whose report shows next was a course lesson
};

}  // namespace teclarium
