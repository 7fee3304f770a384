// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The unusual options dialog: the natural keyboard is for two-hand typing only.
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "shell/unusual_options_dialog.h"

using namespace teclarium;

class TestUnusualOptions : public QObject {
    Q_OBJECT

  private slots:
    void handsRule_data() {
        QTest::addColumn<bool>("natural");      // the box's state before the choice
        QTest::addColumn<bool>("byClick");      // a click on the item, else SetOneHand
        QTest::addColumn<QList<int>>("items");  // the items chosen in turn
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("one hand clears and greys") << true << false << QList<int>{1} << false << false;
        QTest::newRow("one hand by a click") << true << true << QList<int>{1} << false << false;
        QTest::newRow("back to two hands: usable, unchecked")
            << true << true << QList<int>{1, 0} << false << true;
        QTest::newRow("two hands keep the box") << true << false << QList<int>{0} << true << true;
    }
    void handsRule() {
        QFETCH(bool, natural);
        QFETCH(bool, byClick);
        QFETCH(QList<int>, items);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        // Any help context: the one the menu passes is checked with the menu.
        TFUnusualOptions dialog(0);
        dialog.CB_NaturalKeyboard->setChecked(natural);
        for (int item : items) {
            if (byClick)
                QTest::mouseClick(dialog.RG_HandsNumberItems->button(item), Qt::LeftButton);
            else
                dialog.SetOneHand(item == 1);
        }
        QCOMPARE(dialog.OneHand(), items.back() == 1);
        QCOMPARE(dialog.CB_NaturalKeyboard->isChecked(), checked);
        QCOMPARE(dialog.CB_NaturalKeyboard->isEnabled(), enabled);
    }
};

QTEST_MAIN(TestUnusualOptions)
#include "tst_unusual_options.moc"
