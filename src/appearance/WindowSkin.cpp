#include "appearance/WindowSkin.h"

#include <QHash>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "appearance/BmpFile.h"
#include "appearance/TitleButton.h"

Q_LOGGING_CATEGORY(lcSkin, "mirato.skin")

namespace mirato {

namespace {

QPixmap load(const QString& path) {
    // The themes' own plain BMP files are read directly; anything else goes to Qt's readers.
    QImage plain = BmpFile::read(path);
    return plain.isNull() ? QPixmap(path) : QPixmap::fromImage(std::move(plain));
}

}  // namespace

WindowSkin::WindowSkin(QWidget& window, SkinFiles::Surface surface)
    : QObject(&window), window_(window), surface_(surface) {
    window.setMouseTracking(true);
    window.installEventFilter(this);
}

void WindowSkin::setButtons(TitleButton* minimise, TitleButton* maximise, TitleButton* close) {
    minimise_ = minimise;
    maximise_ = maximise;
    close_ = close;
}

bool WindowSkin::apply(const QString& skinFolder, const QString& theme, OnMissing onMissing) {
    bool complete = true;
    QHash<QString, QPixmap> loaded;  // "_.bmp" serves twice; read it once
    for (const SkinFiles::Entry& entry : SkinFiles::forSurface(surface_)) {
        const QString path = SkinFiles::path(skinFolder, theme, entry.file);
        auto found = loaded.constFind(path);
        QPixmap picture = found != loaded.cend() ? *found : load(path);
        if (picture.isNull()) {
            qCDebug(lcSkin) << "theme picture missing or unreadable:" << path;
            complete = false;
            if (onMissing == OnMissing::Stop)
                break;
            continue;
        }
        loaded.insert(path, picture);
        assign(entry, picture);
    }
    sample_ = background_.isNull()
                  ? QImage()
                  : background_.toImage().scaled(window_.size(), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation);
    window_.update();
    emit applied();
    return complete;
}

void WindowSkin::assign(const SkinFiles::Entry& entry, const QPixmap& picture) {
    using SkinFiles::Part;
    using SkinFiles::Slot;
    if (entry.part == Part::Background) {
        background_ = picture;
        return;
    }
    TitleButton* button = entry.part == Part::Minimise   ? minimise_
                          : entry.part == Part::Maximise ? maximise_
                                                         : close_;
    if (!button)
        return;
    switch (entry.slot) {
        case Slot::Shown:
            button->setPicture(picture);
            break;
        case Slot::Pressed:
            button->setPressedPicture(picture);
            break;
        case Slot::Hover:
            button->setHoverPicture(picture);
            break;
        case Slot::Normal:
            button->setNormalPicture(picture);
            break;
    }
}

void WindowSkin::resetButtonImages() {
    for (TitleButton* button : {minimise_, maximise_, close_}) {
        if (button)
            button->showNormalPicture();
    }
}

void WindowSkin::paintBackground(QPainter& painter) const {
    if (!background_.isNull()) {
        painter.drawPixmap(window_.rect(), background_);
        return;
    }
    // No picture: a quiet panel, so the window still reads as one.
    const QRect r = window_.rect();
    QLinearGradient fill(0, 0, 0, r.height());
    fill.setColorAt(0, QColor(0x5a, 0x7a, 0xa6));
    fill.setColorAt(1, QColor(0x2c, 0x40, 0x60));
    painter.fillRect(r, fill);
    painter.setPen(QColor(0x1c, 0x2a, 0x40));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

void WindowSkin::colourTexts(std::initializer_list<QWidget*> widgets) const {
    for (QWidget* widget : widgets) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, textColorOver(widget->geometry()));
        widget->setPalette(palette);
    }
}

QColor WindowSkin::colourUnder(const QRect& rect) const {
    const QRect area = rect.intersected(sample_.rect());
    if (sample_.isNull() || area.isEmpty())
        return {};
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const QRgb px = sample_.pixel(x, y);
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++n;
        }
    }
    return QColor(int(r / n), int(g / n), int(b / n));
}

QColor WindowSkin::textColorOver(const QRect& rect) const {
    const QColor average = colourUnder(rect);
    if (!average.isValid() || qGray(average.rgb()) < 150)
        return Qt::white;  // over the plain panel or a deep picture
    // Light ground: the same hue, deep and saturated enough to read.
    const float hue = average.hslHueF();
    return QColor::fromHslF(hue < 0 ? 0.6f : hue, 0.55f, 0.22f);
}

bool WindowSkin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::MouseMove) {
        // Only the background resets the buttons; moving over another control keeps them.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!window_.childAt(mouse->position().toPoint()))
            resetButtonImages();
    }
    return false;
}

}  // namespace mirato
