// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The drill history: its line format, the file's damage cases, the per-character
// counting over typed drills, the weak characters and the keys' error rates.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <optional>

#include "drill_fixture.h"
#include "progress/drill_recorder.h"
#include "progress/history_file.h"
#include "progress/weak_chars.h"
#include "thrown_text.h"
#include "util/files.h"

using namespace teclarium;
using namespace teclarium::test;

namespace {

std::string Bytes(const QByteArray& b) {
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// A record's line with the given figures and per-character field.
std::string Line(const std::string& chars, const std::string& correct = "10",
                 const std::string& wrong = "2") {
    return "2026-12-07 10:44:14\tfitxer.tcm\t3\t" + correct + "\t" + wrong +
           "\t0\t12.5\t0.0\t4.1\t14.4\t48\t" + chars;
}

TCharStats StatsOf(const std::string& chars) {
    TDrillRecord record;
    if (!ParseRecord(Line(chars), record)) qFatal("bad test line");
    TCharStats stats;
    stats.Add(record);
    return stats;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// While it lives, writing a file beyond the given size fails as on a full disk.
class TFileSizeLimit {
  public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FOld);
        FOldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FOld;
        limit.rlim_cur = std::min(bytes, FOld.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldSignal);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

  private:
    rlimit FOld{};
    void (*FOldSignal)(int) = SIG_DFL;
};

// Whether the process comes to wait for a file lock (as /proc/locks lists its waiters:
// "1: -> FLOCK  ADVISORY  WRITE <pid> ..."), within ten seconds.
bool WaitsForLock(pid_t pid) {
    const std::string waiting = " " + std::to_string(pid) + " ";
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);)
            if (line.find("->") != std::string::npos && line.find(waiting) != std::string::npos) return true;
        QThread::msleep(1);
    }
    return false;
}

}  // namespace

class TestProgressHistory : public QObject {
    Q_OBJECT

