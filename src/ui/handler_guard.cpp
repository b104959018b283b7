#include "ui/handler_guard.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTranslator>
#include <exception>

namespace velmora::ui {

void ShowCaughtError() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowErrorText(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorText(QStringLiteral("发生了未知错误，本次操作已取消。"));
    }
}

void ShowErrorText(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora软件"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

namespace {

// Fusion with a slimmer combo-box arrow, so the narrow date boxes of the
// owner rows still show "1980" or "公历" in full.
class CompactComboStyle : public QProxyStyle {
  public:
    CompactComboStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_ComboBox) {
            constexpr int kArrowWidth = 13;
            const QRect r = option->rect;
            if (sub == SC_ComboBoxArrow)
                return QRect(r.right() - kArrowWidth + 1, r.top(), kArrowWidth, r.height());
            if (sub == SC_ComboBoxEditField)
                return QRect(r.left() + 3, r.top() + 2, r.width() - kArrowWidth - 4,
                             r.height() - 4);
        }
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
};

}  // namespace

void ApplyProgramLook(QApplication& app) {
    QApplication::setStyle(new CompactComboStyle);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora软件"));
    // The first installed family that renders Chinese; 9 points like the
    // rest of the window's measurements assume.
    static constexpr const char* kFamilies[] = {"WenQuanYi Zen Hei", "Noto Sans CJK SC",
                                                "Droid Sans Fallback"};
    const QStringList installed = QFontDatabase::families();
    QFont font = app.font();
    for (const char* family : kFamilies) {
        if (installed.contains(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setPointSize(9);
    app.setFont(font);

    // Qt's own dialogs (print, save) in Chinese when the translations are installed.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qt_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace velmora::ui
