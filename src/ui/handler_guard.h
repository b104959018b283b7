#pragma once
// The one guard around every handler: an exception that escapes a handler (a
// conversion or database error, or anything else) is shown in a message box
// where the handler was called, and the program goes on. Exceptions never
// cross Qt's event dispatch, which does not support them.
//
//     connect(searchButton_, &QPushButton::clicked, this,
//             ui::Guarded([this] { onSearchClicked(); }));

#include <QApplication>
#include <utility>

namespace velmora::ui {

// The box the guard shows: the error's text, an error icon, one OK button.
void ShowErrorText(const QString& text);

// Shows the exception being handled in ShowErrorText; call it only inside a
// catch block.
void ShowCaughtError();

// Runs the handler now, showing whatever it throws.
template <typename Handler>
void RunGuarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ShowCaughtError();
    }
}

// The handler as a slot for connect(): it takes no signal arguments and runs
// the handler under RunGuarded.
template <typename Handler>
auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable { RunGuarded(handler); };
}

// The program's look shared by the desktop and its window tests: a CJK font
// at 9 points, the application title.
void ApplyProgramLook(QApplication& app);

}  // namespace velmora::ui
