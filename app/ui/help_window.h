#pragma once
// The help manual: opened with the desktop's viewer, or in a window of the program's own when the
// desktop has no viewer for it.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace korven::ui {

// The manual in a text browser; links within it are followed, links to the web go to the desktop.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    void showManual(const QString &path);
    QTextBrowser *Browser = nullptr;
};

// Opens the manual at `path`. Where the desktop cannot open it (no opener, or the opener ends with
// a failure, as xdg-open does without a default viewer), the manual is shown in the program's own
// window, which lives as long as `owner`. A missing manual is reported.
void openManual(const QString &path, QWidget *owner);

} // namespace korven::ui
