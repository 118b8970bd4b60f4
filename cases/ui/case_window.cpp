#include "cases/ui/case_window.h"

#include "app/program_folder.h"
#include "app/ui/messages.h"
#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "cases/karyotype_grading.h"
#include "cases/ui/case_answer.h"
#include "cases/ui/case_places.h"
#include "exercise/board_rules.h"
#include "exercise/errors.h"
#include "exercise/loupe.h"
#include "exercise/ui/magnifier.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

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

QString verdictText(const QString &verdict)
{
    if (verdict == u"right")
        return CaseWindow::tr("right");
    if (verdict == u"near")
        return CaseWindow::tr("near");
    if (verdict == u"wrong")
        return CaseWindow::tr("wrong");
    if (verdict == u"missing")
        return CaseWindow::tr("missing");
    if (verdict == u"extra")
        return CaseWindow::tr("extra");
    return verdict;
}

QString kindText(const QString &kind)
{
    if (kind == u"mosaic")
        return CaseWindow::tr("mosaic");
    if (kind == u"sex chromosomes")
        return CaseWindow::tr("sex chromosomes");
    if (kind == u"numerical")
        return CaseWindow::tr("numerical");
    if (kind == u"structural")
        return CaseWindow::tr("structural");
    if (kind == u"normal")
        return CaseWindow::tr("normal");
    return CaseWindow::tr("other");
}

QColor verdictColour(const QString &verdict)
{
    if (verdict == u"right")
        return korven::pieceGradeColour(korven::PieceGrade::Right);
    if (verdict == u"near")
        return korven::pieceGradeColour(korven::PieceGrade::Turned);
    return korven::pieceGradeColour(korven::PieceGrade::WrongGroup);
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
    qApp->installEventFilter(this);
}

CaseWindow::~CaseWindow()
{
    qApp->removeEventFilter(this);
    cancelPieceDrag();
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
    connect(magnifierAction, &QAction::toggled, this, [this] { updateMagnifier(QCursor::pos()); });
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
    grid->addLayout(side, 0, 0, 4, 1);
    connect(caseList, &QListWidget::itemActivated, this, [this] { openCase(caseList->currentRow()); });
    connect(caseList, &QListWidget::itemClicked, this, [this] { openCase(caseList->currentRow()); });

    stepLabel = new QLabel;
    stepLabel->setObjectName(QStringLiteral("StepLabel"));
    stepLabel->setWordWrap(true);
    grid->addWidget(stepLabel, 0, 1);

    // The spread with the grading under it, and the karyogram beside them at full height: the
    // spread is about square, so the room under it is where the grading fits best.
    auto *work = new QHBoxLayout;
    auto *spreadColumn = new QVBoxLayout;
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
    countRow->addWidget(cellStrip, 1);
    grid->addLayout(countRow, 2, 1);
    connect(confirmButton, &QPushButton::clicked, this, &CaseWindow::confirmCount);

    auto *writeRow = new QGridLayout;
    writeRow->addWidget(new QLabel(tr("Karyotype:")), 0, 0);
    karyotypeEdit = new QLineEdit;
    karyotypeEdit->setObjectName(QStringLiteral("KaryotypeEdit"));
    karyotypeEdit->setPlaceholderText(tr("for example 46,XX"));
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
    showAreas();
    updateCountControls();
}

QString CaseWindow::recordPath() const { return korven::caseRecordPath(korven::resultFolder(), userId_); }

void CaseWindow::refreshCaseList()
{
    entries_ = korven::listCases(korven::casesFolders());
    korven::CaseRecords records;
    try {
        records = korven::readCaseRecords(recordPath());
    } catch (const korven::KorvenError &e) {
        korven::ui::reportError(e.message());
    }
    // The kinds come from the case folders themselves; a case that cannot be read has none.
    QMap<QString, QString> kinds;
    for (const korven::CaseEntry &entry : entries_) {
        try {
            kinds.insert(entry.name, korven::abnormalityKind(korven::readCaseFolder(entry.path).karyotype));
        } catch (const korven::KorvenError &) {
        }
    }
    const korven::CaseSummary summary = korven::summarizeCases(records.records, kinds);
    const int keep = caseList->currentRow();
    caseList->clear();
    for (int i = 0; i < int(entries_.size()); ++i) {
        // Numbers only: a folder's name might give the diagnosis away.
        const QString verdict = summary.lastVerdict.value(entries_[i].name);
        auto *item = new QListWidgetItem(verdict.isEmpty() ? tr("Case %1").arg(i + 1)
                                                           : tr("Case %1  (%2)").arg(i + 1).arg(verdictText(verdict)));
        if (!verdict.isEmpty())
            item->setBackground(verdictColour(verdict));
        caseList->addItem(item);
    }
    if (keep >= 0 && keep < caseList->count())
        caseList->setCurrentRow(keep);
    updateMyCases(summary);
}

