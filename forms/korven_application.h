#pragma once
// The application object: shows every KorvenError (or other exception) that ends an event
// handler in the critical error box, and goes on.
#include <QApplication>
#include <functional>

namespace korven::ui {

class KorvenApplication : public QApplication {
public:
    KorvenApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Font substitutes for the Japanese fonts the windows name, and the application's defaults.
void installFonts();

// What every KORVEN program window shares, set once the application object exists: its name, the
// interface language (the desktop's, or KORVEN_LANG), the fonts, the icon and the default font.
void setUpProgramLook();

// Runs f, showing a KorvenError (or std::exception) in the error box instead of propagating it.
// Returns false when f threw.
bool guarded(const std::function<void()> &f);

} // namespace korven::ui
