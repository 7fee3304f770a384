// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The "Informe del grup" window offscreen, opened from the main window's menu on
// the settings folder's histories: adding histories from another folder, the
// report saved as a PDF (directly and through the print dialog's file) with every
// learner's name in its text, every learner's page at once and its stopping, the CSV files and their errors,
// sorting and the date range, a learner's read-only progress window, and its help.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <fstream>

#include "course/course_state.h"
#include "course/ui/certificate_document.h"
#include "course_history.h"
#include "progress/history_file.h"
#include "progress/ui/heat_keyboard.h"
#include "progress/ui/progress_window.h"
#include "report/report_table.h"
#include "report/summary_store.h"
#include "report/ui/class_goals_dialog.h"
#include "report/ui/group_report_window.h"
#include "shell/typewriting_window.h"
#include "util/ui/help.h"
#include "util/ui/qt_translation.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

constexpr std::int64_t kDay0 = 20000;  // 2024-10-04

// A history of drills on the given days (from kDay0), each 60 keys right in 60 s
// with a miss of "a".
QByteArray History(std::initializer_list<int> days) {
    std::string bytes(kHistoryHeader);
    bytes += "\r\n";
    for (const int day : days) {
        TDrillRecord r;
        r.When = (kDay0 + day) * 86400 + 36000;
        r.Source = "11.tcm";
        r.Words = 10;
        r.CorrectKeys = 60;
        r.WrongKeys = 1;
        r.CountedTenths = 600;
        r.KeysPerMinute = 60;
        r.Chars = {{'a', 20, 1}};
        r.Misses = {{'a', 's', 1}};
        bytes += FormatRecord(r) + "\r\n";
    }
    return QByteArray::fromStdString(bytes);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The settings folder: the shared history, two users' and one too large to read.
void WriteSettingsHistories(const TTestFolder& folder) {
    folder.Write(QStringLiteral("Teclarium.hist"), History({0}));
    folder.Write(QStringLiteral("Anna.hist"), History({0, 1, 9}));
    folder.Write(QString::fromUtf8("Núria.hist"), History({2}));
    folder.Write(QStringLiteral("Xavi.hist"), History({}));
    QVERIFY(::truncate(QFile::encodeName(folder.Path("Xavi.hist")).constData(), 300 << 20) == 0);
}

const QString kMedianRow = QStringLiteral("Mediana del grup");

// The names the table shows, top to bottom, with the class's median row or without.
QModelIndex Cell(const TFGroupReport& report, int row, int column) {
    return report.TW_Learners->model()->index(row, column);
}

int Rows(const TFGroupReport& report) {
    return report.TW_Learners->model()->rowCount();
}

QStringList Column(const TFGroupReport& report, int column) {
    QStringList cells;
    for (int row = 0; row < Rows(report); ++row) cells << Cell(report, row, column).data().toString();
    return cells;
}

QStringList Names(const TFGroupReport& report, bool median = false) {
    QStringList names = Column(report, kColName);
    if (!median) names.removeAll(kMedianRow);
    return names;
}

// Chooses in a file dialog: the files, a filter; accepts as the user would.
TDialogAnswers::TAnswer ChooseIn(QString folder, QString files, QString filter = QString(),
                                 QString* title = nullptr) {
    return [=](QDialog& dialog) {
        auto* fd = qobject_cast<QFileDialog*>(&dialog);
        if (!fd) return int(QDialog::Rejected);
        if (title) *title = fd->windowTitle();
        fd->setDirectory(folder);
        if (!filter.isEmpty()) fd->selectNameFilter(filter);
        fd->selectFile(files);
        QMetaObject::invokeMethod(fd, "accept");
        return fd->result();
    };
}

// In the print dialog, "print to file" with this name.
TDialogAnswers::TAnswer PrintToFile(QString path) {
    return [=](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print) return int(QDialog::Rejected);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
}

TDialogAnswers::TAnswer Answer(int result) {
    return [result](QDialog&) { return result; };
}

// Runs f on the report window that the menu item opens.
void OnReport(TDialogAnswers& answers, std::function<void(TFGroupReport&)> f) {
    answers.Expect([f](QDialog& dialog) {
        auto* report = qobject_cast<TFGroupReport*>(&dialog);
        if (!report) return int(QDialog::Rejected);
        f(*report);
        return int(QDialog::Rejected);
    });
}

// Calls f each time the widget is shown.
class TOnShow : public QObject {
  public:
    TOnShow(QWidget* widget, std::function<void()> f) : FF(std::move(f)) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) FF();
        return false;
    }

  private:
    std::function<void()> FF;
};

QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return QString();
    // A cell's text may be broken over lines.
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

}  // namespace

class TestGroupReportWindow : public QObject {
    Q_OBJECT

    QTemporaryDir FCache;  // the user's cache folder, for the histories' summaries

