#include "cases/ui/case_window.h"

#include "program/program_folder.h"
#include "forms/messages.h"
#include "cases/case_grading.h"
#include "cases/case_identity.h"
#include "cases/case_layout.h"
#include "cases/karyotype_grading.h"
#include "cases/ui/case_answer.h"
#include "cases/ui/case_places.h"
#include "exercise/board_rules.h"
#include "files/errors.h"
#include "exercise/loupe.h"
#include "exercise/ui/magnifier.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int SideWidth = 210;   // the case list and "my cases"
constexpr int MaxCount = 200;    // the count a trainee may enter
// While arranging, the spread and the karyogram share the work area's width in these parts: the
// karyogram gets the larger share, so a group's pieces stand tall enough to show their bands, and
// the spread keeps enough to pick its chromosomes out (chromosome 1 about as tall as in an
// exercise window's slot). While counting the spread has the whole area.
constexpr int SpreadShare = 2;
constexpr int KaryogramShare = 3;
constexpr int ElementLinesShown = 8; // lines of the grading seen without scrolling
constexpr int FormFaultLines = 2;     // lines kept under the karyotype field for its form fault

QString gradeText(korven::iscn::Grade grade)
{
    switch (grade) {
    case korven::iscn::Grade::Right:
        return CaseWindow::tr("right");
    case korven::iscn::Grade::Near:
        return CaseWindow::tr("near");
    case korven::iscn::Grade::Wrong:
        return CaseWindow::tr("wrong");
    case korven::iscn::Grade::Missing:
        return CaseWindow::tr("missing");
    case korven::iscn::Grade::Extra:
        break;
    }
    return CaseWindow::tr("extra");
}

QString verdictText(korven::iscn::Verdict verdict)
{
    switch (verdict) {
    case korven::iscn::Verdict::Right:
        return CaseWindow::tr("right");
    case korven::iscn::Verdict::Near:
        return CaseWindow::tr("near");
    case korven::iscn::Verdict::Wrong:
        break;
    }
    return CaseWindow::tr("wrong");
}

QColor verdictColour(korven::iscn::Verdict verdict)
{
    switch (verdict) {
    case korven::iscn::Verdict::Right:
        return korven::pieceGradeColour(korven::PieceGrade::Right);
    case korven::iscn::Verdict::Near:
        return korven::pieceGradeColour(korven::PieceGrade::Turned);
    case korven::iscn::Verdict::Wrong:
        break;
    }
    return korven::pieceGradeColour(korven::PieceGrade::WrongGroup);
}

// The short name of a piece for a fault written on it: "21", "der(22)", "i(X)", "mar".
QString shortName(const QString &identity)
{
    const int close = identity.indexOf(u')');
    return close > 0 ? identity.left(close + 1) : identity;
}

QColor gradeColour(korven::iscn::Grade grade)
{
    switch (grade) {
    case korven::iscn::Grade::Right:
        return verdictColour(korven::iscn::Verdict::Right);
    case korven::iscn::Grade::Near:
        return verdictColour(korven::iscn::Verdict::Near);
    case korven::iscn::Grade::Wrong:
    case korven::iscn::Grade::Missing:
    case korven::iscn::Grade::Extra:
        break;
    }
    return verdictColour(korven::iscn::Verdict::Wrong);
}

} // namespace

