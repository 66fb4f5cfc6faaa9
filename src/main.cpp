#include <QApplication>

#include "app/Application.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirato"));
    QApplication::setQuitOnLastWindowClosed(false);
    mirato::Application app;
    app.start();
    return QApplication::exec();
}
