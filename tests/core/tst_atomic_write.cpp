// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The one writer of the program's files: what it replaces and what it refuses,
// and the removal of the temporary files that killed writes leave behind.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "byte_strings.h"
#include "thrown_text.h"
#include "util/atomic_write.h"
#include "util/files.h"

using namespace teclarium;

namespace {

constexpr std::int64_t kNow = 1700000000;

std::string Native(const QString& path) {
    return S(QFile::encodeName(path));
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t Kind(const QString& path) {
    struct stat st {};
    return ::lstat(Native(path).c_str(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// Sets the time of last change, of a link itself rather than its target.
bool SetChanged(const QString& path, std::int64_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    return ::utimensat(AT_FDCWD, Native(path).c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

QStringList Temporaries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList({".teclarium-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

// The temporary file of the last write that "was killed" before its rename.
std::string gLeftBehind;

}  // namespace

class TestAtomicWrite : public QObject {
    Q_OBJECT

  private slots:
    // What lies at the path before the write; the write replaces only a regular
    // file (through a link too, keeping the link) or makes a new one.
    void targets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing: a new file") << "none" << true;
        QTest::newRow("a regular file") << "file" << true;
        QTest::newRow("a link to a regular file: target replaced") << "link to file" << true;
        QTest::newRow("a link to a FIFO") << "link to fifo" << false;
        // A null device of the test's own, never the system's: a writer at fault
        // run as root would replace it.
        QTest::newRow("a link to a device") << "link to device" << false;
        QTest::newRow("a FIFO") << "fifo" << false;
        QTest::newRow("a folder") << "folder" << false;
    }
    void targets() {
        QFETCH(QString, target);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath("Teclarium.ini");
        const QString other = dir.filePath("other");
        if (target == "file") WriteBytes(path, "old");
        if (target == "link to file") WriteBytes(other, "old");
        if (target.endsWith("fifo"))
            QCOMPARE(::mkfifo(Native(target == "fifo" ? path : other).c_str(), 0600), 0);
        if (target.endsWith("device") && ::mknod(Native(other).c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("device nodes can be made by root only, on a file system that allows them");
        if (target == "folder") QVERIFY(QDir(dir.path()).mkdir("Teclarium.ini"));
        if (target.startsWith("link")) QVERIFY(QFile::link(other, path));
        const mode_t before = Kind(path);
        const mode_t otherBefore = Kind(other);

        QCOMPARE(WriteFileAtomically(Native(path), "new"), written);
        // (A FIFO is never opened here: reading it would wait for a writer.)
        if (written) QCOMPARE(ReadBytes(path), QByteArray("new"));
        // A link stays a link; whatever was refused stays what it was.
        QCOMPARE(Kind(path), written && !target.startsWith("link") ? mode_t(S_IFREG) : before);
        QCOMPARE(Kind(other), otherBefore);
        QCOMPARE(Temporaries(dir), QStringList());
        if (!written)
            QCOMPARE(ThrownText([&] { WriteWholeFile(Native(path), "new"); }),
                     "No es pot crear el fitxer " + path);
    }

    // Only this program's temporary files, named exactly as the writer names
    // them, regular files, and older than a minute at the time given.
    void staleTemporaries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("age");  // seconds before kNow
        QTest::addColumn<bool>("removed");
        QTest::newRow("older than a minute") << ".teclarium-Ab3xYz"
                                             << "file" << 61 << true;
        QTest::newRow("a minute old: may be written now") << ".teclarium-Ab3xYz"
                                                          << "file" << 60 << false;
        QTest::newRow("changed in the future") << ".teclarium-Ab3xYz"
                                               << "file" << -3600 << false;
        QTest::newRow("five letters") << ".teclarium-Ab3xY"
                                      << "file" << 3600 << false;
        QTest::newRow("seven letters") << ".teclarium-Ab3xYz7"
                                       << "file" << 3600 << false;
        QTest::newRow("not hidden") << "teclarium-Ab3xYz"
                                    << "file" << 3600 << false;
        QTest::newRow("a folder") << ".teclarium-Ab3xYz"
                                  << "folder" << 3600 << false;
        QTest::newRow("a link") << ".teclarium-Ab3xYz"
                                << "link" << 3600 << false;
    }
    void staleTemporaries() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(int, age);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString target = dir.filePath("Teclarium.ini");
        WriteBytes(target, "keep");
        if (kind == "file") WriteBytes(path, "x");
        if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir(name));
        if (kind == "link") QVERIFY(QFile::link(target, path));
        QVERIFY(SetChanged(target, kNow - age));
        QVERIFY(SetChanged(path, kNow - age));
        QCOMPARE(RemoveStaleTemporaryFiles(Native(dir.path()), kNow), removed ? 1 : 0);
        QCOMPARE(Kind(path) == 0, removed);
        QCOMPARE(ReadBytes(target), QByteArray("keep"));
    }

    // A write killed just before its rename leaves a file that the next start,
    // a minute later, recognises as the writer's own.
    void killedWriteLeavesAFileRemovedLater() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Teclarium.ini");
        WriteBytes(path, "old");
        const auto killed = [](const char* from, const char*) {
            gLeftBehind = from;
            return 0;
        };
        QVERIFY(WriteFileAtomically(Native(path), "new", killed));
        const QStringList left = Temporaries(dir);
        QCOMPARE(left.size(), 1);
        QCOMPARE(Native(dir.filePath(left.first())), gLeftBehind);
        QCOMPARE(ReadBytes(path), QByteArray("old"));
        QVERIFY(SetChanged(dir.filePath(left.first()), kNow - kStaleTemporarySeconds - 1));
        QCOMPARE(RemoveStaleTemporaryFiles(Native(dir.path() + '/'), kNow), 1);
        QCOMPARE(Temporaries(dir), QStringList());
        QCOMPARE(ReadBytes(path), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomic_write.moc"