CaseWindow::CaseWindow(const QString &userId, QWidget *parent) : QMainWindow(parent), userId_(userId)
{
    setObjectName(QStringLiteral("CaseWindow"));
    setWindowTitle(tr("KORVEN  Case work"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    // Maximised when opened from the trainer; this is its size where a desktop cannot maximise.
    resize(korven::openingSize(QSize(1240, 960), screen()->availableGeometry().size()));
    refreshCaseList();
}

CaseWindow::~CaseWindow()
{
    if (answerWindow)
        delete answerWindow.data();
}

void CaseWindow::createControls()
{
    QMenu *option = menuBar()->addMenu(tr("Option(&O)"));
    magnifierAction = option->addAction(tr("Magnifier"));
    magnifierAction->setObjectName(QStringLiteral("Magnifier"));
    magnifierAction->setShortcut(QKeySequence(Qt::Key_F6));
    magnifierAction->setCheckable(true);
    connect(magnifierAction, &QAction::toggled, this, [this] {
        updateMagnifier(qobject_cast<CasePieceWidget *>(QApplication::widgetAt(QCursor::pos())), QCursor::pos());
    });
    QAction *turn = option->addAction(tr("Turn the piece under the pointer over"));
    turn->setObjectName(QStringLiteral("TurnOver"));
    turn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(turn, &QAction::triggered, this,
            [this] { turnOver(qobject_cast<CasePieceWidget *>(QApplication::widgetAt(QCursor::pos()))); });
    QMenu *file = menuBar()->addMenu(tr("Window(&W)"));
    QAction *close = file->addAction(tr("Close"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("CaseArea"));
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(6, 6, 6, 6);

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("Cases")));
    caseList = new QListWidget;
    caseList->setObjectName(QStringLiteral("CaseList"));
    caseList->setFixedWidth(SideWidth);
    caseList->setWordWrap(true); // a done case's whole result takes a second line
    side->addWidget(caseList, 3);
    side->addWidget(new QLabel(tr("My cases")));
    myCases = new QTableWidget(0, 2);
    myCases->setObjectName(QStringLiteral("MyCases"));
    myCases->setFixedWidth(SideWidth);
    myCases->horizontalHeader()->hide();
    myCases->verticalHeader()->hide();
    myCases->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    myCases->setColumnWidth(1, 60);
    myCases->setEditTriggers(QAbstractItemView::NoEditTriggers);
    myCases->setSelectionMode(QAbstractItemView::NoSelection);
    side->addWidget(myCases, 2);
    recordNote = new QLabel;
    recordNote->setObjectName(QStringLiteral("RecordNote"));
    recordNote->setFixedWidth(SideWidth);
    recordNote->setWordWrap(true);
    recordNote->setStyleSheet(QStringLiteral("color: #b00000"));
    recordNote->hide();
    side->addWidget(recordNote);
    grid->addLayout(side, 0, 0, 4, 1);
    connect(caseList, &QListWidget::itemActivated, this, [this] { openCase(caseList->currentRow()); });
    connect(caseList, &QListWidget::itemClicked, this, [this] {
        // A click on the case in hand goes on with it; once graded, it starts the case afresh.
        if (caseList->currentRow() != caseRow_ || stage_ == Stage::NoCase || stage_ == Stage::Evaluated)
            openCase(caseList->currentRow());
    });

    stepLabel = new QLabel;
    stepLabel->setObjectName(QStringLiteral("StepLabel"));
    stepLabel->setWordWrap(true);
    stepLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum); // the work area takes the height
    grid->addWidget(stepLabel, 0, 1);

    // The spread with the grading under it, and the karyogram beside them at full height: the
    // spread is about square, so the room under it is where the grading fits best.
    auto *work = new QHBoxLayout;
    workLayout_ = work;
    auto *spreadColumn = new QVBoxLayout;
    spreadColumn_ = spreadColumn;
    spread = new SpreadPlace(central);
    spreadColumn->addWidget(spread, 1);
    scoreLine = new QLabel;
    scoreLine->setObjectName(QStringLiteral("ScoreLine"));
    QFont bold = scoreLine->font();
    bold.setBold(true);
    scoreLine->setFont(bold);
    scoreLine->setWordWrap(true);
    spreadColumn->addWidget(scoreLine);
    elementLines = new QListWidget;
    elementLines->setObjectName(QStringLiteral("ElementLines"));
    elementLines->setWordWrap(true);
    elementLines->setFixedHeight(elementLines->fontMetrics().lineSpacing() * ElementLinesShown
                                 + 2 * elementLines->frameWidth());
    spreadColumn->addWidget(elementLines);
    work->addLayout(spreadColumn, SpreadShare);
    karyogram = new KaryogramView(central);
    karyogram->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    work->addWidget(karyogram, KaryogramShare);
    grid->addLayout(work, 1, 1);
    grid->setRowStretch(1, 1);

    auto *countRow = new QHBoxLayout;
    marksLabel = new QLabel;
    marksLabel->setObjectName(QStringLiteral("MarksLabel"));
    // Room for three digits, so the row does not jump (or cut the count short) as marks are added.
    marksLabel->setMinimumWidth(marksLabel->fontMetrics().horizontalAdvance(tr("Marks: %1").arg(888)) + 4);
    countRow->addWidget(marksLabel);
    countRow->addWidget(new QLabel(tr("Count:")));
    countBox = new QSpinBox;
    countBox->setObjectName(QStringLiteral("CountBox"));
    countBox->setRange(0, MaxCount);
    countRow->addWidget(countBox);
    confirmButton = new QPushButton(tr("Confirm count"));
    confirmButton->setObjectName(QStringLiteral("ConfirmCount"));
    countRow->addWidget(confirmButton);
    cellStrip = new QLabel;
    cellStrip->setObjectName(QStringLiteral("CellStrip"));
    cellStrip->setWordWrap(true); // a mosaic of many cells takes a second line rather than the window's width
    cellStrip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    countRow->addWidget(cellStrip, 1);
    reviewChoice = new QComboBox;
    reviewChoice->setObjectName(QStringLiteral("ReviewChoice"));
    reviewChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    countRow->addWidget(reviewChoice);
    connect(reviewChoice, &QComboBox::activated, this, [this](int index) { reviewCell(index); });
    grid->addLayout(countRow, 2, 1);
    connect(confirmButton, &QPushButton::clicked, this, &CaseWindow::confirmCount);

    auto *writeRow = new QGridLayout;
    writeRow->addWidget(new QLabel(tr("Karyotype:")), 0, 0);
    karyotypeEdit = new QLineEdit;
    karyotypeEdit->setObjectName(QStringLiteral("KaryotypeEdit"));
    karyotypeEdit->setPlaceholderText(tr("for example 46,XX"));
    karyotypeEdit->setMaxLength(korven::MaxGradedKaryotypeChars);
    writeRow->addWidget(karyotypeEdit, 0, 1);
    evaluateButton = new QPushButton(tr("Evaluation"));
    evaluateButton->setObjectName(QStringLiteral("Evaluate"));
    writeRow->addWidget(evaluateButton, 0, 2);
    answerButton = new QPushButton(tr("Correct answer"));
    answerButton->setObjectName(QStringLiteral("ShowAnswer"));
    writeRow->addWidget(answerButton, 0, 3);
    formFault = new QLabel;
    formFault->setObjectName(QStringLiteral("FormFault"));
    formFault->setStyleSheet(QStringLiteral("color: #b00000"));
    // Room for a long fault on a second line, kept while typing so the areas above do not jump.
    formFault->setWordWrap(true);
    formFault->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    formFault->setFixedHeight(formFault->fontMetrics().lineSpacing() * FormFaultLines);
    writeRow->addWidget(formFault, 1, 1, 1, 3);
    grid->addLayout(writeRow, 3, 1);
    connect(karyotypeEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { formFault->setText(korven::karyotypeFormFault(text)); });
    connect(evaluateButton, &QPushButton::clicked, this, &CaseWindow::evaluate);
    connect(answerButton, &QPushButton::clicked, this, &CaseWindow::showAnswer);


    loupe = new Magnifier(central);
    wirePlace(spread);
    for (GroupPlace *g : karyogram->groups())
        wirePlace(g);
    showAreas();
    updateCountControls();
}

