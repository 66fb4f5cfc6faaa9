#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class AppState;
class CommandBox;

// Owns the shared state and the windows, and wires them together.
class Application : public QObject {
    Q_OBJECT
  public:
    Application();
    ~Application() override;

    // Shows the command box; the caller then runs the event loop.
    void start();

  private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<CommandBox> commandBox_;
};

}  // namespace mirato
