#pragma once
// One place through which the program shows errors and modal windows, so tests can answer them.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace korven::ui {

// The critical error box titled "KORVEN" (shown for every KorvenError that ends a handler).
void reportError(const QString &message);

// An information box titled `title` with one OK button.
void showMessage(QWidget *parent, const QString &title, const QString &text);

// A question titled `title` with Yes and No buttons; true for Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

// The system's warning beep.
void beep();

// Shows a dialog modally and returns its result.
int execModal(QDialog *dialog);

// Test hooks. When a hook is set, nothing modal is shown: messages go to the message hook and
// execModal hands the dialog to the modal hook, which may press its buttons and returns the result.
using MessageHook = std::function<void(const QString &kind, const QString &title, const QString &text)>;
using ModalHook = std::function<int(QDialog *dialog)>;
void setMessageHook(MessageHook hook);
void setModalHook(ModalHook hook);
// Answers askYesNo's questions while set (the message hook still sees them, as "question"); with
// only a message hook set the answer is No.
using QuestionHook = std::function<bool(const QString &text)>;
void setQuestionHook(QuestionHook hook);
// Counts beeps (tests read it).
int beepCount();

} // namespace korven::ui
