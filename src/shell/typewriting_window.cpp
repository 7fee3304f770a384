#include "shell/typewriting_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "drill/ui/typing_edit.h"
#include "keyboard/ui/key_panel.h"
#include "shell/application.h"
#include "shell/window_texts.h"

namespace teclarium {
namespace {

template <typename T, typename... Args>
T* Make(QWidget* parent, const char* name, Args&&... args) {
    T* w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int x, int y) {
    QLabel* label = Make<QLabel>(parent, name, QString::fromUtf8(text));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int min, int max, int value, QRect geometry) {
    QSpinBox* spin = Make<QSpinBox>(parent, name);
    spin->setRange(min, max);
    spin->setValue(value);
    spin->setGeometry(geometry);
    return spin;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const char* text, bool checked, int x, int y) {
    QCheckBox* box = Make<QCheckBox>(parent, name, QString::fromUtf8(text));
    box->setChecked(checked);
    box->move(x, y);
    box->adjustSize();
    return box;
}

}  // namespace

TFTypewriting::TFTypewriting(TWindowPlatform platform, QWidget* parent)
    : QWidget(parent),
      FClock(platform.Clock ? *platform.Clock : FSystemClock),
      FKeyboardState(platform.Keyboard ? std::move(platform.Keyboard) : CreateKeyboardState()),
      FKeyDisplay(*this),
      FDrill(FClock, *this, FKeyDisplay, *this) {
    setObjectName("TFTypewriting");
    setWindowTitle(QString::fromUtf8(kTitle));
    FDrill.FDecimalSeparator = QLocale().decimalPoint().at(0).toLatin1();
    CreateControls();
    CreateMenus();
    ConnectHandlers();
    FormCreate();
}

TFTypewriting::~TFTypewriting() {
    FormDestroy();
}

void TFTypewriting::CreateControls() {
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    Panel1 = Make<QWidget>(this, "Panel1");
    P_TopTop = Make<QWidget>(Panel1, "P_TopTop");
    P_TopTop->setGeometry(0, 0, 640, 214);
    P_TopBottom = Make<QWidget>(Panel1, "P_TopBottom");
    P_TopBottom->move(0, P_TopTop->height());
    P_VirtualKeyboard = Make<QWidget>(this, "P_VirtualKeyboard");

    // Exercise type.
    GB_Type = Make<QGroupBox>(P_TopTop, "GB_Type", QString::fromUtf8("Tipus"));
    GB_Type->setGeometry(6, 2, 628, 46);
    RB_Tcm = Make<QRadioButton>(GB_Type, "RB_Tcm", QString::fromUtf8("&Exercici (arxiu *.tcm)"));
    RB_RandomWords = Make<QRadioButton>(GB_Type, "RB_RandomWords", QString::fromUtf8("Paraules a l'at&zar"));
    RB_CopyFromClipboard =
        Make<QRadioButton>(GB_Type, "RB_CopyFromClipboard", QString::fromUtf8("Copiar del &portapapers"));
    RB_Tcm->move(10, 20);
    RB_RandomWords->move(220, 20);
    RB_CopyFromClipboard->move(420, 20);
    for (QRadioButton* rb : {RB_Tcm, RB_RandomWords, RB_CopyFromClipboard}) rb->adjustSize();

    // Left column: exercise file, line repetition, font sizes.
    BB_Load = Make<QPushButton>(P_TopTop, "BB_Load", QString::fromUtf8("&Carregar-lo"));
    BB_Load->setGeometry(6, 56, 104, 26);
    BB_Load->setAutoDefault(true);
    L_TcmFN = Make<QLabel>(P_TopTop, "L_TcmFN", QStringLiteral(" "));
    L_TcmFN->setGeometry(116, 59, 100, 20);
    L_TcmFN->setAutoFillBackground(true);
    L_TcmFN->setBackgroundRole(QPalette::Base);
    L_RepeatLine = MakeLabel(P_TopTop, "L_RepeatLine", "N. de &repeticions de línia", 6, 94);
    SE_RepeatLine = MakeSpin(P_TopTop, "SE_RepeatLine", 0, 8, 3, QRect(170, 90, 46, 24));
    L_RepeatLine->setBuddy(SE_RepeatLine);
    GB_FontSize = Make<QGroupBox>(P_TopTop, "GB_FontSize", QString::fromUtf8("Mida del tipus de lletra de:"));
    GB_FontSize->setGeometry(6, 124, 210, 84);
    L_VKFontSize = MakeLabel(GB_FontSize, "L_VKFontSize", "teclat", 10, 26);
    SE_VKFontSize = MakeSpin(GB_FontSize, "SE_VKFontSize", 8, 25, 11, QRect(120, 22, 56, 24));
    L_EditFontSize = MakeLabel(GB_FontSize, "L_EditFontSize", "Escr&iptura", 10, 56);
    SE_EditFontSize = MakeSpin(GB_FontSize, "SE_EditFontSize", 14, 30, 14, QRect(120, 52, 56, 24));
    L_EditFontSize->setBuddy(SE_EditFontSize);

    // Middle column: random words.
    L_PatternChars = MakeLabel(P_TopTop, "L_PatternChars", "Pa&tró de caràcters", 226, 54);
    LB_PatternChars = Make<QListWidget>(P_TopTop, "LB_PatternChars");
    LB_PatternChars->setGeometry(226, 72, 180, 84);
    L_PatternChars->setBuddy(LB_PatternChars);
    L_CharsCount = MakeLabel(P_TopTop, "L_CharsCount", "&N. caràcters", 226, 166);
    SE_CharsCount = MakeSpin(P_TopTop, "SE_CharsCount", 2, 9, 3, QRect(350, 162, 56, 24));
    L_CharsCount->setBuddy(SE_CharsCount);
    L_WordsCount = MakeLabel(P_TopTop, "L_WordsCount", "N. para&ules", 226, 192);
    SE_WordsCount = MakeSpin(P_TopTop, "SE_WordsCount", 2, 99, 6, QRect(350, 188, 56, 24));
    L_WordsCount->setBuddy(SE_WordsCount);

    // Right column: drill and keyboard options.
    int y = 54;
    auto check = [&](const char* name, const char* text, bool on) {
        QCheckBox* box = MakeCheck(P_TopTop, name, text, on, 416, y);
        y += 22;
        return box;
    };
    CB_RepeatWrongWord = check("CB_RepeatWrongWord", "&De nou la paraula equivocada", true);
    CB_RepeatWord = check("CB_RepeatWord", "&Repetició de cada paraula", false);
    CB_WriteWrongChar = check("CB_WriteWrongChar", "E&scriu el caràcter equivocat", false);
    CB_ShowIncorrectKey = check("CB_ShowIncorrectKey", "Presenta la tec&la equivocada", true);
    CB_ShowKeyboard = check("CB_ShowKeyboard", "Presenta el teclat &virtual", true);
    CB_ShowKeyToType = check("CB_ShowKeyToType", "Pres. la tecla a pré&mer", true);
    CB_KBSeparated = check("CB_KBSeparated", "Espaia&t", false);

    // Typing area.
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setBold(true);
    L_Count = Make<QLabel>(P_TopBottom, "L_Count", QStringLiteral("0"));
    L_Count->move(6, 0);
    L_ErrorsCount = Make<QLabel>(P_TopBottom, "L_ErrorsCount", QStringLiteral("0"));
    L_ErrorsCount->move(54, 0);
    QPalette red = L_ErrorsCount->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    L_ErrorsCount->setPalette(red);
    L_ToWrite = Make<QLabel>(P_TopBottom, "L_ToWrite");
    L_ToWrite->move(116, 0);
    L_ToNextWrite = Make<QLabel>(P_TopBottom, "L_ToNextWrite");
    QPalette grey = L_ToNextWrite->palette();
    grey.setColor(QPalette::WindowText, palette().color(QPalette::Disabled, QPalette::WindowText));
    L_ToNextWrite->setPalette(grey);
    L_IncorrectKey = Make<QLabel>(P_TopBottom, "L_IncorrectKey");
    L_IncorrectKey->setPalette(red);
    for (QLabel* label : {L_ToWrite, L_ToNextWrite, L_IncorrectKey}) {
        label->setFont(courier);
        label->setTextFormat(Qt::PlainText);
    }
    Edit = new TTypingEdit(*this, P_TopBottom);
    Edit->setObjectName("Edit");
    Edit->setFont(courier);
    Edit->move(116, 0);
    L_TypeEsc = Make<QLabel>(P_TopBottom, "L_TypeEsc", QString::fromUtf8("(Premeu Esc per parar)"));
    L_TypeEsc->adjustSize();
    L_TypeEsc->hide();
    BB_Play = Make<QPushButton>(P_TopBottom, "BB_Play", QString::fromUtf8("C&omença"));
    BB_Play->setGeometry(6, 0, 84, 28);
    BB_Play->setAutoDefault(true);  // Enter presses it when it has the focus
    BB_Hide = Make<QPushButton>(P_TopBottom, "BB_Hide", QString::fromUtf8("↕"));
    BB_Hide->setGeometry(92, 0, 20, 28);
    BB_Hide->setToolTip(QString::fromUtf8("Mostra/amaga el menú i plafó de dalt"));
    BB_Hide->setFocusPolicy(Qt::NoFocus);

    // The two keys that the window design holds; the others are built in code.
    P_SpaceBar = Make<TKeyPanel>(P_VirtualKeyboard, "P_SpaceBar");
    P_AltGr = Make<TKeyPanel>(P_VirtualKeyboard, "P_AltGr");
    P_AltGr->SetCaption(QStringLiteral("Alt Gr"));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    P_AltGr->setFont(arial);
}

void TFTypewriting::ConnectHandlers() {
    // These read files: a failure is reported inside the slot.
    connect(BB_Play, &QPushButton::clicked, this, [this] { ReportingFailures([this] { BB_PlayClick(); }); });
    connect(BB_Load, &QPushButton::clicked, this, [this] { ReportingFailures([this] { BB_LoadClick(); }); });
    for (QRadioButton* rb : {RB_Tcm, RB_RandomWords, RB_CopyFromClipboard})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ReportingFailures([this] { RG_TypeClick(); });
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
    connect(Edit, &QLineEdit::textChanged, this, &TFTypewriting::EditChange);
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
    const bool onKeyboard = !at || at == P_VirtualKeyboard || at->parentWidget() == P_VirtualKeyboard;
    if (e->button() == Qt::LeftButton && onKeyboard) P_VirtualKeyboardClick();
    QWidget::mousePressEvent(e);
}

}  // namespace teclarium