  private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(FCache.path())); }
    void init() {
        QDir(FCache.path()).removeRecursively();
        QVERIFY(QDir().mkpath(FCache.path()));
    }

    // The course certificate of a learner who finished the course, from the table's
    // context menu: Esc in the file dialog writes nothing; the PDF read back names
    // them, the day, the speed and accuracy over the keys learned, and the keys. A
    // learner who has not finished gets none, and is told so.
    void certificate() {
        TTestFolder folder;
        folder.Write(QStringLiteral("curs.txt"), kTwoStepCourse);
        for (const char* name : {"Anna", "Biel"}) folder.Write(QString(name) + ".hist", CourseHistory());
        folder.Write(QStringLiteral("Anna.curs"), QByteArray::fromStdString(CourseStateText("fjdkslaeh")));
        folder.Write(QStringLiteral("Biel.curs"), QByteArray::fromStdString(CourseStateText("fjdksla")));
        QTemporaryDir out;
        TFTypewriting w;
        TDialogAnswers answers;
        bool offered[2] = {};
        OnReport(answers, [&](TFGroupReport& report) {
            for (const char* name : {"Anna", "Biel"}) {
                report.TW_Learners->setCurrentIndex(
                    Cell(report, int(Names(report).indexOf(name)), kColDrills));
                offered[name[0] == 'B'] = report.MI_SaveCertificate->isEnabled();
            }
            // Disabled, the action is still asked for: it says why not.
            report.MI_SaveCertificateClick();
            report.TW_Learners->setCurrentIndex(Cell(report, int(Names(report).indexOf("Anna")), kColDrills));
            report.MI_SaveCertificate->trigger();
            report.MI_SaveCertificate->trigger();
        });
        answers.Expect(Answer(QDialog::Accepted));  // Biel's message
        answers.Expect(Answer(QDialog::Rejected));  // Esc in the file dialog
        answers.Expect(ChooseIn(out.path(), QStringLiteral("anna.pdf")));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        QVERIFY(offered[0]);
        QVERIFY(!offered[1]);
        QCOMPARE(answers.Texts.at(1),
                 QString::fromUtf8("Biel no ha acabat el curs: encara no té certificat."));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"anna.pdf"});
        // (pdftotext gives the type's ligatures as they are, and runs single letters together.)
        const QString text = PdfText(out.filePath("anna.pdf")).normalized(QString::NormalizationForm_KC);
        for (const QString& expected :
             {QStringLiteral("Certificat del curs de mecanografia Anna ha acabat el curs"),
              QStringLiteral("Velocitat: 208 tecles/minut (41,5 paraules/minut) Encerts: 97,8 %"),
              QStringLiteral("Data: ") + QString::fromStdString(CertificateDay(QDate::currentDate()))})
            QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY2(
            QString(text).remove(QLatin1Char(' ')).contains(QStringLiteral("Teclesapreses(9):fjdkslaeh")),
            qPrintable(text));
    }

    // The report, with histories added from another folder, saved as a PDF: every
    // learner is named in its text.
    void pdf_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Desa com a PDF") << "BB_SavePdf";
        QTest::newRow("Imprimeix, a un fitxer") << "BB_Print";
    }
    void pdf() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed");
        QFETCH(QString, button);
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir other, out;
        WriteFile(other.filePath("Anna.hist"), History({5}));
        WriteFile(other.filePath("Pere.hist"), History({3, 4}));
        const QString pdf = out.filePath(QStringLiteral("informe del grup.pdf"));
        TFTypewriting w;
        w.show();

        QStringList before, after, names;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            before = Names(report);
            report.BB_AddHistories->click();
            after = Names(report);
            report.findChild<QPushButton*>(button)->click();
        });
        // Three files at once, one of them already in the report.
        answers.Expect(ChooseIn(other.path(), "\"Anna.hist\" \"Pere.hist\" \"" +
                                                  folder.Path(QStringLiteral("Anna.hist")) + "\""));
        answers.Expect(button == "BB_SavePdf" ? ChooseIn(out.path(), QStringLiteral("informe del grup"))
                                              : PrintToFile(pdf));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());

        const QString comu = QString::fromUtf8("(historial comú)");
        QCOMPARE(before, QStringList({comu, "Anna", QString::fromUtf8("Núria"), "Xavi"}));
        const QString settingsFolder = QFileInfo(folder.Path(".")).canonicalFilePath();
        const QString otherFolder = QFileInfo(other.path()).canonicalFilePath();
        // The two Annas, told apart by their folders, sort by them.
        QStringList annas = {"Anna (" + otherFolder + ")", "Anna (" + settingsFolder + ")"};
        std::sort(annas.begin(), annas.end(),
                  [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
        QCOMPARE(after, QStringList({comu, annas[0], annas[1], QString::fromUtf8("Núria"), "Pere", "Xavi"}));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Informe del grup")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Tots els exercicis")));
        QVERIFY(text.contains(QStringLiteral("Tecles per minut de cada alumne")));
        for (const QString& name : {comu, QStringLiteral("Anna"), QString::fromUtf8("Núria"),
                                    QStringLiteral("Pere"), QStringLiteral("Xavi")})
            QVERIFY2(text.contains(name), qPrintable(name + " not in:\n" + text));
        // The unreadable history is listed with its reason.
        QVERIFY(text.contains(QString::fromUtf8("massa gran")));
        // The summaries kept in the user's cache folder: the two added and the
        // settings folder's three (the unreadable one has none).
        const std::unique_ptr<TSummaryStore> store = TSummaryStore::Open(
            QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).toStdString());
        QVERIFY(store);
        int summaries = 0;
        for (const QString& file : {folder.Path("Teclarium.hist"), folder.Path("Anna.hist"),
                                    folder.Path(QString::fromUtf8("Núria.hist")), folder.Path("Xavi.hist"),
                                    other.filePath("Anna.hist"), other.filePath("Pere.hist")})
            if (const auto stamp = HistoryStamp(QFile::encodeName(file).toStdString()))
                summaries += store->Find(*stamp).has_value();
        QCOMPARE(summaries, 5);
        // The report reads: nothing else was written beside the histories.
        QCOMPARE(QDir(other.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Anna.hist", "Pere.hist"}));
    }

    // Stopped while the histories are read, once some are in: by Cancel·la the
    // window stays with those read, and adding the files again reads the rest; by
    // Esc it closes.
    void stopReading_data() {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Cancel·la") << false;
        QTest::newRow("Esc") << true;
    }
    void stopReading() {
        QFETCH(bool, byEsc);
        TTestFolder folder;
        QTemporaryDir other;
        const QByteArray one = History({0});
        const QByteArray bytes = one + one.mid(one.indexOf("\r\n") + 2).repeated(20000);
        constexpr int kFiles = 40;
        QString chosen;
        for (int i = 0; i < kFiles; ++i) {
            const QString name = QStringLiteral("Alumne %1.hist").arg(i, 2, 10, QLatin1Char('0'));
            WriteFile(other.filePath(name), bytes);
            chosen += '"' + name + "\" ";
        }
        qsizetype stopped = -1, again = -1;
        bool closed = false, buttonShown = false;
        TFTypewriting w;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            connect(report.PB_Reading, &QProgressBar::valueChanged, &report, [&](int read) {
                if (read < 1 || buttonShown) return;  // once, the first count shown
                buttonShown = report.BB_StopReading->isVisible();
                if (byEsc)
                    QTest::keyClick(&report, Qt::Key_Escape);
                else
                    report.BB_StopReading->click();
            });
            report.BB_AddHistories->click();
            stopped = Names(report).size();
            closed = !report.isVisible();
            if (byEsc) return;
            QVERIFY(!report.BB_StopReading->isVisible());
            report.BB_AddHistories->click();
            again = Names(report).size();
        });
        answers.Expect(ChooseIn(other.path(), chosen));
        if (!byEsc) answers.Expect(ChooseIn(other.path(), chosen));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QVERIFY(buttonShown);
        QVERIFY2(stopped >= 1 && stopped < kFiles, qPrintable(QString::number(stopped)));
        QCOMPARE(closed, byEsc);
        if (!byEsc) QCOMPARE(again, kFiles);
    }

    // Names and paths from the files are shown as they are, never as markup: a
    // folder named like an image tag would have the tooltip load /dev/zero. A file
    // that is no history is listed apart, in the window and in the PDF, and is no learner.
    void plainText() {
        TTestFolder folder;
        QTemporaryDir other, out;
        const QString odd = other.filePath(QStringLiteral("<img src=/dev/zero>"));
        QVERIFY(QDir().mkpath(odd));
        WriteFile(odd + "/Anna.hist", History({0}));
        WriteFile(odd + "/<i>Pere.hist", History({1}));
        WriteFile(odd + "/notes.hist", "%PDF-1.4\n%\xE2\xE3\n");
        const QString pdf = out.filePath(QStringLiteral("informe.pdf"));
        TFTypewriting w;
        QStringList names, tips, summary;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            report.BB_AddHistories->click();
            names = Names(report);
            for (int row = 0; row < Rows(report); ++row) {
                // What the tooltip shows, as Qt shows it.
                const QModelIndex name = Cell(report, row, kColName);
                if (name.data().toString() == kMedianRow) continue;
                const QString tip = name.data(Qt::ToolTipRole).toString();
                QTextDocument shown;
                if (Qt::mightBeRichText(tip))
                    shown.setHtml(tip);
                else
                    shown.setPlainText(tip);
                tips << shown.toPlainText();
            }
            summary = report.L_Summary->text().split('\n');
            report.BB_SavePdf->click();
        });
        answers.Expect(ChooseIn(odd, "\"Anna.hist\" \"<i>Pere.hist\" \"notes.hist\""));
        answers.Expect(ChooseIn(out.path(), QStringLiteral("informe.pdf")));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(names, QStringList({"<i>Pere", "Anna"}));
        QCOMPARE(tips, QStringList({odd + "/<i>Pere.hist", odd + "/Anna.hist"}));
        QCOMPARE(summary.at(0), QStringLiteral("2 alumnes, 2 exercicis. Tots els exercicis."));
        QCOMPARE(summary.at(1), QString::fromUtf8("No són historials: ") + odd + "/notes.hist.");
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("<i>Pere")), qPrintable(text));
        QVERIFY(text.contains(odd + "/notes.hist"));
    }

    // Qt's own texts in Catalan: the file dialogs' labels and the print dialog's buttons.
    void qtTexts() {
        QVERIFY2(InstallQtCatalan(), "Qt's Catalan translation (qt6-translations-l10n) is needed");
        TTestFolder folder;
        TFTypewriting w;
        QStringList fileLabels, printButtons;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            report.BB_AddHistories->click();
            report.BB_SavePdf->click();
            report.BB_Print->click();
        });
        const auto labels = [&](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog))
                for (const auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                                         QFileDialog::Accept, QFileDialog::Reject})
                    fileLabels << files->labelText(label);
            return int(QDialog::Rejected);
        };
        answers.Expect(labels);
        answers.Expect(labels);
        answers.Expect([&](QDialog& dialog) {
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->isVisible() || !button->text().isEmpty()) printButtons << button->text();
            return int(QDialog::Rejected);
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(fileLabels, QString::fromUtf8("Cerca a:|&Nom de fitxer:|Fitxers de tipus:|&Obre|Cancel·la|"
                                               "Cerca a:|&Nom de fitxer:|Fitxers de tipus:|De&sa|Cancel·la")
                                 .split('|'));
        QVERIFY2(printButtons.contains(QStringLiteral("Im&primeix")), qPrintable(printButtons.join('|')));
        QVERIFY2(printButtons.contains(QString::fromUtf8("Cancel·la")), qPrintable(printButtons.join('|')));
    }

    // A learner's own page: one page of their figures and chart, no other learner;
    // the weekly trend drawn (its grey bars of minutes) and written.
    void learnerPdf() {
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir out;
        TFTypewriting w;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            // The weeks up to the range's end hold Anna's drills.
            report.CB_To->setChecked(true);
            report.DE_To->setDate(QDate(2024, 10, 14));
            report.TW_Learners->setCurrentIndex(
                Cell(report, static_cast<int>(Names(report).indexOf("Anna")), kColDrills));
            report.MI_SaveLearner->trigger();
            // The median row is no learner: nothing to save.
            report.TW_Learners->setCurrentIndex(Cell(report, Rows(report) - 1, kColDrills));
            report.MI_SaveLearner->trigger();
        });
        answers.Expect(ChooseIn(out.path(), QStringLiteral("anna.pdf")));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), out.filePath("anna.pdf"), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        // (pdftotext gives the type's ligatures as they are.)
        const QString flat = text.simplified().normalized(QString::NormalizationForm_KC);
        QVERIFY2(flat.startsWith(QStringLiteral("Anna Exercicis fins al 14/10/2024.")), qPrintable(flat));
        // (pdftotext may run a short cell's words together.)
        for (const QString& expected :
             {QStringLiteral("Exercicis 3 "), QStringLiteral("Primer dia 04/10/2024"),
              QString::fromUtf8("Caràcters febles \\(errades per cent\\) a ?5 ?%"),
              QString::fromUtf8("tecles/min – – – – 60 60; minuts 0 0 0 0 2 1"),
              QStringLiteral("Tecles per minut")})
            QVERIFY2(flat.contains(QRegularExpression(expected)), qPrintable(expected + " not in: " + flat));
        QVERIFY(!flat.contains(QString::fromUtf8("Núria")));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                        QStringLiteral("-singlefile"), out.filePath("anna.pdf"), out.filePath("anna")});
        QVERIFY(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0);
        const QImage page(out.filePath("anna.png"));
        QVERIFY(!page.isNull());
        // The bars: runs of their grey, wider than any antialiased edge of a letter or a line.
        int bars = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0, run = 0; x < page.width(); ++x) {
                run = page.pixel(x, y) == qRgb(0xC8, 0xC8, 0xC8) ? run + 1 : 0;
                bars += run == 6;
            }
        QVERIFY2(bars > 10, qPrintable(QString::number(bars)));
    }

    // Every learner's page at once, saved or printed to a file: the class's pages
    // (landscape) first, then one upright page per learner, in the table's order,
    // each opening with the learner's name.
    void allPages_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("Desa en PDF") << "MI_SaveAllPdf";
        QTest::newRow("Imprimeix, a un fitxer") << "MI_PrintAll";
    }
    void allPages() {
        QFETCH(QString, action);
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("tots.pdf"));
        QStringList names;
        TFTypewriting w;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            names = Names(report);
            report.findChild<QAction*>(action)->trigger();
        });
        answers.Expect(action == "MI_SaveAllPdf" ? ChooseIn(out.path(), QStringLiteral("tots"))
                                                 : PrintToFile(pdf));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
        pages.removeLast();  // after the last page break
        QCOMPARE(names.size(), 4);
        const qsizetype classPages = pages.size() - names.size();
        QVERIFY2(classPages >= 2, qPrintable(pages.join("\n----\n")));
        QVERIFY(pages.first().simplified().startsWith(QStringLiteral("Informe del grup")));
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                  QStringLiteral("-l"), QString::number(pages.size()), pdf});
        QVERIFY(pdfinfo.waitForFinished(30000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QString size =
                page < classPages ? QStringLiteral("842 x 595") : QStringLiteral("595 x 842");
            QVERIFY2(info.contains(
                         QRegularExpression(QStringLiteral("Page +%1 size: +%2").arg(page + 1).arg(size))),
                     qPrintable(info));
            if (page < classPages) continue;
            const QString name = names[page - classPages];
            QVERIFY2(pages[page].simplified().startsWith(name + QStringLiteral(" Tots els exercicis.")),
                     qPrintable(pages[page]));
            for (const QString& other : names)
                if (!name.contains(other)) QVERIFY2(!pages[page].contains(other), qPrintable(pages[page]));
        }
    }

    // Stopped as soon as the pages are being made, by Cancel·la (the window stays,
    // and the next try makes them all) or by Esc (which also closes the window): no
    // file, not even a part of one.
    void allPagesStopped_data() {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Cancel·la") << false;
        QTest::newRow("Esc") << true;
    }
    void allPagesStopped() {
        QFETCH(bool, byEsc);
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir out;
        bool shown = false, closed = false;
        QStringList stopped = {"?"}, again;
        TFTypewriting w;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            TOnShow once(report.BB_StopReading, [&] {
                if (std::exchange(shown, true)) return;
                QVERIFY(!report.TW_Learners->isEnabled() && report.PB_Reading->isVisible());
                if (byEsc)
                    QTest::keyClick(&report, Qt::Key_Escape);
                else
                    report.BB_StopReading->click();
            });
            report.MI_SaveAllPdf->trigger();
            stopped = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
            closed = !report.isVisible();
            if (byEsc) return;
            QVERIFY(report.TW_Learners->isEnabled() && !report.PB_Reading->isVisible());
            report.MI_SaveAllPdf->trigger();
            again = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        });
        answers.Expect(ChooseIn(out.path(), QStringLiteral("tots.pdf")));
        if (!byEsc) answers.Expect(ChooseIn(out.path(), QStringLiteral("tots.pdf")));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QVERIFY(shown);
        QCOMPARE(closed, byEsc);
        QCOMPARE(stopped, QStringList());
        if (!byEsc) QCOMPARE(again, QStringList({"tots.pdf"}));
    }

    // CSV: one row per drill or per learner, chosen in the dialog; a file of that
    // name is replaced only when agreed; a file that cannot be written gives the
    // general error report naming it.
    void csv() {
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir out;
        const QString csv = out.filePath("grup.csv");
        TFTypewriting w;
        w.show();
        QString title;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            for (int i = 0; i < 4; ++i) report.BB_SaveCsv->click();
        });
        // A name without its extension gets it.
        answers.Expect(ChooseIn(out.path(), "grup", "Un exercici per fila (*.csv)", &title));
        answers.Expect(ChooseIn(out.path(), "grup.csv", "Un alumne per fila (*.csv)"));
        answers.Expect(Answer(0));  // "No" to replacing it
        QByteArray keptByNo;
        answers.Expect([&](QDialog& dialog) {
            keptByNo = ReadFile(csv);
            return ChooseIn(out.path(), "grup.csv", "Un alumne per fila (*.csv)")(dialog);
        });
        answers.Expect([](QDialog& box) { return ClickButton(box, "Yes"); });
        answers.Expect(ChooseIn(out.path(), out.filePath("no/existeix.csv")));
        answers.Expect(Answer(0));  // the general error report
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(title, QStringLiteral("Desa l'informe com a CSV"));
        QCOMPARE(answers.Texts.at(3),
                 QString::fromUtf8("L'arxiu\n%1\nja existeix. Voleu substituir-lo?").arg(csv));
        QCOMPARE(answers.Texts.at(7), "No es pot crear el fitxer " + out.filePath("no/existeix.csv"));
        // The first file had a row per drill, kept when replacing it was refused.
        QVERIFY(
            keptByNo.startsWith("\xEF\xBB\xBF"
                                "Alumne;Carpeta;Data;"));
        QCOMPARE(keptByNo.count("\r\n"), 6);
        const QByteArray bytes = ReadFile(csv);
        QVERIFY(
            bytes.startsWith("\xEF\xBB\xBF"
                             "Alumne;Carpeta;Exercicis;"));
        // A learner a row: the shared history, Anna, Núria, Xavi.
        QCOMPARE(bytes.count("\r\n"), 5);
        QVERIFY(bytes.contains("\r\nAnna;"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"grup.csv"}));
    }

    void csvDrillRows() {
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QTemporaryDir out;
        TFTypewriting w;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            report.CB_From->setChecked(true);
            report.DE_From->setDate(QDate(2024, 10, 5));
            report.BB_SaveCsv->click();
        });
        answers.Expect(ChooseIn(out.path(), "exercicis.csv", "Un exercici per fila (*.csv)"));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        const QByteArray bytes = ReadFile(out.filePath("exercicis.csv"));
        QVERIFY(
            bytes.startsWith("\xEF\xBB\xBF"
                             "Alumne;Carpeta;Data;Font;"));
        // From the second day: Anna's days 1 and 9, Núria's day 2.
        QCOMPARE(bytes.count("\r\n"), 4);
        QCOMPARE(bytes.count("\r\nAnna;"), 2);
        QCOMPARE(bytes.count("2024-10-04"), 0);
    }

    // A sub-folder is a class, shown alone or with the others; the goals column
    // shows only while a class shown sets goals. The teacher's Esc in the goals
    // dialog writes nothing; D'acord writes the file and the table follows it.
    void classes() {
        TTestFolder folder;
        WriteSettingsHistories(folder);
        QVERIFY(QDir().mkpath(folder.Path("3A")));
        folder.Write(QStringLiteral("3A/Biel.hist"), History({9}));
        const QByteArray goalsFile("[Objectius]\r\nVelocitat=50\r\n");
        folder.Write(QStringLiteral("3A/classe.ini"), goalsFile);
        TFTypewriting w;
        QStringList classes, all, main, inClass, goalsWhole, classSummary, afterEsc, afterOk;
        bool goalsHiddenInMain = false, editInAll = true;
        QByteArray fileAfterEsc;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            for (int i = 0; i < report.CB_Class->count(); ++i) classes << report.CB_Class->itemText(i);
            all = Names(report);
            editInAll = report.BB_EditGoals->isEnabled();
            report.CB_Class->setCurrentIndex(1);
            main = Names(report);
            goalsHiddenInMain = report.TW_Learners->isColumnHidden(kColClassGoals);
            report.CB_Class->setCurrentIndex(2);
            inClass = Column(report, kColClassGoals) << Column(report, kColName);
            for (const int role : {int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
                goalsWhole << Cell(report, 0, kColClassGoals).data(role).toString();
            goalsWhole << report.TW_Learners->model()
                              ->headerData(kColClassGoals, Qt::Horizontal, Qt::ToolTipRole)
                              .toString();
            classSummary = report.L_Summary->text().split('\n');
            report.BB_EditGoals->click();
            fileAfterEsc = ReadFile(folder.Path("3A/classe.ini"));
            afterEsc = Column(report, kColClassGoals);
            report.BB_EditGoals->click();
            afterOk = Column(report, kColClassGoals) << Column(report, kColName);
            report.BB_ExportMoodle->click();
            // The main folder's learners have no goals to grade.
            report.CB_Class->setCurrentIndex(1);
            report.BB_ExportMoodle->click();
        });
        const auto escape = [](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] {
                auto* goals = qobject_cast<TFClassGoals*>(&dialog);
                if (!goals) return dialog.reject();
                // Typed into the first box, then Esc there.
                goals->SE_Speed->setValue(100);
                QTest::keyClick(goals->SE_Speed, Qt::Key_Escape);
            });
            return dialog.exec();
        };
        answers.Expect(escape);
        answers.Expect([](QDialog& dialog) {
            auto* goals = qobject_cast<TFClassGoals*>(&dialog);
            if (!goals) return int(QDialog::Rejected);
            goals->SE_Speed->setValue(100);
            goals->TW_Names->item(0, 1)->setText(QStringLiteral("Biel Roca"));
            return int(QDialog::Accepted);
        });
        QTemporaryDir out;
        answers.Expect(ChooseIn(out.path(), "notes"));
        answers.Expect(Answer(0));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(
            ReadFile(out.filePath("notes.csv")),
            QByteArray("Identificador,Alumne,Objectiu de velocitat (sobre 10)\r\nBiel,Biel Roca,6.0\r\n"));
        QVERIFY(answers.Texts.back().startsWith(QString::fromUtf8("Cap classe mostrada no té objectius")));
        const QString comu = QString::fromUtf8("(historial comú)");
        QCOMPARE(classes, QStringList({"Totes les classes", "(carpeta principal)", "3A"}));
        QCOMPARE(all, QStringList({comu, "Anna", "Biel", QString::fromUtf8("Núria"), "Xavi"}));
        QVERIFY(!editInAll);
        QCOMPARE(main, QStringList({comu, "Anna", QString::fromUtf8("Núria"), "Xavi"}));
        QVERIFY(goalsHiddenInMain);
        // The goals in short, told whole by the tooltip and to a screen reader, the letters by the title's
        // tooltip.
        QCOMPARE(inClass, QStringList({QString::fromUtf8("V✓"), "V 100%", "Biel", kMedianRow}));
        QVERIFY2(goalsWhole.at(0).contains(QString::fromUtf8(">velocitat sí<")),
                 qPrintable(goalsWhole.at(0)));
        QCOMPARE(goalsWhole.at(1), QString::fromUtf8("velocitat sí"));
        QVERIFY2(goalsWhole.at(2).contains(QStringLiteral(">V: velocitat, P: ")),
                 qPrintable(goalsWhole.at(2)));
        // The summary counts the class shown only.
        QCOMPARE(classSummary.at(0), QStringLiteral("1 alumne, 1 exercici. Tots els exercicis."));
        QCOMPARE(fileAfterEsc, goalsFile);
        QCOMPARE(afterEsc, QStringList({QString::fromUtf8("V✓"), "V 100%"}));
        QCOMPARE(afterOk, QStringList({QString::fromUtf8("V✗"), "V 0%", "Biel Roca", kMedianRow}));
        const QByteArray written = ReadFile(folder.Path("3A/classe.ini"));
        QVERIFY(written.contains("Velocitat=100\r\n") && written.contains("Biel=Biel Roca\r\n"));
    }

    // Sorting by any column, empty cells last; the range limits every figure.
    void sortAndRange() {
        TTestFolder folder;
        WriteSettingsHistories(folder);
        TFTypewriting w;
        QStringList byDrills, byDrillsDown, bySpeedChange, inRange, summary;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            QHeaderView* header = report.TW_Learners->horizontalHeader();
            header->setSortIndicator(kColDrills, Qt::AscendingOrder);
            byDrills = Names(report, true);
            header->setSortIndicator(kColDrills, Qt::DescendingOrder);
            byDrillsDown = Names(report, true);
            header->setSortIndicator(kColSpeedChange, Qt::AscendingOrder);
            bySpeedChange = Column(report, kColSpeedChange);
            header->setSortIndicator(kColName, Qt::AscendingOrder);
            report.CB_From->setChecked(true);
            report.DE_From->setDate(QDate(2024, 10, 5));
            report.CB_To->setChecked(true);
            report.DE_To->setDate(QDate(2024, 10, 6));
            inRange = Column(report, kColDrills);
            summary = report.L_Summary->text().split('\n');
            // The class heat map on the same scale for every class and range.
            const auto* heat = qobject_cast<const THeatKeyboard*>(report.P_ClassHeat);
            QVERIFY(heat && heat->FixedScale());
            QCOMPARE(heat->ScaleMaximum(), kClassHeatScale);
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        const QString comu = QString::fromUtf8("(historial comú)");
        // Xavi's history could not be read: no count, after every number.
        // Empty cells last in either order, and the class's median row after them.
        QCOMPARE(byDrills, QStringList({comu, QString::fromUtf8("Núria"), "Anna", "Xavi", kMedianRow}));
        QCOMPARE(byDrillsDown, QStringList({"Anna", comu, QString::fromUtf8("Núria"), "Xavi", kMedianRow}));
        QCOMPARE(bySpeedChange, QStringList({"0,0", "", "", "", "0,0"}));
        QCOMPARE(inRange, QStringList({"0", "1", "1", "", "1"}));
        QCOMPARE(summary.at(0),
                 QStringLiteral("4 alumnes, 2 exercicis. Exercicis del 05/10/2024 al 06/10/2024."));
        QCOMPARE(
            summary.at(1),
            QString::fromUtf8("1 historial no s'ha pogut llegir: en trobareu el motiu a «Observacions»."));
    }

    // What a teacher does while a school's figures for a new range are made (more
    // learners than the table takes at once): Esc closes the window, the figures
    // left unmade; another range gets its own figures; "Desa com a CSV..." waits for
    // the whole table.
    void whileFiguresAreMade_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("another range") << "range";
        QTest::newRow("CSV") << "csv";
    }
    void whileFiguresAreMade() {
        QFETCH(QString, meanwhile);
        constexpr int kLearners = 700;
        TTestFolder folder;
        for (int i = 0; i < kLearners; ++i)
            folder.Write(QStringLiteral("Alumne %1.hist").arg(i, 3, 10, QLatin1Char('0')), History({0, 5}));
        TFTypewriting w;
        QTemporaryDir out;
        bool closed = false;
        QString summary;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            // Done as soon as the window answers, which is while the figures are made.
            QTimer::singleShot(0, &report, [&] {
                if (meanwhile == "esc") QTest::keyClick(&report, Qt::Key_Escape);
                if (meanwhile == "range") report.DE_From->setDate(QDate(2024, 10, 10));
                if (meanwhile == "csv") report.BB_SaveCsv->click();
            });
            report.DE_From->setDate(QDate(2024, 10, 5));
            report.CB_From->setChecked(true);
            closed = !report.isVisible();
            summary = report.L_Summary->text().section(QLatin1Char('\n'), 0, 0);
        });
        if (meanwhile == "csv") answers.Expect(ChooseIn(out.path(), "grup"));
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(closed, meanwhile == "esc");
        // Closed, the new range's figures are left unmade.
        if (meanwhile == "esc")
            QCOMPARE(summary, QStringLiteral("700 alumnes, 1400 exercicis. Tots els exercicis."));
        if (meanwhile == "range")
            QCOMPARE(summary, QStringLiteral("700 alumnes, 0 exercicis. Exercicis des del 10/10/2024."));
        if (meanwhile == "csv") {
            QCOMPARE(summary, QStringLiteral("700 alumnes, 700 exercicis. Exercicis des del 05/10/2024."));
            QCOMPARE(ReadFile(out.filePath("grup.csv")).count("\r\nAlumne "), kLearners);
        }
    }

    // The teacher's columns: by default they fit a window 1,280 pixels wide, also
    // with a class's goals (each goal set, a long name the class gives) shown; a set
    // chosen in "Columnes..." (the menu staying open while the teacher ticks one
    // column with the mouse and another with the keyboard, until Esc) is what a
    // second opening shows, read from the settings.
    void columnsChosenAndKept_data() {
        QTest::addColumn<bool>("goals");
        QTest::newRow("no class goals") << false;
        QTest::newRow("a class with goals") << true;
    }
    void columnsChosenAndKept() {
        QFETCH(bool, goals);
        TTestFolder folder;
        WriteSettingsHistories(folder);
        if (goals) {
            QVERIFY(QDir().mkpath(folder.Path("3A")));
            folder.Write(QStringLiteral("3A/Biel.hist"), History({9}));
            folder.Write(QStringLiteral("3A/Pau.hist"), History({0, 9}));
            folder.Write(QStringLiteral("3A/classe.ini"),
                         "[Objectius]\r\nVelocitat=50\r\nPrecisio=99\r\nMinutsSetmana=90\r\nPas=12\r\n"
                         "PasAbans=2099-06-30\r\n[Noms]\r\nBiel=Biel Roca i Fontanals\r\n");
        }
        TFTypewriting w;
        int needed = 0, room = 0;
        QStringList choices;
        bool goalsShown = false;
        bool openAfterClick = false, openAfterKey = false, trendHiddenAtOnce = false, closedByEsc = false;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            report.resize(1280, 720);
            report.show();
            QCoreApplication::processEvents();
            needed = report.TW_Learners->horizontalHeader()->length();
            room = report.TW_Learners->viewport()->width();
            goalsShown = !report.TW_Learners->isColumnHidden(kColClassGoals);
            QMenu* menu = report.BB_Columns->menu();
            const auto item = [menu](const QString& text) {
                for (QAction* action : menu->actions())
                    if (action->text() == text) return action;
                return static_cast<QAction*>(nullptr);
            };
            QTimer::singleShot(0, menu, [&, menu] {
                QAction* trend = item(QString::fromUtf8("Tendència setmanal"));
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(trend).center());
                openAfterClick = menu->isVisible();
                trendHiddenAtOnce = report.TW_Learners->isColumnHidden(kColTrend);
                for (int i = 0; i < 30 && menu->activeAction() != item(QStringLiteral("Primer dia")); ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Space);
                openAfterKey = menu->isVisible();
                QTest::keyClick(menu, Qt::Key_Escape);
            });
            // The teacher opens the menu from the keyboard.
            QTest::keyClick(report.BB_Columns, Qt::Key_Space);
            closedByEsc = !menu->isVisible();
            for (QAction* action : menu->actions())
                if (action->isCheckable()) choices << action->text() + (action->isChecked() ? "+" : "-");
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(room)));
        QCOMPARE(goalsShown, goals);
        QVERIFY(openAfterClick && trendHiddenAtOnce && openAfterKey && closedByEsc);
        QVERIFY(choices.contains(QString::fromUtf8("Tendència setmanal-")));
        QVERIFY(choices.contains(QStringLiteral("Primer dia+")));
        std::vector<bool> hidden;
        OnReport(answers, [&](TFGroupReport& report) {
            for (int column = 0; column < kReportColumnCount; ++column)
                hidden.push_back(report.TW_Learners->isColumnHidden(column));
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QVERIFY(hidden.at(kColTrend) && !hidden.at(kColFirstDay));
        QVERIFY(!hidden.at(kColName) && hidden.at(kColLastDay) && !hidden.at(kColWordsLast));
    }

    // A double click, or Enter on the learner's row, shows the learner's progress,
    // without the button that would start a drill on another learner's weak keys.
    void learnerProgress_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("double click") << false;
        QTest::newRow("Enter") << true;
    }
    void learnerProgress() {
        QFETCH(bool, byKey);
        TTestFolder folder;
        WriteSettingsHistories(folder);
        TFTypewriting w;
        QString title, drills;
        bool practice = true;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            report.show();
            QVERIFY(QTest::qWaitForWindowExposed(&report));
            const QStringList names = Names(report);
            const int row = static_cast<int>(names.indexOf("Anna"));
            QTableView* table = report.TW_Learners;
            if (byKey) {
                QVERIFY(QTest::qWaitForWindowActive(&report));
                table->setFocus();
                table->setCurrentIndex(Cell(report, row, kColDrills));
                QTest::keyClick(table, Qt::Key_Return);
                return;
            }
            const QPoint at = table->visualRect(Cell(report, row, kColDrills)).center();
            // The events of a double click as a window system sends them.
            QWidget* viewport = table->viewport();
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
                QApplication::sendEvent(viewport, &event);
            }
        });
        answers.Expect([&](QDialog& dialog) {
            auto* progress = qobject_cast<TFProgress*>(&dialog);
            if (!progress) return int(QDialog::Rejected);
            title = progress->windowTitle();
            drills = progress->L_Summary->text();
            practice = progress->BB_PracticeWeakKeys != nullptr || progress->L_WeakKeysHint != nullptr;
            return int(QDialog::Rejected);
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(title, QString::fromUtf8("Progrés: Anna"));
        QCOMPARE(drills, QStringLiteral("Exercicis recordats: 3"));
        QVERIFY(!practice);
    }

    // F1 and the help button open the help at the report's topic.
    void help() {
        TTestFolder folder;
        TFTypewriting w;
        std::vector<int> contexts;
        const THelpContextViewer previous =
            SetHelpContextViewer([&](int context) { contexts.push_back(context); });
        QString summary;
        TDialogAnswers answers;
        OnReport(answers, [&](TFGroupReport& report) {
            summary = report.L_Summary->text();
            report.show();
            report.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&report));
            QTest::keyClick(&report, Qt::Key_F1);
            report.BB_Help->click();
        });
        Child<QAction>(w, "MI_F_GroupReport")->trigger();
        SetHelpContextViewer(previous);
        QCOMPARE(contexts, std::vector<int>({kGroupReportHelpContext, kGroupReportHelpContext}));
        // No history yet: the window says where it looked.
        QVERIFY2(
            summary.startsWith(QString::fromUtf8("No hi ha cap historial a la carpeta de configuració (") +
                               folder.Path("")),
            qPrintable(summary));
    }
};

QTEST_MAIN(TestGroupReportWindow)
#include "tst_group_report_window.moc"
