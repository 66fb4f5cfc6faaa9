#pragma once

#include "core/MediaControl.h"

namespace mirato {

// Playback while no engine is loaded: remembers what it is told and reports "stopped".
class IdleMediaControl : public MediaControl {
  public:
    void setUrl(const QString& url) override;
    QString url() const override { return url_; }
    void play() override {}
    void pause() override {}
    void next() override {}
    void previous() override {}
    QString positionString() const override { return {}; }
    QString durationString() const override { return {}; }
    QString itemInfo(const QString&) const override { return {}; }
    int playState() const override { return kStopped; }
    int volume() const override { return volume_; }
    void setVolume(int volume) override { volume_ = qBound(0, volume, 100); }
    bool mute() const override { return mute_; }
    void setMute(bool mute) override { mute_ = mute; }
    void setMode(const QString&, bool) override {}
    void setFullScreen(bool) override {}

  private:
    QString url_;
    int volume_ = 50;
    bool mute_ = false;
};

}  // namespace mirato
