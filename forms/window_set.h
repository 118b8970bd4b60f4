#pragma once
// The program's windows: created once each at start-up, in a fixed order, each reachable through
// its global reference (PasswordDlg, AboutBox, PagesDlg, ... Form16; Form1 after the login).
#include <QStringList>

namespace korven::ui {

// Creates the sixteen windows in order; the login dialog first.
void createWindowSet();

// The object names of the windows in the order they were created.
const QStringList &windowCreationOrder();

// Destroys every window (the exercise window included); used at the end and by tests.
void destroyWindowSet();

// Creates the exercise window Form1 if it does not exist yet and returns it.
void createExerciseWindow();

// What start-up shows first.
void showFirstWindow();

} // namespace korven::ui
