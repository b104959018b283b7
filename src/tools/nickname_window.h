#pragma once
// 网名与性格: a nickname edit (18 GBK bytes, ASCII letters in capitals), a
// test button, and two result lines: the nickname and its personality reading.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::tools {

class NicknameWindow : public QDialog {
    Q_OBJECT
  public:
    explicit NicknameWindow(QWidget* parent = nullptr);

  public slots:
    // Reads the nickname in the edit; an empty edit gets the window's message.
    void onTestClicked();

  private slots:
    void onNicknameEdited(const QString& text);

  private:
    QLineEdit* nicknameEdit_;
    QPushButton* testButton_;
    QPushButton* closeButton_;
    QLabel* nicknameValue_;
    QLabel* personalityValue_;
};

}  // namespace velmora::tools
