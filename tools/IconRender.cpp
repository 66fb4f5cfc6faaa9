// Draws the program's icon at the sizes the desktop's icon theme wants, at build time:
//   mirato-iconrender OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<size>x<size>/apps/mirato.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "appearance/Glyphs.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: mirato-iconrender OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    for (const QString& size : args.mid(2)) {
        const int pixels = size.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(1)).arg(pixels);
        QDir().mkpath(folder);
        if (!mirato::Glyphs::appIconPixmap(pixels).save(folder + QStringLiteral("/mirato.png")))
            return 1;
    }
    return 0;
}
