// velmora: the desktop program.

#include "shell/handler_guard.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
    velmora::shell::GuardedApplication app(argc, argv);
    velmora::shell::ApplyProgramLook(app);
    velmora::shell::TFrmIndex window;
    window.show();
    return app.exec();
}
