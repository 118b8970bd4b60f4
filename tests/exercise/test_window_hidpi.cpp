// The exercise window on a screen of device pixel ratio 2 (as QT_SCALE_FACTOR=2 gives): the same
// board as at ratio 1, control by control and piece by piece, with twice the pixels in every
// shown picture. The board is laid out in two child processes, one per ratio, and compared.
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {

QString rect(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Lays the board out, places every piece in its own slot at a fixed turn, shows the correct
// answer, and prints the geometry ("geometry ...") and the pixel counts ("pixels ...").
int dumpBoard(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::printf("ratio %g\n", app.devicePixelRatio());
    korven::test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    // A window's place on the screen depends on the screen; its size and its controls do not.
    auto geometry = [](const QString &name, QWidget *w) {
        const QRect r = w->isWindow() ? QRect(QPoint(), w->size()) : w->geometry();
        std::printf("geometry %s %s\n", qPrintable(name), qPrintable(rect(r)));
    };
    auto pixels = [](const QString &name, const QSize &logical, const QImage &image) {
        std::printf("pixels %s %dx%d of %dx%d\n", qPrintable(name), image.width(), image.height(), logical.width(),
                    logical.height());
    };
    const QList<QWidget *> controls{f, f->MenuPanel, f->InOutPanel, f->InputPanel, f->OutputPanel,
                                    f->ListBox3, f->Panel5, f->Button1, f->Button2, f->Button3,
                                    f->Button4, f->Button5, f->Button6};
    for (QWidget *w : controls)
        geometry(w->objectName(), w);
    std::printf("geometry magnification %.6f fit %.6f\n", f->Magnification, f->FitScale);
    for (int k = 0; k < TForm1::PieceCount; ++k) {
        geometry(f->SlotPanels[k]->objectName(), f->SlotPanels[k]);
        f->PieceRotation[k] = k % 24;
        fixture.placePiece(k, k);
        geometry(f->PieceImages[k]->objectName(), f->PieceImages[k]);
        pixels(f->PieceImages[k]->objectName(), f->PieceImages[k]->size(), f->PieceImages[k]->picture());
    }
    f->Button1Click();
    f->Button5Click();
    for (int k = 0; k < TForm16::SlotCount; ++k) {
        QLabel *image = Form16->AnswerImages[k];
        geometry(QStringLiteral("answer ") + image->objectName(), image);
        pixels(QStringLiteral("answer ") + image->objectName(), image->size(), image->pixmap().toImage());
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

class TestWindowHighDensity : public QObject {
    Q_OBJECT
private slots:
    void sameBoardTwiceThePixels()
    {
        auto run = [](const char *factor) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dump")});
            child.waitForFinished(-1);
            return QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        const QStringList one = run("1");
        const QStringList two = run("2");
        QVERIFY(!one.isEmpty() && !two.isEmpty());
        QCOMPARE(one.first(), QStringLiteral("ratio 1"));
        QCOMPARE(two.first(), QStringLiteral("ratio 2"));

        auto lines = [](const QStringList &all, const QString &kind) {
            QStringList picked;
            for (const QString &line : all)
                if (line.startsWith(kind))
                    picked << line;
            return picked;
        };
        // Every control, slot and piece at the same logical place and size.
        QCOMPARE(lines(two, QStringLiteral("geometry")), lines(one, QStringLiteral("geometry")));
        QCOMPARE(lines(one, QStringLiteral("geometry")).size(), 13 + 1 + 46 * 3);

        // At ratio 1 a picture holds its logical size in pixels, at ratio 2 twice that.
        const QStringList pixelsOne = lines(one, QStringLiteral("pixels"));
        const QStringList pixelsTwo = lines(two, QStringLiteral("pixels"));
        QCOMPARE(pixelsTwo.size(), 92);
        for (int i = 0; i < pixelsTwo.size(); ++i) {
            const QStringList a = pixelsOne[i].section(QLatin1Char(' '), -3).split(QLatin1Char(' '));
            const QStringList b = pixelsTwo[i].section(QLatin1Char(' '), -3).split(QLatin1Char(' '));
            QCOMPARE(a[0], a[2]);
            const QStringList logical = b[2].split(QLatin1Char('x'));
            QCOMPARE(b[0], QStringLiteral("%1x%2").arg(2 * logical[0].toInt()).arg(2 * logical[1].toInt()));
        }
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--dump") == 0)
        return dumpBoard(argc, argv);
    QApplication app(argc, argv);
    TestWindowHighDensity test;
    return QTest::qExec(&test, 1, argv);
}

#include "test_window_hidpi.moc"
