#include "appearance/SkinnedButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QTimerEvent>
#include <optional>

namespace mirato {

namespace {

constexpr int kTileWidth = 9;
constexpr int kTileHeight = 21;
constexpr int kFadeIntervalMs = 15;
constexpr int kFadeStep = 3;

int skinnedButtons = 0;
std::optional<QImage> sharedTemplate;

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// One 9 x 21 tile: a one-pixel border whose corners fade into the fill, and the state's fill.
void drawTile(QImage& image, int state) {
    const bool disabled = state == SkinnedButton::Disabled;
    const QColor border = disabled ? QColor(191, 191, 191) : QColor(27, 143, 213);
    // The top row from the left corner to the middle; the rest mirrors it.
    const QColor edge[4] = {disabled ? QColor(226, 226, 226) : QColor(120, 186, 230),
                            disabled ? QColor(218, 218, 218) : QColor(107, 179, 227),
                            disabled ? QColor(201, 201, 201) : QColor(44, 151, 216), border};
    const int top = kTileHeight * state;
    auto fillAt = [&](int x, int y) -> QColor {
        const double t = (y - 1) / double(kTileHeight - 3);
        switch (state) {
            case SkinnedButton::Hover:
                if (x == 1 || x == kTileWidth - 2 || y == 1 || y == kTileHeight - 2)
                    return QColor(76, 195, 251);
                return mix(Qt::white, QColor(205, 232, 250), t);
            case SkinnedButton::Pressed:
                return mix(QColor(150, 196, 232), QColor(226, 240, 250), t);
            case SkinnedButton::Disabled:
                return mix(Qt::white, QColor(217, 217, 217), t);
            default:
                return mix(Qt::white, QColor(177, 208, 234), t);
        }
    };
    for (int y = 0; y < kTileHeight; ++y) {
        const int fromEdge = std::min(y, kTileHeight - 1 - y);
        for (int x = 0; x < kTileWidth; ++x) {
            const int fromSide = std::min(x, kTileWidth - 1 - x);
            QColor colour;
            if (fromEdge == 0)
                colour = edge[std::min(fromSide, 3)];
            else if (fromSide == 0)
                colour = fromEdge < 3 ? edge[fromEdge] : border;
            else
                colour = fillAt(x, y);
            image.setPixelColor(x, top + y, colour);
        }
    }
}

bool isPushButton(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) != nullptr;
}

// Watches a skinned window: when it loses activation to a dialog, the dialog is skinned too.
class ContainerWatch : public QObject {
public:
    explicit ContainerWatch(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowDeactivate) {
            // The newly active window is known only once the change is complete.
            QTimer::singleShot(0, this, [this] {
                QWidget* active = QApplication::activeWindow();
                if (active && active != window_ && qobject_cast<QDialog*>(active))
                    SkinnedButton::skinWindow(active);
            });
        }
        return false;
    }

private:
    QWidget* window_;
};

ContainerWatch* watchOf(QWidget* window) {
    for (QObject* child : window->children()) {
        if (auto* watch = dynamic_cast<ContainerWatch*>(child))
            return watch;
    }
    return nullptr;
}

}  // namespace

const QImage& SkinnedButton::templatePicture() {
    if (!sharedTemplate) {
        QImage image(kTileWidth, kTileHeight * 4, QImage::Format_RGB32);
        for (int state = Normal; state <= Disabled; ++state)
            drawTile(image, state);
        sharedTemplate = image;
    }
    return *sharedTemplate;
}

std::array<SkinnedButton::Slice, 9> SkinnedButton::nineSlice(State state, QSize size) {
    const int w = size.width();
    const int h = size.height();
    const int y = kTileHeight * state;
    return {{
        {{0, y, 4, 5}, {0, 0, 4, 5}},
        {{4, y, 1, 5}, {4, 0, w - 8, 5}},
        {{5, y, 4, 5}, {w - 4, 0, 4, 5}},
        {{0, y + 5, 4, 11}, {0, 5, 4, h - 10}},
        {{4, y + 5, 1, 11}, {4, 5, w - 8, h - 10}},
        {{5, y + 5, 4, 11}, {w - 4, 5, 4, h - 10}},
        {{0, y + 16, 4, 5}, {0, h - 5, 4, 5}},
        {{4, y + 16, 1, 5}, {4, h - 5, w - 8, 5}},
        {{5, y + 16, 4, 5}, {w - 4, h - 5, 4, 5}},
    }};
}

QRegion SkinnedButton::roundedRegion(QSize size) {
    // A round rectangle one pixel larger than the button with 3 x 3 corner ellipses: on the
    // button that leaves the whole rectangle but its four corner pixels.
    const int w = size.width();
    const int h = size.height();
    QRegion region(0, 0, w, h);
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        region -= QRegion(corner.x(), corner.y(), 1, 1);
    return region;
}

