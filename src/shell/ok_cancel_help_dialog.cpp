// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/ok_cancel_help_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "util/ui/help.h"
#include "util/ui/placement.h"

namespace teclarium {

TFBBOkCnHlp::TFBBOkCnHlp(int helpContext, QWidget* parent) : QDialog(parent), FHelpContext(helpContext) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FBody = new QVBoxLayout;
    layout->addLayout(FBody);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BB_Ok = new QPushButton(QString::fromUtf8("&D'acord"), this);
    BB_Ok->setObjectName("BB_Ok");
    BB_Ok->setDefault(true);
    BB_Cancel = new QPushButton(QString::fromUtf8("Cance&l·la"), this);
    BB_Cancel->setObjectName("BB_Cancel");
    BB_Help = new QPushButton(QString::fromUtf8("&Ajuda"), this);
    BB_Help->setObjectName("BB_Help");
    BB_Help->setAutoDefault(false);
    buttons->addWidget(BB_Ok);
    buttons->addWidget(BB_Cancel);
    buttons->addWidget(BB_Help);
    layout->addLayout(buttons);
    connect(BB_Ok, &QPushButton::clicked, this, [this] {
        if (BB_OkClick()) accept();
    });
    connect(BB_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BB_Help, &QPushButton::clicked, this, &TFBBOkCnHlp::BB_HelpClick);
}

void TFBBOkCnHlp::BB_HelpClick() {
    ShowHelpContext(FHelpContext);
}

void TFBBOkCnHlp::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentreOnScreen(*this);
    // The dialog opens on its first option, not on its buttons below them (made
    // before the options, they come first in the focus chain, which is a circle).
    const QWidget* focus = focusWidget();
    if (focus && focus != BB_Ok && focus != BB_Cancel && focus != BB_Help) return;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w == BB_Ok || w == BB_Cancel || w == BB_Help) continue;
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

}  // namespace teclarium
