// The Japanese interface: every window speaks Japanese, Qt's own dialogs too, and the files a
// trial writes are the same bytes as under English.
#include "analysis/ui/chart_view.h"
#include "analysis/ui/delete_results_dlgs.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "analysis/ui/tpages_dlg.h"
#include "app/language.h"
#include "app/ui/help_window.h"
#include "app/ui/korven_application.h"
#include "app/ui/tabout_box.h"
#include "classroom/class_fixture.h"
#include "classroom/ui/class_window.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform15.h"
#include "exercise/errors.h"
#include "exercise/ui/tform16.h"
#include "files/text_file.h"
#include "support/file_bytes.h"
#include "support/window_fixture.h"
#include "users/trial_records.h"
#include "users/ui/new_id_dialogs.h"
#include "users/ui/tpassword_dlg.h"
#include "users/user_files.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using korven::test::WindowFixture;

namespace {

// Latin words that read the same in both languages: the product, "ID", "OK", the sex slots.
const QStringList SameInBoth = {QStringLiteral("KORVEN"), QStringLiteral("ID"), QStringLiteral("OK"),
                                QStringLiteral("XY")};

// Runs of two or more Latin letters left in a text, markup and the words above aside.
QStringList englishWords(QString text)
{
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z]+;"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    text.remove(markup);
    QStringList found;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (!SameInBoth.contains(w))
            found << w;
    }
    return found;
}

// "window: text" for every text a person sees in the window that still holds English: its
// title, visible labels and buttons (and their tips), field hints, tabs, table headings, menus
// and chart titles. The `data` (folder paths, IDs) are names, not English, and are left out.
QStringList englishLeft(QWidget *window, const QStringList &data = {})
{
    QStringList texts{window->windowTitle()};
    for (auto *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window))
            texts << label->text();
    }
    for (auto *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window))
            texts << button->text() << button->toolTip();
    }
    for (auto *edit : window->findChildren<QLineEdit *>()) {
        if (edit->isVisibleTo(window))
            texts << edit->placeholderText();
    }
    for (auto *table : window->findChildren<QTableView *>()) {
        for (int c = 0; c < table->model()->columnCount(); ++c)
            texts << table->model()->headerData(c, Qt::Horizontal).toString();
    }
    for (auto *tabs : window->findChildren<QTabBar *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *menu : main->menuBar()->actions()) {
            texts << menu->text();
            if (menu->menu()) {
                for (QAction *item : menu->menu()->actions())
                    texts << item->text();
            }
        }
    }
    for (auto *view : window->findChildren<korven::ui::ChartView *>())
        texts << view->chart().title << view->chart().x.title << view->chart().y.title;
    QStringList left;
    for (QString text : texts) {
        for (const QString &name : data)
            text.remove(name);
        if (!englishWords(text).isEmpty())
            left << window->objectName() + QStringLiteral(": ") + text;
    }
    return left;
}

// With KORVEN_SHOT_DIR set, saves a picture of the window there to look at (NAME-STEP.png).
void savePicture(QWidget *window, const QString &step)
{
    const QString dir = qEnvironmentVariable("KORVEN_SHOT_DIR");
    if (dir.isEmpty())
        return;
    const bool hidden = !window->isVisible();
    if (hidden)
        window->show();
    window->grab().save(QDir(dir).filePath(window->objectName() + QLatin1Char('-') + step + QStringLiteral(".png")));
    if (hidden)
        window->hide();
}

QList<QWidget *> windowSet()
{
    return {PasswordDlg, AboutBox,  PagesDlg, OKBottomDlg, NewIDorNo, NewID, Form9,  Form11,
            Recovery1,   NewIDComplete, Form8, Form10,      Form14,    Form15, Form16, Form1};
}

// One trial through the window's handlers: every piece placed, chromosomes 4 and 6 swapped,
// evaluated; then the settings dialog's OK. Returns the record and settings files' bytes.
QByteArray trialFiles(WindowFixture &fx, const QString &id)
{
    TForm1 *f = fx.form();
    f->UserId = id;
    const QString result = fx.folder.resultFolder();
    QDir().mkpath(korven::userFolder(result, id));
    korven::test::writeBytes(korven::recordPath(result, id), korven::trialRecordFileStart());
    fx.loadAndStart(0);
    PagesDlg->AnswerMode->setChecked(true); // placed upright, whatever the scatter's turns
    for (int k = 0; k < 46; ++k)
        fx.placePiece(k, k == 7 ? 10 : k == 10 ? 7 : k);
    f->Button1Click();
    PagesDlg->OKBtnClick();
    return korven::test::readBytes(korven::recordPath(result, id)) + "|"
        + korven::test::readBytes(korven::settingsPath(result, id));
}

} // namespace

class TestJapanese : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { korven::ui::installFonts(); }
    void cleanup()
    {
        korven::removeTranslations();
        QLocale::setDefault(QLocale::c());
    }

    void detectorFindsEnglish();
    void everyWindowInJapanese();
    void helpAndClassWindowsInJapanese();
    void qtDialogsInJapanese();
    void filesSameInBothLanguages();
    void fileRefusalsInJapanese();
};

