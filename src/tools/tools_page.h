#pragma once
// The tools page (其他功能): a picture with five click areas, each opening a
// side window modally. Every opening starts from a fresh window.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QDialog;
class QLabel;
class QToolButton;

namespace velmora::tools {

class ToolsPage : public QWidget {
    Q_OBJECT
  public:
    // The click areas, left to right.
    enum Tool { PhoneNumber, QQNumber, AnyNumber, Nickname, Calendar };
    static constexpr int kTools = 5;
    // Creates a side window owned by `parent`.
    using WindowFactory = std::function<QDialog*(QWidget* parent)>;

    explicit ToolsPage(QWidget* parent);

    // Which window a click area opens.
    void SetWindowFactory(Tool tool, WindowFactory factory);

    // Destroys the previous instance, creates a fresh one and shows it
    // modally; returns when it closes. A tool without a window does nothing.
    void OpenTool(Tool tool);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* picture_;
    std::array<QToolButton*, kTools> buttons_;  // phoneNumberButton ... calendarButton
    std::array<WindowFactory, kTools> factories_;
    std::array<QPointer<QDialog>, kTools> windows_;
};

}  // namespace velmora::tools
