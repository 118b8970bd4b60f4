#pragma once
// Creating IDs: the question, the creation dialog and the notices.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Create New ID？", asked modally when the login meets an unknown ID.
class TNewIDorNo : public QDialog {
    Q_OBJECT
public:
    explicit TNewIDorNo(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPushButton *OKBtn = nullptr;     // "Yes"
    QPushButton *CancelBtn = nullptr; // "No"

    void OKBtnClick();     // open the creation dialog
    void CancelBtnClick(); // back to an empty login

public slots:
    void reject() override; // closed without an answer: back to the login as it was

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The creation dialog: new ID and its password twice. Shown without being modal.
class TNewID : public QDialog {
    Q_OBJECT
public:
    explicit TNewID(QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    QLineEdit *ID = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Password = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *rePassword = nullptr;
    QPushButton *OKBtn = nullptr;     // "Create ID"
    QPushButton *CancelBtn = nullptr; // "Cancel"

    // Creates the ID and its files. Throws KorvenError when the folder or a file cannot be made;
    // nothing is left half-made then.
    void OKBtnClick();
    void CancelBtnClick();
    void FormClose(); // however the dialog closes, the login comes back

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QString confirmedLookAlike_; // an ID like an existing one, created at a second OK
};

// "This ID is already in use."
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};

// "Two passwords differ." (creation dialog)
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};

// Taking over an existing ID: kept in the window set, never shown, its buttons do nothing.
class TRecovery1 : public QDialog {
    Q_OBJECT
public:
    explicit TRecovery1(QWidget *parent = nullptr);
};

// "We have create New ID."
class TNewIDComplete : public QDialog {
    Q_OBJECT
public:
    explicit TNewIDComplete(QWidget *parent = nullptr);
};

// "Two passwords differ" (settings dialog); its OK shows the settings dialog again.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
};

extern TNewIDorNo *NewIDorNo;
extern TNewID *NewID;
extern TForm9 *Form9;
extern TForm11 *Form11;
extern TRecovery1 *Recovery1;
extern TNewIDComplete *NewIDComplete;
extern TForm14 *Form14;
