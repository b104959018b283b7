#include "tools/tools_page.h"

#include <QDialog>
#include <QLabel>
#include <QToolButton>

#include "ui/handler_guard.h"
#include "ui/jpeg_loader.h"

namespace velmora::tools {

namespace {

constexpr int kToolLefts[ToolsPage::kTools] = {188, 273, 359, 444, 529};
constexpr const char* kToolButtonNames[ToolsPage::kTools] = {
    "phoneNumberButton", "qqNumberButton", "anyNumberButton", "nicknameButton", "calendarButton"};
static_assert(ToolsPage::Calendar == ToolsPage::kTools - 1);
constexpr int kToolTop = 108;
constexpr int kToolSize = 71;

}  // namespace

ToolsPage::ToolsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("toolsPage"));
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setGeometry(0, 0, 788, 457);

    for (int tool = 0; tool < kTools; ++tool) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(kToolButtonNames[tool]));
        button->setProperty("clickArea", true);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(kToolLefts[tool], kToolTop, kToolSize, kToolSize);
        connect(button, &QToolButton::clicked, this,
                ui::Guarded([this, tool] { OpenTool(static_cast<Tool>(tool)); }));
        buttons_[tool] = button;
    }
}

void ToolsPage::showEvent(QShowEvent* event) {
    // The page starts hidden behind the naming page: its picture is decoded
    // when it is first shown, not while the program starts.
    if (picture_->pixmap().isNull())
        picture_->setPixmap(QPixmap::fromImage(ui::LoadAsset(QStringLiteral("tools_page.jpg"))));
    QWidget::showEvent(event);
}

void ToolsPage::SetWindowFactory(Tool tool, WindowFactory factory) {
    factories_.at(tool) = std::move(factory);
}

void ToolsPage::OpenTool(Tool tool) {
    if (!factories_.at(tool)) return;
    delete windows_[tool];  // QPointer: already null when the window deleted itself
    QDialog* window = factories_[tool](this->window());
    windows_[tool] = window;
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
}

}  // namespace velmora::tools
