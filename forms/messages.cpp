#include "forms/messages.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace korven::ui {

namespace {
MessageHook &messageHook()
{
    static MessageHook hook;
    return hook;
}
ModalHook &modalHook()
{
    static ModalHook hook;
    return hook;
}
QuestionHook &questionHook()
{
    static QuestionHook hook;
    return hook;
}
int beeps = 0;
} // namespace

void setMessageHook(MessageHook hook) { messageHook() = std::move(hook); }
void setModalHook(ModalHook hook) { modalHook() = std::move(hook); }
void setQuestionHook(QuestionHook hook) { questionHook() = std::move(hook); }
int beepCount() { return beeps; }

void reportError(const QString &message)
{
    if (messageHook()) {
        messageHook()(QStringLiteral("error"), QStringLiteral("KORVEN"), message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("KORVEN"), message);
}

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    if (messageHook()) {
        messageHook()(QStringLiteral("info"), title, text);
        return;
    }
    QMessageBox::information(parent, title, text);
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    if (messageHook() || questionHook()) {
        if (messageHook())
            messageHook()(QStringLiteral("question"), title, text);
        return questionHook() && questionHook()(text);
    }
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int execModal(QDialog *dialog)
{
    if (modalHook())
        return modalHook()(dialog);
    return dialog->exec();
}

} // namespace korven::ui
