#pragma once

#include <QTimer>
#include <QWidget>

#include "appearance/SkinnedWindow.h"
#include "core/KeyTable.h"
#include "core/PlaybackWindowContext.h"
#include "lyrics/LyricsView.h"

class QLabel;

namespace mirato {

class WindowSkin;

// The desktop lyrics window: the title of the media playing over the previous, current (bold)
// and next lyric lines; a translation takes the next line's place, smaller; the words sung so
// far of a line timed by word are in the highlight colour. It computes nothing; the lyric sync
// writes the lines.
class LyricsWindow : public SkinnedWindow, public LyricsView {
    Q_OBJECT
public:
    explicit LyricsWindow(PlaybackWindowContext context, QWidget* parent = nullptr);
    ~LyricsWindow() override;

    void showMoment(const LyricsMoment& moment) override;
    void showOffset(qint64 offsetMs) override;
    void refreshTitle();

    QString previousLine() const;
    QString currentLine() const;
    QString nextLine() const;

signals:
    // The close button: the owner unloads the window; playback goes on.
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropped(const QList<QUrl>& urls) override;
    void recolourTexts() override;

private:
    QLabel* makeLine(const QString& name, int top, bool bold);

    PlaybackWindowContext c_;
    KeyTable keys_;
    QLabel* titleLabel_;
    QLabel* previousLabel_;
    QLabel* currentLabel_;
    QLabel* nextLabel_;
    LyricsMoment moment_;
    QColor highlight_{255, 200, 60};  // of the words sung
    QTimer offsetTimer_;              // how long a new offset shows in the title
};

}  // namespace mirato
