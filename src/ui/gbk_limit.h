#pragma once
// Edit limits counted in GBK bytes (a Chinese character takes two), the way
// the program's texts are measured everywhere.

#include <QValidator>

class QLineEdit;

namespace velmora::ui {

class GbkByteLimit : public QValidator {
    Q_OBJECT
  public:
    GbkByteLimit(int max_bytes, QObject* parent);
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int MaxBytes() const { return max_bytes_; }

  private:
    int max_bytes_;
};

// Installs the limit on an edit; typing or pasting past it is refused.
void LimitGbkBytes(QLineEdit* edit, int max_bytes);

}  // namespace velmora::ui
