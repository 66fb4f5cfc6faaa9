#pragma once

#include <QString>

namespace mirato {

// Tells the user something, always under the program's title with the information icon.
class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal message box with an OK button; titled with the program's title unless given one.
    virtual void messageBox(const QString& text, const QString& title = QString()) = 0;
    // A modal message box with the stop icon, for what went wrong.
    virtual void stopBox(const QString& text) = 0;
    // A passing notice at the tray icon.
    virtual void balloon(const QString& text) = 0;
};

}  // namespace mirato
