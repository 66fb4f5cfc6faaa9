#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class CommandBox;
class DesktopSearch;
class MenuHost;
class PlatformBackends;
class Settings;

// The answers of the desktop's own search programs in the box, where the desktop has any: the
// search (asked on a thread of its own), and the tray menu's switch for it.
class DesktopAnswersModule : public QObject {
    Q_OBJECT
public:
    DesktopAnswersModule(PlatformBackends& platform, CommandBox& box, MenuHost& menus,
                         const Settings& settings);
    // The box stops asking before the search goes.
    ~DesktopAnswersModule() override;

private:
    CommandBox& box_;
    std::unique_ptr<DesktopSearch> search_;
};

}  // namespace mirato
