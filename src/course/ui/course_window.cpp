// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "course/ui/course_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/ui/certificate_document.h"
#include "course/ui/course_keyboard.h"
#include "progress/ui/heat_keyboard.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "sources/random_words.h"
#include "util/app_error.h"
#include "util/codec.h"
#include "util/text.h"
#include "util/ui/help.h"
#include "util/ui/message_boxes.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

QSpinBox* SpinBox(const char* name, const TCourseSettingsKey& key, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(key.Min, key.Max);
    return box;
}

QPushButton* Button(const char* name, std::string_view caption, QWidget* parent) {
    auto* button = new QPushButton(FromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFCourse::TFCourse(TCourseRequest request, QWidget* parent)
    : QDialog(parent),
      FRequest(std::move(request)),
      FCourse(ReadCourseFile(std::string(kCourseFileName)), ReadWordList(std::string(kWordListFileName))) {
    setObjectName(QStringLiteral("TFCourse"));
    setWindowTitle(FromUtf8(kCourseTitle));
    setModal(false);
    // Larger than the screen (a large font, twice the size), the window scrolls, and the
    // control that takes the focus comes into sight.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    SB_Course = new QScrollArea(this);
    SB_Course->setObjectName(QStringLiteral("SB_Course"));
    SB_Course->setWidgetResizable(true);
    SB_Course->setFrameShape(QFrame::NoFrame);
    SB_Course->setFocusPolicy(Qt::NoFocus);  // Tab goes to its controls, which it follows
    outer->addWidget(SB_Course);
    auto* content = new QWidget(SB_Course);
    auto* layout = new QVBoxLayout(content);
    L_Step = new QLabel(this);
    L_Step->setObjectName(QStringLiteral("L_Step"));
    L_Step->setTextFormat(Qt::PlainText);  // step names and file paths come from files
    layout->addWidget(L_Step);
    MakeKeyboard();
    layout->addWidget(P_CourseKeyboard);
    P_Legend = new QWidget(this);
    P_Legend->setObjectName(QStringLiteral("P_Legend"));
    new QGridLayout(P_Legend);
    layout->addWidget(P_Legend);
    L_Status = new QLabel(this);
    L_Status->setObjectName(QStringLiteral("L_Status"));
    L_Status->setTextFormat(Qt::PlainText);
    L_Status->setWordWrap(true);
    layout->addWidget(L_Status);

    auto* middle = new QHBoxLayout;
    TW_Keys = new QTableWidget(0, 5, this);
    TW_Keys->setObjectName(QStringLiteral("TW_Keys"));
    TW_Keys->setAccessibleName(FromUtf8(kKeysTableName));
    // Tab leaves the table for the next control; the arrows move between its cells.
    TW_Keys->setTabKeyNavigation(false);
    TW_Keys->setHorizontalHeaderLabels({FromUtf8(kColumnKey), FromUtf8(kColumnSpeed),
                                        FromUtf8(kColumnAccuracy), FromUtf8(kColumnPresses),
                                        FromUtf8(kColumnGap)});
    TW_Keys->verticalHeader()->hide();
    TW_Keys->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TW_Keys->setSelectionMode(QAbstractItemView::NoSelection);
    middle->addWidget(TW_Keys, 1);
    auto* form = new QFormLayout;
    SE_TargetSpeed = SpinBox("SE_TargetSpeed", kCourseSettingsKeys[0], this);
    SE_TargetAccuracy = SpinBox("SE_TargetAccuracy", kCourseSettingsKeys[1], this);
    SE_LessonWords = SpinBox("SE_LessonWords", kCourseSettingsKeys[2], this);
    form->addRow(FromUtf8(kTargetSpeed), SE_TargetSpeed);
    form->addRow(FromUtf8(kTargetAccuracy), SE_TargetAccuracy);
    form->addRow(FromUtf8(kLessonWords), SE_LessonWords);
    middle->addLayout(form);
    layout->addLayout(middle);

    // Made in the order shown: Tab runs the same way.
    BB_StartLesson = Button("BB_StartLesson", kStartLesson, this);
    BB_StartLesson->setDefault(true);
    BB_LearnNext = Button("BB_LearnNext", kLearnNext, this);
    BB_Restart = Button("BB_Restart", kRestart, this);
    BB_AutoFocus = Button("BB_AutoFocus", kAutoFocus, this);
    BB_Certificate = Button("BB_Certificate", kSaveCertificate, this);
    BB_Close = Button("BB_Close", kCourseClose, this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BB_StartLesson, BB_LearnNext, BB_Restart, BB_AutoFocus, BB_Certificate})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BB_Close);
    layout->addLayout(buttons);
    SB_Course->setWidget(content);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && SB_Course->widget()->isAncestorOf(now)) SB_Course->ensureWidgetVisible(now);
    });

    const auto onClick = [this](QPushButton* button, void (TFCourse::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { ReportingFailures([&] { (this->*handler)(); }); });
    };
    onClick(BB_StartLesson, &TFCourse::BB_StartLessonClick);
    onClick(BB_Restart, &TFCourse::BB_RestartClick);
    onClick(BB_LearnNext, &TFCourse::BB_LearnNextClick);
    onClick(BB_AutoFocus, &TFCourse::BB_AutoFocusClick);
    onClick(BB_Certificate, &TFCourse::BB_CertificateClick);
    connect(BB_Close, &QPushButton::clicked, this, &QDialog::close);
    for (QSpinBox* box : {SE_TargetSpeed, SE_TargetAccuracy, SE_LessonWords})
        connect(box, &QSpinBox::valueChanged, this,
                [this] { ReportingFailures([&] { SaveCourseSettings(); }); });
    FCourse.SetKeyboard(FRequest.Keyboard.Keys, FRequest.Keyboard.CourseKeyboard);
    Reload();
}

