// A program that answers the desktop's search field, run as a process of its own on the
// session bus, for end-to-end runs and benchmarks:
//   mirato-search-stand-in LOG provider|runner BUS-NAME OBJECT-PATH DELAY-MS TITLE[|DESCRIPTION]...
// It knows one item per title (ids i1, i2, ...) and answers after DELAY-MS. Each call it is
// asked is appended to LOG; "ready" is written once it owns its name.
#include <QCoreApplication>
#include <QFile>

#include "support/DesktopStandIns.h"

using mirato::test::SearchStandIn;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 6)
        return 2;
    QList<SearchStandIn::Item> items;
    for (qsizetype i = 6; i < arguments.size(); ++i)
        items.append({QStringLiteral("i%1").arg(i - 5), arguments.at(i).section('|', 0, 0),
                      arguments.at(i).section('|', 1), QStringLiteral("text-x-generic"), false});
    SearchStandIn source(arguments.at(2) == QLatin1String("runner") ? SearchStandIn::Kind::Runner
                                                                    : SearchStandIn::Kind::Provider,
                         arguments.at(3), arguments.at(4), items);
    source.delayMs = arguments.at(5).toInt();
    source.logFile = arguments.at(1);
    if (!source.start())
        return 1;
    QFile log(source.logFile);
    if (log.open(QIODevice::Append))
        log.write("ready\n");
    log.close();
    return app.exec();
}
