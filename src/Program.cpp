#include "Program.h"

#include <QApplication>

#include "app/Application.h"
#include "app/StartupWarmUp.h"
#include "platform/factory/HostPlatform.h"

namespace mirato {

int runProgram(ProgramStart& start) {
    const std::unique_ptr<PlatformBackends> platform = HostPlatform::backends();
    StartupWarmUp warmUp;
    QApplication qtApp(*start.argc, start.argv);
    warmUp.applicationCreated();
    QApplication::setApplicationName(QStringLiteral("Mirato"));
    QApplication::setDesktopFileName(QLatin1String(kApplicationId));
    QApplication::setQuitOnLastWindowClosed(false);
    start.instance->listen();
    Application app(*platform, start.instance.get());
    app.start(start.document, std::move(start.headStart));
    const int code = QApplication::exec();
    warmUp.finish();
    return code;
}

}  // namespace mirato
