// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The "Curs" window: the course of the current user beside the main window. It
// shows the keys learned on the keyboard and in a table, the target, and starts
// the lessons through the main window; after each course drill it refreshes and
// says when a key unlocks.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "course/course.h"
#include "keyboard/key_chars.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;

namespace teclarium {

class TCourseKeyboard;

// Where a window of size (frame included) goes beside the main window's frame within
// the screen's room: to its right, else to its left, else below the main window as far
// as the screen allows, and never over the typing field: above it where below has no
// room, else on its roomier side, shortened to that room (the window scrolls).
QRect BesideGeometry(const QRect& main, const QRect& typingField, const QSize& size, const QRect& room);

// The keyboard the course is typed on.
struct TCourseKeys {
    TKeyCharsList Keys;
    // The Spanish keyboard of the key mapping file, which the course order is written for.
    bool CourseKeyboard = true;
    QString Name;  // "Francès": named in the note about a skipped step
};

// What the menu item "Curs..." hands over.
struct TCourseRequest {
    // The current user's settings file (the state and the history lie beside it).
    std::function<std::string()> SettingsFile;
    TCourseKeys Keyboard;
    // Starts a drill in the main window on the lesson's words (Windows-1252 bytes).
    std::function<void(const std::vector<std::string>& words)> StartDrill;
    // Whether the keyboard shows the colour-blind palette, asked at each showing.
    std::function<bool()> ColourBlind;
    // The main window's typing field on the screen, which the window never covers.
    std::function<QRect()> TypingField;
};

class TFCourse : public QDialog {
    Q_OBJECT

  public:
    // Reads the course order and the word list from the data folder (the current one).
    TFCourse(TCourseRequest request, QWidget* parent);

    // Reads the user's state, settings and history again and shows them.
    void Reload();
    // The keyboard changed: its keys, the characters the course can drill and the
    // steps it skips follow it.
    void SetKeyboard(TCourseKeys keyboard);
    // A course drill went into the history: unlocks the next key when due.
    void DrillRecorded();

    void BB_StartLessonClick();
    void BB_RestartClick();
    void BB_LearnNextClick();
    void BB_AutoFocusClick();
    // The certificate of the course, once it is finished, saved as a PDF where the learner says.
    void BB_CertificateClick();
    // What the report of a course lesson adds: the news of an unlock, and the offer
    // of the next lesson (answered Yes, BB_StartLessonClick follows).
    // newKeys: the new keys with their fingers and rows, as said.
    QString LessonReportNote(const QString& newKeys) const;

    const TCourse& Course() const { return FCourse; }

    TCourseKeyboard* P_CourseKeyboard = nullptr;
    QLabel* L_Step = nullptr;
    QLabel* L_Status = nullptr;
    QWidget* P_Legend = nullptr;
    QTableWidget* TW_Keys = nullptr;
    QSpinBox* SE_TargetSpeed = nullptr;
    QSpinBox* SE_TargetAccuracy = nullptr;
    QSpinBox* SE_LessonWords = nullptr;
    QPushButton* BB_StartLesson = nullptr;
    QPushButton* BB_Restart = nullptr;
    QPushButton* BB_LearnNext = nullptr;
    QPushButton* BB_AutoFocus = nullptr;
    QPushButton* BB_Certificate = nullptr;  // shown once the course is finished
    QPushButton* BB_Close = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void MakeKeyboard();
    void ShowCourse();
    void ShowLegend(bool colourBlind);
    void ChooseFocus(unsigned char ch);
    // Beside the main window (its typing area stays in sight), on the screen.
    void PlaceBeside();
    void SaveCourseSettings();

    TCourseRequest FRequest;
    TCourse FCourse;
    bool FLoading = false;
    QScrollArea* SB_Course = nullptr;
    bool FPlaced = false;
    QString FCertificateFolder;  // where the certificate's file dialog starts
};

}  // namespace teclarium
