#include "platform/single_instance.h"
#include "shell/application.h"
#include "shell/typewriting_window.h"
#include "util/ui/message_boxes.h"

int main(int argc, char** argv) {
    teclarium::TApplication app(argc, argv);
    teclarium::TSingleInstanceGuard guard(app.applicationName());
    if (!guard.Claim()) {
        teclarium::ErrorBox(teclarium::kMsgAlreadyRunning);
        return 0;
    }
    teclarium::TFTypewriting window;
    window.show();
    return app.exec();
}
