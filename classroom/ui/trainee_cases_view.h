#pragma once
// The selected trainee's case work in the class window: right, near and wrong by kind of
// abnormality, and a table of every case evaluation with the truth and the elements written wrong.
#include "classroom/trainee_cases.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace korven::ui {

class TraineeCasesView : public QWidget {
    Q_OBJECT
public:
    explicit TraineeCasesView(QWidget *parent = nullptr);

    // Shows the trainee's cases; an empty ID clears the view. A `fault` of the case file (lines
    // that could not be read) is said in the title above what was read.
    void showTrainee(const QString &id, const TraineeCases &cases, const QString &fault = {});
    // Shows why the trainee's case file could not be read.
    void showFault(const QString &id, const QString &message);

    QLabel *title = nullptr;
    QTableWidget *kinds = nullptr; // "CaseKinds": kind, right, near, wrong
    QTableWidget *cases = nullptr; // "TraineeCases": one row per evaluation, newest first
};

} // namespace korven::ui