void CaseWindow::updateMyCases(const korven::CaseSummary &s)
{
    QList<std::pair<QString, QString>> rows{
        {tr("Cases done"), QString::number(s.casesDone)},
        {tr("Karyotypes right"), QString::number(s.karyotypesRight)},
        {tr("Counts right"), QString::number(s.countsRight)}};
    for (auto it = s.byKind.cbegin(); it != s.byKind.cend(); ++it)
        rows.append({tr("Right: %1").arg(kindText(it.key())),
                     QStringLiteral("%1/%2").arg(it.value().first).arg(it.value().second)});
    myCases->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        myCases->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        myCases->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
}

void CaseWindow::openCase(int row)
{
    if (row < 0 || row >= int(entries_.size()))
        return;
    // Everything is read before anything changes: a broken case leaves the window as it was.
    korven::CaseFolder folder = korven::readCaseFolder(entries_[row].path);
    std::vector<QImage> sources;
    int tallest = 0;
    for (const korven::CasePiece &p : folder.pieces) {
        sources.push_back(korven::loadCasePiece(folder, p));
        tallest = std::max(tallest, sources.back().height());
    }
    if (answerWindow)
        answerWindow->close();
    case_ = std::move(folder);
    sources_ = std::move(sources);
    tallest_ = tallest;
    karyogram->fitTallest(tallest_, false);
    caseRow_ = row;
    counts_.assign(case_.cellCount(), -1);
    karyotypeEdit->clear();
    scoreLine->clear();
    elementLines->clear();
    stage_ = Stage::Counting;
    showCell(1, false);
    clock_.start();
}

void CaseWindow::clearPieces()
{
    cancelPieceDrag();
    loupe->hide();
    spread->clear();
    karyogram->clear();
    for (CasePieceWidget *p : pieces_)
        delete p;
    pieces_.clear();
    marks_.clear();
    chosen_ = nullptr;
}

void CaseWindow::showCell(int cell, bool movable)
{
    clearPieces();
    countingCell_ = movable ? 0 : cell;
    showAreas();
    spread->setSpreadSize(case_.spreads[cell - 1]);
    for (int index : case_.piecesOf(cell)) {
        const korven::CasePiece &p = case_.pieces[index];
        auto *widget = new CasePieceWidget(index, sources_[index], p.step, this, spread);
        widget->spreadCentre = QPointF(p.x, p.y);
        widget->group = korven::InSpread;
        pieces_.push_back(widget);
    }
    // Through the spread's own arrangement, so the pieces stand where the spread shows them.
    for (CasePieceWidget *w : pieces_) {
        w->draw(spread->scale());
        const QPoint centre = spread->offset() + (w->spreadCentre * spread->scale()).toPoint();
        spread->accept(w, centre);
        w->spreadCentre = QPointF(case_.pieces[w->index()].x, case_.pieces[w->index()].y); // the drop rule may have pulled it in
    }
    spread->layoutPieces();
    updateCountControls();
}

void CaseWindow::showAreas()
{
    // The karyogram takes its share of the room once there is something to arrange, the grading
    // once there is a grade; the spread's size is settled before its pieces are placed.
    karyogram->setVisible(stage_ == Stage::Arranging || stage_ == Stage::Evaluated);
    scoreLine->setVisible(stage_ == Stage::Evaluated);
    elementLines->setVisible(stage_ == Stage::Evaluated);
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
    switch (stage_) {
    case Stage::NoCase:
        stepLabel->setText(tr("Choose a case from the list."));
        break;
    case Stage::Counting:
        stepLabel->setText(tr("Case %1, cell %2 of %3: click each chromosome to mark it (a second click takes the "
                              "mark off), then confirm the count.")
                               .arg(caseRow_ + 1).arg(countingCell_).arg(case_.cellCount()));
        break;
    case Stage::Arranging:
        stepLabel->setText(tr("Case %1, cell 1: drag each chromosome into its group (right-click and turn the wheel "
                              "to turn it), write the karyotype and press Evaluation.")
                               .arg(caseRow_ + 1));
        break;
    case Stage::Evaluated:
        stepLabel->setText(tr("Case %1 is graded. \"Correct answer\" shows the answer.").arg(caseRow_ + 1));
        break;
    }
}

