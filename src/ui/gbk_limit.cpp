#include "ui/gbk_limit.h"

#include <QLineEdit>

#include "base/gbk.h"

namespace velmora::ui {

GbkByteLimit::GbkByteLimit(int max_bytes, QObject* parent)
    : QValidator(parent), max_bytes_(max_bytes) {}

QValidator::State GbkByteLimit::validate(QString& input, int&) const {
    return gbk::ByteLength(input.toStdString()) <= max_bytes_ ? Acceptable : Invalid;
}

void GbkByteLimit::fixup(QString& input) const {
    input = QString::fromStdString(gbk::TruncateToBytes(input.toStdString(), max_bytes_));
}

void LimitGbkBytes(QLineEdit* edit, int max_bytes) {
    edit->setValidator(new GbkByteLimit(max_bytes, edit));
}

}  // namespace velmora::ui
