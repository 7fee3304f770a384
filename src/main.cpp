#include <QDir>
#include <QFile>

#include "shell/application.h"
#include "shell/settings_module.h"
#include "shell/typewriting_window.h"
#include "util/window_system.h"

int main(int argc, char** argv) {
    if (!teclarium::SelectWindowSystem()) return 1;
    teclarium::TApplication app(argc, argv);
    teclarium::TModIniLS modIniLS;
    // The data files are read from the current folder: make it the data folder.
    const std::string& dataDir = modIniLS.FLoadSave->FDataDir;
    if (!dataDir.empty()) QDir::setCurrent(QFile::decodeName(dataDir.c_str()));
    teclarium::TFTypewriting window;
    window.show();
    return app.exec();
}
