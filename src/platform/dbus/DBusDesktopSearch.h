#pragma once

#include <QStringList>
#include <QThread>

#include "platform/DesktopSearch.h"

namespace mirato {

class SearchWorker;

// The desktop's search providers (org.gnome.Shell.SearchProvider2) and runners
// (org.kde.krunner1), asked over the session bus from a thread of their own, so that neither
// their answers nor the reading of their pictures ever holds up the box. Each source has one
// call out at a time; a line typed meanwhile is asked next, the lines between are skipped.
// A source that fails, hangs or keeps answering late is left alone for a while.
class DBusDesktopSearch : public DesktopSearch {
    Q_OBJECT
public:
    struct Options {
        QStringList dataFolders;   // where the sources' files are, first folder first
        QString configFolder;      // where krunnerrc is
        bool readSwitches = true;  // honour the desktop's own switches (off: every source)
        int deadlineMs = 250;      // answers later than this after the question are dropped
        int hangMs = 5000;         // a call unanswered this long has failed
        int restMs = 60000;        // how long a failing source is left alone
        int latesToRest = 3;       // answers in a row that came too late to be shown
        int rescanMs = 60000;      // the sources' files are read again after this
    };

    explicit DBusDesktopSearch(Options options, QObject* parent = nullptr);
    ~DBusDesktopSearch() override;

    void ask(quint64 serial, const QString& line) override;
    void forget() override;
    void activate(const DesktopAnswer& answer, const QString& line) override;

private:
    SearchWorker* worker();

    Options options_;
    QThread thread_;
    SearchWorker* worker_ = nullptr;  // lives on thread_, made on the first question
};

}  // namespace mirato
