#include "classroom/ui/trainee_cases_view.h"

#include "cases/case_grading.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korven::ui {

namespace {

QTableWidget *makeTable(const QString &name, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget *table, int row, const QStringList &texts)
{
    for (int c = 0; c < texts.size(); ++c) {
        auto *item = new QTableWidgetItem(texts[c]);
        item->setToolTip(texts[c]);
        table->setItem(row, c, item);
    }
}

} // namespace

TraineeCasesView::TraineeCasesView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TraineeCasesView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    title = new QLabel;
    title->setObjectName(QStringLiteral("CasesTitle"));
    layout->addWidget(title);
    auto *row = new QHBoxLayout;
    kinds = makeTable(QStringLiteral("CaseKinds"), {tr("Kind"), tr("Right"), tr("Near"), tr("Wrong")});
    row->addWidget(kinds, 2);
    cases = makeTable(QStringLiteral("TraineeCases"), {tr("Date"), tr("Case"), tr("Counts"), tr("Pieces"),
                                                        tr("Written"), tr("True"), tr("Verdict"), tr("Written wrong")});
    row->addWidget(cases, 5);
    layout->addLayout(row, 1);
    showTrainee(QString(), {});
}

void TraineeCasesView::showTrainee(const QString &id, const TraineeCases &traineeCases, const QString &fault)
{
    title->setText(id.isEmpty()      ? tr("Cases: choose a trainee in the table.")
                   : fault.isEmpty() ? tr("Cases of %1").arg(id)
                                     : tr("Cases of %1: %2").arg(id, fault));
    kinds->setRowCount(int(traineeCases.byKind.size()));
    for (int r = 0; r < int(traineeCases.byKind.size()); ++r) {
        const KindTally &t = traineeCases.byKind[r];
        setRow(kinds, r, {caseKindText(caseKindFromWord(t.kind)), QString::number(t.right), QString::number(t.near), QString::number(t.wrong)});
    }
    cases->setRowCount(int(traineeCases.records.size()));
    for (int r = 0; r < int(traineeCases.records.size()); ++r) {
        const CaseRecord &c = traineeCases.records[r];
        QStringList given, truth;
        for (size_t i = 0; i < c.countsTrue.size(); ++i) {
            given << (i < c.countsGiven.size() && c.countsGiven[i] >= 0 ? QString::number(c.countsGiven[i]) : QStringLiteral("-"));
            truth << QString::number(c.countsTrue[i]);
        }
        setRow(cases, r, {c.date.toString(Qt::ISODate), c.caseName,
                          QStringLiteral("%1 / %2").arg(given.join(u' '), truth.join(u' ')),
                          QStringLiteral("%1/%2").arg(c.piecesRight).arg(c.pieces), c.karyotype, c.trueKaryotype,
                          c.verdict, c.elementsWrong.join(u' ')});
    }
}

void TraineeCasesView::showFault(const QString &id, const QString &message)
{
    showTrainee(QString(), {});
    title->setText(tr("Cases of %1: %2").arg(id, message));
}

} // namespace korven::ui
