// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/unusual_options_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "keyboard/keyboard_texts.h"
#include "keyboard/layout_names.h"
#include "platform/ui/active_layout.h"
#include "platform/xkb/xkb_descriptions.h"
#include "util/ui/accessible_value.h"
#include "util/ui/radio_tab_stop.h"

namespace teclarium {

TFUnusualOptions::TFUnusualOptions(int helpContext, QWidget* parent) : TFBBOkCnHlp(helpContext, parent) {
    setWindowTitle(QString::fromUtf8("Opcions inusuals"));
    CB_CenteredWindow = new QCheckBox(QString::fromUtf8("&Finestra centrada en obrir el programa"), this);
    CB_CenteredWindow->setObjectName("CB_CenteredWindow");
    RG_HandsNumber = new QGroupBox(QString::fromUtf8("Tecleig:"), this);
    RG_HandsNumber->setObjectName("RG_HandsNumber");
    RG_HandsNumberItems = new QButtonGroup(this);
    auto* items = new QVBoxLayout(RG_HandsNumber);
    const char* captions[] = {"Amb d&ues mans", "Amb una s&ola mà"};
    for (int id = 0; id < 2; ++id) {
        auto* item = new QRadioButton(QString::fromUtf8(captions[id]), RG_HandsNumber);
        item->setObjectName(QString("RG_HandsNumber_%1").arg(id));
        RG_HandsNumberItems->addButton(item, id);
        items->addWidget(item);
    }
    CB_NaturalKeyboard = new QCheckBox(QString::fromUtf8("&NaturalKeyboard de Microsoft"), this);
    CB_NaturalKeyboard->setObjectName("CB_NaturalKeyboard");
    Body()->addWidget(CB_CenteredWindow);
    Body()->addWidget(RG_HandsNumber);
    Body()->addWidget(CB_NaturalKeyboard);
    CB_ColourBlind = new QCheckBox(QString::fromUtf8("Colors per a dal&tonisme"), this);
    CB_ColourBlind->setObjectName("CB_ColourBlind");
    Body()->addWidget(CB_ColourBlind);
    CB_Keyboard = new QComboBox(this);
    CB_Keyboard->setObjectName("CB_Keyboard");
    SetAccessibleComboValue(CB_Keyboard);  // before its first change is announced
    CB_Keyboard->addItem(QString::fromUtf8(kSystemKeyboard), QString());
    for (const TNamedLayout& layout : SupportedLayouts())
        CB_Keyboard->addItem(
            LayoutDisplayName(layout.Name, XkbLayoutDescription(layout.Name, kLayoutNamesLanguage)),
            QString::fromStdString(LayoutChoice(layout.Name)));
    auto* keyboardRow = new QFormLayout;
    keyboardRow->addRow(QString::fromUtf8(kKeyboardChoiceLabel), CB_Keyboard);
    Body()->addLayout(keyboardRow);
    if (const std::optional<TXkbLayoutName> desktop = ActiveLayoutName()) {
        // The choice explains itself, also to a screen reader on the combo box.
        const QString note =
            QString::fromUtf8(kKeyboardFollowsDesktop)
                .arg(LayoutDisplayName(*desktop, XkbLayoutDescription(*desktop, kLayoutNamesLanguage)));
        auto* label = new QLabel(note, this);
        label->setObjectName("L_KeyboardNote");
        label->setWordWrap(true);
        Body()->addWidget(label);
        CB_Keyboard->setAccessibleDescription(note);
    }
    CreateSpeechChoice();
    RG_HandsNumberItems->button(0)->setChecked(true);
    TabStopOnChecked(RG_HandsNumberItems->buttons());
    // Choosing an item, by a click or by SetOneHand, runs the rule.
    connect(RG_HandsNumberItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) RG_HandsNumberClick();
    });
}

void TFUnusualOptions::SetOneHand(bool oneHand) {
    RG_HandsNumberItems->button(oneHand ? 1 : 0)->setChecked(true);
    RG_HandsNumberClick();
}

bool TFUnusualOptions::OneHand() const {
    return RG_HandsNumberItems->checkedId() == 1;
}

void TFUnusualOptions::CreateSpeechChoice() {
    RG_Speech = new QGroupBox(QString::fromUtf8("&Veu"), this);
    RG_Speech->setObjectName("RG_Speech");
    RG_SpeechItems = new QButtonGroup(this);
    auto* items = new QVBoxLayout(RG_Speech);
    const char* captions[] = {"&Cap", "Pel lecto&r de pantalla", "Veu &pròpia"};
    for (int id = 0; id < 3; ++id) {
        auto* item = new QRadioButton(QString::fromUtf8(captions[id]), RG_Speech);
        item->setObjectName(QString("RG_Speech_%1").arg(id));
        RG_SpeechItems->addButton(item, id);
        items->addWidget(item);
    }
    SE_SpeechRate = new QSpinBox(RG_Speech);
    SE_SpeechRate->setObjectName("SE_SpeechRate");
    SE_SpeechRate->setRange(-10, 10);
    auto* rate = new QFormLayout;
    auto* rateLabel = new QLabel(QString::fromUtf8("V&elocitat de la veu:"), RG_Speech);
    rateLabel->setBuddy(SE_SpeechRate);
    rate->addRow(rateLabel, SE_SpeechRate);
    items->addLayout(rate);
    Body()->addWidget(RG_Speech);
    // The rate is the own voice's.
    connect(RG_SpeechItems, &QButtonGroup::idToggled, this,
            [this](int, bool) { SE_SpeechRate->setEnabled(Speech() == 2); });
    SetSpeech(1, 0);
    TabStopOnChecked(RG_SpeechItems->buttons());
}

void TFUnusualOptions::SetSpeech(int mode, int rate) {
    RG_SpeechItems->button(std::clamp(mode, 0, 2))->setChecked(true);
    SE_SpeechRate->setValue(rate);
    SE_SpeechRate->setEnabled(Speech() == 2);
}

int TFUnusualOptions::Speech() const {
    return RG_SpeechItems->checkedId();
}

void TFUnusualOptions::RG_HandsNumberClick() {
    if (OneHand()) CB_NaturalKeyboard->setChecked(false);
    CB_NaturalKeyboard->setEnabled(!OneHand());
}

void TFUnusualOptions::SetKeyboardChoice(const std::string& choice) {
    const QString data = QString::fromStdString(choice);
    int index = CB_Keyboard->findData(data);
    if (index < 0) {
        const std::optional<TXkbLayoutName> name = ParseLayoutChoice(choice);
        if (name)
            CB_Keyboard->addItem(LayoutDisplayName(*name, XkbLayoutDescription(*name, kLayoutNamesLanguage)),
                                 data);
        index = name ? CB_Keyboard->count() - 1 : 0;
    }
    CB_Keyboard->setCurrentIndex(index);
}

std::string TFUnusualOptions::KeyboardChoice() const {
    return CB_Keyboard->currentData().toString().toStdString();
}

}  // namespace teclarium
