#include "shell/unusual_options_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace teclarium {

TFUnusualOptions::TFUnusualOptions(int helpContext, QWidget* parent) : TFBBOkCnHlp(helpContext, parent) {
    setWindowTitle(QString::fromUtf8("Opcions inhabituals"));
    CB_CenteredWindow = new QCheckBox(QString::fromUtf8("Finestra centrada en obrir el programa"), this);
    CB_CenteredWindow->setObjectName("CB_CenteredWindow");
    RG_HandsNumber = new QGroupBox(QString::fromUtf8("Tecleig:"), this);
    RG_HandsNumber->setObjectName("RG_HandsNumber");
    RG_HandsNumberItems = new QButtonGroup(this);
    auto* items = new QVBoxLayout(RG_HandsNumber);
    const char* captions[] = {"Amb dues mans", "Amb una sola mà"};
    for (int id = 0; id < 2; ++id) {
        auto* item = new QRadioButton(QString::fromUtf8(captions[id]), RG_HandsNumber);
        item->setObjectName(QString("RG_HandsNumber_%1").arg(id));
        RG_HandsNumberItems->addButton(item, id);
        items->addWidget(item);
    }
    CB_NaturalKeyboard = new QCheckBox(QString::fromUtf8("NaturalKeyboard de Microsoft"), this);
    CB_NaturalKeyboard->setObjectName("CB_NaturalKeyboard");
    Body()->addWidget(CB_CenteredWindow);
    Body()->addWidget(RG_HandsNumber);
    Body()->addWidget(CB_NaturalKeyboard);
    CB_ColourBlind = new QCheckBox(QString::fromUtf8("Colors per a daltonisme"), this);
    CB_ColourBlind->setObjectName("CB_ColourBlind");
    Body()->addWidget(CB_ColourBlind);
    RG_HandsNumberItems->button(0)->setChecked(true);
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

void TFUnusualOptions::RG_HandsNumberClick() {
    if (OneHand()) CB_NaturalKeyboard->setChecked(false);
    CB_NaturalKeyboard->setEnabled(!OneHand());
}

}  // namespace teclarium
