#pragma once
// The login dialog: ID and password; the first window of the program.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    QLineEdit *ID = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Password = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *Button1 = nullptr;
    QListWidget *ListBox1 = nullptr;
};

extern TPasswordDlg *PasswordDlg;
