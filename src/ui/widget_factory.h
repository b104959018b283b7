#pragma once
// Small helpers that create the pages' controls at fixed positions, named so
// that handlers and tests find them with findChild.

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora::ui {

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width = -1,
                  int height = 21);
// A caption plate in front of a row of inputs ("企业法人", "地区前缀" ...).
QLabel* MakeCaptionPlate(QWidget* parent, const QString& text, int left, int top, int width = 76);
// A one-line edit; max_bytes > 0 limits its text to that many GBK bytes.
QLineEdit* MakeEdit(QWidget* parent, const QString& name, int left, int top, int width,
                    int max_bytes = 0);
// An editable combo accepts typed text as well as a pick from its list; a fixed
// one offers only its items.
QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& items,
                     const QString& default_text, bool editable, int left, int top, int width);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width = 88, int height = 24);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width);

// Item lists shared by every owner row.
QStringList NumberItems(int first, int last, int pad_width = 0);
QStringList HourItems();  // "子 0", "丑 1" ... "子 23"

}  // namespace velmora::ui

class QFrame;

namespace velmora::ui {

// The light blue strip across the top of a page that holds its inputs.
QFrame* MakeInputStrip(QWidget* page, int height);

// A note in smaller grey type beside an input.
QLabel* MakeNote(QWidget* parent, const QString& text, int left, int top, int width);

}  // namespace velmora::ui
