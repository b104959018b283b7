#include "tools/side_window.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/widget_factory.h"

namespace velmora::tools {
namespace {

constexpr const char* kStyleSheet = R"(
QDialog[sideWindow="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2f8ff, stop:1 #c7def6);
}
QDialog[sideWindow="true"] QGroupBox {
    border: 1px solid #9dbde2; border-radius: 4px; margin-top: 9px; padding-top: 4px;
    font-weight: bold; color: #1f3d63;
}
QDialog[sideWindow="true"] QGroupBox::title {
    subcontrol-origin: margin; left: 10px; padding: 0 4px;
}
QDialog[sideWindow="true"] QLabel[resultValue="true"] { color: #a3261b; }
QDialog[sideWindow="true"] QLabel[note="true"] { color: #5a6b80; }
)";

}  // namespace

void ApplySideWindowLook(QDialog& window, QSize client_size) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setProperty("sideWindow", true);
    window.setStyleSheet(QString::fromUtf8(kStyleSheet));
    window.setFixedSize(client_size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

InputRow MakeInputRow(QDialog& window, const QString& label, const QString& edit_name,
                      int group_height) {
    constexpr int kButtonWidth = 64, kEditLeft = 84;
    InputRow row{};
    const int width = window.width() - 16;
    row.group = new QGroupBox(&window);
    row.group->setGeometry(8, 4, width, group_height);
    ui::MakeLabel(row.group, label, 12, 14, kEditLeft - 12, 22);
    const int closeLeft = width - 12 - kButtonWidth;
    const int testLeft = closeLeft - 8 - kButtonWidth;
    row.edit = ui::MakeEdit(row.group, edit_name, kEditLeft, 14, testLeft - 10 - kEditLeft);
    row.testButton = ui::MakeButton(row.group, QStringLiteral("testButton"), QStringLiteral("测算"),
                                    testLeft, 13, kButtonWidth);
    row.closeButton = ui::MakeButton(row.group, QStringLiteral("closeButton"),
                                     QStringLiteral("关闭"), closeLeft, 13, kButtonWidth);
    for (QPushButton* button : {row.testButton, row.closeButton}) button->setAutoDefault(false);
    return row;
}

}  // namespace velmora::tools