QString CaseWindow::recordPath() const { return korven::caseRecordPath(korven::resultFolder(), userId_); }

bool CaseWindow::readOnlyResults() const
{
    // Set at login when the ID's folder cannot be written (no ID lock): nothing is recorded.
    return parentWidget() && parentWidget()->property("readOnlyResults").toBool();
}

void CaseWindow::refreshCaseList()
{
    entries_ = korven::listCases(korven::casesFolders());
    korven::CaseRecords records;
    QString recordFault;
    try {
        records = korven::readCaseRecords(recordPath());
        recordFault = korven::caseRecordsFault(recordPath(), records);
    } catch (const korven::KorvenError &e) {
        recordFault = e.message();
    }
    QStringList notes;
    if (!recordFault.isEmpty())
        notes << tr("Your case record file could not be read whole; the list shows what could be read.\n%1").arg(recordFault);
    if (readOnlyResults())
        notes << tr("Your folder cannot be written to: no case result is recorded in this session.");
    recordNote->setText(notes.join(u'\n'));
    recordNote->setToolTip(recordNote->text());
    recordNote->setVisible(!notes.isEmpty());
    // Records written before the kind was kept take it from the case folder itself, as the list
    // read it; a case that cannot be read has none.
    QMap<QString, QString> kinds;
    for (const korven::CaseEntry &entry : entries_)
        if (entry.fault.isEmpty())
            kinds.insert(entry.name, korven::caseKindWord(korven::caseKind(entry.karyotype)));
    const korven::CaseSummary summary = korven::summarizeCases(records.records, kinds);
    const QSignalBlocker quiet(caseList);
    caseList->clear();
    for (const korven::CaseEntry &entry : entries_) {
        // Known by the folder's name: "case-14" is always Case 14; the diagnosis is never shown.
        QString text = korven::caseTitle(entry.name);
        const auto last = summary.last.constFind(entry.name);
        if (!entry.fault.isEmpty()) {
            // Listed, so the numbers stay, but it cannot be started; the tooltip says why.
            auto *item = new QListWidgetItem(tr("%1  (damaged)").arg(text));
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            item->setToolTip(entry.fault);
            caseList->addItem(item);
        } else if (last != summary.last.cend()) {
            const korven::CaseRecord &r = *last;
            const korven::iscn::Verdict karyotype =
                korven::verdictFromWord(r.verdict).value_or(korven::iscn::Verdict::Wrong);
            const bool countsRight = r.countsRight();
            text += QLatin1Char('\n') + tr("count %1, pieces %2/%3, karyotype %4")
                                            .arg(countsRight ? tr("right") : tr("wrong"))
                                            .arg(r.piecesRight).arg(r.pieces).arg(verdictText(karyotype));
            auto *item = new QListWidgetItem(text);
            item->setBackground(verdictColour(korven::worstOf(countsRight, r.piecesRight == r.pieces, karyotype)));
            caseList->addItem(item);
        } else {
            caseList->addItem(text);
        }
    }
    if (caseRow_ >= 0 && caseRow_ < caseList->count())
        caseList->setCurrentRow(caseRow_);
    updateMyCases(summary);
}

