#include <QApplication>

#include "app/Application.h"
#include "app/SingleInstance.h"

int main(int argc, char* argv[]) {
    // The whole command line is one document (a path with blanks arrives in pieces).
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const QString commandLine = words.join(QLatin1Char(' '));

    // A later start hands its document to the running instance and ends, without a window and
    // without touching the settings.
    mirato::SingleInstance instance;
    if (!instance.acquire()) {
        mirato::SingleInstance::forward(commandLine);
        return 0;
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirato"));
    QApplication::setQuitOnLastWindowClosed(false);
    instance.listen();
    mirato::Application app(&instance);
    app.start(commandLine);
    return QApplication::exec();
}
