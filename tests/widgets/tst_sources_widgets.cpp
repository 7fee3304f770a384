// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The three exercise sources on the real window, offscreen: the pattern list and
// random words, an exercise file chosen in the file dialog, the real clipboard, and
// the controls each exercise type enables or shows.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shell/application.h"
#include "shell/exercise_sources.h"
#include "shell/settings_module.h"
#include "shell/typewriting_window.h"
#include "util/app_error.h"
#include "widget_test_support.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Joined(const TWordList& words) {
    QByteArray all;
    for (const std::string& w : words.ToVector())
        all += "[" + QByteArray(w.data(), qsizetype(w.size())) + "]";
    return all;
}

int Answer(QDialog&) {
    return 0;
}

// What the open dialog was set up with.
struct TDialogSetup {
    QStringList Filters;
    QString Suffix;
    int Mode = -1;
    bool NonNative = false;
    bool SizeGrip = false;
};

// Chooses a file in the open dialog and accepts it, as the user would.
TDialogAnswers::TAnswer ChooseFile(QString path, TDialogSetup* seen = nullptr) {
    return [path, seen](QDialog& dialog) {
        auto* fd = qobject_cast<QFileDialog*>(&dialog);
        if (!fd) return int(QDialog::Rejected);
        if (seen)
            *seen = {fd->nameFilters(), fd->defaultSuffix(), int(fd->fileMode()),
                     fd->testOption(QFileDialog::DontUseNativeDialog), fd->isSizeGripEnabled()};
        fd->selectFile(path);
        QMetaObject::invokeMethod(fd, "accept");
        return fd->result();
    };
}

const QByteArray kPatterns = "Fila de base\tasdfjkl\xF1\r\nVocals\taeiou\r\n";

}  // namespace

// How unreadableExercise makes the chosen file unreadable.
enum TUnreadable { Deleted, Folder, TooLarge };