void TFCourse::MakeKeyboard() {
    P_CourseKeyboard = new TCourseKeyboard(FRequest.Keyboard.Keys, this);
    connect(P_CourseKeyboard, &TCourseKeyboard::FocusChosen, this,
            [this](unsigned char ch) { ReportingFailures([&] { ChooseFocus(ch); }); });
}

void TFCourse::SetKeyboard(TCourseKeys keyboard) {
    FRequest.Keyboard = std::move(keyboard);
    FCourse.SetKeyboard(FRequest.Keyboard.Keys, FRequest.Keyboard.CourseKeyboard);
    // The panels are made for the keys: a new keyboard takes the old one's place and turn.
    TCourseKeyboard* old = P_CourseKeyboard;
    MakeKeyboard();
    delete SB_Course->widget()->layout()->replaceWidget(old, P_CourseKeyboard);
    delete old;
    setTabOrder(BB_Close, P_CourseKeyboard);
    setTabOrder(P_CourseKeyboard, TW_Keys);
    ShowCourse();
}

void TFCourse::Reload() {
    TCourseSettings settings;
    try {
        settings = ReadCourseSettings(TNewIniFile(FRequest.SettingsFile()));
    } catch (const TAppError& error) {
        GeneralErrorReport(error.what());  // the course goes on with the defaults
    }
    FLoading = true;
    SE_TargetSpeed->setValue(settings.TargetSpeed);
    SE_TargetAccuracy->setValue(settings.TargetAccuracy);
    SE_LessonWords->setValue(settings.LessonWords);
    FLoading = false;
    FCourse.Load(FRequest.SettingsFile(), {settings.TargetSpeed, settings.TargetAccuracy});
    ShowCourse();
}

void TFCourse::DrillRecorded() {
    Reload();
    FCourse.UnlockIfDue();
    ShowCourse();
}

QString TFCourse::LessonReportNote(const QString& newKeys) const {
    QString note = QStringLiteral("\n\n");
    if (!newKeys.isEmpty()) note += newKeys + QStringLiteral(".\n\n");
    return note + FromUtf8(kLessonReportNext);
}

void TFCourse::SaveCourseSettings() {
    if (FLoading) return;
    TNewIniFile file(FRequest.SettingsFile());
    WriteCourseSettings(file, {SE_TargetSpeed->value(), SE_TargetAccuracy->value(), SE_LessonWords->value()});
    file.UpdateFile();
    FCourse.Load(FRequest.SettingsFile(), {SE_TargetSpeed->value(), SE_TargetAccuracy->value()});
    ShowCourse();
}

void TFCourse::BB_StartLessonClick() {
    const std::vector<std::string> words =
        FCourse.Lesson(static_cast<std::size_t>(SE_LessonWords->value()), ClockSeed());
    if (words.empty() || !FRequest.StartDrill) return;
    FCourse.LessonStarted();
    ShowCourse();
    FRequest.StartDrill(words);
}