void CaseWindow::updateMyCases(const korven::CaseSummary &s)
{
    QList<std::pair<QString, QString>> rows{
        {tr("Cases done"), QString::number(s.casesDone)},
        {tr("Karyotypes right"), QString::number(s.karyotypesRight)},
        {tr("Counts right"), QString::number(s.countsRight)}};
    for (auto it = s.byKind.cbegin(); it != s.byKind.cend(); ++it)
        rows.append({tr("Right: %1").arg(korven::caseKindText(korven::caseKindFromWord(it.key()))),
                     QStringLiteral("%1/%2").arg(it.value().first).arg(it.value().second)});
    myCases->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        myCases->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        myCases->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
}

QString CaseWindow::caseTitle() const { return korven::caseTitle(case_.name); }

bool CaseWindow::hasWork() const
{
    switch (stage_) {
    case Stage::Counting:
        return !marks_.empty() || std::any_of(counts_.begin(), counts_.end(), [](int c) { return c >= 0; });
    case Stage::Arranging:
        return true; // its counts are confirmed
    case Stage::NoCase:
    case Stage::Evaluated:
        break;
    }
    return false;
}

bool CaseWindow::askToLeave()
{
    return !hasWork()
           || korven::ui::askYesNo(this, tr("KORVEN"),
                                   tr("%1 is not graded yet. Leave it? Its marks, counts, placed pieces and "
                                      "karyotype are lost.").arg(caseTitle()));
}

