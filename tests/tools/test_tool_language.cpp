// korven-problems speaks the desktop's language: its help and messages in Japanese under a
// Japanese locale, unchanged in English otherwise.
#include <QProcess>
#include <QTest>

class TestToolLanguage : public QObject {
    Q_OBJECT
private slots:
    void messages_data();
    void messages();
};

void TestToolLanguage::messages_data()
{
    QTest::addColumn<QString>("korvenLang");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected"); // the start of what it prints

    const QStringList help{"--help"};
    const QStringList wrong{"pack"};
    QTest::newRow("help, English desktop") << "" << "en_US.UTF-8" << help << "korven-problems: makes and checks";
    QTest::newRow("help, Japanese desktop") << "" << "ja_JP.UTF-8" << help << "korven-problems: KORVEN の問題セット";
    QTest::newRow("help, English asked for") << "en" << "ja_JP.UTF-8" << help << "korven-problems: makes and checks";
    QTest::newRow("usage error, Japanese")
        << "ja" << "C.UTF-8" << wrong << "korven-problems: pack にはフォルダを 1 つだけ指定してください";
}

void TestToolLanguage::messages()
{
    QFETCH(QString, korvenLang);
    QFETCH(QString, lang);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("KORVEN_LANG"), korvenLang);
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(KORVEN_TOOL), args);
    QVERIFY(tool.waitForFinished(-1));
    const QString out = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    QVERIFY2(out.startsWith(expected), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestToolLanguage)
#include "test_tool_language.moc"