void TFCourse::BB_RestartClick() {
    if (!ConfirmBox(std::string(kAskRestart))) return;
    FCourse.Restart();
    ShowCourse();
}

void TFCourse::BB_LearnNextClick() {
    FCourse.LearnNext();
    ShowCourse();
}

void TFCourse::BB_AutoFocusClick() {
    ChooseFocus(0);
}

void TFCourse::BB_CertificateClick() {
    if (!FCourse.Finished() || !FCourse.LessonProblem().empty()) return;
    SaveCertificate(this,
                    Certificate(BareFileName(FRequest.SettingsFile()), CertificateDay(QDate::currentDate()),
                                FCourse.Learned(), FCourse.Stats()),
                    FCertificateFolder);
}

void TFCourse::ChooseFocus(unsigned char ch) {
    FCourse.ChooseFocus(ch);
    ShowCourse();
}

void TFCourse::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!FPlaced) PlaceBeside();
    FPlaced = true;
}

QRect BesideGeometry(const QRect& main, const QRect& typingField, const QSize& size, const QRect& room) {
    constexpr int kGap = 8;
    const int mainRight = main.x() + main.width(), mainBottom = main.y() + main.height();
    const int roomRight = room.x() + room.width(), roomBottom = room.y() + room.height();
    if (mainRight + kGap + size.width() <= roomRight) return {QPoint(mainRight + kGap, main.top()), size};
    if (main.left() - kGap - size.width() >= room.left())
        return {QPoint(main.left() - kGap - size.width(), main.top()), size};
    // No room on either side: below the main window, kept on the screen, clear of the
    // typing field.
    const int x = std::clamp(main.left(), room.left(), std::max(room.left(), roomRight - size.width()));
    const int below = typingField.isEmpty() ? room.top() : typingField.y() + typingField.height() + kGap;
    const int above = typingField.isEmpty() ? roomBottom : typingField.y() - kGap;
    if (roomBottom - below >= size.height())
        return {QPoint(x, std::max(below, std::min(mainBottom + kGap, roomBottom - size.height()))), size};
    if (above - room.top() >= size.height()) return {QPoint(x, above - size.height()), size};
    if (roomBottom - below >= above - room.top())
        return {QPoint(x, below), QSize(size.width(), roomBottom - below)};
    return {QPoint(x, room.top()), QSize(size.width(), above - room.top())};
}

void TFCourse::PlaceBeside() {
    const QWidget* main = parentWidget();
    if (!main || !main->screen()) return;
    // Its whole content where the screen has room, else the screen's size, scrolling.
    const QSize frame = frameGeometry().size() - size();
    const QRect screen = main->screen()->availableGeometry();
    const QSize wanted = SB_Course->widget()->sizeHint().boundedTo(screen.size() - frame) + frame;
    const QRect field = FRequest.TypingField ? FRequest.TypingField() : QRect();
    const QRect at = BesideGeometry(main->frameGeometry(), field, wanted, screen);
    resize(at.size() - frame);
    move(at.topLeft());
}