// The check below is only as good as this: English words are found, the allowed ones are not.
void TestJapanese::detectorFindsEnglish()
{
    QCOMPARE(englishWords(QStringLiteral("KORVEN  Correct answer")), (QStringList{"Correct", "answer"}));
    QCOMPARE(englishWords(QStringLiteral("得点: 42/46\n 修正しますか?")), QStringList());
    QCOMPARE(englishWords(QStringLiteral("解答時間<br>&nbsp;")), QStringList());
    QCOMPARE(englishWords(QStringLiteral("KORVEN          ID: 研修生   XY  Y  ファイル(&F)")), QStringList());
}

void TestJapanese::everyWindowInJapanese()
{
    QVERIFY(korven::installTranslations(korven::Language::Japanese));
    WindowFixture fx({korven::test::femaleProblem(10), korven::test::maleProblem(20)});
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); // a Japanese desktop's dates
    TForm1 *f = fx.form();
    const QString id = QStringLiteral("研修生");
    f->UserId = id;
    QDir().mkpath(korven::userFolder(fx.folder.resultFolder(), id));
    korven::test::writeBytes(korven::recordPath(fx.folder.resultFolder(), id), korven::trialRecordFileStart());
    OKBottomDlg->show(); // no results yet
    OKBottomDlg->hide();

    QStringList left;
    for (QWidget *w : windowSet()) {
        left << englishLeft(w);
        savePicture(w, QStringLiteral("start"));
    }
    for (int page = 0; page < PagesDlg->PageControl1->count(); ++page) {
        PagesDlg->PageControl1->setCurrentIndex(page);
        savePicture(PagesDlg, QString::number(page));
    }
    PagesDlg->PageControl1->setCurrentIndex(0);

    // The exercise window through a trial: running, graded, the correct answer shown.
    fx.loadAndStart(1);
    left << englishLeft(f);
    f->Button4Click(); // paused
    left << englishLeft(f);
    f->Button4Click();
    for (int k = 0; k < 46; k += 3)
        fx.placePiece(k, k);
    f->Button1Click();
    left << englishLeft(f);
    f->Button1Click(); // a correction round
    left << englishLeft(f);
    savePicture(f, QStringLiteral("graded"));
    f->Button5Click();
    left << englishLeft(f) << englishLeft(Form16);
    savePicture(f, QStringLiteral("answer"));
    OKBottomDlg->show(); // with today's trial
    left << englishLeft(OKBottomDlg);
    savePicture(OKBottomDlg, QStringLiteral("trial"));
    OKBottomDlg->hide();

    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    QVERIFY2(fx.errors().isEmpty(), qPrintable(fx.errors().join(u'\n')));
}

// The windows outside the exercise's set: the program's own help window and the class overview,
// with its folder read and a trainee chosen.
void TestJapanese::helpAndClassWindowsInJapanese()
{
    QVERIFY(korven::installTranslations(korven::Language::Japanese));
    korven::ui::HelpWindow help;
    QStringList left = englishLeft(&help);

    korven::test::ClassFolder folder;
    korven::ui::ClassWindow classes;
    classes.setToday(korven::test::ClassToday);
    classes.show();
    left << englishLeft(&classes);
    classes.openFolder(folder.result());
    classes.selectRow(0);
    const QStringList names{QDir::toNativeSeparators(folder.result()), QStringLiteral("alice"), QStringLiteral("bob"),
                            QStringLiteral("carol"), QStringLiteral("dave"), QStringLiteral("eve")};
    left << englishLeft(&classes, names);
    savePicture(&classes, QStringLiteral("trainee"));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

void TestJapanese::qtDialogsInJapanese()
{
    QVERIFY(korven::installTranslations(korven::Language::Japanese));
    // Message-box buttons and Qt's own dialogs come from Qt's translations.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") != QLatin1String("Print"));
    korven::removeTranslations();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(korven::currentLanguage(), korven::Language::English);
}

void TestJapanese::filesSameInBothLanguages()
{
    QByteArray english;
    {
        WindowFixture fx;
        english = trialFiles(fx, QStringLiteral("trainee1"));
        QCOMPARE(fx.form()->Button1->text(), QStringLiteral("Score: 44/46\n Are these corrected?"));
    }
    QVERIFY(korven::installTranslations(korven::Language::Japanese));
    WindowFixture fx;
    const QByteArray japanese = trialFiles(fx, QStringLiteral("trainee1"));
    QCOMPARE(fx.form()->Button1->text(), QStringLiteral("得点: 44/46\n 修正しますか?"));
    QVERIFY(english.contains(",001,")); // the trial was recorded
    QCOMPARE(japanese, english);
}

// A refused open, read or append is one Japanese sentence: no English verb inside it.
void TestJapanese::fileRefusalsInJapanese()
{
    QVERIFY(korven::installTranslations(korven::Language::Japanese));
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // A file where a folder should be refuses every operation whatever the account.
    const QString path = plain + QStringLiteral("/user.kek");
    const std::function<void()> operations[] = {
        [&] { korven::readTextLines(path); },
        [&] { korven::regularFileSize(path); },
        [&] { korven::appendToFile(path, "line\r\n"); },
    };
    for (const auto &operation : operations) {
        QString message;
        try {
            operation();
        } catch (const korven::KorvenError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QCOMPARE(englishWords(message.remove(QDir::toNativeSeparators(path))), QStringList());
    }
}

QTEST_MAIN(TestJapanese)
#include "test_japanese.moc"
