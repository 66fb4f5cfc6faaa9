#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <initializer_list>

#include "appearance/SkinFiles.h"

class QPainter;
class QWidget;

namespace mirato {

class TitleButton;

// A window's look from a theme folder: its background picture and the three state pictures of
// each title button. It also puts the buttons' normal pictures back when the mouse moves over
// the window's background.
class WindowSkin : public QObject {
    Q_OBJECT
public:
    WindowSkin(QWidget& window, SkinFiles::Surface surface);

    void setButtons(TitleButton* minimise, TitleButton* maximise, TitleButton* close);

    // What to do when a picture cannot be loaded: stop there (pictures before it are assigned,
    // the rest keep what they had) or skip it and go on with the others.
    enum class OnMissing { Stop, Skip };
    // Loads the window's pictures of the theme in their fixed order; true when all loaded.
    // Every failure is written to the debug log.
    bool apply(const QString& skinFolder, const QString& theme, OnMissing onMissing);
    // Puts every title button's normal picture back.
    void resetButtonImages();

    // Draws the background picture over the window (or a plain panel while there is none).
    void paintBackground(QPainter& painter) const;
    const QPixmap& background() const { return background_; }
    // A text colour that reads well over the part of the background under rect: white on
    // deep colours, a dark shade of the picture's own hue on light ones.
    QColor textColorOver(const QRect& rect) const;
    // Gives each widget's text the colour that reads over the background where it sits.
    void colourTexts(std::initializer_list<QWidget*> widgets) const;
    // The background's average colour under rect (invalid while there is no picture).
    QColor colourUnder(const QRect& rect) const;

signals:
    // New pictures are in place; the window recolours its texts.
    void applied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void assign(const SkinFiles::Entry& entry, const QPixmap& picture);

    QWidget& window_;
    SkinFiles::Surface surface_;
    QPixmap background_;
    QImage sample_;  // the background at window size, for picking text colours
    TitleButton* minimise_ = nullptr;
    TitleButton* maximise_ = nullptr;
    TitleButton* close_ = nullptr;
};

}  // namespace mirato
