// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The options panel P_TopTop, laid out by Qt's layouts so that every caption shows
// whole at any font size; it is never narrower than the window design.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/settings_table.h"
#include "shell/make_control.h"
#include "shell/typewriting_window.h"
#include "shell/window_texts.h"
#include "util/codec.h"
#include "util/ui/accessible_value.h"

namespace teclarium {
namespace {

constexpr int kDesignWidth = 640;
constexpr int kMargin = 6;  // GB_Type's width + 12 is the panel's

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    return Make<QLabel>(parent, name, QString::fromUtf8(text));
}

// A spin edit with the range of its settings key.
QSpinBox* MakeSpin(QWidget* parent, const char* name, const char* key) {
    QSpinBox* spin = Make<QSpinBox>(parent, name);
    const TSettingsKey& k = SettingsKey(key);
    spin->setRange(k.Min, k.Max);
    return spin;
}

// A control that is hidden at times keeps its room: the panel does not jump.
void KeepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace

void TFTypewriting::CreateOptionsPanel() {
    auto* panel = new QVBoxLayout(P_TopTop);
    panel->setContentsMargins(kMargin, 2, kMargin, kMargin);

    // Exercise type.
    GB_Type = Make<QGroupBox>(P_TopTop, "GB_Type", QString::fromUtf8(kTypeTitle));
    RB_Tcm = Make<QRadioButton>(GB_Type, "RB_Tcm", QString::fromUtf8("&Exercici (arxiu *.tcm)"));
    RB_RandomWords = Make<QRadioButton>(GB_Type, "RB_RandomWords", QString::fromUtf8("Paraules a l'at&zar"));
    RB_CopyFromClipboard =
        Make<QRadioButton>(GB_Type, "RB_CopyFromClipboard", QString::fromUtf8("Copiar del &portapapers"));
    auto* types = new QHBoxLayout(GB_Type);
    types->addWidget(RB_Tcm);
    types->addStretch();
    types->addWidget(RB_RandomWords);
    types->addStretch();
    types->addWidget(RB_CopyFromClipboard);
    types->addStretch();
    panel->addWidget(GB_Type);
    auto* columns = new QHBoxLayout;
    panel->addLayout(columns);

    // Left column: exercise file, line repetition, font sizes.
    auto* left = new QVBoxLayout;
    BB_Load = Make<QPushButton>(P_TopTop, "BB_Load", QString::fromUtf8("Carre&gar-lo"));
    BB_Load->setAutoDefault(true);
    // Named before it shows a text: the text would make its unnamed interface first.
    L_TcmFN = Make<QLabel>(P_TopTop, "L_TcmFN");
    SetAccessibleValueName(L_TcmFN, FromUtf8(kNameTcmFN));
    L_TcmFN->setText(QStringLiteral(" "));
    L_TcmFN->setAutoFillBackground(true);
    L_TcmFN->setBackgroundRole(QPalette::Base);
    L_TcmFN->setMinimumWidth(BB_Load->sizeHint().width());
    auto* load = new QHBoxLayout;
    load->addWidget(BB_Load);
    load->addWidget(L_TcmFN, 1);
    left->addLayout(load);
    L_RepeatLine = MakeLabel(P_TopTop, "L_RepeatLine", "N. de repeti&cions de línia");
    SE_RepeatLine = MakeSpin(P_TopTop, "SE_RepeatLine", "RepeatLine");
    L_RepeatLine->setBuddy(SE_RepeatLine);
    KeepRoomWhenHidden(L_RepeatLine);
    KeepRoomWhenHidden(SE_RepeatLine);
    auto* repeat = new QHBoxLayout;
    repeat->addWidget(L_RepeatLine, 1);
    repeat->addWidget(SE_RepeatLine);
    left->addLayout(repeat);
    GB_FontSize = Make<QGroupBox>(P_TopTop, "GB_FontSize", QString::fromUtf8("Mida del tipus de lletra de:"));
    L_VKFontSize = MakeLabel(GB_FontSize, "L_VKFontSize", "teclat");
    SE_VKFontSize = MakeSpin(GB_FontSize, "SE_VKFontSize", "VKFontSize");
    L_EditFontSize = MakeLabel(GB_FontSize, "L_EditFontSize", "Escr&iptura");
    SE_EditFontSize = MakeSpin(GB_FontSize, "SE_EditFontSize", "EditFontSize");
    L_EditFontSize->setBuddy(SE_EditFontSize);
    auto* sizes = new QGridLayout(GB_FontSize);
    sizes->addWidget(L_VKFontSize, 0, 0);
    sizes->addWidget(SE_VKFontSize, 0, 1);
    sizes->addWidget(L_EditFontSize, 1, 0);
    sizes->addWidget(SE_EditFontSize, 1, 1);
    sizes->setColumnStretch(0, 1);
    left->addWidget(GB_FontSize);
    left->addStretch();
    columns->addLayout(left, 1);

    // Middle column: random words.
    auto* middle = new QGridLayout;
    L_PatternChars = MakeLabel(P_TopTop, "L_PatternChars", "Pa&tró de caràcters");
    LB_PatternChars = Make<QListWidget>(P_TopTop, "LB_PatternChars");
    LB_PatternChars->setMaximumHeight(LB_PatternChars->fontMetrics().height() * 5);
    L_PatternChars->setBuddy(LB_PatternChars);
    L_CharsCount = MakeLabel(P_TopTop, "L_CharsCount", "&N. caràcters");
    SE_CharsCount = MakeSpin(P_TopTop, "SE_CharsCount", "CharsCount");
    L_CharsCount->setBuddy(SE_CharsCount);
    L_WordsCount = MakeLabel(P_TopTop, "L_WordsCount", "N. para&ules");
    SE_WordsCount = MakeSpin(P_TopTop, "SE_WordsCount", "WordsCount");
    L_WordsCount->setBuddy(SE_WordsCount);
    middle->addWidget(L_PatternChars, 0, 0, 1, 2);
    middle->addWidget(LB_PatternChars, 1, 0, 1, 2);
    middle->addWidget(L_CharsCount, 2, 0);
    middle->addWidget(SE_CharsCount, 2, 1);
    middle->addWidget(L_WordsCount, 3, 0);
    middle->addWidget(SE_WordsCount, 3, 1);
    middle->setColumnStretch(0, 1);
    middle->setRowStretch(4, 1);
    columns->addLayout(middle, 1);

    // Right column: drill and keyboard options.
    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    auto check = [&](const char* name, const char* text, bool on) {
        QCheckBox* box = Make<QCheckBox>(P_TopTop, name, QString::fromUtf8(text));
        box->setChecked(on);
        KeepRoomWhenHidden(box);
        right->addWidget(box);
        return box;
    };
    CB_RepeatWrongWord = check("CB_RepeatWrongWord", "&De nou la paraula equivocada", true);
    CB_RepeatWord = check("CB_RepeatWord", "&Repetició de cada paraula", false);
    CB_WriteWrongChar = check("CB_WriteWrongChar", "Escriu el caràcter e&quivocat", false);
    CB_ShowIncorrectKey = check("CB_ShowIncorrectKey", "Presenta la tec&la equivocada", true);
    CB_ShowKeyboard = check("CB_ShowKeyboard", "Presenta el teclat &virtual", true);
    CB_ShowKeyToType = check("CB_ShowKeyToType", "Pres. la tecla a pré&mer", true);
    CB_KBSeparated = check("CB_KBSeparated", "E&spaiat", false);
    right->addStretch();
    columns->addLayout(right);

    P_TopTop->resize(std::max(kDesignWidth, panel->sizeHint().width()), panel->sizeHint().height());
    panel->activate();
}

}  // namespace teclarium
