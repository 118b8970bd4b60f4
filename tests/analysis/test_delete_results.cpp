// Deleting results from the analysis dialog: the confirmation, the notice, the record file cut
// back to its header, and the analysis dialog coming back in every case.
#include "analysis/ui/delete_results_dlgs.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "analysis/user_windows.h"
#include "users/trial_records.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using korven::test::fileBytes;
using korven::test::UserWindows;

class TestDeleteResults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { w.reset(); }

    void windows();
    void deleteAll();
    void cancel_data();
    void cancel();
    void writeFailure_data();
    void writeFailure();
    void analysisStaysModal();

private:
    // Opens "Delete grades" from the analysis dialog; Form8 is shown and answered by `answer`.
    void deleteGrades(const std::function<void()> &answer);

    std::unique_ptr<UserWindows> w;
    bool analysisHiddenMeanwhile = false;
};

void TestDeleteResults::init()
{
    w = std::make_unique<UserWindows>();
    std::array<int, 46> results;
    results.fill(1);
    korven::appendTrialRecord(w->recordFile(), results, QStringLiteral("001"), 300, QDate(2024, 5, 1));
    results[3] = -2;
    korven::appendTrialRecord(w->recordFile(), results, QStringLiteral("002"), 250, QDate(2024, 5, 2));
    analysisHiddenMeanwhile = false;
}

void TestDeleteResults::deleteGrades(const std::function<void()> &answer)
{
    w->modalAnswer = [this, answer](QDialog *dialog) {
        analysisHiddenMeanwhile = !OKBottomDlg->isVisible();
        dialog->show();
        if (dialog == Form8)
            answer();
        else if (dialog == Form10)
            QTest::mouseClick(Form10->Button1, Qt::LeftButton);
        return dialog->result();
    };
    OKBottomDlg->show();
    QTest::mouseClick(OKBottomDlg->Button2, Qt::LeftButton);
}

void TestDeleteResults::windows()
{
    QCOMPARE(Form8->windowTitle(), QStringLiteral("KORVEN  delete all results"));
    QCOMPARE(Form8->Label1->text(), QStringLiteral("Delete your all results ？"));
    QCOMPARE(Form8->Label2->text(), QStringLiteral("We cannot revive them  once you delete."));
    QCOMPARE(Form8->Button1->geometry(), QRect(116, 104, 83, 25));
    QCOMPARE(Form8->Button2->geometry(), QRect(216, 104, 75, 25));
    QCOMPARE(Form10->windowTitle(), QStringLiteral("KORVEN"));
    QCOMPARE(Form10->Label1->text(), QStringLiteral("All the results elimination was carried out."));
    QCOMPARE(Form10->Button1->geometry(), QRect(144, 56, 75, 25));
    // The texts fit their windows and stay clear of the buttons.
    for (QDialog *dialog : {static_cast<QDialog *>(Form8), static_cast<QDialog *>(Form10)}) {
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            QVERIFY2(dialog->rect().contains(label->geometry()), qPrintable(label->objectName()));
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                QVERIFY(!label->geometry().intersects(button->geometry()));
        }
    }
}

void TestDeleteResults::deleteAll()
{
    const QByteArray password = fileBytes(w->passwordFile());
    const QByteArray settings = fileBytes(w->settingsFile());
    deleteGrades([] { QTest::mouseClick(Form8->Button1, Qt::LeftButton); });

    QCOMPARE(w->modals, (QStringList{QStringLiteral("Form8"), QStringLiteral("Form10")}));
    QVERIFY(analysisHiddenMeanwhile);
    QCOMPARE(fileBytes(w->recordFile()), korven::trialRecordFileStart());
    QCOMPARE(fileBytes(w->passwordFile()), password);
    QCOMPARE(fileBytes(w->settingsFile()), settings);
    QVERIFY(!Form8->isVisible());
    QVERIFY(!Form10->isVisible());
    // Back in the analysis dialog, which has read the emptied file.
    QVERIFY(OKBottomDlg->isVisible());
    QVERIFY(OKBottomDlg->Label6->text().contains(QStringLiteral("There are not the results.")));
    QVERIFY(w->errors.isEmpty());
    // Numbering starts again.
    std::array<int, 46> results;
    results.fill(0);
    QCOMPARE(korven::appendTrialRecord(w->recordFile(), results, QStringLiteral("003"), 90).trialNumber, 0);
}

