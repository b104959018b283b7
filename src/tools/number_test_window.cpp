#include "tools/number_test_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "base/text.h"
#include "tools/side_window.h"
#include "ui/handler_guard.h"
#include "ui/report_output.h"
#include "ui/widget_factory.h"

namespace velmora::tools {
namespace {

struct WindowLayout {
    const char* caption;
    QSize client_size;
    const char* input_label;
    int max_digits;
    const char* number_caption;
    bool mobile_notes;
};

// Indexed by NumberTest.
constexpr WindowLayout kLayouts[] = {
    {"手机号码测算", {437, 300}, "输入号码：", 11, "手机号码是：", true},
    {"QQ号码测试", {388, 270}, "QQ号码：", 18, "qq号码是：", false},
    {"任意号码分析", {388, 271}, "任意号码：", 18, "输入号码是：", false},
};
static_assert(std::size(kLayouts) == 3 && static_cast<int>(NumberTest::AnyNumber) == 2);

constexpr const char* kEditNote = "请注意：手机号码是11位，请正确输入。";
constexpr const char* kBottomNote =
    "注：有些人会问，手机号码为什么会影响一个人的运势？"
    "其实这就像风水、阳宅会影响运势命运的意义是一样的。"
    "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！";

// The number edits take digits only: a typed character that is no digit is
// dropped, and a pasted text with anything but digits is refused whole.
class DigitsOnly : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsDigitText(input.toStdString()) ? Acceptable : Invalid;
    }
};

}  // namespace

NumberTestWindow::NumberTestWindow(NumberTest test, QWidget* parent)
    : QDialog(parent), test_(test) {
    const WindowLayout& layout = kLayouts[static_cast<int>(test)];
    setObjectName(QStringLiteral("NumberTestWindow"));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    ApplySideWindowLook(*this, layout.client_size);

    const int width = layout.client_size.width() - 16;
    const InputRow input = MakeInputRow(*this, QString::fromUtf8(layout.input_label),
                                        QStringLiteral("numberEdit"), layout.mobile_notes ? 64 : 46);
    numberEdit_ = input.edit;
    numberEdit_->setMaxLength(layout.max_digits);
    numberEdit_->setValidator(new DigitsOnly(numberEdit_));
    testButton_ = input.testButton;
    closeButton_ = input.closeButton;
    if (layout.mobile_notes) {
        QLabel* note =
            ui::MakeLabel(input.group, QString::fromUtf8(kEditNote), 84, 40, width - 96, 18);
        note->setProperty("note", true);
    }

    const int resultTop = layout.mobile_notes ? 74 : 56;
    const int resultHeight = layout.mobile_notes ? 150 : layout.client_size.height() - resultTop - 8;
    auto* resultGroup = new QGroupBox(QStringLiteral("测算结果"), this);
    resultGroup->setGeometry(8, resultTop, width, resultHeight);
    const QString captions[] = {QString::fromUtf8(layout.number_caption), QStringLiteral("状态："),
                                QStringLiteral("吉凶："), QStringLiteral("具体表现：")};
    QLabel** values[] = {&numberValue_, &stateValue_, &luckValue_, &readingValue_};
    const char* names[] = {"numberValue", "stateValue", "luckValue", "readingValue"};
    constexpr int kCaptionWidth = 84, kRowHeight = 22;
    for (int row = 0; row < 4; ++row) {
        const int top = 22 + row * kRowHeight;
        QLabel* caption = ui::MakeLabel(resultGroup, captions[row], 12, top, kCaptionWidth, 20);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        const bool last = row == 3;
        const int height = last ? resultHeight - top - 8 : 20;
        QLabel* value = ui::MakeLabel(resultGroup, {}, 12 + kCaptionWidth, top,
                                      width - 24 - kCaptionWidth, height);
        value->setObjectName(QString::fromLatin1(names[row]));
        value->setProperty("resultValue", true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setWordWrap(last);
        *values[row] = value;
    }
    if (layout.mobile_notes) {
        QLabel* note =
            ui::MakeLabel(this, QString::fromUtf8(kBottomNote), 12, resultTop + resultHeight + 6,
                          width - 8, layout.client_size.height() - resultTop - resultHeight - 10);
        note->setProperty("note", true);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    connect(testButton_, &QPushButton::clicked, this, ui::Guarded([this] { onTestClicked(); }));
    connect(numberEdit_, &QLineEdit::returnPressed, this, ui::Guarded([this] { onTestClicked(); }));
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void NumberTestWindow::onTestClicked() {
    const std::string number = Trim(numberEdit_->text().toStdString());
    if (number.empty()) {
        const std::string_view message = EmptyNumberMessage(test_);
        ui::ShowMsg(QString::fromUtf8(message.data(), message.size()), this);
        return;
    }
    // A conversion or database error leaves the lines as they were.
    const NumberVerdict verdict = RunNumberTest(test_, number);
    numberValue_->setText(QString::fromStdString(verdict.number));
    stateValue_->setText(QString::fromStdString(verdict.state));
    luckValue_->setText(QString::fromStdString(verdict.luck));
    readingValue_->setText(QString::fromStdString(verdict.reading));
}

}  // namespace velmora::tools