class TestSourcesWidgets : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TModIniLS> FSettings;
    std::unique_ptr<TFTypewriting> FWindow;
    QString FOldCurrent;

    QString Path(const char* name) const { return FDir->filePath(QString::fromUtf8(name)); }

    // Unless a test put it there, the default exercise is missing: the window says so
    // once and remembers no exercise.
    TFTypewriting& Window() {
        if (!FWindow) {
            TDialogAnswers startup;
            startup.Expect(Answer);
            FWindow = std::make_unique<TFTypewriting>();
        }
        return *FWindow;
    }

  private slots:
    void init() {
        FOldCurrent = QDir::currentPath();
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        QVERIFY(QFile::copy(TECLARIUM_DATA_DIR "/KeyMapping.txt", Path("KeyMapping.txt")));
        QVERIFY(QDir::setCurrent(FDir->path()));
        FSettings =
            std::make_unique<TModIniLS>(QFile::encodeName(FDir->path() + '/').toStdString(), "Teclarium");
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        FWindow.reset();
        FSettings.reset();
        QDir::setCurrent(FOldCurrent);
        FDir.reset();
    }

    void typeControls_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("load");
        QTest::addColumn<bool>("pattern");
        QTest::addColumn<bool>("repeatLine");
        QTest::addColumn<bool>("repeatWord");
        QTest::addColumn<bool>("drill");
        QTest::newRow("exercise file") << "RB_Tcm" << true << false << true << false << false;
        QTest::newRow("random words") << "RB_RandomWords" << false << true << false << true << false;
        QTest::newRow("clipboard") << "RB_CopyFromClipboard" << false << false << true << false << true;
    }
    void typeControls() {
        QFETCH(QString, button);
        QFETCH(bool, load);
        QFETCH(bool, pattern);
        QFETCH(bool, repeatLine);
        QFETCH(bool, repeatWord);
        QFETCH(bool, drill);
        QGuiApplication::clipboard()->setText("hola");
        TFTypewriting& w = Window();
        // Start from the opposite state, so that every control must change.
        Child<QPushButton>(w, "BB_Load")->setEnabled(!load);
        w.Sources().SetPatternControlsEnabled(!pattern);
        w.Sources().SetRepeatLineVisible(!repeatLine);
        Child<QCheckBox>(w, "CB_RepeatWord")->setVisible(!repeatWord);
        TDialogAnswers answers;
        w.findChild<QRadioButton*>(button)->click();
        QCOMPARE(answers.Shown(), 0);
        QCOMPARE(Child<QPushButton>(w, "BB_Load")->isEnabled(), load);
        for (QWidget* c : {static_cast<QWidget*>(Child<QLabel>(w, "L_PatternChars")),
                           static_cast<QWidget*>(Child<QListWidget>(w, "LB_PatternChars")),
                           static_cast<QWidget*>(Child<QLabel>(w, "L_CharsCount")),
                           static_cast<QWidget*>(Child<QSpinBox>(w, "SE_CharsCount")),
                           static_cast<QWidget*>(Child<QLabel>(w, "L_WordsCount")),
                           static_cast<QWidget*>(Child<QSpinBox>(w, "SE_WordsCount"))})
            QVERIFY2(c->isEnabled() == pattern, qPrintable(c->objectName()));
        QCOMPARE(!Child<QSpinBox>(w, "SE_RepeatLine")->isHidden(), repeatLine);
        QCOMPARE(!Child<QLabel>(w, "L_RepeatLine")->isHidden(), repeatLine);
        QCOMPARE(!Child<QCheckBox>(w, "CB_RepeatWord")->isHidden(), repeatWord);
        QCOMPARE(w.Drill().DrillRunning(), drill);
        // Clicking the selected button again does nothing more.
        w.Drill().SetWordList({"abans"});
        w.findChild<QRadioButton*>(button)->click();
        QCOMPARE(Joined(w.Drill().WordList()), QByteArray("[abans]"));
    }

    void patternFileFills_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("good file") << kPatterns << QStringList{"Fila de base", "Vocals"} << 2 << QString();
        QTest::newRow("bad third line")
            << kPatterns + "x\ta bc\r\nZ\tzzz\r\n"
            << QStringList{"Fila de base", "Vocals"} << 0
            << QString::fromUtf8(
                   "Patró incorrecte a la línia 2 de CharsToType.txt:\nno hi pot haver-hi l'espai");
        QTest::newRow("empty file") << QByteArray() << QStringList{} << 0 << QString();
    }
    void patternFileFills() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        QFETCH(int, lines);
        QFETCH(QString, message);
        WriteFile(Path("CharsToType.txt"), content);
        TFTypewriting& w = Window();
        TDialogAnswers answers;
        if (!message.isEmpty()) answers.Expect(Answer);
        w.Sources().ReadPatternFile();
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(answers.AllAnswered());
        if (!message.isEmpty()) QCOMPARE(answers.Texts.at(0), message);
        QStringList listed;
        for (int i = 0; i < Child<QListWidget>(w, "LB_PatternChars")->count(); ++i)
            listed << Child<QListWidget>(w, "LB_PatternChars")->item(i)->text();
        QCOMPARE(listed, names);
        QCOMPARE(int(w.Sources().PatternCount()), lines);
    }

    // The pattern file and the exercises that ship with the program are all usable.
    void shippedData() {
        QVERIFY(QFile::copy(TECLARIUM_DATA_DIR "/CharsToType.txt", Path("CharsToType.txt")));
        TFTypewriting& w = Window();
        TDialogAnswers answers;
        w.Sources().ReadPatternFile();
        QCOMPARE(answers.Shown(), 0);
        QVERIFY(Child<QListWidget>(w, "LB_PatternChars")->count() > 10);
        QCOMPARE(std::size_t(Child<QListWidget>(w, "LB_PatternChars")->count()), w.Sources().PatternCount());
        Child<QRadioButton>(w, "RB_RandomWords")->click();
        Child<QSpinBox>(w, "SE_CharsCount")->setValue(9);
        for (int row = 0; row < Child<QListWidget>(w, "LB_PatternChars")->count(); ++row) {
            Child<QListWidget>(w, "LB_PatternChars")->setCurrentRow(row);
            Child<QPushButton>(w, "BB_Play")->click();
            QVERIFY2(w.Drill().DrillRunning(),
                     qPrintable(Child<QListWidget>(w, "LB_PatternChars")->item(row)->text()));
        }
        Child<QRadioButton>(w, "RB_Tcm")->click();
        const QStringList exercises = QDir(TECLARIUM_DATA_DIR).entryList({"*.tcm"}, QDir::Files);
        QVERIFY(exercises.contains("11.tcm"));
        for (const QString& name : exercises) {
            w.Sources().SetTcmFileName(
                QFile::encodeName(QDir(TECLARIUM_DATA_DIR).filePath(name)).toStdString());
            w.Drill().SetWordList({});
            Child<QPushButton>(w, "BB_Play")->click();
            QVERIFY2(w.Drill().WordList().size() > 20, qPrintable(name));
        }
        QCOMPARE(answers.Shown(), 0);
    }

    void missingPatternFile() {
        TFTypewriting& w = Window();
        TDialogAnswers answers;
        answers.Expect(Answer);
        w.Sources().ReadPatternFile();
        QCOMPARE(answers.Texts, std::vector<QString>{"No s'ha trobat l'arxiu 'CharsToType.txt'"});
        QCOMPARE(Child<QListWidget>(w, "LB_PatternChars")->count(), 0);
    }

    void randomWordsStartDrill() {
        WriteFile(Path("CharsToType.txt"), kPatterns);
        TFTypewriting& w = Window();
        w.Sources().ReadPatternFile();
        Child<QRadioButton>(w, "RB_RandomWords")->click();
        Child<QListWidget>(w, "LB_PatternChars")->setCurrentRow(1);
        Child<QSpinBox>(w, "SE_CharsCount")->setValue(4);
        Child<QSpinBox>(w, "SE_WordsCount")->setValue(7);
        TDialogAnswers answers;
        Child<QPushButton>(w, "BB_Play")->click();
        QCOMPARE(answers.Shown(), 0);
        QVERIFY(w.Drill().DrillRunning());
        const auto& words = w.Drill().WordList();
        QCOMPARE(words.size(), std::size_t(7));
        for (std::string_view word : words) {
            QCOMPARE(word.size(), std::size_t(4));
            QVERIFY2(word.find_first_not_of("aeiou") == std::string::npos, std::string(word).c_str());
        }
        QCOMPARE(w.Drill().CurrentWord(), words[0]);
    }

    // Without a usable pattern: the message, the focus on the list, nothing else.
    void randomWordsWithoutPattern_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("select");
        QTest::newRow("no pattern file") << QByteArray() << -1;
        QTest::newRow("nothing selected") << kPatterns << -1;
        QTest::newRow("name left after a bad line") << kPatterns + "\r\n" << 0;
    }
    void randomWordsWithoutPattern() {
        QFETCH(QByteArray, content);
        QFETCH(int, select);
        if (!content.isEmpty()) WriteFile(Path("CharsToType.txt"), content);
        TFTypewriting& w = Window();
        {
            TDialogAnswers fileMessages;
            if (content.isEmpty() || content.endsWith("\r\n\r\n")) fileMessages.Expect(Answer);
            w.Sources().ReadPatternFile();
            QVERIFY(fileMessages.AllAnswered());
        }
        Child<QRadioButton>(w, "RB_RandomWords")->click();
        Child<QListWidget>(w, "LB_PatternChars")->setCurrentRow(select);
        Child<QPushButton>(w, "BB_Play")->setFocus();
        w.Drill().SetWordList({"abans"});
        TDialogAnswers answers;
        answers.Expect(Answer);
        Child<QPushButton>(w, "BB_Play")->click();
        QCOMPARE(answers.Texts,
                 std::vector<QString>{QString::fromUtf8("Heu d'escollir un patró de paraules")});
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(Child<QListWidget>(w, "LB_PatternChars")));
        QCOMPARE(Joined(w.Drill().WordList()), QByteArray("[abans]"));
        QVERIFY(!w.Drill().DrillRunning());
    }

    void exerciseChosenInDialog() {
        WriteFile(Path("frases.tcm"), "el gat\r\nmenja peix,\tsempre\n");
        TFTypewriting& w = Window();
        Child<QRadioButton>(w, "RB_Tcm")->click();
        Child<QSpinBox>(w, "SE_RepeatLine")->setValue(0);
        TDialogAnswers answers;
        TDialogSetup seen;
        answers.Expect(ChooseFile(Path("frases.tcm"), &seen));
        Child<QPushButton>(w, "BB_Load")->click();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected(), 0);
        QCOMPARE(seen.Filters, QStringList{"Arxius de teclarium (*.tcm)"});
        QCOMPARE(seen.Suffix, QString("tcm"));
        QCOMPARE(seen.Mode, int(QFileDialog::ExistingFile));
        QVERIFY(seen.NonNative);
        QVERIFY(seen.SizeGrip);
        QCOMPARE(QString::fromStdString(w.Sources().TcmFileName()), Path("frases.tcm"));
        QCOMPARE(Child<QLabel>(w, "L_TcmFN")->text(), QString("frases"));
        QCOMPARE(Joined(w.Drill().WordList()),
                 QByteArray("[el][gat][el][gat][menja][peix,][sempre][menja][peix,][sempre]"));
        QVERIFY(w.Drill().DrillRunning());

        // The start button reads the file again, with the repetition of that moment.
        WriteFile(Path("frases.tcm"), "nou");
        Child<QSpinBox>(w, "SE_RepeatLine")->setValue(8);
        Child<QPushButton>(w, "BB_Play")->click();
        QCOMPARE(w.Drill().WordList().ToVector(), std::vector<std::string>(10, "nou"));
    }

    // A chosen exercise file whose name holds line breaks is drilled, and the user
    // is told that it will not be remembered.
    void exerciseNameWithLineBreaks() {
        const QString name = QString::fromUtf8("a\nVKFontSize=72\n[Options]\nb.tcm");
        WriteFile(FDir->filePath(name), "hola");
        TFTypewriting& w = Window();
        Child<QRadioButton>(w, "RB_Tcm")->click();
        TDialogAnswers answers;
        answers.Expect(ChooseFile(FDir->filePath(name)));
        QString warning;
        answers.Expect([&](QDialog& d) {
            warning = d.windowTitle() + ": " + DialogText(d);
            return ClickButton(d, "OK");
        });
        Child<QPushButton>(w, "BB_Load")->click();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(warning,
                 QString::fromUtf8("Compte: El nom de l'arxiu '%1' conté un salt de línia i no es pot "
                                   "desar a la configuració: l'exercici es fa igualment, però no es "
                                   "recordarà en tornar a obrir el programa")
                     .arg(FDir->filePath(name)));
        QVERIFY(w.Drill().DrillRunning());
        QCOMPARE(Joined(w.Drill().WordList()).left(6), QByteArray("[hola]"));
    }

    void dialogStartsAtCurrentFile() {
        QDir(FDir->path()).mkdir("exercicis");
        WriteFile(Path("exercicis/11.tcm"), "hola");
        TFTypewriting& w = Window();
        w.Sources().SetTcmFileName("exercicis/11.tcm");
        QString directory;
        TDialogAnswers answers;
        answers.Expect([&](QDialog& d) {
            directory = static_cast<QFileDialog&>(d).directory().absolutePath();
            return int(QDialog::Rejected);
        });
        w.Sources().BB_LoadClick();
        QCOMPARE(directory, QDir(Path("exercicis")).absolutePath());
    }

    void cancelChangesNothing() {
        TFTypewriting& w = Window();
        w.Sources().SetTcmFileName("abans.tcm");
        Child<QLabel>(w, "L_TcmFN")->setText("abans");
        w.Drill().SetWordList({"abans"});
        TDialogAnswers answers;
        answers.Expect([](QDialog&) { return int(QDialog::Rejected); });
        w.Sources().BB_LoadClick();
        QCOMPARE(w.Sources().TcmFileName(), std::string("abans.tcm"));
        QCOMPARE(Child<QLabel>(w, "L_TcmFN")->text(), QString("abans"));
        QCOMPARE(Joined(w.Drill().WordList()), QByteArray("[abans]"));
    }

    void noExerciseChosenAsksForOne() {
        WriteFile(Path("b\xC3\xA0sic.tcm"), "a\r\n");
        TFTypewriting& w = Window();
        Child<QRadioButton>(w, "RB_Tcm")->click();
        w.Sources().SetTcmFileName({});
        TDialogAnswers answers;
        answers.Expect(Answer);
        answers.Expect(ChooseFile(Path("b\xC3\xA0sic.tcm")));
        Child<QPushButton>(w, "BB_Play")->click();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Texts.at(0), QString("Primer heu de carregar un exercici"));
        QCOMPARE(Child<QLabel>(w, "L_TcmFN")->text(), QString::fromUtf8("bàsic"));
        QVERIFY(w.Drill().DrillRunning());
    }

    void exerciseWithoutSuitableWords_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("blank lines") << QByteArray("  \r\n\t\r\n\r\n");
        QTest::newRow("words too long") << QByteArray("abcdefghijk meravellosament");
        QTest::newRow("words with control bytes") << QByteArray("a\x01 b\0c \x1A", 8);
    }
    void exerciseWithoutSuitableWords() {
        QFETCH(QByteArray, content);
        WriteFile(Path("buit.tcm"), content);
        TFTypewriting& w = Window();
        Child<QRadioButton>(w, "RB_Tcm")->click();
        w.Sources().SetTcmFileName("buit.tcm");
        w.Drill().SetWordList({"abans"});
        TDialogAnswers answers;
        answers.Expect(Answer);
        Child<QPushButton>(w, "BB_Play")->click();
        QCOMPARE(
            answers.Texts,
            std::vector<QString>{QString::fromUtf8("No hi ha cap paraula o cap d'adequada en l'exercici")});
        QCOMPARE(Joined(w.Drill().WordList()), QByteArray("[abans]"));
        QVERIFY(!w.Drill().DrillRunning());
        QCOMPARE(Child<QLabel>(w, "L_TcmFN")->text(), QString("buit"));
    }

    // A file that cannot be read, or one far too large to be an exercise: the
    // general error report, and the list and the label keep what they held.
    void unreadableExercise_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("deleted after choosing") << int(Deleted) << "No es pot obrir el fitxer %1";
        QTest::newRow("a folder of that name") << int(Folder) << "No es pot obrir el fitxer %1";
        QTest::newRow("129 MB") << int(TooLarge)
                                << QString::fromUtf8(
                                       "L'arxiu %1 és massa gran (129 MB): no pot passar de 128 MB");
    }
    void unreadableExercise() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        WriteFile(Path("11.tcm"), "el gat");
        TFTypewriting& w = Window();
        Child<QRadioButton>(w, "RB_Tcm")->click();
        w.Sources().SetTcmFileName(QFile::encodeName(Path("11.tcm")).toStdString());
        TDialogAnswers answers;
        Child<QPushButton>(w, "BB_Play")->click();
        const TWordList before = w.Drill().WordList();
        QVERIFY(!before.empty());
        if (kind == TooLarge)
            QVERIFY(QFile::resize(Path("11.tcm"), (qint64(128) << 20) + 1));  // sparse: no disk used
        else
            QVERIFY(QFile::remove(Path("11.tcm")));
        if (kind == Folder) QVERIFY(QDir(FDir->path()).mkdir("11.tcm"));
        Child<QLabel>(w, "L_TcmFN")->setText("abans");

        QVERIFY_THROWS_EXCEPTION(TAppError, w.Sources().LoadExercise());
        // Through the application's event dispatch it becomes the general report.
        answers.Expect([](QDialog& d) { return d.windowTitle() == "Teclarium" ? 0 : -1; });
        QTimer::singleShot(0, Child<QPushButton>(w, "BB_Play"), &QPushButton::click);
        QTRY_COMPARE(answers.Shown(), 1);
        QCOMPARE(answers.Texts.at(0), message.arg(Path("11.tcm")));
        QVERIFY(w.Drill().WordList() == before);
        QCOMPARE(Child<QLabel>(w, "L_TcmFN")->text(), QString("abans"));
    }

    void clipboardWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QString>("warning");  // empty: none
        QTest::newRow("CR LF lines") << "ab cd\r\nef" << 0 << QByteArray("[ab][cd][ab][cd][ef][ef]") << "";
        QTest::newRow("LF lines stay lines") << "ab cd\nef\n"
                                             << 0 << QByteArray("[ab][cd][ab][cd][ef][ef]") << "";
        QTest::newRow("accents become bytes")
            << QString::fromUtf8("Això és") << 1
            << QByteArray("[Aix\xF2][\xE9s][Aix\xF2][\xE9s][Aix\xF2][\xE9s]") << "";
        QTest::newRow("decomposed accent composed, character outside the code page named and left out")
            << QString::fromUtf8("a€b ∑ cafe\u0301") << 0
            << QByteArray("[a\x80\x62][caf\xE9][a\x80\x62][caf\xE9]")
            << QString::fromUtf8(
                   "El caràcter «∑» del portapapers no existeix en Windows-1252, la codificació "
                   "del programa: les paraules que el tenen no es fan");
    }
    void clipboardWords() {
        QFETCH(QString, text);
        QFETCH(int, repeat);
        QFETCH(QByteArray, words);
        QFETCH(QString, warning);
        TFTypewriting& w = Window();
        Child<QSpinBox>(w, "SE_RepeatLine")->setValue(repeat);
        QGuiApplication::clipboard()->setText(text);
        TDialogAnswers answers;
        if (!warning.isEmpty()) answers.Expect(Answer);
        Child<QRadioButton>(w, "RB_CopyFromClipboard")->click();
        QCOMPARE(answers.Texts, warning.isEmpty() ? std::vector<QString>() : std::vector<QString>{warning});
        QCOMPARE(Joined(w.Drill().WordList()), words);
        QVERIFY(w.Drill().DrillRunning());
    }

    void clipboardWithoutWords_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no text") << QString();
        QTest::newRow("blank") << " \t\r\n\n";
        QTest::newRow("long words") << "abcdefghijk\nmeravellosament";
        QTest::newRow("nothing Windows-1252 holds") << QString::fromUtf8("∑ 日本");
    }
    // The message, and the list that was there stays in place.
    void clipboardWithoutWords() {
        QFETCH(QString, text);
        if (!text.isNull()) QGuiApplication::clipboard()->setText(text);
        TFTypewriting& w = Window();
        w.Drill().SetWordList({"abans"});
        TDialogAnswers answers;
        answers.Expect(Answer);
        answers.Expect(Answer);
        Child<QRadioButton>(w, "RB_CopyFromClipboard")->click();  // selecting the type reads the clipboard
        QCOMPARE(answers.Shown(), 1);
        Child<QPushButton>(w, "BB_Play")->click();
        const QString message = QString::fromUtf8("No hi ha cap paraula adequada en el portapapers");
        QCOMPARE(answers.Texts, (std::vector<QString>{message, message}));
        QVERIFY(!w.Drill().DrillRunning());
        QCOMPARE(Joined(w.Drill().WordList()), QByteArray("[abans]"));
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestSourcesWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sources_widgets.moc"