void CaseWindow::toggleMark(CasePieceWidget *piece)
{
    const auto it = std::find(marks_.begin(), marks_.end(), piece);
    if (it != marks_.end()) {
        piece->setMark(0);
        marks_.erase(it);
    } else {
        marks_.push_back(piece);
    }
    for (int i = 0; i < int(marks_.size()); ++i)
        marks_[i]->setMark(i + 1);
    updateCountControls();
}

void CaseWindow::confirmCount()
{
    if (stage_ != Stage::Counting)
        return;
    counts_[countingCell_ - 1] = countBox->value();
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

void CaseWindow::evaluate()
{
    if (stage_ != Stage::Arranging)
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
    for (CasePieceWidget *p : pieces_) {
        const korven::PieceGrade grade =
            korven::gradePiece(case_.pieces[p->index()].identity, p->group, p->step, korven::CaseTurnSteps);
        p->setGradeColour(korven::pieceGradeColour(grade));
        record.piecesRight += grade == korven::PieceGrade::Right ? 1 : 0;
    }
    record.pieces = int(pieces_.size());
    const QString typed = karyotypeEdit->text().trimmed();
    const korven::KaryotypeGrade karyotype = korven::gradeKaryotype(typed, case_.karyotype, case_.level);
    record.karyotype = typed;
    record.verdict = korven::iscn::verdictWord(karyotype.verdict);

    elementLines->clear();
    int countsRight = 0;
    for (int c = 0; c < int(counts_.size()); ++c) {
        const korven::CellCount count{record.countsGiven[c], record.countsTrue[c]};
        countsRight += count.right() ? 1 : 0;
        auto *item = new QListWidgetItem(tr("Count of cell %1: %2 (true: %3)  %4")
                                             .arg(c + 1).arg(count.given).arg(count.truth)
                                             .arg(verdictText(count.right() ? QStringLiteral("right") : QStringLiteral("wrong"))));
        item->setBackground(verdictColour(count.right() ? QStringLiteral("right") : QStringLiteral("wrong")));
        elementLines->addItem(item);
    }
    for (const QString &fault : karyotype.formFaults) {
        auto *item = new QListWidgetItem(tr("Form: %1").arg(fault));
        item->setBackground(verdictColour(karyotype.verdict == korven::iscn::Verdict::Wrong ? QStringLiteral("wrong")
                                                                                         : QStringLiteral("near")));
        elementLines->addItem(item);
    }
    for (const QString &note : karyotype.notes)
        elementLines->addItem(new QListWidgetItem(note));
    for (const korven::KaryotypeElement &e : karyotype.elements) {
        const QString word = korven::iscn::gradeWord(e.grade);
        QString text = QStringLiteral("%1  %2").arg(e.element, verdictText(word));
        if (!e.reason.isEmpty())
            text += QStringLiteral(": ") + e.reason;
        auto *item = new QListWidgetItem(text);
        item->setBackground(verdictColour(word));
        elementLines->addItem(item);
    }
    scoreLine->setText(tr("Counts right: %1/%2    Pieces right: %3/%4    Karyotype: %5")
                           .arg(countsRight).arg(counts_.size()).arg(record.piecesRight).arg(record.pieces)
                           .arg(verdictText(record.verdict)));
    stage_ = Stage::Evaluated;
    showAreas();
    updateCountControls();
    try {
        korven::appendCaseRecord(recordPath(), record);
    } catch (const korven::KorvenError &e) {
        korven::ui::reportError(e.message());
    }
    refreshCaseList();
}

void CaseWindow::showAnswer()
{
    if (stage_ != Stage::Evaluated)
        return;
    if (!answerWindow)
        answerWindow = new CaseAnswerWindow(this);
    answerWindow->show();
    answerWindow->raise();
    answerWindow->showCase(case_, sources_); // laid out at the size it is shown at
}

// ---- Moving and turning pieces

void CaseWindow::beginPieceDrag(CasePieceWidget *piece, const QPoint &globalPos)
{
    cancelPieceDrag();
    dragging_ = piece;
    dragStart_ = globalPos;
    dragStarted_ = false;
}

void CaseWindow::movePieceDrag(const QPoint &globalPos)
{
    if (!dragging_ || stage_ != Stage::Arranging)
        return;
    if (!dragStarted_) {
        if ((globalPos - dragStart_).manhattanLength() < QApplication::startDragDistance())
            return;
        dragStarted_ = true;
        loupe->hide();
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    }
    QApplication::changeOverrideCursor(placeAt(globalPos) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void CaseWindow::endPieceDrag(const QPoint &globalPos)
{
    if (!dragging_)
        return;
    CasePieceWidget *piece = dragging_;
    const bool started = dragStarted_;
    PiecePlace *target = started ? placeAt(globalPos) : nullptr;
    cancelPieceDrag();
    if (!started) {
        // A click: in counting it marks or unmarks the chromosome.
        if (stage_ == Stage::Counting)
            toggleMark(piece);
        return;
    }
    if (!target)
        return;
    if (auto *from = qobject_cast<PiecePlace *>(piece->parentWidget()); from && from != target)
        from->release(piece);
    target->accept(piece, target->mapFromGlobal(globalPos));
    chosen_ = nullptr;
}

void CaseWindow::cancelPieceDrag()
{
    if (dragStarted_)
        QApplication::restoreOverrideCursor();
    dragging_ = nullptr;
    dragStarted_ = false;
}

PiecePlace *CaseWindow::placeAt(const QPoint &globalPos) const
{
    if (stage_ != Stage::Arranging)
        return nullptr;
    for (GroupPlace *g : karyogram->groups())
        if (g->rect().contains(g->mapFromGlobal(globalPos)))
            return g;
    return spread->rect().contains(spread->mapFromGlobal(globalPos)) ? spread : nullptr;
}

void CaseWindow::choosePiece(CasePieceWidget *piece)
{
    if (stage_ == Stage::Arranging)
        chosen_ = piece;
}

void CaseWindow::turnChosen(int delta)
{
    if (!chosen_ || stage_ != Stage::Arranging)
        return;
    CasePieceWidget *piece = chosen_;
    piece->step = korven::wheelStep(piece->step, delta, korven::CaseTurnSteps);
    // It turns about its centre: in the spread it keeps its place, in a group the group lays out.
    if (auto *place = qobject_cast<PiecePlace *>(piece->parentWidget()))
        place->layoutPieces();
    updateMagnifier(QCursor::pos());
}

// ---- The loupe

void CaseWindow::updateMagnifier(const QPoint &globalPos)
{
    if (!(magnifierAction->isChecked() || middleHeld_) || dragStarted_) {
        loupe->hide();
        return;
    }
    QWidget *area = centralWidget();
    QWidget *hit = QApplication::widgetAt(globalPos);
    auto *piece = qobject_cast<CasePieceWidget *>(hit);
    if (!piece || piece->window() != this || !(piece->shownScale() > 0.0f)) {
        loupe->hide();
        return;
    }
    loupe->setPicture(piece->source(), korven::loupeScale(piece->shownScale(), tallest_), piece->shownAngle(),
                      loupe->devicePixelRatioF());
    const QRect shown(area->mapFromGlobal(piece->mapToGlobal(QPoint(0, 0))), piece->size());
    loupe->move(korven::placeLoupe(area->rect(), shown, area->mapFromGlobal(globalPos), loupe->size()));
    loupe->show();
    loupe->raise();
}

bool CaseWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::MiddleButton)
            middleHeld_ = event->type() == QEvent::MouseButtonPress;
        const QPoint at = mouse->globalPosition().toPoint();
        // Moving the pointer off the chosen piece ends the choice, as on the exercise's work area.
        if (event->type() == QEvent::MouseMove && chosen_ && !dragging_) {
            const QPoint local = chosen_->parentWidget()->mapFromGlobal(at);
            if (!korven::keepsSelection(chosen_->geometry(), 1, local.x(), local.y()))
                chosen_ = nullptr;
        }
        updateMagnifier(at);
        break;
    }
    case QEvent::Wheel: {
        // Lists and the table scroll as usual; everywhere else the wheel turns the chosen piece.
        for (QWidget *scrolls : {static_cast<QWidget *>(caseList), static_cast<QWidget *>(myCases),
                                 static_cast<QWidget *>(elementLines)})
            if (widget == scrolls || scrolls->isAncestorOf(widget))
                return QMainWindow::eventFilter(watched, event);
        const QPoint angle = static_cast<QWheelEvent *>(event)->angleDelta();
        const int notches = korven::takeWheelNotches(wheelRemainder_, angle.y() != 0 ? angle.y() : angle.x());
        for (int i = 0; i < std::abs(notches); ++i)
            turnChosen(notches > 0 ? 120 : -120);
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
