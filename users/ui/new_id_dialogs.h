#pragma once
// Creating IDs: the question, the creation dialog and the notices.
#include <QDialog>

class TNewIDorNo : public QDialog {
    Q_OBJECT
public:
    explicit TNewIDorNo(QWidget *parent = nullptr);
};

class TNewID : public QDialog {
    Q_OBJECT
public:
    explicit TNewID(QWidget *parent = nullptr);
};

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};

class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};

class TRecovery1 : public QDialog {
    Q_OBJECT
public:
    explicit TRecovery1(QWidget *parent = nullptr);
};

class TNewIDComplete : public QDialog {
    Q_OBJECT
public:
    explicit TNewIDComplete(QWidget *parent = nullptr);
};

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
