// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/typewriting_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "drill/ui/typing_edit.h"
#include "keyboard/key_names.h"
#include "keyboard/ui/key_panel.h"
#include "platform/ui/keyboard_state_factory.h"
#include "shell/course_link.h"
#include "shell/drill_voice.h"
#include "shell/exercise_sources.h"
#include "shell/make_control.h"
#include "shell/window_texts.h"
#include "util/codec.h"
#include "util/ui/accessible_value.h"
#include "util/ui/readable_colour.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

constexpr int kLeft = 6;  // left edge of the typing area

}  // namespace

TFTypewriting::TFTypewriting(TWindowPlatform platform, QWidget* parent)
    : QWidget(parent),
      FClock(platform.Clock ? *platform.Clock : FSystemClock),
      FKeyboardState(platform.Keyboard ? std::move(platform.Keyboard) : CreateKeyboardState()),
      FKeyDisplay(*this),
      FDrill(FClock, *this, FKeyDisplay, *this),
      FLayout(FKeyDisplay, [this] { KeyboardChanged(); }) {
    setObjectName("TFTypewriting");
    setWindowTitle(QString::fromUtf8(kTitle));
    FDrill.SetDecimalSeparator(QLocale().decimalPoint().at(0).toLatin1());
    FDrill.SetObserver(&FRecorder);
    CreateControls();
    CreateMenus();
    CreateOwners();
    ConnectHandlers();
    FormCreate();
}

TFTypewriting::~TFTypewriting() {
    FormDestroy();
}

void TFTypewriting::CreateOwners() {
    FVoice = std::make_unique<TDrillVoice>(FDrill, FKeyDisplay, this, Edit);
    FCourse = std::make_unique<TCourseLink>(
        TCourseHost{[this] { return SettingsFileName(); }, [this] { return FLayout.CourseKeys(); },
                    [this](const std::vector<std::string>& words) { StartCourseDrill(words); },
                    [this] { return FColourBlind; },
                    [this] { return QRect(Edit->mapToGlobal(QPoint(0, 0)), Edit->size()); }},
        FRecorder, this);
    FSources = std::make_unique<TExerciseSources>(
        static_cast<const TSourceControls&>(*this),
        TSourcesHost{[this](TWordList words) { FDrill.SetWordList(std::move(words)); },
                     [this](std::string source) { FRecorder.SetSource(std::move(source)); },
                     [this](const std::string& file) { FRecorder.SetSourceFile(file); },
                     [this] { StartDrill(); }},
        this);
}

void TFTypewriting::CreateControls() {
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    SB_Window = Make<QScrollArea>(this, "SB_Window");
    SB_Window->setFrameShape(QFrame::NoFrame);
    SB_Window->setFocusPolicy(Qt::NoFocus);  // Tab runs through the controls alone
    P_Client = new QWidget;
    P_Client->setObjectName("P_Client");
    SB_Window->setWidget(P_Client);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(SB_Window);
    // Whatever takes the focus (Tab, a mnemonic, the drill's start) comes into sight.
    connect(qApp, &QApplication::focusChanged, SB_Window, [this](QWidget*, QWidget* now) {
        if (now && P_Client->isAncestorOf(now)) SB_Window->ensureWidgetVisible(now);
    });
    Panel1 = Make<QWidget>(P_Client, "Panel1");
    P_TopTop = Make<QWidget>(Panel1, "P_TopTop");
    CreateOptionsPanel();
    P_TopBottom = Make<QWidget>(Panel1, "P_TopBottom");
    P_TopBottom->move(0, P_TopTop->height());
    P_VirtualKeyboard = Make<QWidget>(P_Client, "P_VirtualKeyboard");

    // Typing area.
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setBold(true);
    // The counters show "0" once named (NameControls).
    L_Count = Make<QLabel>(P_TopBottom, "L_Count");
    L_Count->move(kLeft, 0);
    L_ErrorsCount = Make<QLabel>(P_TopBottom, "L_ErrorsCount");
    L_ErrorsCount->move(54, 0);
    // Red and grey as dark (or light) as reading them asks, against the window's colour.
    const QColor window = palette().color(QPalette::Window);
    QPalette red = L_ErrorsCount->palette();
    red.setColor(QPalette::WindowText, ReadableOn(Qt::red, window));
    L_ErrorsCount->setPalette(red);
    L_ToWrite = Make<QLabel>(P_TopBottom, "L_ToWrite");
    L_ToNextWrite = Make<QLabel>(P_TopBottom, "L_ToNextWrite");
    QPalette grey = L_ToNextWrite->palette();
    grey.setColor(QPalette::WindowText,
                  ReadableOn(palette().color(QPalette::Disabled, QPalette::WindowText), window));
    L_ToNextWrite->setPalette(grey);
    L_IncorrectKey = Make<QLabel>(P_TopBottom, "L_IncorrectKey");
    L_IncorrectKey->setPalette(red);
    for (QLabel* label : {L_ToWrite, L_ToNextWrite, L_IncorrectKey}) {
        label->setFont(courier);
        label->setTextFormat(Qt::PlainText);
    }
    Edit = new TTypingEdit(*this, P_TopBottom);
    Edit->setObjectName("Edit");  // its font, the words' one, comes with its size
    L_TypeEsc = Make<QLabel>(P_TopBottom, "L_TypeEsc", QString::fromUtf8("(Premeu Esc per parar)"));
    L_TypeEsc->adjustSize();
    L_TypeEsc->hide();
    BB_Play = Make<QPushButton>(P_TopBottom, "BB_Play", QString::fromUtf8("C&omença"));
    BB_Play->setAutoDefault(true);  // Enter presses it when it has the focus
    BB_Hide = Make<QPushButton>(P_TopBottom, "BB_Hide", QString::fromUtf8("↕"));
    BB_Hide->setToolTip(QString::fromUtf8(kNameHide));
    // Reached by Tab, and by Alt+X from anywhere in the window.
    BB_Hide->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    // The buttons are never smaller than in the window design, nor than their captions.
    const QSize play = BB_Play->sizeHint().expandedTo(QSize(84, 28));
    BB_Play->setGeometry(kLeft, 0, play.width(), play.height());
    BB_Hide->setGeometry(BB_Play->geometry().right() + 3, 0, std::max(20, BB_Hide->fontMetrics().height()),
                         play.height());
    Edit->move(BB_Hide->geometry().right() + 5, 0);
    L_ToWrite->move(Edit->x(), 0);

    // The two keys that the window design holds; the others are built in code.
    P_SpaceBar = Make<TKeyPanel>(P_VirtualKeyboard, "P_SpaceBar");
    P_AltGr = Make<TKeyPanel>(P_VirtualKeyboard, "P_AltGr");
    P_AltGr->SetCaption(QString::fromLatin1(kAltGrName));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    P_AltGr->setFont(arial);
    NameControls();
}

