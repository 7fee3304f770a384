#include "shell/application.h"
#include "shell/typewriting_window.h"

int main(int argc, char** argv) {
    teclarium::TApplication app(argc, argv);
    teclarium::TFTypewriting window;
    window.show();
    return app.exec();
}
