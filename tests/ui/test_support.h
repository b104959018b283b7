#pragma once
// Helpers for window tests: answering the modal boxes and dialogs that a
// handler opens, without a user.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace velmora::testing {

// While alive, polls for modal windows and hands each one to `handle`, which
// must close it (accept or reject). Keeps the tests from hanging on a box.
class ModalResponder {
  public:
    explicit ModalResponder(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) handle_(modal);
        });
        timer_.start();
    }

  private:
    std::function<void(QWidget*)> handle_;
    QTimer timer_;
};

// Types text the way a keyboard or an input method delivers it, one
// character at a time, Chinese included.
inline void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// What a message box showed.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Closes a message box with its first button and records what it showed; any
// other dialog is rejected.
inline void CloseBox(QWidget* modal, QList<BoxSeen>& seen) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.append({box->windowTitle(), box->text(), box->icon(),
                     static_cast<int>(box->buttons().size())});
        box->buttons().first()->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    }
}

}  // namespace velmora::testing
