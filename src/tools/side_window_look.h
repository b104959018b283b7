#pragma once
// The look the number-test and nickname windows share: a fixed client size,
// only a close box in the frame, a light-blue gradient background, centred on
// the screen.

#include <QSize>

class QDialog;

namespace velmora::tools {

void ApplySideWindowLook(QDialog& window, QSize client_size);

}  // namespace velmora::tools
