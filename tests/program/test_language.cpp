// Choosing the interface language from the environment, and the help manual that goes with it.
#include "program/language.h"

#include <QTest>

using korven::Language;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void helpFile();
};

void TestLanguage::choice_data()
{
    QTest::addColumn<QString>("korvenLang");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("japanese");

    QTest::newRow("nothing set") << "" << "" << "" << "" << false;
    QTest::newRow("Japanese desktop") << "" << "" << "" << "ja_JP.UTF-8" << true;
    QTest::newRow("bare language") << "" << "" << "" << "ja" << true;
    QTest::newRow("EUC with modifier") << "" << "" << "" << "ja_JP.eucJP@euro" << true;
    QTest::newRow("English desktop") << "" << "" << "" << "en_US.UTF-8" << false;
    QTest::newRow("C locale") << "" << "" << "" << "C.UTF-8" << false;
    QTest::newRow("another j language") << "" << "" << "" << "jv_ID.UTF-8" << false;
    QTest::newRow("messages over LANG") << "" << "" << "ja_JP.UTF-8" << "en_GB.UTF-8" << true;
    QTest::newRow("English messages on a Japanese desktop") << "" << "" << "C" << "ja_JP.UTF-8" << false;
    QTest::newRow("LC_ALL over everything") << "" << "en_US.UTF-8" << "ja_JP.UTF-8" << "ja_JP.UTF-8" << false;
    QTest::newRow("LC_ALL Japanese") << "" << "ja_JP.UTF-8" << "" << "C" << true;
    QTest::newRow("override to English") << "en" << "ja_JP.UTF-8" << "" << "" << false;
    QTest::newRow("override to Japanese") << "ja" << "" << "" << "en_US.UTF-8" << true;
    QTest::newRow("override with blanks and capitals") << " JA " << "" << "" << "" << true;
    QTest::newRow("unknown override falls back to the locale") << "fr" << "" << "" << "ja_JP.UTF-8" << true;
}

void TestLanguage::choice()
{
    QFETCH(QString, korvenLang);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(bool, japanese);
    QCOMPARE(korven::chooseLanguage(korvenLang, lcAll, lcMessages, lang) == Language::Japanese, japanese);
}

void TestLanguage::helpFile()
{
    QCOMPARE(korven::helpFileName(Language::English), QStringLiteral("KORVENHelp.html"));
    QCOMPARE(korven::helpFileName(Language::Japanese), QStringLiteral("KORVENHelp.ja.html"));
    // Both manuals are in the tree and copied into the program folder by the build.
    for (Language l : {Language::English, Language::Japanese})
        QVERIFY(QFile::exists(QStringLiteral(KORVEN_SOURCE_DIR "/data/") + korven::helpFileName(l)));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