void TestDeleteResults::cancel_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "button";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close box") << "close";
    // A bare Enter, even when an earlier showing left the focus on "Delete".
    QTest::newRow("Enter") << "enter";
}

void TestDeleteResults::cancel()
{
    QFETCH(QString, how);
    const QByteArray before = fileBytes(w->recordFile());
    OKBottomDlg->show();
    const QString summary = OKBottomDlg->Label2->text();
    OKBottomDlg->hide();
    if (how == QLatin1String("enter")) {
        Form8->Button1->setFocus();
        QCOMPARE(Form8->focusWidget(), Form8->Button1);
    }
    deleteGrades([how] {
        if (how == QLatin1String("button"))
            QTest::mouseClick(Form8->Button2, Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(Form8, Qt::Key_Escape);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(Form8->focusWidget() ? Form8->focusWidget() : Form8, Qt::Key_Return);
        else
            Form8->close();
    });

    QCOMPARE(w->modals, QStringList{QStringLiteral("Form8")});
    QVERIFY(analysisHiddenMeanwhile);
    QCOMPARE(fileBytes(w->recordFile()), before);
    QVERIFY(!Form8->isVisible());
    QVERIFY(OKBottomDlg->isVisible());
    QCOMPARE(OKBottomDlg->Label2->text(), summary);
}

void TestDeleteResults::writeFailure_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("disk full") << "full disk";
    QTest::newRow("a folder in the way") << "folder";
    QTest::newRow("read-only folder") << "read-only";
}

void TestDeleteResults::writeFailure()
{
    QFETCH(QString, how);
    const QString path = w->recordFile();
    const QString folder = korven::userFolder(w->folder.resultFolder(), w->id);
    QFile folderEntry(folder);
    const auto permissions = folderEntry.permissions();
    if (how == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else if (how == QLatin1String("read-only")) {
        if (korven::test::runningAsRoot())
            QSKIP("permissions do not stop root");
        QVERIFY(folderEntry.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QByteArray before = fileBytes(path);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    bool stayedOpen = false;
    QStringList deleteErrors;
    deleteGrades([&] {
        const qsizetype shown = w->errors.size();
        {
            std::unique_ptr<korven::test::NoRoomForWrites> noRoom;
            if (how == QLatin1String("full disk"))
                noRoom = std::make_unique<korven::test::NoRoomForWrites>();
            QTest::mouseClick(Form8->Button1, Qt::LeftButton);
        }
        deleteErrors = w->errors.mid(shown);
        stayedOpen = Form8->isVisible();
        // Cancel still leads back.
        QTest::mouseClick(Form8->Button2, Qt::LeftButton);
    });
    folderEntry.setPermissions(permissions);

    QVERIFY(stayedOpen);
    QCOMPARE(w->modals, QStringList{QStringLiteral("Form8")});
    QCOMPARE(deleteErrors.size(), 1);
    QVERIFY2(deleteErrors.first().contains(QFileInfo(path).fileName()), qPrintable(deleteErrors.first()));
    if (how == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
    QVERIFY(OKBottomDlg->isVisible());
}

void TestDeleteResults::analysisStaysModal()
{
    // Shown for real: the analysis dialog's exec() goes on while the confirmation stands in for it
    // and returns only when the dialog itself is closed.
    korven::ui::setModalHook({});
    bool returned = false;
    bool backAndModal = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { QTest::mouseClick(Form8->Button2, Qt::LeftButton); });
        QTest::mouseClick(OKBottomDlg->Button2, Qt::LeftButton);
        QTimer::singleShot(0, [&] {
            backAndModal = OKBottomDlg->isVisible() && OKBottomDlg->isModal() && !returned
                           && QApplication::activeModalWidget() == OKBottomDlg;
            QTest::mouseClick(OKBottomDlg->OKBtn, Qt::LeftButton);
        });
    });
    OKBottomDlg->exec();
    returned = true;
    QVERIFY(backAndModal);
    QVERIFY(!OKBottomDlg->isVisible());
}

QTEST_MAIN(TestDeleteResults)
#include "test_delete_results.moc"
