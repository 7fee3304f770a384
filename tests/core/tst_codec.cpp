// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The Windows-1252 conversion between the program's bytes and Qt's text.
#include <QTest>

#include "util/codec.h"

using namespace teclarium;

class TestCodec : public QObject {
    Q_OBJECT

  private slots:
    void everyByteComesBack() {
        std::string all;
        for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
        const QString text = FromAnsi(all);
        QCOMPARE(text.size(), qsizetype(256));
        QVERIFY(ToAnsi(text) == all);
    }

    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Latin-1 letters") << QString::fromUtf8("ñç·") << QByteArray("\xF1\xE7\xB7");
        QTest::newRow("euro sign and quotes") << QString::fromUtf8("€“”") << QByteArray("\x80\x93\x94");
        QTest::newRow("what it cannot hold") << QString::fromUtf8("a∑ŀ") << QByteArray("a\x1A\x1A");
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(ToAnsi(text)), bytes);
    }
};

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"
