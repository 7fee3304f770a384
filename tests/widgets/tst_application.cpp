// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The application: the general error report (an unexpected failure in an event ends
// that event with the stop box, and the program goes on), and the windows' icon.
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QTest>

#include "shell/application.h"
#include "util/app_error.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

class TFailing : public QObject {
  public:
    int Handled = 0;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++Handled;
        throw TAppError("No es pot obrir el fitxer /tmp/x.tcm");
    }
};

}  // namespace

class TestApplication : public QObject {
    Q_OBJECT

  private slots:
    void failureShowsGeneralErrorReport() {
        TDialogAnswers answers;
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        for (int i = 0; i < 2; ++i)
            answers.Expect([&](QDialog& d) {
                caption = d.windowTitle();
                icon = qobject_cast<QMessageBox*>(&d)->icon();
                return ClickButton(d, "OK");
            });
        TFailing failing;
        QEvent event(QEvent::User);
        QApplication::sendEvent(&failing, &event);
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(answers.Texts[0], QString("No es pot obrir el fitxer /tmp/x.tcm"));
        QCOMPARE(caption, QString("Teclarium"));
        QCOMPARE(icon, QMessageBox::Critical);
        // The program goes on: the next event is delivered and reported again.
        QApplication::sendEvent(&failing, &event);
        QCOMPARE(failing.Handled, 2);
        QCOMPARE(answers.Shown(), 2);
    }

    void windowIconIsTheDrawingAtEachSize_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("32") << 32;
        QTest::newRow("64") << 64;
        QTest::newRow("128") << 128;
    }

    // The built-in pixels are those of the PNG drawing of each size, alpha and all.
    void windowIconIsTheDrawingAtEachSize() {
        QFETCH(int, size);
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>({{32, 32}, {64, 64}, {128, 128}}));
        const QImage drawing(QStringLiteral(TECLARIUM_DATA_DIR "/../res/teclarium-%1.png").arg(size));
        QVERIFY(!drawing.isNull());
        const QImage shown = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(shown.size(), QSize(size, size));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
