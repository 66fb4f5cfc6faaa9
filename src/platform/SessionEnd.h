#pragma once

#include <QObject>

namespace mirato {

// Tells when the system asks the program to end (a termination signal, the end of the login
// session), so that it can store what must survive before it goes.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void endRequested();
};

}  // namespace mirato
