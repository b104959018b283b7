#include "shell/tools_page.h"

#include <QDialog>
#include <QLabel>
#include <QToolButton>

#include "shell/jpeg_loader.h"

namespace velmora::shell {

namespace {

constexpr int kToolLefts[ToolsPage::kTools] = {188, 273, 359, 444, 529};
constexpr int kToolTop = 108;
constexpr int kToolSize = 71;

}  // namespace

ToolsPage::ToolsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet9"));
    Image5 = new QLabel(this);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(0, 0, 788, 457);
    Image5->setPixmap(QPixmap::fromImage(LoadAsset(QStringLiteral("tools_page.jpg"))));

    for (int tool = 0; tool < kTools; ++tool) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("RzToolButton%1").arg(32 + tool));
        button->setProperty("clickArea", true);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(kToolLefts[tool], kToolTop, kToolSize, kToolSize);
        connect(button, &QToolButton::clicked, this, [this, tool] { OpenTool(tool); });
        Buttons[tool] = button;
    }
}

void ToolsPage::SetWindowFactory(int tool, WindowFactory factory) {
    factories_.at(tool) = std::move(factory);
}

void ToolsPage::OpenTool(int tool) {
    if (!factories_.at(tool)) return;
    delete windows_[tool];  // QPointer: already null when the window deleted itself
    QDialog* window = factories_[tool](this->window());
    windows_[tool] = window;
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
}

}  // namespace velmora::shell
