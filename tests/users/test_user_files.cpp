// The password and settings files, the list of known IDs, the ID rules and the creation of a
// user's folder, on small files written by the tests.
#include "exercise/errors.h"
#include "files/text_file.h"
#include "users/id_rules.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/file_bytes.h"
#include "support/process_race.h"

using korven::test::readBytes;
using korven::test::writeBytes;

using namespace korven;

namespace {

// Sets a file's or folder's times the given number of seconds into the past.
void setAge(const QString &path, int seconds)
{
    const time_t then = ::time(nullptr) - seconds;
    const struct timeval times[2] = {{then, 0}, {then, 0}};
    QCOMPARE(::utimes(QFile::encodeName(path).constData(), times), 0);
}

int modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

namespace {

} // namespace

class TestUserFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString at(const QString &name) const { return dir.filePath(name); }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void settingsBytesAsWritten()
    {
        QCOMPARE(initialSettingsBytes(), QByteArray("0\r\n0\r\n0\r\n0.699999988079071\r\n"));
        QCOMPARE(dialogSettingsBytes(true, false, 1, 0.84f),
                 QByteArray("1\n0\n1\n0.839999973773956\r\n"));
        QCOMPARE(dialogSettingsBytes(false, true, 0, 0.7f, 10),
                 QByteArray("0\n1\n0\n0.699999988079071\r\n10\r\n"));
        // Any mode other than 1 is saved as the optimal size.
        QCOMPARE(dialogSettingsBytes(false, false, 2, 1.0f), QByteArray("0\n0\n0\n1\r\n"));
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reference");
        QTest::addColumn<bool>("alignment");
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("magnification");
        QTest::addColumn<int>("step");

        QTest::newRow("at creation") << initialSettingsBytes() << false << false << 0 << 0.7f << 0;
        QTest::newRow("settings dialog") << dialogSettingsBytes(true, true, 1, 0.91f)
                                         << true << true << 1 << 0.91f << 0;
        QTest::newRow("settings dialog with step")
            << dialogSettingsBytes(true, false, 1, 0.84f, 12) << true << false << 1 << 0.84f << 12;
        QTest::newRow("bare CR") << QByteArray("1\r0\r1\r0.5\r") << true << false << 1 << 0.5f << 0;
        QTest::newRow("no final line end") << QByteArray("0\n0\n0\n1.3") << false << false << 0 << 1.3f << 0;
        QTest::newRow("only \"1\" is on") << QByteArray("1 \r\n\r\n5\r\n1\r\n")
                                          << false << false << 5 << 1.0f << 0;
        QTest::newRow("step out of range ignored") << QByteArray("0\n0\n1\n0.49\r\n14\r\n")
                                                   << false << false << 1 << 0.49f << 0;
        QTest::newRow("fifth line not a number") << QByteArray("0\n0\n1\n0.49\r\nx\r\nmore\r\n")
                                                 << false << false << 1 << 0.49f << 0;
    }

