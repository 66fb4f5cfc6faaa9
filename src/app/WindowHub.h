#pragma once

#include "core/AppState.h"
#include "core/WindowRequests.h"

namespace mirato {

class CommandBox;

// Knows every window and carries out what one window asks of the others.
class WindowHub : public WindowRequests {
  public:
    explicit WindowHub(AppState& state) : state_(state) {}

    void setCommandBox(CommandBox* box) { commandBox_ = box; }

    void showPlayer() override;
    void showLyricsWindow() override;
    void clearLyrics() override;
    void applyOpacity() override;

  private:
    AppState& state_;
    CommandBox* commandBox_ = nullptr;
};

}  // namespace mirato
