#pragma once
// The three number-test windows (手机号码测算, QQ号码测试, 任意号码分析): an edit
// that takes digits only, a test button, and four result lines (number,
// state, luck word, reading). One class; the test picks caption, size, labels
// and notes.

#include <QDialog>

#include "tools/number_tests.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::tools {

class NumberTestWindow : public QDialog {
    Q_OBJECT
  public:
    NumberTestWindow(NumberTest test, QWidget* parent = nullptr);

    NumberTest Test() const { return test_; }

  public slots:
    // Tests the number in the edit; an empty edit gets the window's message.
    void onTestClicked();

  private:
    NumberTest test_;
    QLineEdit* numberEdit_;
    QPushButton* testButton_;
    QPushButton* closeButton_;
    QLabel* numberValue_;
    QLabel* stateValue_;
    QLabel* luckValue_;
    QLabel* readingValue_;
};

}  // namespace velmora::tools
