// velmora: the desktop program.

#include "app/main_window.h"
#include "ui/handler_guard.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    // Ties the window to the installed menu entry and its icon.
    app.setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    velmora::app::MainWindow window;
    window.show();
    velmora::app::ShowUnreadableDataFiles();
    return app.exec();
}
