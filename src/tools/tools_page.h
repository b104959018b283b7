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
    static constexpr int kTools = 5;
    // Creates a side window owned by `parent`.
    using WindowFactory = std::function<QDialog*(QWidget* parent)>;

    explicit ToolsPage(QWidget* parent);

    // Which window a click area opens: 0 手机号码测算, 1 QQ号码测试,
    // 2 任意号码分析, 3 网名与性格, 4 the calendar.
    void SetWindowFactory(int tool, WindowFactory factory);

    // Destroys the previous instance, creates a fresh one and shows it modally.
    void OpenTool(int tool);

    QLabel* picture_;
    std::array<QToolButton*, kTools> Buttons;  // in the order of SetWindowFactory

  private:
    std::array<WindowFactory, kTools> factories_;
    std::array<QPointer<QDialog>, kTools> windows_;
};

}  // namespace velmora::tools
