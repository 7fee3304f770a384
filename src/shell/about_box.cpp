// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/about_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "util/ui/placement.h"

namespace teclarium {
namespace {

constexpr int kIconSize = 32;
constexpr int kDesignWidth = 460;
constexpr int kDesignHeight = 360;
constexpr int kMinimumHeight = 200;

QLabel* BoldLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TBoxRefRichE0::TBoxRefRichE0(const std::string& programName, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8("Referència"));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setFixedSize(kIconSize, kIconSize);
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(kIconSize, kIconSize));
    L_TitlePrg = BoldLabel(QString::fromUtf8(programName), "L_TitlePrg", this);
    L_Version =
        BoldLabel(QString::fromUtf8("Versió %1.%2").arg(TECLARIUM_VERSION_MAJOR).arg(TECLARIUM_VERSION_MINOR),
                  "L_Version", this);
    L_Version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(ProgramIcon);
    top->addWidget(L_TitlePrg);
    top->addWidget(L_Version, 1);

    RxRichEdit = new QTextBrowser(this);
    RxRichEdit->setObjectName("RxRichEdit");
    RxRichEdit->setAccessibleName(QString::fromUtf8("Text de la referència"));
    RxRichEdit->setOpenLinks(false);
    connect(RxRichEdit, &QTextBrowser::anchorClicked, this, &TBoxRefRichE0::RxRichEditURLClick);

    BB_Assabentat = new QPushButton(QString::fromUtf8("&Assabentat/ada"), this);
    BB_Assabentat->setObjectName("BB_Assabentat");
    BB_Assabentat->setDefault(true);
    connect(BB_Assabentat, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BB_Assabentat);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(RxRichEdit, 1);
    layout->addLayout(bottom);
    resize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kMinimumHeight);
    BB_Assabentat->setFocus();
}

void TBoxRefRichE0::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!std::exchange(FPlaced, true)) CentreOnScreen(*this);
}

// The view activates links with the left button only.
void TBoxRefRichE0::RxRichEditURLClick(const QUrl& link) {
    QDesktopServices::openUrl(link);
}

}  // namespace teclarium
