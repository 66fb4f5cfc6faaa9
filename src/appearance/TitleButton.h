#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "appearance/Glyphs.h"

namespace mirato {

// A title-bar button drawn from a theme's pictures. It shows its pressed picture when the mouse
// is pressed on it and its hover picture when the mouse moves over it, and keeps that picture
// until its window puts the normal one back (when the mouse moves over the window's background):
// there is no leave handling of its own.
class TitleButton : public QAbstractButton {
    Q_OBJECT
public:
    // The glyph is drawn only while no picture is loaded, so a missing theme keeps it usable.
    TitleButton(Glyph fallback, QWidget* parent);

    void setPicture(const QPixmap& picture);  // what it shows now
    void setPressedPicture(const QPixmap& picture) { pressed_ = picture; }
    void setHoverPicture(const QPixmap& picture) { hover_ = picture; }
    void setNormalPicture(const QPixmap& picture) { normal_ = picture; }

    // Back to the normal picture.
    void showNormalPicture() { setPicture(normal_); }
    const QPixmap& picture() const { return shown_; }
    const QPixmap& normalPicture() const { return normal_; }
    const QPixmap& pressedPicture() const { return pressed_; }
    const QPixmap& hoverPicture() const { return hover_; }

    QSize sizeHint() const override { return {22, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Glyph fallback_;
    QPixmap shown_, normal_, pressed_, hover_;
};

}  // namespace mirato
