#pragma once
// The answer to a graded case: the true karyogram of cell 1 with each changed chromosome labelled,
// the true karyotype and the case's note.
#include "cases/case_folder.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QLabel;
class KaryogramView;

class CaseAnswerWindow : public QWidget {
    Q_OBJECT
public:
    explicit CaseAnswerWindow(QWidget *parent);
    void showCase(const korven::CaseFolder &folder, const std::vector<QImage> &sources);

    QLabel *karyotypeLabel = nullptr; // "TrueKaryotype"
    QLabel *noteLabel = nullptr;      // "CaseNote"
    KaryogramView *karyogram = nullptr;
};
