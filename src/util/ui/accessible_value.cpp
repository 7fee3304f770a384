// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/accessible_value.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace teclarium {
namespace {

constexpr const char* kValueNameProperty = "teclariumValueName";
constexpr const char* kComboValueProperty = "teclariumComboValue";

class TAccessibleValue : public QAccessibleWidget {
  public:
    explicit TAccessibleValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        const QString name = label->property(kValueNameProperty).toString();
        return label->text().isEmpty() ? name : name + QStringLiteral(": ") + label->text();
    }
};

// The current item, as the name (as Qt gives it on Linux), the value and a read-only
// text without a caret or a selection.
class TAccessibleComboValue : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit TAccessibleComboValue(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name || t == QAccessible::Value ? Current() : QAccessibleWidget::text(t);
    }
    QString text(int startOffset, int endOffset) const override {
        return Current().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Current().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    QString Current() const { return static_cast<const QComboBox*>(widget())->currentText(); }
};

QAccessibleInterface* AccessibleValueFactory(const QString& className, QObject* object) {
    if (auto* label = className == QLatin1String("QLabel") ? qobject_cast<QLabel*>(object) : nullptr;
        label && label->property(kValueNameProperty).isValid())
        return new TAccessibleValue(label);
    if (auto* combo = className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
        combo && combo->property(kComboValueProperty).isValid())
        return new TAccessibleComboValue(combo);
    return nullptr;
}

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(AccessibleValueFactory), true);
    Q_UNUSED(installed);
}

}  // namespace

void SetAccessibleValueName(QLabel* label, const QString& name) {
    InstallFactory();
    label->setProperty(kValueNameProperty, name);
}

void SetAccessibleComboValue(QComboBox* combo) {
    InstallFactory();
    combo->setProperty(kComboValueProperty, true);
}

}  // namespace teclarium
