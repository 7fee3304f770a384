// The reference for start-up cost: a bare Qt window holding one line edit.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.show();
    // Measured runs quit as soon as the window is mapped.
    if (qEnvironmentVariableIsSet("TECLARIUM_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
