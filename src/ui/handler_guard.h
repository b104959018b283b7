#pragma once
// The one guard around every handler: an exception that escapes an event
// handler (a conversion or database error, or anything else) is shown in a
// message box, and the program goes on.

#include <QApplication>

namespace velmora::ui {

class GuardedApplication : public QApplication {
    Q_OBJECT
  public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The box the guard shows: the error's text, an error icon, one OK button.
void ShowErrorText(const QString& text);

// The program's look shared by the desktop and its window tests: a CJK font
// at 9 points, the application title.
void ApplyProgramLook(QApplication& app);

}  // namespace velmora::ui
