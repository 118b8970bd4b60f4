#pragma once
// The class overview's table: one row per trainee, sortable by every column (through a sort key
// per cell) and marked where a record file was not read whole.
#include "classroom/trainee_summary.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <vector>

namespace korven::ui {

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Id, Trials, Today, LastWeek, LastScore, MeanScore, BestScore, MeanTime, LastDate, Weakest, Trend, CasesDone, KaryotypesRight, CountsRight, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;       // the value the column sorts by
    static constexpr int ScoresRole = Qt::UserRole + 1; // the trend's scores (QList<int>)

    using QAbstractTableModel::QAbstractTableModel;

    void setTrainees(std::vector<TraineeSummary> trainees);
    const TraineeSummary &trainee(int row) const { return trainees_.at(size_t(row)); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A column's text for a trainee, as the table shows and prints it (the trend has none).
    static QString cellText(const TraineeSummary &row, int column);

private:
    std::vector<TraineeSummary> trainees_;
};

// Draws the trend column: the last scores as a small line from 0 to 46.
class TrendDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// Draws a trend of scores (0..46) into a rectangle.
void drawTrend(QPainter *painter, const QRectF &rect, const QList<int> &scores);

} // namespace korven::ui
