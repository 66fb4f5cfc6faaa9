#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "appearance/Glyphs.h"
#include "appearance/SkinFiles.h"
#include "appearance/WindowSkin.h"

namespace mirato {

class AppState;
class Settings;
class TitleButton;

// What the program's three windows share: frameless, drawn from the current theme (background
// and title buttons), dragged by the background with the position stored under the window's
// key, taking dropped files, and the one opacity and top-most switch of all windows.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    struct Look {
        SkinFiles::Surface surface;
        QString positionKey;  // "<key>.top" and "<key>.left" in the settings
        WindowSkin::OnMissing onMissing;
    };

    SkinnedWindow(const Look& look, AppState& state, Settings& settings, QString skinFolder,
                  QWidget* parent = nullptr);

    // Takes the pictures of the current theme; true when every one loaded.
    virtual bool applySkin();
    // The shared opacity, as AppState holds it.
    virtual void applyOpacity();
    // Above other windows when the setting "bTopMost" is exactly "True".
    void applyTopMost();
    WindowSkin& skin() const { return *skin_; }

    void restorePosition();
    void savePosition();

    // A pixel length of a length in twips (15 to a pixel).
    static int px(int twips);

protected:
    // A title button at x (y 6, 22 x 20), named for tests and plug-ins.
    TitleButton* addTitleButton(const QString& name, Glyph glyph, int x);
    void setTitleButtons(TitleButton* minimise, TitleButton* maximise, TitleButton* close);

    // The mouse was released after a press on the background; moved windows have stored their
    // position already.
    virtual void backgroundReleased(bool moved, QPoint pressed);
    // Files or addresses dropped on the window.
    virtual void dropped(const QList<QUrl>& urls) = 0;
    // New pictures are in place: texts take the colours that read over them.
    virtual void recolourTexts() {}

    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    AppState& sharedState() const { return state_; }
    Settings& settings() const { return settings_; }

private:
    Look look_;
    AppState& state_;
    Settings& settings_;
    QString skinFolder_;
    WindowSkin* skin_;
};

}  // namespace mirato