void TFTypewriting::NameControls() {
    const auto value = [](QLabel* label, const char* name) { SetAccessibleValueName(label, FromUtf8(name)); };
    value(L_Count, kNameCount);
    value(L_ErrorsCount, kNameErrors);
    value(L_ToWrite, kNameToWrite);
    value(L_ToNextWrite, kNameToNextWrite);
    value(L_IncorrectKey, kNameIncorrectKey);
    // A label's text made before its name would give it an unnamed interface.
    for (QLabel* counter : {L_Count, L_ErrorsCount}) {
        counter->setText(QStringLiteral("0"));
        counter->adjustSize();
    }
    Edit->setAccessibleName(FromUtf8(kNameEdit));
    BB_Hide->setAccessibleName(FromUtf8(kNameHide));
    SE_VKFontSize->setAccessibleName(FromUtf8(kNameVKFontSize));
    SE_EditFontSize->setAccessibleName(FromUtf8(kNameEditFontSize));
    LB_PatternChars->setAccessibleName(L_PatternChars->text().remove(QLatin1Char('&')));
    P_VirtualKeyboard->setAccessibleName(QString::fromLatin1(kKeyboardName));
    P_SpaceBar->setAccessibleName(QString::fromLatin1(kSpaceBarName));
    P_AltGr->setAccessibleName(QString::fromLatin1(kAltGrName));
}

void TFTypewriting::ConnectHandlers() {
    // These read files: a failure is reported inside the slot.
    connect(BB_Play, &QPushButton::clicked, this, [this] { ReportingFailures([this] { BB_PlayClick(); }); });
    connect(BB_Load, &QPushButton::clicked, this,
            [this] { ReportingFailures([this] { FSources->BB_LoadClick(); }); });
    for (QRadioButton* rb : {RB_Tcm, RB_RandomWords, RB_CopyFromClipboard})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ReportingFailures([this] { FSources->RG_TypeClick(); });
        });
    connect(CB_RepeatWord, &QCheckBox::clicked, this, &TFTypewriting::CB_RepeatWordClick);
    connect(CB_RepeatWrongWord, &QCheckBox::clicked, this, &TFTypewriting::CB_RepeatWrongWordClick);
    connect(CB_ShowIncorrectKey, &QCheckBox::clicked, this, &TFTypewriting::CB_ShowIncorrectKeyClick);
    connect(CB_WriteWrongChar, &QCheckBox::clicked, this, &TFTypewriting::CB_WriteWrongCharClick);
    connect(CB_ShowKeyboard, &QCheckBox::clicked, this, &TFTypewriting::CB_ShowKeyboardClick);
    connect(CB_ShowKeyToType, &QCheckBox::clicked, this, &TFTypewriting::CB_ShowKeyboardClick);
    connect(CB_KBSeparated, &QCheckBox::clicked, this, &TFTypewriting::CB_KBSeparatedClick);
    connect(SE_VKFontSize, &QSpinBox::valueChanged, this, &TFTypewriting::SE_VKFontSizeChange);
    connect(SE_EditFontSize, &QSpinBox::valueChanged, this, &TFTypewriting::SE_EditFontSizeChange);
}

bool TFTypewriting::RepeatWrongWord() const {
    return CB_RepeatWrongWord->isChecked();
}
bool TFTypewriting::RepeatWord() const {
    return CB_RepeatWord->isChecked();
}
bool TFTypewriting::WriteWrongChar() const {
    return CB_WriteWrongChar->isChecked();
}
bool TFTypewriting::ShowIncorrectKey() const {
    return CB_ShowIncorrectKey->isChecked();
}
bool TFTypewriting::ShowKeyToType() const {
    return CB_ShowKeyToType->isChecked();
}

void TFTypewriting::mousePressEvent(QMouseEvent* e) {
    // A click on the window's own background or the keyboard's opens the keyboard's
    // help topic; clicks that the upper panel's widgets let through do not.
    const QWidget* at = childAt(e->position().toPoint());
    const bool onKeyboard =
        !at || at == P_Client || at == P_VirtualKeyboard || at->parentWidget() == P_VirtualKeyboard;
    if (e->button() == Qt::LeftButton && onKeyboard) P_VirtualKeyboardClick();
    QWidget::mousePressEvent(e);
}

}  // namespace teclarium