    void settingsRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        const QString path = at(QStringLiteral("u.set"));
        writeBytes(path, bytes);
        const UserSettings s = readSettings(path);
        QTEST(s.referenceMode, "reference");
        QTEST(s.alignmentMode, "alignment");
        QTEST(s.magnificationMode, "mode");
        QTEST(s.magnification, "magnification");
        QTEST(s.sizeStep, "step");
    }

    void realsFollowTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("C 0.7") << QLocale::c() << 0.7f << "0.699999988079071";
        QTest::newRow("C 1.0") << QLocale::c() << 1.0f << "1";
        QTest::newRow("C 0.91") << QLocale::c() << 0.91f << "0.910000026226044";
        QTest::newRow("German 0.7") << QLocale(QLocale::German, QLocale::Germany) << 0.7f
                                    << "0,699999988079071";
        QTest::newRow("Japanese 1.3") << QLocale(QLocale::Japanese, QLocale::Japan) << 1.3f
                                      << "1.29999995231628";
    }

    void realsFollowTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(float, value);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(formatReal15(value), text);
        bool ok = false;
        QCOMPARE(float(parseReal(text, &ok)), value);
        QVERIFY(ok);
        // A settings file written under the locale reads back under it.
        const QString path = at(QStringLiteral("locale.set"));
        writeBytes(path, dialogSettingsBytes(false, false, 1, value));
        QCOMPARE(readSettings(path).magnification, value);
    }

    void passwordRoundTrip_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << "secret";
        QTest::newRow("blanks kept") << "  pass word  ";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("Japanese") << "パスワード";
        QTest::newRow("comma and quote") << "a,\"b\"";
    }

    void passwordRoundTrip()
    {
        QFETCH(QString, password);
        const QString path = at(QStringLiteral("u.pas"));
        writePassword(path, password);
        QCOMPARE(readBytes(path), toCp932(password) + "\r\n");
        QCOMPARE(readPassword(path), password);
    }

    void passwordTakesLineOneOnly()
    {
        const QString path = at(QStringLiteral("two.pas"));
        writeBytes(path, "first\r\nsecond\r\n");
        QCOMPARE(readPassword(path), QStringLiteral("first"));
        writeBytes(path, "first\nsecond");
        QCOMPARE(readPassword(path), QStringLiteral("first"));
    }

    void unstorablePasswordWritesNothing_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("line break") << "one\ntwo";
        QTest::newRow("not in code page 932") << QStringLiteral("smile \U0001F600");
    }

    void unstorablePasswordWritesNothing()
    {
        QFETCH(QString, password);
        const QString path = at(QStringLiteral("keep.pas"));
        writeBytes(path, "old\r\n");
        QVERIFY_THROWS_EXCEPTION(KorvenError, writePassword(path, password));
        QCOMPARE(readBytes(path), QByteArray("old\r\n"));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // "<none>": the file is not there
        QTest::addColumn<QString>("expected"); // part of the message

        QTest::newRow("missing .pas") << "u.pas" << QByteArray("<none>") << "u.pas";
        QTest::newRow("empty .pas") << "u.pas" << QByteArray() << "empty";
        QTest::newRow("missing .set") << "u.set" << QByteArray("<none>") << "u.set";
        QTest::newRow(".set of three lines") << "u.set" << QByteArray("0\r\n0\r\n0\r\n") << "four";
        QTest::newRow("line 3 no integer") << "u.set" << QByteArray("0\r\n0\r\none\r\n0.7\r\n") << "Line 3";
        QTest::newRow("line 3 a real") << "u.set" << QByteArray("0\r\n0\r\n1.5\r\n0.7\r\n") << "Line 3";
        QTest::newRow("line 4 no real") << "u.set" << QByteArray("0\r\n0\r\n0\r\nbig\r\n") << "Line 4";
        QTest::newRow("line 4 empty") << "u.set" << QByteArray("0\r\n0\r\n0\r\n\r\n") << "Line 4";
        QTest::newRow("line 4 infinite") << "u.set" << QByteArray("0\r\n0\r\n0\r\n1e300\r\n") << "Line 4";
        QTest::newRow("line 4 nan") << "u.set" << QByteArray("0\r\n0\r\n0\r\nnan\r\n") << "Line 4";
    }

    void badFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QTemporaryDir local;
        const QString path = local.filePath(file);
        if (bytes != "<none>")
            writeBytes(path, bytes);
        try {
            if (file.endsWith(QLatin1String(".pas")))
                readPassword(path);
            else
                readSettings(path);
            QFAIL("no error");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(path)), qPrintable(e.message()));
            QVERIFY2(e.message().contains(expected), qPrintable(e.message()));
        }
        if (bytes != "<none>")
            QCOMPARE(readBytes(path), bytes);
    }

    void loginSizeStep_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("magnification");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("step");

        QTest::newRow("optimal size") << 0 << 0.7f << 0 << 10;
        QTest::newRow("optimal, odd magnification") << 0 << 0.91f << 0 << 10;
        QTest::newRow("stored step wins") << 1 << 0.84f << 12 << 12;
        QTest::newRow("optimal mode ignores a stored step") << 0 << 0.84f << 12 << 10;
        QTest::newRow("derived 0.49") << 1 << 0.49f << 0 << 8;
        QTest::newRow("derived 0.63") << 1 << 0.63f << 0 << 10;
        QTest::newRow("held at 13") << 1 << 0.91f << 0 << 13;
        QTest::newRow("held at 7") << 1 << 0.1f << 0 << 7;
        QTest::newRow("huge held at 13") << 1 << 1e30f << 0 << 13;
    }

    void loginSizeStep()
    {
        QFETCH(int, mode);
        QFETCH(float, magnification);
        QFETCH(int, stored);
        UserSettings s;
        s.magnificationMode = mode;
        s.magnification = magnification;
        s.sizeStep = stored;
        QTEST(korven::loginSizeStep(s, 0.7f), "step");
    }

    void knownIds()
    {
        QTemporaryDir result;
        QDir d(result.path());
        for (const char *name : {"zed", "Alice", "alice", ".hidden", "日本"})
            d.mkdir(QString::fromUtf8(name));
        writeBytes(d.filePath(QStringLiteral("plain-file")), "x");
        writeBytes(d.filePath(QStringLiteral(".dotfile")), "x");
        QCOMPARE(listKnownIds(result.path()),
                 QStringList({"Alice", "alice", "plain-file", "zed", QString::fromUtf8("日本")}));
        QCOMPARE(listKnownIds(result.filePath(QStringLiteral("nowhere"))), QStringList());
    }

    void idRules_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "trainee1" << true;
        QTest::newRow("blank inside") << "a b" << true;
        QTest::newRow("leading blank") << " alice" << false;
        QTest::newRow("trailing blank") << "alice " << false;
        QTest::newRow("trailing full-width blank") << QStringLiteral("がくせい\u3000") << false;
        QTest::newRow("zero-width space") << QStringLiteral("ali\u200Bce") << false;
        QTest::newRow("zero-width joiner") << QStringLiteral("ali\u200Dce") << false;
        QTest::newRow("byte order mark") << QStringLiteral("\uFEFFalice") << false;
        QTest::newRow("soft hyphen") << QStringLiteral("ali\u00ADce") << false;
        QTest::newRow("line separator") << QStringLiteral("ali\u2028ce") << false;
        QTest::newRow("Japanese") << "研修生" << true;
        QTest::newRow("dot inside") << "a.b" << true;
        QTest::newRow("longest") << QString(MaxIdBytes, u'x') << true;
        QTest::newRow("longest in 3-byte characters") << QString(MaxIdBytes / 3, QChar(0x7814)) << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("leading dot") << ".x" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("NUL") << QString(QChar(0)) + "a" << false;
        QTest::newRow("DEL") << "a\x7f" << false;
        QTest::newRow("one byte too long") << QString(MaxIdBytes + 1, u'x') << false;
        QTest::newRow("too long in 3-byte characters") << QString(MaxIdBytes / 3 + 1, QChar(0x7814)) << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "a" << false;
    }

    void idRules()
    {
        QFETCH(QString, id);
        QFETCH(bool, accepted);
        QCOMPARE(idRefusal(id).isEmpty(), accepted);
    }

    void lookAlikeIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("similar");
        QTest::newRow("unlike") << "carol" << "";
        QTest::newRow("case") << "Alice" << "alice";
        QTest::newRow("Cyrillic a") << QStringLiteral("\u0430lice") << "alice";
        QTest::newRow("Greek o and digit") << QStringLiteral("B\u03BFbOl") << "Bob01";
        QTest::newRow("full-width letters") << QStringLiteral("ａｌｉｃｅ") << "alice";
        QTest::newRow("NFD kana") << QStringLiteral("か\u3099くせい") << QStringLiteral("がくせい");
        QTest::newRow("itself") << "alice" << "";
    }
    void lookAlikeIds()
    {
        QFETCH(QString, id);
        QTEST(lookAlikeId(id, {QStringLiteral("alice"), QStringLiteral("がくせい"), QStringLiteral("Bob01")}), "similar");
    }

    void sameIdInNfc()
    {
        QVERIFY(sameId(QStringLiteral("か\u3099くせい"), QStringLiteral("がくせい")));
        QVERIFY(!sameId(QStringLiteral("alice"), QStringLiteral("Alice")));
        QVERIFY(!sameId(QStringLiteral("\u0430lice"), QStringLiteral("alice")));
    }

    void createUserFilesWritesTheThreeFiles()
    {
        QTemporaryDir root;
        const QString result = root.filePath(QStringLiteral("Result")); // made on demand
        const QString id = QStringLiteral("Ab 1");
        QCOMPARE(createUserFiles(result, id, QStringLiteral(" pw ")), CreateUserResult::Created);
        QCOMPARE(readBytes(recordPath(result, id)), trialRecordFileStart());
        QCOMPARE(readBytes(passwordPath(result, id)), QByteArray(" pw \r\n"));
        QCOMPARE(readBytes(settingsPath(result, id)), initialSettingsBytes());
        QCOMPARE(QDir(userFolder(result, id)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Ab 1.kek", "Ab 1.pas", "Ab 1.set"}));
        const UserSettings s = readSettings(settingsPath(result, id));
        QVERIFY(!s.referenceMode && !s.alignmentMode && s.magnificationMode == 0);
        QCOMPARE(s.magnification, 0.7f);
        QCOMPARE(readPassword(passwordPath(result, id)), QStringLiteral(" pw "));
    }

    void longestIdFilesCanBeReplaced()
    {
        // Settings OK, a password change and deleting results each replace a file of the user's;
        // the longest accepted ID must leave room for that, not only for the first write.
        QTemporaryDir root;
        const QString id(MaxIdBytes, u'x');
        QCOMPARE(createUserFiles(root.path(), id, QStringLiteral("pw")), CreateUserResult::Created);
        writePassword(passwordPath(root.path(), id), QStringLiteral("new"));
        writeSettings(settingsPath(root.path(), id), dialogSettingsBytes(true, true, 1, 0.84f, 12));
        resetTrialRecords(recordPath(root.path(), id));
        QCOMPARE(readPassword(passwordPath(root.path(), id)), QStringLiteral("new"));
        QCOMPARE(readSettings(settingsPath(root.path(), id)).sizeStep, 12);
        QCOMPARE(readBytes(recordPath(root.path(), id)), trialRecordFileStart());
    }

    void createUserFilesLeavesExistingEntriesAlone()
    {
        QTemporaryDir root;
        QDir(root.path()).mkdir(QStringLiteral("old"));
        writeBytes(root.filePath(QStringLiteral("old/old.pas")), "keep\r\n");
        writeBytes(root.filePath(QStringLiteral("file")), "plain");
        QCOMPARE(createUserFiles(root.path(), QStringLiteral("old"), QStringLiteral("new")),
                 CreateUserResult::FolderExists);
        QCOMPARE(createUserFiles(root.path(), QStringLiteral("file"), QStringLiteral("new")),
                 CreateUserResult::FolderExists);
        QCOMPARE(readBytes(root.filePath(QStringLiteral("old/old.pas"))), QByteArray("keep\r\n"));
        QCOMPARE(QDir(root.filePath(QStringLiteral("old"))).entryList(QDir::Files), QStringList({"old.pas"}));
        QCOMPARE(readBytes(root.filePath(QStringLiteral("file"))), QByteArray("plain"));
    }

    void creationCompletesAFolderLeftWithoutItsPassword_data()
    {
        QTest::addColumn<QByteArray>("kek");
        QTest::addColumn<QByteArray>("set");
        QTest::newRow("empty folder") << QByteArray() << QByteArray();
        QTest::newRow(".kek only") << QByteArray("kept records\r\n") << QByteArray();
        QTest::newRow(".kek and .set") << QByteArray("kept records\r\n") << QByteArray("1\r\n1\r\n0\r\n0.5\r\n");
    }

    void creationCompletesAFolderLeftWithoutItsPassword()
    {
        // An older version killed while creating an ID left such folders; they could never log in.
        QFETCH(QByteArray, kek);
        QFETCH(QByteArray, set);
        QTemporaryDir root;
        const QString id = QStringLiteral("half");
        QVERIFY(QDir(root.path()).mkpath(id));
        if (!kek.isEmpty())
            writeBytes(recordPath(root.path(), id), kek);
        if (!set.isEmpty())
            writeBytes(settingsPath(root.path(), id), set);
        // A creation killed over a minute ago goes; one still at work (young) stays.
        QDir(root.path()).mkpath(QStringLiteral(".creating-AbC123/x"));
        setAge(root.filePath(QStringLiteral(".creating-AbC123")), 120);
        QDir(root.path()).mkpath(QStringLiteral(".creating-XyZ789/y"));
        QVERIFY(userFilesIncomplete(root.path(), id));

        QCOMPARE(createUserFiles(root.path(), id, QStringLiteral("pw")), CreateUserResult::Created);
        QCOMPARE(readBytes(passwordPath(root.path(), id)), QByteArray("pw\r\n"));
        QCOMPARE(readBytes(recordPath(root.path(), id)), kek.isEmpty() ? trialRecordFileStart() : kek);
        QCOMPARE(readBytes(settingsPath(root.path(), id)), set.isEmpty() ? initialSettingsBytes() : set);
        QVERIFY(!userFilesIncomplete(root.path(), id));
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({".creating-XyZ789", id}));
        // Whole now: a second creation leaves it alone.
        QCOMPARE(createUserFiles(root.path(), id, QStringLiteral("other")), CreateUserResult::FolderExists);
        QCOMPARE(readBytes(passwordPath(root.path(), id)), QByteArray("pw\r\n"));
    }

    // Two copies complete one incomplete ID at the same moment: exactly one says Created, and the
    // password file holds that one's password.
    void creationOverIncompleteFolderIsExclusive()
    {
        QTemporaryDir root;
        const QString id = QStringLiteral("half");
        for (int round = 0; round < 20; ++round) {
            QDir(root.filePath(id)).removeRecursively();
            QVERIFY(QDir(root.path()).mkpath(id));
            writeBytes(recordPath(root.path(), id), trialRecordFileStart());
            const std::vector<int> results = korven::test::raceProcesses(2, [&](int child) {
                try {
                    return int(createUserFiles(root.path(), id, QStringLiteral("pw%1").arg(child)));
                } catch (const KorvenError &) {
                    return 9;
                }
            });
            QCOMPARE(int(std::count(results.begin(), results.end(), int(CreateUserResult::Created))), 1);
            QCOMPARE(int(std::count(results.begin(), results.end(), int(CreateUserResult::FolderExists))), 1);
            const int winner = results[0] == int(CreateUserResult::Created) ? 0 : 1;
            QCOMPARE(readBytes(passwordPath(root.path(), id)), QStringLiteral("pw%1\r\n").arg(winner).toUtf8());
            QCOMPARE(readBytes(recordPath(root.path(), id)), trialRecordFileStart());
        }
    }

    // A class starting together: several processes create different IDs on one Result folder at
    // once. Each creation reported as made stands whole, and none is refused.
    void concurrentCreationsAreWhole()
    {
        QTemporaryDir root;
        const QString result = root.path();
        constexpr int Processes = 4;
        constexpr int IdsEach = 30;
        int go[2];
        QCOMPARE(::pipe(go), 0);
        std::vector<pid_t> children;
        for (int p = 0; p < Processes; ++p) {
            const pid_t pid = ::fork();
            QVERIFY(pid >= 0);
            if (pid == 0) {
                ::close(go[1]);
                char c;
                (void)!::read(go[0], &c, 1); // all start when the pipe closes
                int failed = 0;
                for (int i = 0; i < IdsEach; ++i) {
                    try {
                        if (createUserFiles(result, QStringLiteral("p%1-%2").arg(p).arg(i), QStringLiteral("pw"))
                            != CreateUserResult::Created)
                            ++failed;
                    } catch (const KorvenError &) {
                        ++failed;
                    }
                }
                ::_exit(failed);
            }
            children.push_back(pid);
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t pid : children) {
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        for (int p = 0; p < Processes; ++p) {
            for (int i = 0; i < IdsEach; ++i) {
                const QString id = QStringLiteral("p%1-%2").arg(p).arg(i);
                QCOMPARE(readBytes(recordPath(result, id)), trialRecordFileStart());
                QCOMPARE(readBytes(passwordPath(result, id)), QByteArray("pw\r\n"));
                QCOMPARE(readBytes(settingsPath(result, id)), initialSettingsBytes());
            }
        }
        QCOMPARE(QDir(result).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
                 Processes * IdsEach);
    }

    // On a shared folder an ID's folder and files are its user's alone, and a symbolic link in
    // place of an ID's folder is refused, not followed.
    void userFilesArePrivate()
    {
        QTemporaryDir root;
        const QString id = QStringLiteral("u");
        QCOMPARE(createUserFiles(root.path(), id, QStringLiteral("pw")), CreateUserResult::Created);
        QCOMPARE(modeOf(userFolder(root.path(), id)), 0700);
        for (const QString &path : {passwordPath(root.path(), id), settingsPath(root.path(), id), recordPath(root.path(), id)})
            QCOMPARE(modeOf(path), 0600);
        // A password file an older version made readable to all is narrowed at the next change.
        QCOMPARE(::chmod(QFile::encodeName(passwordPath(root.path(), id)).constData(), 0644), 0);
        writePassword(passwordPath(root.path(), id), QStringLiteral("new"));
        QCOMPARE(modeOf(passwordPath(root.path(), id)), 0600);
        checkUserFolder(root.path(), id);

        QVERIFY(QFile::link(userFolder(root.path(), id), root.filePath(QStringLiteral("link"))));
        try {
            checkUserFolder(root.path(), QStringLiteral("link"));
            QFAIL("a linked ID folder was accepted");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("symbolic link")), qPrintable(e.message()));
        }
        QCOMPARE(createUserFiles(root.path(), QStringLiteral("link"), QStringLiteral("pw")), CreateUserResult::FolderExists);
    }

    void createUserFilesRefusesWithoutTrace_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("resultIsAFile");
        QTest::newRow("ID with a slash") << "a/b" << "pw" << false;
        QTest::newRow("ID \"..\"") << ".." << "pw" << false;
        QTest::newRow("password not storable") << "u" << QStringLiteral("\U0001F600") << false;
        QTest::newRow("folder cannot be made") << "u" << "pw" << true;
    }

    void createUserFilesRefusesWithoutTrace()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(bool, resultIsAFile);
        QTemporaryDir root;
        const QString result = root.filePath(QStringLiteral("Result"));
        if (resultIsAFile)
            writeBytes(result, "not a folder");
        else
            QDir(root.path()).mkdir(QStringLiteral("Result"));
        QVERIFY_THROWS_EXCEPTION(KorvenError, createUserFiles(result, id, password));
        if (resultIsAFile)
            QCOMPARE(readBytes(result), QByteArray("not a folder"));
        else
            QCOMPARE(QDir(result).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Result"}));
    }
};

QTEST_GUILESS_MAIN(TestUserFiles)
#include "test_user_files.moc"
