// The reference for start-up cost: a bare Qt window holding one line edit.
#include <QApplication>
#include <QLineEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.show();
    return app.exec();
}
