#pragma once

#include <QWidget>

#include "appearance/Glyphs.h"
#include "appearance/SkinnedWindow.h"
#include "core/KeyTable.h"
#include "core/PlaybackWindowContext.h"

class QLabel;
class QMenu;
class QSlider;
class QToolButton;

namespace mirato {

class MagneticGroup;
class TitleButton;
class WindowSkin;
class MediaPlayer;

// The music player window: title, play time and a compact play bar over the media player.
// Creating it restores its position, the volume and the play modes; destroying it stores the
// volume. Its display follows what the player tells.
class PlayerWindow : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 5100;
    static constexpr int kHeightTwips = 1500;

    // media: the player the context's media control is, with its own play bar operations.
    PlayerWindow(PlaybackWindowContext context, MediaPlayer& media, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // The menu the mode icon pops up; the window keeps a small one of its own until then.
    void setMusicMenu(QMenu* menu) { musicMenu_ = menu; }
    // The windows that snap to this one and travel with it.
    MagneticGroup& magnetic() const { return *magnetic_; }
    // Title and time from the player; runs every 500 ms.
    void refreshDisplay();

    QString titleText() const;
    QString timeText() const;

signals:
    // The close button: the owner stops playback and unloads the window.
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dropped(const QList<QUrl>& urls) override;
    void recolourTexts() override;

private:
    void buildPlayBar();
    void restoreSettings();
    void popUpMusicMenu();
    QToolButton* makeButton(const QString& name, int x, int y, int size);

    PlaybackWindowContext c_;
    MediaPlayer& media_;
    KeyTable keys_;
    QLabel* modeIcon_;
    QLabel* titleLabel_;
    QLabel* timeLabel_;
    MagneticGroup* magnetic_ = nullptr;
    TitleButton* minimiseButton_;
    TitleButton* fullScreenButton_;
    TitleButton* closeButton_;
    QSlider* positionSlider_;
    QToolButton* playButton_;
    QToolButton* muteButton_;
    QSlider* volumeSlider_;
    QMenu* musicMenu_ = nullptr;
    QMenu* ownMenu_ = nullptr;  // the open and save items, until the menus are made
    struct Icons {
        QIcon play = Glyphs::icon(Glyph::Play);
        QIcon pause = Glyphs::icon(Glyph::Pause);
        QIcon speaker = Glyphs::icon(Glyph::Speaker);
        QIcon muted = Glyphs::icon(Glyph::SpeakerMuted);
    } icons_;
};

}  // namespace mirato
