#include "classroom/ui/class_table_model.h"

#include "classroom/record_dates.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>
#include <QStyle>

namespace korven::ui {

namespace {

bool hasTrials(const TraineeSummary &row) { return row.trials > 0; }

} // namespace

void ClassTableModel::setTrainees(std::vector<TraineeSummary> trainees)
{
    beginResetModel();
    trainees_ = std::move(trainees);
    endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(trainees_.size());
}

int ClassTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ClassTableModel::cellText(const TraineeSummary &row, int column)
{
    const QLocale locale;
    switch (column) {
    case Id:
        return row.id;
    case Trials:
        return QString::number(row.trials);
    case Today:
        return QString::number(row.trialsToday);
    case LastWeek:
        return QString::number(row.trialsLastWeek);
    case CasesDone:
        return QString::number(row.casesDone);
    case KaryotypesRight:
        return QString::number(row.karyotypesRight);
    case CountsRight:
        return QString::number(row.countsRight);
    default:
        break;
    }
    if (!hasTrials(row))
        return QString();
    switch (column) {
    case LastScore:
        return QString::number(row.lastScore);
    case MeanScore:
        return locale.toString(row.meanPercent, 'f', 1);
    case BestScore:
        return QString::number(row.bestScore);
    case MeanTime:
        return locale.toString(row.meanSeconds, 'f', 1);
    case LastDate:
        return shownDate(row.lastDate);
    case Weakest:
        return pairText(row.weakest);
    default:
        return QString();
    }
}

QVariant ClassTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const TraineeSummary &row = trainees_[size_t(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column == Trend ? QVariant() : QVariant(cellText(row, column));
    case Qt::ToolTipRole:
        // The whole ID, which a narrow column elides, and what is wrong with the file.
        if (column == Id)
            return row.mark.isEmpty() ? row.id : row.id + QLatin1Char('\n') + row.mark;
        return row.mark.isEmpty() ? QVariant() : QVariant(row.mark);
    case Qt::DecorationRole:
        if (column != Id || (row.state == RecordState::Read && !row.damaged()))
            return QVariant();
        return QApplication::style()->standardIcon(row.damaged() ? QStyle::SP_MessageBoxWarning
                                                                 : QStyle::SP_MessageBoxInformation);
    case Qt::TextAlignmentRole:
        return column == Id || column == LastDate ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                  : int(Qt::AlignRight | Qt::AlignVCenter);
    case ScoresRole:
        return QVariant::fromValue(QList<int>(row.recentScores.begin(), row.recentScores.end()));
    case SortRole:
        switch (column) {
        case Id:
            return row.id;
        case Trials:
            return row.trials;
        case Today:
            return row.trialsToday;
        case LastWeek:
            return row.trialsLastWeek;
        case Trend:
            return trendSlope(row.recentScores);
        case CasesDone:
            return row.casesDone;
        case KaryotypesRight:
            return row.karyotypesRight;
        case CountsRight:
            return row.countsRight;
        default:
            break;
        }
        // Trainees without trials sort below every figure.
        if (!hasTrials(row))
            return -1;
        switch (column) {
        case LastScore:
            return row.lastScore;
        case MeanScore:
            return row.meanPercent;
        case BestScore:
            return row.bestScore;
        case MeanTime:
            return row.meanSeconds;
        case LastDate:
            return row.lastDate;
        case Weakest:
            return row.weakest;
        default:
            return QVariant();
        }
    default:
        return QVariant();
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Id:
        return tr("ID");
    case Trials:
        return tr("Trials");
    case Today:
        return tr("Today");
    case LastWeek:
        return tr("Last 7 days");
    case LastScore:
        return tr("Last score (/46)");
    case MeanScore:
        return tr("Mean score (%)");
    case BestScore:
        return tr("Best score");
    case MeanTime:
        return tr("Mean time (sec.)");
    case LastDate:
        return tr("Last trial");
    case Weakest:
        return tr("Weakest");
    case Trend:
        return tr("Last 20 scores");
    case CasesDone:
        return tr("Cases done");
    case KaryotypesRight:
        return tr("Karyotypes right");
    case CountsRight:
        return tr("Counts right");
    default:
        return QVariant();
    }
}

void drawTrend(QPainter *painter, const QRectF &rect, const QList<int> &scores)
{
    if (scores.isEmpty())
        return;
    const QRectF area = rect.adjusted(3, 3, -3, -3);
    const int n = int(scores.size());
    // Twenty places from left to right, so short trends stay short.
    const double step = area.width() / (TrendLength - 1);
    QPolygonF line;
    for (int i = 0; i < n; ++i)
        line << QPointF(area.left() + i * step, area.bottom() - area.height() * scores[i] / SlotsPerTrial);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::red, 1.2));
    if (n == 1)
        painter->drawEllipse(line.first(), 1.5, 1.5);
    else
        painter->drawPolyline(line);
    painter->restore();
}

void TrendDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    drawTrend(painter, option.rect, index.data(ClassTableModel::ScoresRole).value<QList<int>>());
}

QSize TrendDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(QSize(120, 20));
}

} // namespace korven::ui