void TFCourse::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        ShowHelpContext(kCourseHelpContext);
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFCourse::ShowCourse() {
    const std::string problem = FCourse.LessonProblem();
    QStringList status;
    if (!problem.empty()) {
        // Nothing of the course is shown as if it were the learner's: only why not.
        L_Step->setText(FromUtf8(kCourseNoLesson).arg(QString::fromStdString(problem)));
    } else {
        L_Step->setText(FCourse.StepLine());
        if (!FCourse.News().empty()) status << NewKeysText(FCourse.News());
    }
    if (!FCourse.LoadProblem().empty()) status << QString::fromStdString(FCourse.LoadProblem());
    for (const std::string& skipped : FCourse.SkippedSteps())
        status << FromUtf8(kCourseSkippedStep).arg(FRequest.Keyboard.Name, CharsText(skipped));
    const std::string learned = problem.empty() ? FCourse.Learned() : std::string();
    const unsigned char blocking = BlockingKey(learned, FCourse.Stats(), FCourse.Target());
    if (blocking != 0) {
        // One key, the one that holds the course back, and what to mend first.
        status << FromUtf8(kCourseBlocker)
                      .arg(FromAnsiChar(blocking), KeyAdvice(FCourse.Stats()[blocking], FCourse.Target()));
        if (!FCourse.NextChars().empty()) status << FromUtf8(kCourseKeepPractising);
    }
    if (problem.empty() && FCourse.ChosenFocus() != 0)
        status << FromUtf8(kCourseChosenFocus).arg(FromAnsiChar(FCourse.ChosenFocus()));
    L_Status->setText(status.join(QLatin1Char('\n')));
    BB_StartLesson->setEnabled(problem.empty());
    BB_LearnNext->setEnabled(problem.empty() && !FCourse.NextChars().empty());
    BB_Restart->setEnabled(problem.empty());
    BB_AutoFocus->setEnabled(problem.empty() && FCourse.ChosenFocus() != 0);
    BB_Certificate->setVisible(problem.empty() && FCourse.Finished());

    const bool colourBlind = FRequest.ColourBlind && FRequest.ColourBlind();
    P_CourseKeyboard->Show(FCourse, colourBlind);
    ShowLegend(colourBlind);
    // The key that holds the course back first, then the others in course order.
    std::string rows = learned;
    if (blocking != 0) {
        std::erase(rows, static_cast<char>(blocking));
        rows.insert(rows.begin(), static_cast<char>(blocking));
    }
    const QLocale catalan(QLocale::Catalan);
    TW_Keys->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto ch = static_cast<unsigned char>(rows[static_cast<std::size_t>(row)]);
        const TKeyStat& s = FCourse.Stats()[ch];
        const QString cells[] = {FromAnsiChar(ch),
                                 s.Timed > 0 ? catalan.toString(s.Speed(), 'f', 0) : QStringLiteral("–"),
                                 s.Typed > 0 ? catalan.toString(s.Accuracy(), 'f', 1) : QStringLiteral("–"),
                                 QString::number(std::lround(s.Timed)), KeyAdvice(s, FCourse.Target())};
        for (int column = 0; column < 5; ++column)
            TW_Keys->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    TW_Keys->resizeColumnsToContents();
    // Every column in sight beside the scroll bar.
    TW_Keys->setMinimumWidth(TW_Keys->horizontalHeader()->length() +
                             TW_Keys->verticalScrollBar()->sizeHint().width() + 2 * TW_Keys->frameWidth());
}

void TFCourse::ShowLegend(bool colourBlind) {
    // Every colour the keyboard uses, as it uses it: the scale's ends and middle, the
    // next key's face with its letter in red, the focus key's frame.
    constexpr int kLegendColumns = 4;
    const TCourseColours& colours = CourseColours(colourBlind);
    const QString face = QStringLiteral("background-color: %1; border: 1px solid #808080;");
    const std::pair<QString, std::string_view> items[] = {
        {face.arg(ScaleColour(0, colourBlind).name()), kLegendAtTarget},
        {face.arg(ScaleColour(0.5, colourBlind).name()), kLegendHalfway},
        {face.arg(ScaleColour(1, colourBlind).name()), kLegendFar},
        {face.arg(colours.Untimed.name()), kLegendUntimed},
        {face.arg(colours.Next.name()) + QStringLiteral("color: #ff0000; font-weight: bold;"), kLegendNext},
        {face.arg(colours.Locked.name()), kLegendLocked},
        {QStringLiteral("background-color: %1; border: 3px solid %2;")
             .arg(colours.Locked.name(), colours.Outline.name()),
         kLegendFocus}};
    auto* grid = static_cast<QGridLayout*>(P_Legend->layout());
    if (grid->count() == 0) {
        int i = 0;
        for (const auto& item : items) {
            auto* swatch = new QLabel(&item == &items[4] ? QStringLiteral("a") : QString(), P_Legend);
            swatch->setAlignment(Qt::AlignCenter);
            swatch->setFixedSize(18, 18);
            swatch->setAccessibleName(FromUtf8(item.second));
            grid->addWidget(swatch, i / kLegendColumns, 2 * (i % kLegendColumns));
            grid->addWidget(new QLabel(FromUtf8(item.second), P_Legend), i / kLegendColumns,
                            2 * (i % kLegendColumns) + 1);
            ++i;
        }
        grid->setColumnStretch(2 * kLegendColumns, 1);
    }
    for (int i = 0; i < static_cast<int>(std::size(items)); ++i)
        grid->itemAtPosition(i / kLegendColumns, 2 * (i % kLegendColumns))
            ->widget()
            ->setStyleSheet(items[i].first);
}

}  // namespace teclarium
