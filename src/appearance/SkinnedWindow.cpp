#include "appearance/SkinnedWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

#include "appearance/TitleButton.h"
#include "appearance/WindowDrag.h"
#include "appearance/WindowTraits.h"
#include "core/AppState.h"
#include "core/Settings.h"

namespace mirato {

SkinnedWindow::SkinnedWindow(const Look& look, AppState& state, Settings& settings,
                             QString skinFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      look_(look),
      state_(state),
      settings_(settings),
      skinFolder_(std::move(skinFolder)),
      skin_(new WindowSkin(*this, look.surface)) {
    setAcceptDrops(true);
    connect(skin_, &WindowSkin::applied, this, [this] { recolourTexts(); });
    new WindowDrag(this, [this](bool moved, QPoint pressed) {
        if (moved)
            savePosition();
        backgroundReleased(moved, pressed);
    });
}

int SkinnedWindow::px(int twips) {
    return Settings::twipsToPixels(twips);
}

bool SkinnedWindow::applySkin() {
    return skin_->apply(skinFolder_, state_.theme(), look_.onMissing);
}

void SkinnedWindow::applyOpacity() {
    WindowTraits::applyOpacity(*this, state_.opacity());
}

void SkinnedWindow::applyTopMost() {
    WindowTraits::applyTopMost(*this, settings_);
}

void SkinnedWindow::restorePosition() {
    WindowTraits::restorePosition(*this, settings_, look_.positionKey);
}

void SkinnedWindow::savePosition() {
    WindowTraits::savePosition(*this, settings_, look_.positionKey);
}

TitleButton* SkinnedWindow::addTitleButton(const QString& name, Glyph glyph, int x) {
    auto* button = new TitleButton(glyph, this);
    button->setObjectName(name);
    button->setGeometry(x, 6, 22, 20);
    return button;
}

void SkinnedWindow::setTitleButtons(TitleButton* minimise, TitleButton* maximise,
                                    TitleButton* close) {
    skin_->setButtons(minimise, maximise, close);
}

void SkinnedWindow::backgroundReleased(bool, QPoint) {
    setFocus();
}

void SkinnedWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_->paintBackground(painter);
}

void SkinnedWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void SkinnedWindow::dropEvent(QDropEvent* event) {
    dropped(event->mimeData()->urls());
    event->acceptProposedAction();
}

}  // namespace mirato
