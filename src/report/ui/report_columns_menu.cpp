// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "report/ui/report_columns_menu.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>
#include <utility>

#include "report/report_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

// A menu that stays open when one of its items is chosen, by a click or by Enter or
// the space bar on it, so that several columns are ticked at one opening; Esc or a
// click outside closes it. A mnemonic chooses and closes, as in any menu.
class TStayOpenMenu : public QMenu {
  public:
    using QMenu::QMenu;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        FPressed = actionAt(event->position().toPoint());
        QMenu::mousePressEvent(event);
    }
    // The press and the release on the same item: a release alone is the end of the
    // press that opened the menu.
    void mouseReleaseEvent(QMouseEvent* event) override {
        QAction* action = actionAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && action && action == std::exchange(FPressed, nullptr) &&
            Choose(action))
            return;
        QMenu::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const bool choose =
            event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
        if (choose && event->modifiers() == Qt::NoModifier && Choose(activeAction())) return;
        QMenu::keyPressEvent(event);
    }

  private:
    bool Choose(QAction* action) {
        if (!action || !action->isEnabled() || action->isSeparator() || action->menu()) return false;
        action->trigger();
        return true;
    }

    QAction* FPressed = nullptr;
};

}  // namespace

QMenu* ColumnsMenu(QWidget* parent, const TShownColumns& shown,
                   std::function<void(const TShownColumns&)> changed) {
    QMenu* menu = new TStayOpenMenu(parent);
    menu->setObjectName(QStringLiteral("MN_Columns"));
    auto checks = std::make_shared<std::array<QAction*, kReportColumnCount>>();
    const auto checked = [checks] {
        TShownColumns now{};
        now[kColName] = true;
        for (int column = kColName + 1; column < kReportColumnCount; ++column)
            now[column] = (*checks)[column]->isChecked();
        return now;
    };
    for (int column = kColName + 1; column < kReportColumnCount; ++column) {
        // An "&" of a header is no mnemonic.
        QAction* check =
            menu->addAction(FromUtf8(kReportHeaders[column]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        check->setCheckable(true);
        check->setChecked(shown[column]);
        QObject::connect(check, &QAction::triggered, menu, [checked, changed] { changed(checked()); });
        (*checks)[column] = check;
    }
    menu->addSeparator();
    QAction* defaults = menu->addAction(FromUtf8(kDefaultColumns));
    defaults->setObjectName(QStringLiteral("MI_DefaultColumns"));
    QObject::connect(defaults, &QAction::triggered, menu, [checks, checked, changed] {
        const TShownColumns shown = DefaultShownColumns();
        for (int column = kColName + 1; column < kReportColumnCount; ++column)
            (*checks)[column]->setChecked(shown[column]);
        changed(checked());
    });
    return menu;
}

}  // namespace teclarium
