#include "lyrics/LyricsWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "appearance/Glyphs.h"
#include "appearance/TitleButton.h"
#include "appearance/WindowDrag.h"
#include "appearance/WindowSkin.h"
#include "appearance/WindowTraits.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/MediaText.h"
#include "core/PlaybackKeys.h"
#include "core/Settings.h"

namespace mirato {

namespace {

int px(int twips) {
    return Settings::twipsToPixels(twips);
}

}  // namespace

LyricsWindow::LyricsWindow(LyricsWindowContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      c_(context),
      keys_(playbackKeys(KeyHost::LyricsWindow, {c_.state, c_.paths, c_.conventions, c_.launcher,
                                                 c_.media, c_.windows, c_.player})) {
    setObjectName(QStringLiteral("LyricsWindow"));
    setWindowTitle(QStringLiteral("LrcShow"));
    setFixedSize(px(5100), px(1500));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    WindowTraits::restorePosition(*this, c_.settings, QStringLiteral("LrcShow"));
    new WindowDrag(this, [this](bool moved, QPoint) {
        setFocus();
        if (moved)
            WindowTraits::savePosition(*this, c_.settings, QStringLiteral("LrcShow"));
    });
    applyOpacity();
    c_.state.setLyricsLoaded(true);

    titleLabel_ = new QLabel(this);
    titleLabel_->setObjectName(QStringLiteral("title"));
    titleLabel_->setGeometry(px(150), 6, px(3975), 18);
    previousLabel_ = makeLine(QStringLiteral("previous"), 38, false);
    currentLabel_ = makeLine(QStringLiteral("current"), 56, true);
    nextLabel_ = makeLine(QStringLiteral("next"), 76, false);
    for (QLabel* label : {titleLabel_, previousLabel_, currentLabel_, nextLabel_}) {
        QFont font = label->font();
        font.setPointSize(9);
        font.setBold(label == currentLabel_);
        label->setFont(font);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    skin_ = new WindowSkin(*this, SkinFiles::Surface::Lyrics);
    auto* minimise = new TitleButton(Glyph::Minimise, this);
    minimise->setObjectName(QStringLiteral("mini"));
    minimise->setGeometry(px(4200), 6, 22, 20);
    connect(minimise, &TitleButton::clicked, this, [this] { hide(); });
    auto* close = new TitleButton(Glyph::Close, this);
    close->setObjectName(QStringLiteral("close1"));
    close->setGeometry(px(4650), 6, 22, 20);
    connect(close, &TitleButton::clicked, this, &LyricsWindow::closeRequested);
    skin_->setButtons(minimise, nullptr, close);
    connect(skin_, &WindowSkin::applied, this, &LyricsWindow::recolourTexts);

    applySkin();
    applyTopMost();
    titleTimer_.setInterval(500);
    connect(&titleTimer_, &QTimer::timeout, this, &LyricsWindow::refreshTitle);
    titleTimer_.start();
    refreshTitle();
}

LyricsWindow::~LyricsWindow() {
    // It may have travelled with the player since it was last dragged itself.
    WindowTraits::savePosition(*this, c_.settings, QStringLiteral("LrcShow"));
    c_.state.setLyricsLoaded(false);
}

QLabel* LyricsWindow::makeLine(const QString& name, int top, bool) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(px(120), top, px(4815), 18);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void LyricsWindow::showLines(const QString& previous, const QString& current, const QString& next) {
    previousLabel_->setText(previous);
    currentLabel_->setText(current);
    nextLabel_->setText(next);
}

QString LyricsWindow::previousLine() const {
    return previousLabel_->text();
}
QString LyricsWindow::currentLine() const {
    return currentLabel_->text();
}
QString LyricsWindow::nextLine() const {
    return nextLabel_->text();
}

void LyricsWindow::applyOpacity() {
    WindowTraits::applyOpacity(*this, c_.state.opacity());
}

void LyricsWindow::applyTopMost() {
    WindowTraits::applyTopMost(*this, c_.settings);
}

void LyricsWindow::applySkin() {
    skin_->apply(c_.paths.skinFolder(), c_.state.theme(), WindowSkin::OnMissing::Skip);
}

void LyricsWindow::recolourTexts() {
    skin_->colourTexts({titleLabel_, previousLabel_, currentLabel_, nextLabel_});
}

void LyricsWindow::refreshTitle() {
    const QString title = MediaText::title(c_.media);
    if (title.isEmpty())
        return;
    titleLabel_->setText(
        titleLabel_->fontMetrics().elidedText(title, Qt::ElideRight, titleLabel_->width()));
}

void LyricsWindow::keyPressEvent(QKeyEvent* event) {
    if (!keys_.trigger(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void LyricsWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin_->paintBackground(painter);
}

void LyricsWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void LyricsWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    c_.player.dropOnPlayer(paths);
    event->acceptProposedAction();
}

}  // namespace mirato