SkinnedButton* SkinnedButton::of(const QAbstractButton* button) {
    return button ? button->findChild<SkinnedButton*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

int SkinnedButton::skinnedCount() {
    return skinnedButtons;
}

void SkinnedButton::skinWindow(QWidget* widget) {
    if (!widget)
        return;
    if (isPushButton(widget)) {
        auto* button = static_cast<QAbstractButton*>(widget);
        if (!of(button))
            new SkinnedButton(button);
        return;
    }
    if (!widget->isWindow())
        return;
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (!of(button))
            new SkinnedButton(button);
    }
    if (!watchOf(widget))
        new ContainerWatch(widget);
}

void SkinnedButton::unskinWindow(QWidget* widget) {
    if (!widget)
        return;
    if (isPushButton(widget)) {
        if (SkinnedButton* skin = of(static_cast<QAbstractButton*>(widget)))
            skin->release();
        return;
    }
    if (!widget->isWindow())
        return;
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (SkinnedButton* skin = of(button))
            skin->release();
    }
    delete watchOf(widget);
}

SkinnedButton::SkinnedButton(QAbstractButton* button) : QObject(button), button_(button) {
    ++skinnedButtons;
    templatePicture();
    state_ = button->isEnabled() ? Normal : Disabled;
    render();
    shown_ = pictures_[state_];
    button->setMask(roundedRegion(button->size()));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    button->update();
}

SkinnedButton::~SkinnedButton() {
    // Also reached while the button itself is being destroyed: the button is not touched here.
    timer_.stop();
    if (--skinnedButtons == 0)
        sharedTemplate.reset();  // built again by the next skinning
}

void SkinnedButton::release() {
    timer_.stop();
    button_->removeEventFilter(this);
    button_->clearMask();
    button_->update();
    delete this;
}

void SkinnedButton::render() {
    const QSize size = button_->size();
    const QRect textRect(2, 2, size.width() - 4, size.height() - 4);
    // Unhinted: a two-glyph caption looks the same, and a CJK face then needs no auto-hinter
    // set-up (a few milliseconds on the way to the command box's first picture).
    QFont font = button_->font();
    font.setHintingPreference(QFont::PreferNoHinting);
    const QString text =
        QFontMetrics(font).elidedText(button_->text(), Qt::ElideRight, textRect.width());
    for (int s = Normal; s <= Disabled; ++s) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        for (const Slice& slice : nineSlice(State(s), size)) {
            if (!slice.target.isEmpty())
                p.drawImage(slice.target, templatePicture(), slice.source);
        }
        p.setFont(font);
        p.setPen(s == Disabled ? QColor(128, 128, 128) : QColor(Qt::black));
        p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
        if (button_->hasFocus()) {
            p.setPen(QPen(QColor(Qt::black), 1, Qt::DotLine));
            p.drawRect(textRect.adjusted(0, 0, -1, -1));
        }
        pictures_[s] = image;
    }
}

void SkinnedButton::startFade(State state, int alpha) {
    state_ = state;
    alpha_ = alpha;
    if (!timer_.isActive())
        timer_.start(kFadeIntervalMs, this);
}

void SkinnedButton::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId())
        return;
    // Each step lays the target picture over what shows, a little more opaque every time.
    if (shown_.size() != pictures_[state_].size())
        shown_ = pictures_[state_];
    QPainter p(&shown_);
    p.setOpacity(alpha_ / 255.0);
    p.drawImage(0, 0, pictures_[state_]);
    p.end();
    button_->update();
    if (alpha_ + kFadeStep > 255) {
        timer_.stop();
        alpha_ = 0;
    } else {
        alpha_ += kFadeStep;
    }
}

bool SkinnedButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != button_)
        return false;
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter p(button_);
            p.drawImage(0, 0, shown_);
            return true;  // the button's own painting is replaced
        }
        case QEvent::MouseMove:
            if (!mouseInside_ && button_->isEnabled()) {
                mouseInside_ = true;
                startFade(Hover, 70);
            }
            break;
        case QEvent::MouseButtonPress:
            if (button_->isEnabled())
                startFade(Pressed, 10);
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Leave:
            mouseInside_ = false;
            if (button_->isEnabled())
                startFade(Normal, 0);
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat() && button_->isEnabled()) {
                if (event->type() == QEvent::KeyPress) {
                    startFade(Pressed, 50);
                } else {
                    mouseInside_ = false;
                    startFade(Normal, 0);
                }
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            render();  // the focus rectangle comes or goes
            startFade(state_, 0);
            break;
        case QEvent::EnabledChange:
            // No fade: the new look shows at once.
            timer_.stop();
            alpha_ = 0;
            state_ = button_->isEnabled() ? Normal : Disabled;
            shown_ = pictures_[state_];
            button_->update();
            break;
        case QEvent::Resize:
            if (static_cast<QResizeEvent*>(event)->size() == pictures_[Normal].size())
                break;  // a pending resize to the size already drawn
            render();
            shown_ = pictures_[state_];
            button_->setMask(roundedRegion(button_->size()));
            break;
        default:
            break;
    }
    return false;
}

}  // namespace mirato
