#include "tools/side_window_look.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

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

}  // namespace velmora::tools
