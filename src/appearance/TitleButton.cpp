#include "appearance/TitleButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace mirato {

TitleButton::TitleButton(Glyph fallback, QWidget* parent)
    : QAbstractButton(parent), fallback_(fallback) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TitleButton::setPicture(const QPixmap& picture) {
    if (shown_.cacheKey() == picture.cacheKey())
        return;
    shown_ = picture;
    update();
}

void TitleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!shown_.isNull()) {
        p.drawPixmap(rect(), shown_);
        return;
    }
    // No theme picture: the glyph on whatever the window painted behind.
    const QSize glyph(14, 14);
    const QRect box(QPoint((width() - glyph.width()) / 2, (height() - glyph.height()) / 2), glyph);
    p.drawPixmap(box, Glyphs::icon(fallback_, palette().color(QPalette::WindowText), 14)
                          .pixmap(glyph, devicePixelRatio()));
}

void TitleButton::mousePressEvent(QMouseEvent* event) {
    setPicture(pressed_);
    QAbstractButton::mousePressEvent(event);
}

void TitleButton::mouseMoveEvent(QMouseEvent* event) {
    // Any move over it, held or not, shows hover.
    setPicture(hover_);
    QAbstractButton::mouseMoveEvent(event);
}

}  // namespace mirato
