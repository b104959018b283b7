#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/gbk_limit.h"

namespace velmora::ui {

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    if (width < 0) width = label->sizeHint().width();
    label->setGeometry(left, top, width, height);
    return label;
}

QLabel* MakeCaptionPlate(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* plate = new QLabel(text, parent);
    plate->setProperty("captionPlate", true);
    plate->setAlignment(Qt::AlignCenter);
    plate->setGeometry(left, top, width, 21);
    return plate;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int left, int top, int width,
                    int max_bytes) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 21);
    if (max_bytes > 0) LimitGbkBytes(edit, max_bytes);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& items,
                     const QString& default_text, bool editable, int left, int top, int width) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setMaxVisibleItems(16);
    const int index = combo->findText(default_text);
    if (index >= 0) {
        combo->setCurrentIndex(index);
    } else if (editable) {
        combo->setEditText(default_text);
    }
    combo->setGeometry(left, top, width, 21);
    return combo;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, width, height);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(left, top, width, 21);
    return box;
}

QStringList NumberItems(int first, int last, int pad_width) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QStringLiteral("%1").arg(n, pad_width, 10, QLatin1Char('0'));
    return items;
}

QStringList HourItems() {
    // The branch of each hour, a blank, then the hour itself: the hour is read
    // back from the text's fourth GBK byte on.
    static constexpr const char* kBranchOfHour[24] = {
        "子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
        "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
    QStringList items;
    for (int hour = 0; hour < 24; ++hour)
        items << QString::fromUtf8(kBranchOfHour[hour]) + QLatin1Char(' ') + QString::number(hour);
    return items;
}

}  // namespace velmora::ui

#include <QFrame>

namespace velmora::ui {

QFrame* MakeInputStrip(QWidget* page, int height) {
    auto* strip = new QFrame(page);
    strip->setObjectName(QStringLiteral("inputStrip"));
    strip->setProperty("inputStrip", true);
    strip->setGeometry(0, 0, 788, height);
    return strip;
}

QLabel* MakeNote(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* note = MakeLabel(parent, text, left, top, width);
    note->setProperty("note", true);
    return note;
}

}  // namespace velmora::ui
