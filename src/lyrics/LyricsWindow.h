#pragma once

#include <QTimer>
#include <QWidget>

#include "core/KeyTable.h"
#include "lyrics/LyricsView.h"

class QLabel;

namespace mirato {

class Settings;

class WindowSkin;
class AppPaths;
class AppState;
class HostConventions;
class Launcher;
class MediaControl;
class PlayerRequests;
class WindowRequests;

struct LyricsWindowContext {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    Launcher& launcher;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests& player;
    Settings& settings;
};

// The desktop lyrics window: the title of the media playing over the previous, current (bold)
// and next lyric lines. It computes nothing; the lyric sync writes the lines.
class LyricsWindow : public QWidget, public LyricsView {
    Q_OBJECT
public:
    explicit LyricsWindow(LyricsWindowContext context, QWidget* parent = nullptr);
    ~LyricsWindow() override;

    void showLines(const QString& previous, const QString& current, const QString& next) override;
    void applyOpacity();
    void applyTopMost();
    // Takes the pictures of the current theme; a missing one is logged and skipped.
    void applySkin();
    WindowSkin& skin() const { return *skin_; }
    void refreshTitle();

    QString previousLine() const;
    QString currentLine() const;
    QString nextLine() const;

signals:
    // The close button: the owner unloads the window; playback goes on.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLabel* makeLine(const QString& name, int top, bool bold);
    void recolourTexts();

    LyricsWindowContext c_;
    KeyTable keys_;
    WindowSkin* skin_;
    QLabel* titleLabel_;
    QLabel* previousLabel_;
    QLabel* currentLabel_;
    QLabel* nextLabel_;
    QTimer titleTimer_;
};

}  // namespace mirato
