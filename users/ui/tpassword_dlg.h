#pragma once
// The login dialog: ID and password; the first window of the program. Closing it ends the program.
#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korven {
struct UserSettings;
class IdLock;
}

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);
    ~TPasswordDlg() override;

    QLabel *Label2 = nullptr;
    QLineEdit *ID = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Password = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *Button1 = nullptr;
    QListWidget *ListBox1 = nullptr;  // hidden: the known IDs

    // Log in; an unknown ID asks whether to create it. Throws KorvenError when the user's
    // password or settings file cannot be read; nothing has changed then.
    void OKBtnClick();
    // Closes the dialog, which ends the program.
    void CancelBtnClick();
    // Opens the ID-creation dialog, taking over a typed ID.
    void Button1Click();

    // The known ID the typed one is (case-sensitive, compared in Unicode normal form C, so an ID
    // typed with a combining mark finds its folder), as its folder is named; empty when none.
    QString knownId(const QString &id) const;

public slots:
    void reject() override; // Esc and the close box: the program ends

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Everything after a successful password check: the exercise window and the settings.
    void logIn(const QString &id, const korven::UserSettings &settings);
    // The ID's settings; a damaged file is reset to the defaults when the trainee agrees.
    korven::UserSettings readSettingsOrReset(const QString &result, const QString &id);
    void showSizePreview();

    // The logged-in ID's lock, held until the program ends.
    std::unique_ptr<korven::IdLock> idLock_;
};

extern TPasswordDlg *PasswordDlg;

// Texts the login shows.
inline constexpr const char *PasswordCaption = QT_TRANSLATE_NOOP("TPasswordDlg", "Password");
inline constexpr const char *WrongPasswordCaption = QT_TRANSLATE_NOOP("TPasswordDlg", "Please your password again.");
inline constexpr const char *IdInUseText = QT_TRANSLATE_NOOP("TPasswordDlg", "This ID is in use on %1.");
