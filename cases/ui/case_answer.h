#pragma once
// The answer to a graded case: the true karyogram of cell 1 with each changed chromosome labelled,
// beside it the ideograms of the chromosomes each abnormality was made from with the breakpoints,
// the true karyotype and the case's note.
#include "cases/case_folder.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QLabel;
class KaryogramView;
class SourceIdeogramsView;

class CaseAnswerWindow : public QWidget {
    Q_OBJECT
public:
    explicit CaseAnswerWindow(QWidget *parent);
    // `given` is the karyotype the trainee wrote: its breakpoints that differ are drawn beside the
    // true ones.
    void showCase(const korven::CaseFolder &folder, const std::vector<QImage> &sources, const QString &given = {});

    QLabel *karyotypeLabel = nullptr; // "TrueKaryotype"
    QLabel *noteLabel = nullptr;      // "CaseNote"
    KaryogramView *karyogram = nullptr;
    SourceIdeogramsView *ideograms = nullptr;
};
