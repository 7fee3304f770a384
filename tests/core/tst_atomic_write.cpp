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
#include "progress/history_file.h"
#include "second_user.h"
#include "thrown_text.h"
#include "util/atomic_write.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/shared_folder.h"

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

    // A classmate who may write the folder where the settings and history lie plants
    // a link to a file of ours elsewhere, or a file of their own: nothing is written
    // through a link or into a second name, and their file only when the folder is
    // the class's on purpose (set-group-ID, the group's) and the file the group's.
    void sharedFolder_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QString>("planted");  // by the classmate, but a hard link (by this user)
        QTest::addColumn<bool>("append");      // a history line, else the whole file replaced
        QTest::addColumn<QString>("refusal");  // empty: written
        const QString link = QString::fromUtf8(kMsgRefusedLink),
                      hard = QString::fromUtf8(kMsgRefusedHardLink),
                      others = QString::fromUtf8(kMsgRefusedOthersFile);
        QTest::newRow("class folder: a link to my file, replaced") << 02775 << "link" << false << link;
        QTest::newRow("class folder: a link to my file, appended to") << 02775 << "link" << true << link;
        QTest::newRow("folder all may write: a link, replaced") << 0777 << "link" << false << link;
        QTest::newRow("folder all may write: a link, appended to") << 0777 << "link" << true << link;
        QTest::newRow("class folder: the class's file, replaced") << 02775 << "file 664" << false << "";
        QTest::newRow("class folder: the class's file, appended to") << 02775 << "file 664" << true << "";
        QTest::newRow("class folder: the classmate's private file") << 02775 << "file 644" << true << others;
        QTest::newRow("group folder without the class bit: their file")
            << 0775 << "file 664" << false << others;
        QTest::newRow("folder all may write: their file") << 03777 << "file 666" << true << others;
        QTest::newRow("class folder: a second name of my file") << 02775 << "hard link" << true << hard;
        QTest::newRow("class folder: a second name, replaced") << 02775 << "hard link" << false << hard;
    }
    void sharedFolder() {
        QFETCH(int, folderMode);
        QFETCH(QString, planted);
        QFETCH(bool, append);
        QFETCH(QString, refusal);
        const std::optional<TSecondUser> classmate = TSecondUser::Make();
        if (!classmate) QSKIP("a second user is made by root only");
        QTemporaryDir dir;
        // The classmate passes through the test's folder into the class's, not into the rest.
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ExeGroup | QFile::ExeOther));
        const QString victim = dir.filePath("notes.txt"), folder = dir.filePath("classe");
        WriteBytes(victim, "mine");
        QVERIFY(QDir(dir.path()).mkdir("classe"));
        QCOMPARE(::chown(Native(folder).c_str(), 0, classmate->Gid), 0);
        QCOMPARE(::chmod(Native(folder).c_str(), mode_t(folderMode)), 0);
        const QString path = folder + (append ? "/Teclarium.hist" : "/Teclarium.ini");
        if (planted == "link") QVERIFY(classmate->Run({"ln", "-s", victim, path}));
        if (planted.startsWith("file "))
            QVERIFY(classmate->Run(
                {"sh", "-c", "printf old >\"$0\" && chmod " + planted.mid(5) + " \"$0\"", path}));
        if (planted == "hard link") QCOMPARE(::link(Native(victim).c_str(), Native(path).c_str()), 0);
        const mode_t kind = Kind(path);
        const QByteArray before = ReadBytes(path);

        const QString thrown = ThrownText([&] {
            if (append)
                AppendRecord(Native(path), TDrillRecord());
            else
                WriteWholeFile(Native(path), "new");
        });
        QCOMPARE(thrown, refusal.isEmpty()
                             ? "(nothing thrown)"
                             : QString::fromStdString(Format(S(refusal.toUtf8()), Native(path))));
        QCOMPARE(ReadBytes(victim), QByteArray("mine"));
        QCOMPARE(Kind(path), kind);
        const QByteArray after = ReadBytes(path);
        if (!refusal.isEmpty())
            QCOMPARE(after, before);
        else if (append)
            QVERIFY(after.startsWith("old\r\n") && after.endsWith("\r\n") && after.size() > 10);
        else
            QCOMPARE(after, QByteArray("new"));
        QCOMPARE(QDir(folder).entryList({".teclarium-*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
                 QStringList());
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
