#include "shell/application.h"
#include "shell/typewriting_window.h"
#include "util/window_system.h"

int main(int argc, char** argv) {
    if (!teclarium::SelectWindowSystem()) return 1;
    teclarium::TApplication app(argc, argv);
    teclarium::TFTypewriting window;
    window.show();
    return app.exec();
}
