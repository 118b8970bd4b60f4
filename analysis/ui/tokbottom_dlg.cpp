#include "analysis/ui/tokbottom_dlg.h"

#include "analysis/analysis_texts.h"
#include "analysis/trial_statistics.h"
#include "app/program_folder.h"
#include "app/ui/korven_application.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QCoreApplication>
#include <QAbstractTableModel>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>

TOKBottomDlg *OKBottomDlg = nullptr;

// The hidden grid's content: the record file's lines, split into their 50 fields on demand.
class RecordGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLines(const QStringList &lines)
    {
        beginResetModel();
        lines_ = lines;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(lines_.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : 50;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() == 0)
            return QVariant();
        return korven::recordFields(lines_.at(index.row())).value(index.column());
    }

private:
    QStringList lines_;
};

namespace {

constexpr int Label6Top = 56;
constexpr int NoResultsTop = 100;

QFont gothic(int pixels)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int pixels)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gothic(pixels));
    label->move(left, top);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// Cuts a label to the whole lines of its text that fit above `limit`, so that a long text stops
// short of the control below it instead of being drawn over it. The text itself stays whole.
void keepAbove(QLabel *label, int limit)
{
    const int room = limit - label->y();
    if (label->height() <= room)
        return;
    const QStringList lines = label->text().split(u'\n');
    const QRect unbounded(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int flags = int(label->alignment()) | Qt::TextExpandTabs;
    int height = 0;
    for (qsizetype shown = lines.size() - 1; shown > 0; --shown) {
        height = label->fontMetrics().boundingRect(unbounded, flags, lines.first(shown).join(u'\n')).height();
        if (height <= room)
            break;
    }
    label->resize(label->width(), std::min(height, room));
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(tr("Evaluation(KORVEN)"));
    setFont(gothic(12));
    setFixedSize(862, 720);

    // Created first so that it is first in the focus chain.
    OKBtn = makeButton(this, QStringLiteral("OKBtn"), tr("Close"), QRect(775, 12, 75, 25));
    OKBtn->setDefault(true);
    Button1 = makeButton(this, QStringLiteral("Button1"), tr("Print"), QRect(680, 12, 75, 25));
    Button2 = makeButton(this, QStringLiteral("Button2"), tr("Delete grades"), QRect(8, 664, 97, 25));
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    Label1 = makeLabel(this, QStringLiteral("Label1"), 24, 8, 16);

    charts_ = korven::ui::makeTrialCharts(this, QRect(8, 40, 400, 200), QRect(8, 248, 400, 200),
                                          QRect(8, 456, 400, 200));
    Chart1 = charts_.perTrial;
    Chart3 = charts_.perSlot;
    Chart2 = charts_.answerTime;

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(416, 40, 441, 233);
    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(416, 272, 441, 441);
    Bevel1->lower();
    Bevel2->lower();

    Label6 = makeLabel(this, QStringLiteral("Label6"), 440, Label6Top, 16);
    // Today's first line can be wider than the frame; it wraps inside the frame instead of
    // running off the dialog.
    Label6->setWordWrap(true);
    Label6->setFixedWidth(Bevel1->geometry().right() - 440 - 6);
    Label2 = makeLabel(this, QStringLiteral("Label2"), 432, 288, 16);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop); // cut at the bottom when too long
    Label3 = makeLabel(this, QStringLiteral("Label3"), 432, 632, 16);

    gridModel_ = new RecordGridModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(gridModel_);
    StringGrid1->hide();
    StringGrid2 = new QTableWidget(this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->hide();
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->hide();
    Label12 = makeLabel(this, QStringLiteral("Label12"), 0, 0, 12);
    Label12->hide();
    s = new QLabel(this);
    s->setObjectName(QStringLiteral("s"));
    s->hide();
}

void TOKBottomDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TOKBottomDlg::FormShow()
{
    const QString userId = Form1 ? Form1->UserId : QString();
    Label1->setText(korven::evaluationOfText(userId));
    Label1->adjustSize();
    charts_.clear();

    // A file that cannot be read or a field that does not convert is reported; the dialog keeps
    // what was filled up to then.
    korven::ui::guarded([&] {
        const QString path = korven::recordPath(korven::resultFolder(), userId);
        const QStringList lines = korven::readTextLines(path, korven::RecordFileLimits);
        gridModel_->setLines(lines);
        const QString today = korven::recordDateText(today_.isValid() ? today_ : QDate::currentDate());
        const auto problemName = [](int problem) {
            return Form1 ? Form1->problemNameAt(problem - 1) : QString();
        };
        const std::optional<korven::TrialStatistics> stats =
            korven::evaluateTrialRecords(lines, today, problemName, path);

        if (!stats) {
            Label6->move(Label6->x(), NoResultsTop);
            Label6->setText(korven::noResultsNotice());
            Label2->setText(korven::noResultsAllTrials());
            Label3->clear();
            for (QLabel *label : {Label6, Label2, Label3})
                label->adjustSize();
            OKBtn->setFocus();
            return;
        }

        // Back to its own place after a no-results showing, or today's text would run into
        // the all-trial text below its frame.
        Label6->move(Label6->x(), Label6Top);
        charts_.fill(*stats);
        Label6->setText(korven::todayText(stats->today));
        Label2->setText(korven::allTrialsText(*stats));
        Label3->setText(korven::problemText(*stats));
        for (QLabel *label : {Label6, Label2, Label3})
            label->adjustSize();
        // A long list of weak slots would run into the problem text below.
        keepAbove(Label2, Label3->y());
    });
}

void TOKBottomDlg::OKBtnClick() { accept(); }
