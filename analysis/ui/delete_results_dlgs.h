#pragma once
// Deleting a user's results: the confirmation and the notice. Both stand in for the analysis
// dialog, which is hidden while they are up and shown again (and so recomputed) when they close.
#include <QDialog>

class QLabel;
class QPushButton;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;       // "Delete your all results ？"
    QLabel *Label2 = nullptr;       // "We cannot revive them  once you delete."
    QPushButton *Button1 = nullptr; // "Delete"
    QPushButton *Button2 = nullptr; // "Cancel"

    void Button1Click();
    void Button2Click();
    // Esc and the close box count as "Cancel", so the analysis dialog always comes back.
    void reject() override;

protected:
    // Every showing starts on "Cancel", so a bare Enter never deletes.
    void showEvent(QShowEvent *event) override;
};

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;       // "All the results elimination was carried out."
    QPushButton *Button1 = nullptr; // "OK"

    void Button1Click();
    // Esc and the close box count as "OK".
    void reject() override;
};

extern TForm8 *Form8;
extern TForm10 *Form10;
