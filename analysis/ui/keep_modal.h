#pragma once
// Hiding a modal dialog for a moment without ending its modal showing.
#include <QDialog>

namespace korven::ui {

// QDialog::hide() ends a running exec(); the settings and analysis dialogs step aside for a notice
// and come back with show(), still modal for the caller that opened them. Hiding through the plain
// widget keeps their exec() running.
inline void hideKeepingModal(QDialog *dialog)
{
    dialog->QWidget::setVisible(false);
}

} // namespace korven::ui
