#pragma once
// What the number-test and nickname windows share: a fixed client size, only
// a close box in the frame, a light-blue gradient background, centred on the
// screen; and the input group at their top.

#include <QSize>
#include <QString>

class QDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace velmora::tools {

void ApplySideWindowLook(QDialog& window, QSize client_size);

struct InputRow {
    QGroupBox* group;
    QLineEdit* edit;
    QPushButton* testButton;   // 测算
    QPushButton* closeButton;  // 关闭
};

// The group across the top of a window: the input label, the edit (named
// edit_name) and the 测算 and 关闭 buttons. Enter belongs to the edit: no
// button is the dialog's default. Call it after ApplySideWindowLook, which
// sets the width.
InputRow MakeInputRow(QDialog& window, const QString& label, const QString& edit_name,
                      int group_height);

}  // namespace velmora::tools
