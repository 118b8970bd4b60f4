#pragma once
// The analysis dialog: three charts and the summaries of the trainee's trials.
#include <QDialog>

class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget *parent = nullptr);
};

extern TOKBottomDlg *OKBottomDlg;
