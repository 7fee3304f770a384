// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "progress/ui/progress_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "progress/progress_texts.h"
#include "progress/ui/chart_module.h"
#include "progress/ui/heat_keyboard.h"
#include "progress/weak_chars.h"
#include "util/codec.h"
#include "util/messages.h"
#include "util/ui/modal.h"

namespace teclarium {
namespace {

constexpr std::size_t kMostMissedShown = 10;

QTableWidget* MostMissedTable(const TCharStats& stats, QWidget* parent) {
    const std::vector<TMissedChar> missed = MostMissed(stats, kMostMissedShown);
    auto* table = new QTableWidget(static_cast<int>(missed.size()), 4, parent);
    table->setObjectName(QStringLiteral("TW_MostMissed"));
    table->setAccessibleName(FromUtf8(kMostMissedTitle));
    // Tab goes on to the buttons; the arrows move through the cells.
    table->setTabKeyNavigation(false);
    table->setHorizontalHeaderLabels(
        {FromUtf8(kColumnChar), FromUtf8(kColumnWrong), FromUtf8(kColumnRate), FromUtf8(kColumnInstead)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    const QLocale catalan(QLocale::Catalan);
    for (int row = 0; row < static_cast<int>(missed.size()); ++row) {
        const TMissedChar& m = missed[static_cast<std::size_t>(row)];
        const QString cells[] = {
            CharText(m.Char), QString::number(m.Wrong), catalan.toString(m.Rate(), 'f', 1),
            QStringLiteral("%1 (%2)").arg(CharText(m.TypedInstead), QString::number(m.TypedInsteadCount))};
        for (int column = 0; column < 4; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    // All ten rows in view, without a scroll bar.
    table->setMinimumHeight(table->horizontalHeader()->height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

}  // namespace

TFProgress::TFProgress(const TProgress& progress, const TKeyCharsList& keys, QWidget* parent,
                       bool colourBlind, bool practice)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFProgress"));
    setWindowTitle(FromUtf8(kProgressTitle));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QWidget;
    FBody = new QVBoxLayout(body);
    FBody->setContentsMargins(0, 0, 0, 0);
    std::string summary = progress.Drills == 0
                              ? std::string(kProgressNoHistory)
                              : FormatNumber(kProgressDrills, static_cast<long long>(progress.Drills));
    if (progress.BadLines > 0)
        summary.append(1, ' ').append(
            FormatNumber(kProgressBadLines, static_cast<long long>(progress.BadLines)));
    L_Summary = new QLabel(QString::fromStdString(summary), this);
    L_Summary->setObjectName(QStringLiteral("L_Summary"));
    L_Summary->setWordWrap(true);
    FBody->addWidget(L_Summary);
    if (progress.Drills > 0) AddHistory(progress, keys, colourBlind, practice);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SB_History"));
    scroll->setAccessibleName(FromUtf8(kProgressTitle));  // it takes the focus, to scroll by keyboard
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);
    layout->addWidget(scroll, 1);

    BB_Close = new QPushButton(FromUtf8(kClose), this);
    BB_Close->setObjectName(QStringLiteral("BB_Close"));
    connect(BB_Close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (BB_PracticeWeakKeys) buttons->addWidget(BB_PracticeWeakKeys);
    buttons->addWidget(BB_Close);
    layout->addLayout(buttons);
    // As large as its parts ask, within the screen; the rest scrolls.
    const QSize wanted = body->sizeHint() + QSize(2 * layout->contentsMargins().left() + 24,
                                                  BB_Close->sizeHint().height() + 4 * layout->spacing() + 24);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    resize(screen ? wanted.boundedTo(screen->availableGeometry().size() * 0.95) : wanted);
}

void TFProgress::AddHistory(const TProgress& progress, const TKeyCharsList& keys, bool colourBlind,
                            bool practice) {
    QVBoxLayout* layout = FBody;
    layout->addWidget(ProgressChart(ChartModulePath(), progress.Days, this));

    auto* lower = new QHBoxLayout;
    lower->addWidget(new THeatKeyboard(KeyHeat(progress.Chars, keys), keys, colourBlind, this), 0,
                     Qt::AlignTop);
    auto* missed = new QVBoxLayout;
    missed->addWidget(new QLabel(FromUtf8(kMostMissedTitle), this));
    TW_MostMissed = MostMissedTable(progress.Chars, this);
    missed->addWidget(TW_MostMissed);
    lower->addLayout(missed);
    layout->addLayout(lower);
    if (!practice) return;

    FWeakChars = teclarium::WeakChars(progress.Chars);
    BB_PracticeWeakKeys = new QPushButton(FromUtf8(kPracticeWeakKeys), this);
    BB_PracticeWeakKeys->setObjectName(QStringLiteral("BB_PracticeWeakKeys"));
    BB_PracticeWeakKeys->setEnabled(!FWeakChars.empty());
    connect(BB_PracticeWeakKeys, &QPushButton::clicked, this, &QDialog::accept);
    if (FWeakChars.empty()) {
        L_WeakKeysHint = new QLabel(FromUtf8(kPracticeWeakKeysHint), this);
        L_WeakKeysHint->setObjectName(QStringLiteral("L_WeakKeysHint"));
        L_WeakKeysHint->setWordWrap(true);
        layout->addWidget(L_WeakKeysHint);
    }
}

void ShowProgress(QWidget* parent, const TProgressRequest& request) {
    TFProgress dialog(ReadProgressFile(request.HistoryFile), request.Keys, parent, request.ColourBlind);
    if (RunModal(dialog) == QDialog::Accepted && !dialog.WeakChars().empty() && request.StartDrill)
        request.StartDrill(dialog.WeakChars());
}

}  // namespace teclarium