void CaseWindow::closeEvent(QCloseEvent *event)
{
    if (!askToLeave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool CaseWindow::openCase(int row)
{
    if (row < 0 || row >= int(entries_.size()))
        return false;
    if (!entries_[row].fault.isEmpty())
        throw korven::KorvenError(entries_[row].fault);
    if (!askToLeave()) {
        const QSignalBlocker quiet(caseList);
        caseList->setCurrentRow(caseRow_);
        return false;
    }
    // Everything is read before anything changes: a broken case leaves the window as it was.
    korven::CaseFolder folder = korven::readCaseFolder(entries_[row].path);
    std::vector<QImage> sources = korven::loadCasePieces(folder);
    int tallest = 0;
    for (const QImage &source : sources)
        tallest = std::max(tallest, source.height());
    if (answerWindow)
        answerWindow->close();
    case_ = std::move(folder);
    sources_ = std::move(sources);
    tallest_ = tallest;
    karyogram->fitCase(case_, sources_, false);
    caseRow_ = row;
    counts_.assign(case_.cellCount(), -1);
    cellMarks_.assign(case_.cellCount(), {});
    arranged_.clear();
    reviewed_ = 0;
    karyotypeEdit->clear();
    scoreLine->clear();
    elementLines->clear();
    reviewChoice->clear();
    stage_ = Stage::Counting;
    showCell(1, false);
    clock_.start();
    return true;
}

void CaseWindow::clearPieces()
{
    loupe->hide();
    spread->clear();
    karyogram->clear();
    marks_.clear();
    chosen_ = nullptr;
}

std::vector<CasePieceWidget *> CaseWindow::pieceWidgets() const
{
    std::vector<CasePieceWidget *> all = spread->pieces();
    for (GroupPlace *g : karyogram->groups())
        all.insert(all.end(), g->pieces().begin(), g->pieces().end());
    // In the case's order, wherever each lies.
    std::sort(all.begin(), all.end(), [](const CasePieceWidget *a, const CasePieceWidget *b) { return a->index() < b->index(); });
    return all;
}

CasePieceValue CaseWindow::valueOf(int index, int step) const
{
    return {index, case_.pieces[index].identity, sources_[index], step};
}

void CaseWindow::showCell(int cell, bool movable)
{
    clearPieces();
    countingCell_ = movable ? 0 : cell;
    showAreas();
    spread->setMovable(movable);
    karyogram->setMovable(movable);
    spread->setSpreadSize(case_.spreads[cell - 1]);
    for (int index : case_.piecesOf(cell)) {
        const korven::CasePiece &p = case_.pieces[index];
        spread->add(valueOf(index, p.step), QPointF(p.x, p.y));
    }
    updateCountControls();
}

void CaseWindow::showAreas()
{
    // The karyogram takes its share of the room once there is something to arrange, and all of it
    // once the spread is empty; the grading once there is a grade. The spread's size is settled
    // before its pieces are placed.
    const bool karyogramShown = (stage_ == Stage::Arranging || stage_ == Stage::Evaluated) && reviewed_ == 0;
    karyogram->setVisible(karyogramShown);
    spread->setVisible(!karyogramShown || pieceWidgets().empty() || !spread->pieces().empty());
    scoreLine->setVisible(stage_ == Stage::Evaluated);
    elementLines->setVisible(stage_ == Stage::Evaluated);
    reviewChoice->setVisible(stage_ == Stage::Evaluated);
    // Under the spread the grading keeps a few lines; with the spread put away its lines take the
    // column's height under the score, rather than the score floating in an empty column.
    const int lines = elementLines->fontMetrics().lineSpacing() * ElementLinesShown + 2 * elementLines->frameWidth();
    elementLines->setMinimumHeight(lines);
    elementLines->setMaximumHeight(spread->isVisible() ? lines : QWIDGETSIZE_MAX);
    // An empty column keeps no share of the width, and the grading alone a narrow one.
    workLayout_->setStretchFactor(spreadColumn_, spread->isVisible() ? SpreadShare : stage_ == Stage::Evaluated ? 1 : 0);
    centralWidget()->layout()->activate();
}

void CaseWindow::updateCountControls()
{
    const bool counting = stage_ == Stage::Counting;
    const bool arranging = stage_ == Stage::Arranging;
    marksLabel->setText(tr("Marks: %1").arg(marks_.size()));
    countBox->setEnabled(counting);
    confirmButton->setEnabled(counting);
    if (counting)
        countBox->setValue(int(marks_.size()));
    karyotypeEdit->setEnabled(arranging);
    evaluateButton->setEnabled(arranging);
    answerButton->setEnabled(stage_ == Stage::Evaluated);
    QStringList strip;
    for (int c = 0; c < int(counts_.size()); ++c)
        if (counts_[c] >= 0)
            strip << tr("cell %1: %2").arg(c + 1).arg(counts_[c]);
    cellStrip->setText(strip.isEmpty() ? QString() : tr("Counted: %1").arg(strip.join(QStringLiteral("   "))));
    const QString level = tr("band level %1").arg(case_.level);
    switch (stage_) {
    case Stage::NoCase:
        stepLabel->setText(tr("Choose a case from the list."));
        break;
    case Stage::Counting:
        stepLabel->setText(tr("%1 (%2), cell %3 of %4: click each chromosome to mark it (a click on a mark takes "
                              "it off), then confirm the count.")
                               .arg(caseTitle(), level).arg(countingCell_).arg(case_.cellCount()));
        break;
    case Stage::Arranging:
        stepLabel->setText(tr("%1 (%2), cell 1: drag each chromosome into its group (double-click or Ctrl+R turns it "
                              "over; right-click and turn the wheel to turn it), write the karyotype and press "
                              "Evaluation.")
                               .arg(caseTitle(), level));
        break;
    case Stage::Evaluated:
        if (reviewed_ > 0) {
            const std::vector<CountMarkAt> &kept = cellMarks_[reviewed_ - 1];
            const std::vector<int> cellPieces = case_.piecesOf(reviewed_);
            int missed = 0, twice = 0;
            for (int index : cellPieces) {
                const auto times = std::count_if(kept.begin(), kept.end(), [&](const CountMarkAt &m) { return m.index == index; });
                missed += times == 0 ? 1 : 0;
                twice += times > 1 ? 1 : 0;
            }
            stepLabel->setText(tr("%1 (%2), cell %3 as you counted it: %4 marks, %5 given, %6 true; %7 not counted, "
                                  "%8 counted more than once, each outlined in red.")
                                   .arg(caseTitle(), level).arg(reviewed_).arg(kept.size())
                                   .arg(counts_[reviewed_ - 1]).arg(cellPieces.size()).arg(missed).arg(twice));
        } else {
            stepLabel->setText(tr("%1 (%2) is graded. Each fault is named on its piece; choose a cell to see how it "
                                  "was counted. \"Correct answer\" shows the answer.")
                                   .arg(caseTitle(), level));
        }
        break;
    }
}

void CaseWindow::pieceClicked(CasePieceWidget *piece, const QPoint &pos)
{
    // Counting: a click on a chromosome puts a numbered mark where it was clicked, a click on a mark
    // takes that mark off. A chromosome may so be counted twice, as on a real cell.
    if (stage_ != Stage::Counting || countingCell_ == 0)
        return;
    const int onMark = piece->markAt(pos);
    if (onMark >= 0)
        marks_.erase(marks_.begin() + (piece->marks()[onMark].number - 1));
    else
        marks_.push_back({piece->index(), piece->onPicture(pos)});
    showMarks(marks_);
    updateCountControls();
}

void CaseWindow::showMarks(const std::vector<CountMarkAt> &marks)
{
    for (CasePieceWidget *p : pieceWidgets()) {
        std::vector<CountMark> on;
        for (int m = 0; m < int(marks.size()); ++m)
            if (marks[m].index == p->index())
                on.push_back({m + 1, marks[m].at});
        if (on.size() != p->marks().size() || !std::equal(on.begin(), on.end(), p->marks().begin(), [](auto &a, auto &b) {
                return a.number == b.number && a.at == b.at;
            }))
            p->setMarks(on);
    }
}

void CaseWindow::confirmCount()
{
    if (stage_ != Stage::Counting)
        return;
    counts_[countingCell_ - 1] = countBox->value();
    cellMarks_[countingCell_ - 1] = marks_;
    if (countingCell_ < case_.cellCount()) {
        showCell(countingCell_ + 1, false);
        return;
    }
    startArranging();
}

void CaseWindow::startArranging()
{
    stage_ = Stage::Arranging;
    showCell(1, true);
    karyotypeEdit->setFocus();
}

void CaseWindow::gradePieces()
{
    // The karyogram names each fault on its piece; a piece left in the spread is outlined.
    for (CasePieceWidget *p : pieceWidgets()) {
        const QString &identity = case_.pieces[p->index()].identity;
        const korven::PieceGrade grade = korven::gradePiece(identity, p->group(), p->step(), korven::CaseTurnSteps);
        p->setGradeColour(korven::pieceGradeColour(grade));
        if (grade == korven::PieceGrade::WrongGroup)
            p->setCaption(tr("a %1 in group %2").arg(shortName(identity), korven::groupCaption(p->group())));
        else if (grade == korven::PieceGrade::Turned)
            p->setCaption(korven::settledTurn(korven::turnedOver(p->step(), korven::CaseTurnSteps), korven::CaseTurnSteps) == 0
                              ? tr("upside down") : tr("turned"));
    }
    karyogram->fitCase(case_, sources_, true);
}

void CaseWindow::evaluate()
{
    if (stage_ != Stage::Arranging)
        return;
    const QString typed = karyotypeEdit->text().trimmed();
    if (typed.isEmpty()
        && !korven::ui::askYesNo(this, tr("KORVEN"), tr("No karyotype is written. Evaluate anyway? It is graded wrong.")))
        return;
    korven::CaseRecord record;
    const QDateTime now = QDateTime::currentDateTime();
    record.date = now.date();
    record.time = now.time();
    record.caseName = case_.name;
    record.seconds = int(clock_.elapsed() / 1000);
    record.countsGiven = counts_;
    for (int cell = 1; cell <= case_.cellCount(); ++cell)
        record.countsTrue.push_back(int(case_.piecesOf(cell).size()));
    arranged_.clear();
    for (CasePieceWidget *p : pieceWidgets()) {
        const korven::PieceGrade grade =
            korven::gradePiece(case_.pieces[p->index()].identity, p->group(), p->step(), korven::CaseTurnSteps);
        record.piecesRight += grade == korven::PieceGrade::Right ? 1 : 0;
        arranged_.push_back({p->index(), p->group(), p->step(), p->spreadCentre()});
    }
    record.pieces = int(arranged_.size());
    const korven::KaryotypeGrade karyotype = korven::gradeKaryotype(typed, case_.karyotype, case_.level);
    record.karyotype = typed;
    record.verdict = korven::iscn::verdictWord(karyotype.verdict);
    record.trueKaryotype = case_.karyotype;
    record.kind = korven::caseKindWord(korven::caseKind(case_.karyotype));
    for (const korven::KaryotypeElement &e : karyotype.elements)
        if (e.grade != korven::iscn::Grade::Right && e.grade != korven::iscn::Grade::Near)
            record.elementsWrong << e.element;

    // The karyotype's lines first, where they are seen without scrolling, then each cell's count.
    elementLines->clear();
    for (const QString &fault : karyotype.formFaults) {
        auto *item = new QListWidgetItem(tr("Form: %1").arg(fault));
        item->setBackground(verdictColour(karyotype.verdict == korven::iscn::Verdict::Wrong ? korven::iscn::Verdict::Wrong
                                                                                         : korven::iscn::Verdict::Near));
        elementLines->addItem(item);
    }
    for (const QString &note : karyotype.notes)
        elementLines->addItem(new QListWidgetItem(note));
    for (const korven::KaryotypeElement &e : karyotype.elements) {
        QString text = QStringLiteral("%1  %2").arg(e.element, gradeText(e.grade));
        if (!e.reason.isEmpty())
            text += QStringLiteral(": ") + e.reason;
        auto *item = new QListWidgetItem(text);
        item->setBackground(gradeColour(e.grade));
        elementLines->addItem(item);
    }
    int countsRight = 0;
    for (int c = 0; c < int(counts_.size()); ++c) {
        const korven::CellCount count{record.countsGiven[c], record.countsTrue[c]};
        countsRight += count.right() ? 1 : 0;
        auto *item = new QListWidgetItem(tr("Count of cell %1: %2 (true: %3)  %4")
                                             .arg(c + 1).arg(count.given).arg(count.truth)
                                             .arg(verdictText(count.right() ? korven::iscn::Verdict::Right : korven::iscn::Verdict::Wrong)));
        item->setBackground(verdictColour(count.right() ? korven::iscn::Verdict::Right : korven::iscn::Verdict::Wrong));
        elementLines->addItem(item);
    }
    scoreLine->setText(tr("Counts right: %1/%2    Pieces right: %3/%4    Karyotype: %5")
                           .arg(countsRight).arg(counts_.size()).arg(record.piecesRight).arg(record.pieces)
                           .arg(verdictText(karyotype.verdict)));
    stage_ = Stage::Evaluated;
    reviewed_ = 0;
    reviewChoice->clear();
    reviewChoice->addItem(tr("Karyogram"));
    for (int c = 1; c <= case_.cellCount(); ++c)
        reviewChoice->addItem(tr("Count of cell %1").arg(c));
    spread->setMovable(false);
    karyogram->setMovable(false);
    gradePieces();
    showAreas();
    updateCountControls();
    if (!readOnlyResults()) {
        try {
            korven::appendCaseRecord(recordPath(), record);
        } catch (const korven::KorvenError &e) {
            korven::ui::reportError(tr("This evaluation was not recorded in %1.\n%2")
                                        .arg(QDir::toNativeSeparators(recordPath()), e.message()));
        }
    }
    refreshCaseList();
}

void CaseWindow::showArrangement()
{
    clearPieces();
    countingCell_ = 0;
    spread->setMovable(false);
    karyogram->setMovable(false);
    spread->setSpreadSize(case_.spreads[0]);
    for (const Placed &placed : arranged_) {
        if (placed.group == korven::InSpread)
            spread->add(valueOf(placed.index, placed.step), placed.centre);
        else
            karyogram->group(placed.group)->add(valueOf(placed.index, placed.step));
    }
    gradePieces();
}

void CaseWindow::reviewCell(int cell)
{
    if (stage_ != Stage::Evaluated || cell < 0 || cell > case_.cellCount())
        return;
    reviewed_ = cell;
    if (reviewChoice->currentIndex() != cell)
        reviewChoice->setCurrentIndex(cell);
    if (cell == 0) {
        showAreas();
        showArrangement();
    } else {
        showCell(cell, false);
        countingCell_ = 0; // shown, not counted: clicks mark nothing
        // The marks as the trainee left them; a chromosome not counted, or counted more than once,
        // is outlined as a fault.
        const std::vector<CountMarkAt> &kept = cellMarks_[cell - 1];
        showMarks(kept);
        for (CasePieceWidget *p : pieceWidgets()) {
            const auto times = std::count_if(kept.begin(), kept.end(), [&](const CountMarkAt &m) { return m.index == p->index(); });
            if (times != 1) {
                p->setGradeColour(korven::pieceGradeColour(korven::PieceGrade::WrongGroup));
                p->setToolTip(times == 0 ? tr("not counted") : tr("counted %1 times").arg(times));
            }
        }
    }
    showAreas();
    updateCountControls();
}

void CaseWindow::showAnswer()
{
    if (stage_ != Stage::Evaluated)
        return;
    if (!answerWindow)
        answerWindow = new CaseAnswerWindow(this);
    answerWindow->show();
    answerWindow->raise();
    answerWindow->showCase(case_, sources_, karyotypeEdit->text()); // laid out at the size it is shown at
}

// ---- What the places pass on

void CaseWindow::wirePlace(PiecePlace *place)
{
    connect(place, &PiecePlace::changed, this, &CaseWindow::placesChanged);
    connect(place, &PiecePlace::pieceClicked, this, &CaseWindow::pieceClicked);
    connect(place, &PiecePlace::pieceChosen, this, &CaseWindow::choosePiece);
    connect(place, &PiecePlace::turnOverAsked, this, &CaseWindow::turnOver);
    connect(place, &PiecePlace::wheelTurned, this, &CaseWindow::wheelTurned);
    connect(place, &PiecePlace::pointerAt, this, &CaseWindow::pointerAt);
}

void CaseWindow::placesChanged()
{
    chosen_ = nullptr;
    // The last piece out of the spread gives the karyogram the whole work area.
    if (stage_ == Stage::Arranging && spread->pieces().empty() == spread->isVisible())
        showAreas();
}

void CaseWindow::choosePiece(CasePieceWidget *piece)
{
    if (stage_ == Stage::Arranging)
        chosen_ = piece;
}

void CaseWindow::turnOver(CasePieceWidget *piece)
{
    if (!piece || stage_ != Stage::Arranging || piece->window() != this)
        return;
    piece->turnTo(korven::turnedOver(piece->step(), korven::CaseTurnSteps));
    if (auto *place = qobject_cast<PiecePlace *>(piece->parentWidget()))
        place->layoutPieces();
    updateMagnifier(piece, QCursor::pos());
}

void CaseWindow::turnChosen(int delta)
{
    if (!chosen_ || stage_ != Stage::Arranging)
        return;
    CasePieceWidget *piece = chosen_;
    piece->turnTo(korven::wheelStep(piece->step(), delta, korven::CaseTurnSteps));
    // It turns about its centre: in the spread it keeps its place, in a group the group lays out.
    if (auto *place = qobject_cast<PiecePlace *>(piece->parentWidget()))
        place->layoutPieces();
    updateMagnifier(piece, QCursor::pos());
}

void CaseWindow::wheelTurned(int units)
{
    const int notches = korven::takeWheelNotches(wheelRemainder_, units);
    for (int i = 0; i < std::abs(notches); ++i)
        turnChosen(notches > 0 ? 120 : -120);
}

void CaseWindow::pointerAt(CasePieceWidget *piece, const QPoint &globalPos, bool middleHeld)
{
    // Moving the pointer off the chosen piece ends the choice, as on the exercise's work area.
    if (chosen_ && piece != chosen_) {
        const QPoint local = chosen_->parentWidget()->mapFromGlobal(globalPos);
        if (!korven::keepsSelection(chosen_->geometry(), 1, local.x(), local.y()))
            chosen_ = nullptr;
    }
    middleHeld_ = middleHeld;
    updateMagnifier(piece, globalPos);
}

// ---- The loupe

void CaseWindow::updateMagnifier(CasePieceWidget *piece, const QPoint &globalPos)
{
    if (!(magnifierAction->isChecked() || middleHeld_) || !piece || piece->window() != this
        || !piece->isVisible() || !(piece->shownScale() > 0.0f)) {
        loupe->hide();
        return;
    }
    QWidget *area = centralWidget();
    loupe->setPicture(piece->source(), korven::loupeScale(piece->shownScale(), piece->source().height()), piece->shownAngle(),
                      loupe->devicePixelRatioF());
    const QRect shown(area->mapFromGlobal(piece->mapToGlobal(QPoint(0, 0))), piece->size());
    loupe->move(korven::placeLoupe(area->rect(), shown, area->mapFromGlobal(globalPos), loupe->size()));
    loupe->show();
    loupe->raise();
}
