#include "tools/nickname_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "base/text.h"
#include "tools/nickname.h"
#include "tools/side_window.h"
#include "ui/gbk_limit.h"
#include "ui/handler_guard.h"
#include "ui/report_output.h"

namespace velmora::tools {
namespace {

constexpr QSize kClientSize = {387, 183};  // 395 x 213 with the frame
constexpr int kMaxBytes = 18;

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

NicknameWindow::NicknameWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NicknameWindow"));
    setWindowTitle(QStringLiteral("网名与性格"));
    setAttribute(Qt::WA_DeleteOnClose);
    ApplySideWindowLook(*this, kClientSize);

    const int width = kClientSize.width() - 16;
    const InputRow input =
        MakeInputRow(*this, QStringLiteral("输入网名："), QStringLiteral("nicknameEdit"), 46);
    nicknameEdit_ = input.edit;
    ui::LimitGbkBytes(nicknameEdit_, kMaxBytes);
    testButton_ = input.testButton;
    closeButton_ = input.closeButton;

    auto* resultGroup = new QGroupBox(QStringLiteral("测算结果"), this);
    resultGroup->setGeometry(8, 56, width, kClientSize.height() - 56 - 8);
    nicknameValue_ = new QLabel(resultGroup);
    nicknameValue_->setObjectName(QStringLiteral("nicknameValue"));
    nicknameValue_->setGeometry(14, 24, width - 28, 20);
    personalityValue_ = new QLabel(resultGroup);
    personalityValue_->setObjectName(QStringLiteral("personalityValue"));
    personalityValue_->setGeometry(14, 48, width - 28, resultGroup->height() - 48 - 8);
    personalityValue_->setWordWrap(true);
    personalityValue_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* value : {nicknameValue_, personalityValue_})
        value->setProperty("resultValue", true);

    connect(testButton_, &QPushButton::clicked, this, ui::Guarded([this] { onTestClicked(); }));
    connect(nicknameEdit_, &QLineEdit::returnPressed, this,
            ui::Guarded([this] { onTestClicked(); }));
    connect(nicknameEdit_, &QLineEdit::textEdited, this, &NicknameWindow::onNicknameEdited);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void NicknameWindow::onNicknameEdited(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = c.toUpper();
    if (upper == text) return;
    const int cursor = nicknameEdit_->cursorPosition();
    nicknameEdit_->setText(upper);
    nicknameEdit_->setCursorPosition(cursor);
}

void NicknameWindow::onTestClicked() {
    const std::string nickname = Trim(nicknameEdit_->text().toStdString());
    if (nickname.empty()) {
        ui::ShowMsg(FromView(kNicknameEmptyMessage), this);
        return;
    }
    nicknameValue_->setText(QStringLiteral("你的网名：") + QString::fromStdString(nickname));
    try {
        personalityValue_->setText(QStringLiteral("你的性格：") +
                                   QString::fromStdString(Trim(GetNicknameText(nickname))));
    } catch (const std::exception&) {
        personalityValue_->setText(FromView(kNicknameFailedMessage));
    }
}

}  // namespace velmora::tools
