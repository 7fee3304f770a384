#include "course/ui/course_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "course/course_state.h"
#include "course/course_texts.h"
#include "course/ui/course_keyboard.h"
#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "sources/random_words.h"
#include "util/app_error.h"
#include "util/codec.h"
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

QString Chars(const std::string& chars) {
    QString text;
    for (char c : chars) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += FromAnsiChar(static_cast<unsigned char>(c));
    }
    return text;
}

}  // namespace

TFCourse::TFCourse(TCourseRequest request, QWidget* parent)
    : QDialog(parent),
      FRequest(std::move(request)),
      FCourse(ReadCourseFile(std::string(kCourseFileName)), ReadWordList(std::string(kWordListFileName))) {
    setObjectName(QStringLiteral("TFCourse"));
    setWindowTitle(FromUtf8(kCourseTitle));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    L_Step = new QLabel(this);
    L_Step->setObjectName(QStringLiteral("L_Step"));
    L_Step->setTextFormat(Qt::PlainText);  // step names and file paths come from files
    layout->addWidget(L_Step);
    P_CourseKeyboard = new TCourseKeyboard(FRequest.Keys, this);
    layout->addWidget(P_CourseKeyboard);
    L_Status = new QLabel(this);
    L_Status->setObjectName(QStringLiteral("L_Status"));
    L_Status->setTextFormat(Qt::PlainText);
    L_Status->setWordWrap(true);
    layout->addWidget(L_Status);

    auto* middle = new QHBoxLayout;
    TW_Keys = new QTableWidget(0, 4, this);
    TW_Keys->setObjectName(QStringLiteral("TW_Keys"));
    TW_Keys->setAccessibleName(FromUtf8(kKeysTableName));
    // Tab leaves the table for the next control; the arrows move between its cells.
    TW_Keys->setTabKeyNavigation(false);
    TW_Keys->setHorizontalHeaderLabels(
        {FromUtf8(kColumnKey), FromUtf8(kColumnSpeed), FromUtf8(kColumnAccuracy), FromUtf8(kColumnPresses)});
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

    BB_StartLesson = Button("BB_StartLesson", kStartLesson, this);
    BB_StartLesson->setDefault(true);
    BB_Restart = Button("BB_Restart", kRestart, this);
    BB_LearnNext = Button("BB_LearnNext", kLearnNext, this);
    BB_Close = Button("BB_Close", kCourseClose, this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BB_StartLesson, BB_LearnNext, BB_Restart}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BB_Close);
    layout->addLayout(buttons);

    const auto onClick = [this](QPushButton* button, void (TFCourse::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { ReportingFailures([&] { (this->*handler)(); }); });
    };
    onClick(BB_StartLesson, &TFCourse::BB_StartLessonClick);
    onClick(BB_Restart, &TFCourse::BB_RestartClick);
    onClick(BB_LearnNext, &TFCourse::BB_LearnNextClick);
    connect(BB_Close, &QPushButton::clicked, this, &QDialog::close);
    for (QSpinBox* box : {SE_TargetSpeed, SE_TargetAccuracy, SE_LessonWords})
        connect(box, &QSpinBox::valueChanged, this,
                [this] { ReportingFailures([&] { SaveCourseSettings(); }); });
    Reload();
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
    ShowCourse({});
}

void TFCourse::DrillRecorded() {
    Reload();
    const std::string unlocked = FCourse.UnlockIfDue();
    ShowCourse(unlocked.empty() ? QString() : FromUtf8(kCourseNewKey).arg(Chars(unlocked)));
}

void TFCourse::SaveCourseSettings() {
    if (FLoading) return;
    TNewIniFile file(FRequest.SettingsFile());
    WriteCourseSettings(file, {SE_TargetSpeed->value(), SE_TargetAccuracy->value(), SE_LessonWords->value()});
    file.UpdateFile();
    FCourse.Load(FRequest.SettingsFile(), {SE_TargetSpeed->value(), SE_TargetAccuracy->value()});
    ShowCourse({});
}

void TFCourse::BB_StartLessonClick() {
    const std::vector<std::string> words =
        FCourse.Lesson(static_cast<std::size_t>(SE_LessonWords->value()), ClockSeed());
    if (!words.empty() && FRequest.StartDrill) FRequest.StartDrill(words);
}

void TFCourse::BB_RestartClick() {
    if (!ConfirmBox(std::string(kAskRestart))) return;
    FCourse.Restart();
    ShowCourse({});
}

void TFCourse::BB_LearnNextClick() {
    const std::string unlocked = FCourse.LearnNext();
    ShowCourse(unlocked.empty() ? QString() : FromUtf8(kCourseNewKey).arg(Chars(unlocked)));
}

void TFCourse::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        ShowHelpContext(kCourseHelpContext);
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFCourse::ShowCourse(const QString& news) {
    const std::vector<TCourseStep>& steps = FCourse.Steps();
    const std::string problem = FCourse.LessonProblem();
    if (!steps.empty()) {
        const TCourseStep& step = steps[FCourse.LearnedSteps() - 1];
        QString text =
            FromUtf8(kCourseStep).arg(FCourse.LearnedSteps()).arg(steps.size()).arg(FromAnsi(step.Name));
        if (FCourse.LearnedSteps() < steps.size())
            text += QStringLiteral(". ") +
                    FromUtf8(kCourseNextStep)
                        .arg(Chars(FCourse.NextChars()), FromAnsi(steps[FCourse.LearnedSteps()].Name));
        else
            text += QStringLiteral(". ") + FromUtf8(kCourseAllLearned);
        L_Step->setText(text);
    } else {
        L_Step->clear();
    }
    QStringList status;
    if (!news.isEmpty()) status << news;
    if (!problem.empty()) status << FromUtf8(kCourseNoLesson).arg(QString::fromStdString(problem));
    if (!FCourse.LoadProblem().empty()) status << QString::fromStdString(FCourse.LoadProblem());
    if (problem.empty() && FCourse.Focus() != 0)
        status << FromUtf8(kCourseFocus).arg(FromAnsiChar(FCourse.Focus()))
               << FromUtf8(kCourseKeepPractising);
    L_Status->setText(status.join(QLatin1Char('\n')));
    BB_StartLesson->setEnabled(problem.empty());
    BB_LearnNext->setEnabled(problem.empty() && !FCourse.NextChars().empty());
    BB_Restart->setEnabled(problem.empty());

    P_CourseKeyboard->Show(FCourse, FRequest.ColourBlind && FRequest.ColourBlind());
    const std::string& learned = FCourse.Learned();
    const QLocale catalan(QLocale::Catalan);
    TW_Keys->setRowCount(static_cast<int>(learned.size()));
    for (int row = 0; row < static_cast<int>(learned.size()); ++row) {
        const auto ch = static_cast<unsigned char>(learned[static_cast<std::size_t>(row)]);
        const TKeyStat& s = FCourse.Stats()[ch];
        const QString cells[] = {FromAnsiChar(ch),
                                 s.Timed > 0 ? catalan.toString(s.Speed(), 'f', 0) : QStringLiteral("–"),
                                 s.Typed > 0 ? catalan.toString(s.Accuracy(), 'f', 1) : QStringLiteral("–"),
                                 QString::number(std::lround(s.Timed))};
        for (int column = 0; column < 4; ++column)
            TW_Keys->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    TW_Keys->resizeColumnsToContents();
}

}  // namespace teclarium