  private slots:
    void recordRoundTrip_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("no characters") << 0
                                       << QByteArray(
                                              "1970-01-01 00:00:00\tportapapers\t0\t0\t0\t0\t0.0\t0.0"
                                              "\t0.0\t0.0\t0\t{}\t{}");
        QTest::newRow("figures and counts")
            << 1
            << QByteArray(
                   "2026-12-07 10:44:14\tDigits 1-5\t5\t27\t3\t2\t25.3\t7.0\t5.0\t11.9\t64\t"
                   "{a=12/2[s*1,\xE0*1] \x80=1/0 \xE0=3/1[a*1]}\t{a=2150:9 \xE0=900:2}");
        QTest::newRow("the format's marks and controls escaped, tab and line breaks in the source")
            << 2
            << QByteArray(
                   "1999-12-31 23:59:59\tnom  amb tabulador \t1\t4294967295\t3\t0\t6553.5\t0.1\t0.0\t0.1\t0\t"
                   "{#23=0/2[#08*1,#20*1] 1=0/0 #3D=1/1[#7B*1]}\t{#3D=4294967295:1}");
    }
    void recordRoundTrip() {
        QFETCH(int, which);
        QFETCH(QByteArray, line);
        TDrillRecord records[3];
        records[0].Source = "portapapers";
        TDrillRecord& r1 = records[1];
        r1.When = *ParseDateTime("2026-12-07 10:44:14");
        r1.Source = "Digits 1-5";
        r1.Words = 5, r1.CorrectKeys = 27, r1.WrongKeys = 3, r1.OmittedWords = 2;
        r1.CountedTenths = 253, r1.PauseTenths = 70, r1.SecondsPerWordTenths = 50,
        r1.WordsPerMinuteTenths = 119;
        r1.KeysPerMinute = 64;
        r1.Chars = {{'a', 12, 2, 9, 2150}, {0x80, 1, 0}, {0xE0, 3, 1, 2, 900}};
        r1.Misses = {{'a', 's', 1}, {'a', 0xE0, 1}, {0xE0, 'a', 1}};
        TDrillRecord& r2 = records[2];
        r2.When = 946684799;
        r2.Source = "nom\r\namb\ttabulador\n";
        r2.Words = 1, r2.CorrectKeys = 4294967295u, r2.WrongKeys = 3;
        r2.CountedTenths = 65535, r2.PauseTenths = 1, r2.WordsPerMinuteTenths = 1;
        r2.Chars = {{'#', 0, 2}, {'1', 0, 0}, {'=', 1, 1, 1, 4294967295u}};
        r2.Misses = {{'#', 8, 1}, {'#', ' ', 1}, {'=', '{', 1}};

        TDrillRecord& record = records[which];
        QCOMPARE(FormatRecord(record), Bytes(line));
        TDrillRecord read;
        read.Chars = {{'z', 1, 1}};  // storage is reused, never added to
        QVERIFY(ParseRecord(Bytes(line), read));
        if (which == 2) record.Source = "nom  amb tabulador ";
        QVERIFY(read == record);
    }

    void damagedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("drills");
        QTest::addColumn<int>("badLines");
        QTest::addColumn<int>("correctKeys");
        QTest::addColumn<bool>("newer");
        const QByteArray header = QByteArray::fromStdString(std::string(kHistoryHeader)) + "\r\n";
        const QByteArray good = QByteArray::fromStdString(Line("{a=10/2[s*2]}")) + "\r\n";
        QByteArray version2 = header;  // one version newer than this program's
        version2.replace("#historial 2\t", "#historial 3\t");
        QTest::newRow("a newer version: nothing read") << version2 + good + good << 0 << 0 << 0 << true;
        QTest::newRow("a newer version, cut header") << QByteArray("#historial 12") << 0 << 0 << 0 << true;
        QTest::newRow("a header without a number") << "#historial x\r\n" + good << 1 << 0 << 10 << false;
        QTest::newRow("empty") << QByteArray() << 0 << 0 << 0 << false;
        QTest::newRow("header only") << header << 0 << 0 << 0 << false;
        QTest::newRow("two drills") << header + good + good << 2 << 0 << 20 << false;
        QTest::newRow("no header, LF line ends")
            << QByteArray(good).replace("\r\n", "\n") << 1 << 0 << 10 << false;
        QTest::newRow("cut last line") << header + good + good.left(20) << 1 << 1 << 10 << false;
        QTest::newRow("cut line ended by a later append")
            << header + good.left(good.size() - 4) + "\r\n" + good << 1 << 1 << 10 << false;
        QTest::newRow("garbage between drills")
            << header + good + "\xFF res\r\n" + good << 2 << 1 << 20 << false;
        QTest::newRow("blank line") << header + "\r\n" + good << 1 << 0 << 10 << false;
        QTest::newRow("a second header is damage") << header + header + good << 1 << 1 << 10 << false;
        QTest::newRow("impossible date")
            << QByteArray::fromStdString("2026-02-30 10:00:00" + Line("{}").substr(19) + "\r\n") << 0 << 1
            << 0 << false;
        QTest::newRow("number too large")
            << QByteArray::fromStdString(Line("{}", "4294967296") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("missing field")
            << QByteArray::fromStdString(Line("{}").substr(20) + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("misses that do not add up to the wrong keys")
            << QByteArray::fromStdString(Line("{a=10/2[s*1]}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("wrong keys without what was typed")
            << QByteArray::fromStdString(Line("{a=10/2}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("mark not escaped")
            << QByteArray::fromStdString(Line("{==1/0}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("text after the counts")
            << QByteArray::fromStdString(Line("{a=1/0} x") + "\r\n") << 0 << 1 << 0 << false;
        // Lines of version 1 end after the counts; those of version 2 add the keys' times.
        QTest::newRow("a version-1 header with lines of both versions")
            << "#historial 1\tdata\r\n" + good + QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{a=900:9}")) +
                   "\r\n"
            << 2 << 0 << 20 << false;
        QTest::newRow("times of more keys than were right")
            << QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{a=900:11}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("times of a character not counted")
            << QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{b=900:1}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("times of no key")
            << QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{a=900:0}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("a character timed twice")
            << QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{a=9:1 a=9:1}") + "\r\n") << 0 << 1 << 0
            << false;
        // Characters, and what was typed instead of each, come in the order of their
        // bytes and each once, as written: any other order would not format back.
        QTest::newRow("characters out of order")
            << QByteArray::fromStdString(Line("{i=10/0 f=3/1[j*1]}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("a character twice")
            << QByteArray::fromStdString(Line("{a=1/0 a=2/0}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("what was typed instead out of order")
            << QByteArray::fromStdString(Line("{a=10/2[s*1,b*1]}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("what was typed instead twice")
            << QByteArray::fromStdString(Line("{a=10/2[s*1,s*1]}") + "\r\n") << 0 << 1 << 0 << false;
        QTest::newRow("times out of order")
            << QByteArray::fromStdString(Line("{a=10/0 b=5/0}\t{b=9:1 a=9:1}") + "\r\n") << 0 << 1 << 0
            << false;
        QTest::newRow("times in order")
            << QByteArray::fromStdString(Line("{a=10/0 b=5/0}\t{a=9:1 b=9:1}") + "\r\n") << 1 << 0 << 10
            << false;
        QTest::newRow("a control character in the source")
            << QByteArray::fromStdString(Line("{a=10/0}").replace(20, 1, "\x01") + "\r\n") << 0 << 1 << 0
            << false;
        QTest::newRow("the longest counted time")
            << QByteArray::fromStdString(Line("{a=10/0}").replace(40, 4, "429496729.5") + "\r\n") << 1 << 0
            << 10 << false;
        QTest::newRow("a counted time too long")
            << QByteArray::fromStdString(Line("{a=10/0}").replace(40, 4, "429496729.6") + "\r\n") << 0 << 1
            << 0 << false;
        QTest::newRow("text after the times")
            << QByteArray::fromStdString(Line("{a=10/2[s*2]}\t{a=9:1}\t") + "\r\n") << 0 << 1 << 0 << false;
    }
    void damagedFile() {
        QFETCH(QByteArray, bytes);
        const TProgress p = ReadProgress(Bytes(bytes));
        QTEST(int(p.Drills), "drills");
        QTEST(int(p.BadLines), "badLines");
        QTEST(int(p.Chars.Right['a']), "correctKeys");
        QTEST(p.Newer, "newer");
    }

    void historyVersion_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<quint64>("version");
        QTest::newRow("this program's header")
            << QByteArray::fromStdString(std::string(kHistoryHeader)) << quint64(kHistoryVersion);
        QTest::newRow("version 2") << QByteArray("#historial 2\tdata") << quint64(2);
        QTest::newRow("version 10, nothing after") << QByteArray("#historial 10") << quint64(10);
        QTest::newRow("a dotted version") << QByteArray("#historial 2.1\t") << quint64(2);
        QTest::newRow("beyond 64 bits")
            << QByteArray("#historial 99999999999999999999\t") << quint64(UINT64_MAX);
        QTest::newRow("no number") << QByteArray("#historial x") << quint64(0);
        QTest::newRow("no header") << QByteArray("historial 2") << quint64(0);
    }
    void historyVersion() {
        QFETCH(QByteArray, start);
        QTEST(quint64(HistoryVersion(Bytes(start))), "version");
    }

    void appendToFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("drills");
        QTest::addColumn<int>("badLines");
        const QByteArray header = QByteArray::fromStdString(std::string(kHistoryHeader)) + "\r\n";
        const QByteArray good = QByteArray::fromStdString(Line("{a=10/2[s*2]}")) + "\r\n";
        QTest::newRow("no file yet") << false << QByteArray() << 1 << 0;
        QTest::newRow("empty file") << true << QByteArray() << 1 << 0;
        QTest::newRow("whole lines") << true << header + good << 2 << 0;
        QTest::newRow("cut last line") << true << header + good + good.left(30) << 2 << 1;
        QTest::newRow("cut after CR") << true << header + good + good.left(good.size() - 1) << 2 << 1;
        QTest::newRow("a file begun in version 1 keeps its header and lines")
            << true << "#historial 1\tdata\r\n" + good + good << 3 << 0;
        QTest::newRow("an editor's byte-order mark before the header")
            << true << "\xEF\xBB\xBF" + header + good << 2 << 0;
    }
    void appendToFile() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("Teclarium.hist")).toStdString();
        if (exists) WriteFile(path, Bytes(before));
        TDrillRecord record;
        record.Chars = {{'b', 1, 0}};
        AppendRecord(path, record);
        const std::string after = ReadWholeFile(path);
        QVERIFY(after.starts_with(exists ? Bytes(before) : std::string(kHistoryHeader) + "\r\n"));
        QVERIFY(after.ends_with("{b=1/0}\t{}\r\n"));
        const TProgress p = ReadProgress(after);
        QTEST(int(p.Drills), "drills");
        QTEST(int(p.BadLines), "badLines");
    }

    // An append that cannot be made leaves the file as it was, and says why.
    void appendRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("before");  // null: no file
        QTest::addColumn<QString>("message");    // %1: the file's path
        const QByteArray header = QByteArray::fromStdString(std::string(kHistoryHeader)) + "\r\n";
        const QByteArray good = QByteArray::fromStdString(Line("{a=10/2[s*2]}")) + "\r\n";
        const QString cannotWrite = "No es pot escriure el fitxer %1";
        QByteArray version2 = header + good;
        version2.replace("#historial 2\t", "#historial 3\t");
        QTest::newRow("a newer version")
            << "" << version2 << QString::fromUtf8("L'historial '%1' és d'una versió més nova");
        QTest::newRow("a newer version after a byte-order mark")
            << ""
            << "\xEF\xBB\xBF" + version2 << QString::fromUtf8("L'historial '%1' és d'una versió més nova");
        QTest::newRow("disk full in the line: cut back") << "full" << header + good << cannotWrite;
        QTest::newRow("disk full in a new file's header: left empty")
            << "full" << QByteArray("") << cannotWrite;
        QTest::newRow("a FIFO") << "fifo" << QByteArray() << cannotWrite;
        QTest::newRow("a folder") << "folder" << QByteArray() << cannotWrite;
        QTest::newRow("no folder") << "no folder" << QByteArray() << cannotWrite;
        QTest::newRow("a path with a message's marks")
            << "marks" << version2 << QString::fromUtf8("L'historial '%1' és d'una versió més nova");
    }
    void appendRefused() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, before);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (kind == "marks") QVERIFY(QDir(dir.path()).mkdir("%s %d %1"));
        const QString path = dir.filePath(kind == "no folder" ? "cap/Teclarium.hist"
                                          : kind == "marks"   ? "%s %d %1/Teclarium.hist"
                                                              : "Teclarium.hist");
        const std::string native = QFile::encodeName(path).toStdString();
        if (!before.isNull()) WriteFile(native, Bytes(before));
        if (kind == "fifo") QCOMPARE(::mkfifo(native.c_str(), 0600), 0);
        if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("Teclarium.hist"));
        TDrillRecord record;
        record.Chars = {{'b', 1, 0}};
        QString thrown;
        {
            // The file system takes ten more bytes, then reports the disk full.
            const TFileSizeLimit limit(kind == "full" ? rlim_t(before.size()) + 10 : RLIM_INFINITY);
            thrown = ThrownText([&] { AppendRecord(native, record); });
        }
        QCOMPARE(thrown, message.arg(path));
        if (kind.isEmpty() || kind == "full" || kind == "marks")
            QCOMPARE(QByteArray::fromStdString(ReadWholeFile(native)), before);
        if (kind.isEmpty() || kind == "marks")
            QCOMPARE(ThrownText([&] { ReadProgressFile(native); }), message.arg(path));
    }

    // Two copies append to one new history at once, each from its own process. Every
    // line stays whole, the file has one header, and the appends that a full disk
    // refuses to one copy cut back nothing of the other's lines.
    void twoCopiesAppendAtOnce_data() {
        QTest::addColumn<int>("firstLimit");  // bytes the first copy may write the file up to; 0: no limit
        QTest::newRow("both write every line") << 0;
        QTest::newRow("the first copy's disk fills up") << 20000;
    }
    void twoCopiesAppendAtOnce() {
        QFETCH(int, firstLimit);
        constexpr int kLines = 1000;
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("Teclarium.hist")).toStdString();
        int start[2];
        QCOMPARE(::pipe(start), 0);
        pid_t children[2];
        for (int copy = 0; copy < 2; ++copy) {
            children[copy] = ::fork();
            QVERIFY(children[copy] >= 0);
            if (children[copy] != 0) continue;
            ::close(start[1]);
            std::optional<TFileSizeLimit> limit;
            if (copy == 0 && firstLimit > 0) limit.emplace(rlim_t(firstLimit));
            char go;
            // Both begin when the parent closes the pipe.
            if (::read(start[0], &go, 1) != 0) ::_exit(100);
            int written = 0;
            TDrillRecord record;
            record.Source = copy == 0 ? "primer" : "segon";
            record.Chars = {{'a', 1, 0}};
            for (int line = 0; line < kLines; ++line) {
                record.Words = std::uint32_t(line);
                try {
                    AppendRecord(path, record);
                    ++written;
                } catch (const TAppError&) {
                }
            }
            // How many appends went in.
            std::ofstream(path + std::to_string(copy)) << written;
            ::_exit(0);
        }
        ::close(start[0]);
        ::close(start[1]);
        int written[2] = {};
        for (int copy = 0; copy < 2; ++copy) {
            int status = 0;
            QCOMPARE(::waitpid(children[copy], &status, 0), children[copy]);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            std::ifstream(path + std::to_string(copy)) >> written[copy];
        }
        QCOMPARE(written[1], kLines);
        if (firstLimit > 0) QVERIFY(written[0] < kLines);
        const std::string file = ReadWholeFile(path);
        QVERIFY(file.starts_with(std::string(kHistoryHeader) + "\r\n"));
        // Each copy's lines in the order it wrote them, none missing after the first failure.
        std::vector<std::uint32_t> next(2, 0);
        bool inOrder = true;
        std::size_t headers = 0, pos = 0;
        while ((pos = file.find("#historial", pos)) != std::string::npos) ++headers, ++pos;
        QCOMPARE(headers, std::size_t(1));
        const std::size_t badLines = ForEachRecord(file, [&](const TDrillRecord& r) {
            const int copy = r.Source == "primer" ? 0 : 1;
            inOrder = inOrder && r.Words == next[copy];
            next[copy] = r.Words + 1;
        });
        QCOMPARE(badLines, std::size_t(0));
        QVERIFY(inOrder);
        QCOMPARE(int(next[0]), written[0]);
        QCOMPARE(int(next[1]), written[1]);
    }

    // The other copy holds the lock while this one appends: this one reads the file's
    // length only once it has the lock, so it finds the other's line whatever the
    // timing. Read before, the length would give a second header, or a cut-back after a
    // full disk would remove the other's line.
    void appendReadsTheLengthUnderTheLock_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("one header") << false;
        QTest::newRow("the cut-back keeps the other's line") << true;
    }
    void appendReadsTheLengthUnderTheLock() {
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("Teclarium.hist")).toStdString();
        const int other = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        QVERIFY(other >= 0);
        QCOMPARE(::flock(other, LOCK_EX), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(other);  // the lock stays the other copy's alone
            std::optional<TFileSizeLimit> limit;
            if (diskFull) limit.emplace(1);  // nothing more fits
            TDrillRecord record;
            record.Source = "segon";
            record.Chars = {{'a', 1, 0}};
            try {
                AppendRecord(path, record);
            } catch (const TAppError&) {
                ::_exit(diskFull ? 0 : 1);
            }
            ::_exit(diskFull ? 1 : 0);
        }
        // Once the child waits for the lock, the other copy writes the file's first line.
        QVERIFY(WaitsForLock(child));
        TDrillRecord record;
        record.Source = "primer";
        record.Chars = {{'a', 1, 0}};
        const std::string first = std::string(kHistoryHeader) + "\r\n" + FormatRecord(record) + "\r\n";
        QCOMPARE(::write(other, first.data(), first.size()), ssize_t(first.size()));
        ::close(other);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const std::string file = ReadWholeFile(path);
        if (diskFull) {
            QCOMPARE(file, first);
            return;
        }
        QVERIFY(file.starts_with(first));
        std::vector<std::string> sources;
        QCOMPARE(ForEachRecord(file, [&](const TDrillRecord& r) { sources.push_back(r.Source); }),
                 std::size_t(0));
        QCOMPARE(sources, (std::vector<std::string>{"primer", "segon"}));
    }

    // Each drill that ends with a report adds one line; its last field is the
    // per-character counts of that drill only.
    void countingOverTypedDrills_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QByteArray>("counts");  // empty: no line written
        QTest::newRow("dead-key letter and a wrong key")
            << QByteArray("px\xE0s gat ") << QByteArray("{a=1/0 g=1/0 p=1/0 s=1/0 t=1/0 \xE0=1/1[x*1]}");
        QTest::newRow("backspace and a key past the word's end count as wrong keys")
            << QByteArray("p\b\xE0ss\x1b") << QByteArray("{p=1/0 s=1/0 \xE0=1/1[#08*1]}");
        QTest::newRow("an abandoned drill leaves no count")
            << QByteArray("xx\x01p\xE0s\x1b") << QByteArray("{p=1/0 s=1/0 \xE0=1/0}");
        QTest::newRow("no report, no line") << QByteArray("px\x1b") << QByteArray();
    }
    void countingOverTypedDrills() {
        QFETCH(QByteArray, keys);
        QFETCH(QByteArray, counts);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("u.hist")).toStdString();
        TDrillFixture f;
        TDrillRecorder recorder;
        recorder.SetHistoryFile(path);
        f.Drill.SetObserver(&recorder);
        f.Start({"p\xE0s", "gat"});
        for (char c : Bytes(keys)) {
            if (c == '\x01')
                f.Start({"p\xE0s", "gat"});  // the start button pressed during the drill
            else
                f.Key(static_cast<unsigned char>(c));
        }
        if (counts.isEmpty()) {
            QVERIFY(!FileExists(path));
            return;
        }
        const std::string file = ReadWholeFile(path);
        QCOMPARE(ReadProgress(file).Drills, std::size_t(1));
        const std::size_t times = file.rfind("\t{");
        const std::size_t start = file.rfind("\t{", times - 1) + 1;
        QCOMPARE(file.substr(start, times - start), Bytes(counts));
    }

    // The drill's line is in the history before its report shows: a program that
    // dies while the report is open loses nothing. A history that cannot be written
    // is reported after the report, the drill ended.
    void recordedBeforeReport_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("the line is there when the report shows") << true;
        QTest::newRow("an unwritable history still shows the report") << false;
    }
    void recordedBeforeReport() {
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const std::string path =
            QFile::encodeName(dir.filePath(writable ? "u.hist" : "missing/u.hist")).toStdString();
        struct THistoryHost final : TDrillHost {
            std::string Path;
            std::vector<std::size_t> DrillsSeen;
            void ShowResults(const std::string&) override {
                DrillsSeen.push_back(FileExists(Path) ? ReadProgress(ReadWholeFile(Path)).Drills : 0);
            }
        } host;
        host.Path = path;
        TSetClock clock;
        TPlainOptions options;
        TKeyDisplay keys{options};
        TDrill drill{clock, options, keys, host};
        TDrillRecorder recorder;
        recorder.SetHistoryFile(path);
        drill.SetObserver(&recorder);
        drill.SetWordList(std::vector<std::string>{"gat"});
        drill.StartDrill();
        for (unsigned char c : std::string("gat")) {
            clock.Advance(0.3);
            int vk = c - 32;
            drill.EditKeyDown(vk);
            drill.EditKeyPress(c);
        }
        unsigned char space = kSpace;
        const QString thrown = ThrownText([&] { drill.EditKeyPress(space); });
        QCOMPARE(host.DrillsSeen, std::vector<std::size_t>{writable ? 1u : 0u});
        QVERIFY(!drill.DrillRunning());
        QCOMPARE(thrown == QStringLiteral("(nothing thrown)"), writable);
    }

    // Each right character's time runs from the key-down of the word's previous
    // character (or the Space before the word) to its own; steps are "seconds:key", D a
    // dead key's press, S Shift's, C the commit that stands in for a composed letter's
    // key-down, < and > leaving the program and coming back.
    void keyTimes_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("times");
        QTest::newRow("the drill's first character is not timed")
            << QStringList{"gat"} << QStringList{"1:g", "0.2:a", "0.3:t"} << QByteArray("{a=200:1 t=300:1}");
        QTest::newRow("a next word's first from the Space before it")
            << QStringList{"ga", "ta"} << QStringList{"1:g", "0.2:a", "0.1: ", "0.4:t", "0.25:a"}
            << QByteArray("{a=450:2 t=400:1}");
        QTest::newRow("a capital first in a word, with its Shift")
            << QStringList{"ga", "Ta"} << QStringList{"1:g", "0.2:a", "0.1: ", "0.3:S", "0.2:T", "0.25:a"}
            << QByteArray("{T=500:1 a=450:2}");
        QTest::newRow("not after a discounted pause at the Space")
            << QStringList{"ga", "ta"} << QStringList{"1:g", "0.2:a", "0.1: ", "6:t", "0.25:a"}
            << QByteArray("{a=450:2}");
        QTest::newRow("not after time in another program")
            << QStringList{"ga", "ta"}
            << QStringList{"1:g", "0.2:a", "0.1: ", "0.2:<", "3:>", "0.2:t", "0.25:a"}
            << QByteArray("{a=450:2}");
        QTest::newRow("within a word time in another program is left out")
            << QStringList{"gat"} << QStringList{"1:g", "0.2:a", "0.1:<", "3:>", "0.2:t"}
            << QByteArray("{a=200:1 t=300:1}");
        QTest::newRow("a discounted pause is not timed")
            << QStringList{"gat"} << QStringList{"1:g", "6:a", "0.3:t"} << QByteArray("{t=300:1}");
        QTest::newRow("a dead-key letter from the key before the dead key")
            << QStringList{"p\u00e0s"} << QStringList{"1:p", "0.3:D", "0.2:C\u00e0", "0.1:s"}
            << QByteArray("{s=100:1 \xE0=500:1}");
        QTest::newRow("a pause between dead key and letter")
            << QStringList{"p\u00e0s"} << QStringList{"1:p", "0.3:D", "6:C\u00e0", "0.1:s"}
            << QByteArray("{s=100:1}");
        QTest::newRow("Shift belongs to the capital")
            << QStringList{"aB"} << QStringList{"1:a", "0.2:S", "0.1:B"} << QByteArray("{B=300:1}");
        QTest::newRow("keys at the same moment are timed, in no time")
            << QStringList{"gat"} << QStringList{"1:g", "0:a", "0:t"} << QByteArray("{a=0:1 t=0:1}");
        QTest::newRow("a wrong key is a keystroke of the word")
            << QStringList{"gat"} << QStringList{"1:g", "0.2:x", "0.3:a", "0.1:t"}
            << QByteArray("{a=300:1 t=100:1}");
    }
    void keyTimes() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, steps);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("u.hist")).toStdString();
        TDrillFixture f;
        TDrillRecorder recorder;
        recorder.SetHistoryFile(path);
        f.Drill.SetObserver(&recorder);
        std::vector<std::string> list;
        for (const QString& w : words) list.push_back(w.toLatin1().toStdString());
        f.Start(list);
        for (const QString& step : steps) {
            const QString key = step.section(':', 1);
            f.Clock.Advance(step.section(':', 0, 0).toDouble());
            int vk = key == "D" ? 186 : key == "S" ? 16 : 0;
            if (key == "<") {
                f.Drill.AppliOnDeactivate();
            } else if (key == ">") {
                f.Drill.AppliOnActivate();
            } else if (key == "D" || key == "S") {
                f.Drill.EditKeyDown(vk);
            } else if (key.startsWith('C')) {
                f.Drill.EditKeyDown(vk);
                unsigned char ch = static_cast<unsigned char>(key.at(1).toLatin1());
                f.Drill.EditKeyPress(ch);
            } else {
                f.Key(static_cast<unsigned char>(key.at(0).toLatin1()));
            }
        }
        f.Key(kEscape);
        QFETCH(QByteArray, times);
        const std::string file = ReadWholeFile(path);
        QCOMPARE(QByteArray::fromStdString(file.substr(file.rfind('\t') + 1)), times + "\r\n");
    }

    void weakChars_data() {
        QTest::addColumn<QByteArray>("counts");
        QTest::addColumn<QByteArray>("weak");
        QTest::addColumn<QByteArray>("mostTypedInstead");  // of the most missed one
        QTest::newRow("fewer than three missed")
            << QByteArray("{a=5/2[s*2] b=0/1[v*1] c=9/0}") << QByteArray() << QByteArray("s");
        QTest::newRow("three, most wrong keys first")
            << QByteArray("{a=5/2[q*1,s*1] b=0/1[v*1] c=9/0 d=1/3[f*1,s*2]}") << QByteArray("dab")
            << QByteArray("s");
        QTest::newRow("equal wrong keys: higher rate first, then lower byte")
            << QByteArray("{w=1/1[e*1] x=1/1[z*1] y=9/1[t*1] \xE0=0/1[a*1]}") << QByteArray("\xE0wxy")
            << QByteArray("a");
        QTest::newRow("at most eight") << QByteArray(
                                              "{a=0/1[s*1] b=0/1[s*1] c=0/1[s*1] d=0/1[s*1] e=0/1[s*1] "
                                              "f=0/1[s*1] g=0/1[s*1] h=0/1[s*1] i=0/1[s*1]}")
                                       << QByteArray("abcdefgh") << QByteArray("s");
        QTest::newRow("a space or control character of a damaged file is no weak character")
            << QByteArray("{#09=0/8[a*8] #20=0/9[a*9] a=0/3[s*3] b=0/2[v*2] c=0/1[x*1]}") << QByteArray("abc")
            << QByteArray("a");
    }
    void weakChars() {
        QFETCH(QByteArray, counts);
        const TCharStats stats = StatsOf(Bytes(counts));
        QTEST(QByteArray::fromStdString(WeakChars(stats)), "weak");
        QTEST(QByteArray(1, char(MostMissed(stats, 10).front().TypedInstead)), "mostTypedInstead");
    }

    void keyHeat_data() {
        QTest::addColumn<QByteArray>("counts");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::newRow("plain and shifted on one key") << QByteArray("{A=2/1[a*1] a=5/0}") << 26 << 7 << 1;
        QTest::newRow("AltGr character") << QByteArray("{#5B=1/1[a*1]}") << 24 << 1 << 1;
        QTest::newRow("dead-key letter on its base letter's key")
            << QByteArray("{\xE0=3/1[a*1]}") << 26 << 3 << 1;
        QTest::newRow("dead-key letter on its dead key") << QByteArray("{\xE0=3/1[a*1]}") << 24 << 3 << 1;
        QTest::newRow("a character no key types") << QByteArray("{\x80=3/1[a*1]}") << 26 << 0 << 0;
    }
    void keyHeat() {
        QFETCH(QByteArray, counts);
        QFETCH(int, key);
        const TKeyCharsList keys{{186, 24, true, '`', '^', '['}, {65, 26, false, 'a', 'A', 0}};
        const auto heat = KeyHeat(StatsOf(Bytes(counts)), keys);
        QTEST(int(heat[key].Right), "right");
        QTEST(int(heat[key].Wrong), "wrong");
    }

    void historyFileName_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("history");
        QTest::newRow("shared") << "/opt/teclarium/Teclarium.ini"
                                << "/opt/teclarium/Teclarium.hist";
        QTest::newRow("dotted folder, no extension") << "/a.b/Joan"
                                                     << "/a.b/Joan.hist";
    }
    void historyFileName() {
        QFETCH(QString, settings);
        QTEST(QString::fromStdString(HistoryFileName(settings.toStdString())), "history");
    }
};

QTEST_GUILESS_MAIN(TestProgressHistory)
#include "tst_progress_history.moc"
