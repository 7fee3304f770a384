// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/ui/accessible_value.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace teclarium {
namespace {

constexpr const char* kValueNameProperty = "teclariumValueName";

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

QAccessibleInterface* AccessibleValueFactory(const QString& className, QObject* object) {
    auto* label = className == QLatin1String("QLabel") ? qobject_cast<QLabel*>(object) : nullptr;
    if (!label || !label->property(kValueNameProperty).isValid()) return nullptr;
    return new TAccessibleValue(label);
}

}  // namespace

void SetAccessibleValueName(QLabel* label, const QString& name) {
    static const bool installed = (QAccessible::installFactory(AccessibleValueFactory), true);
    Q_UNUSED(installed);
    label->setProperty(kValueNameProperty, name);
}

}  // namespace teclarium
