#include "lyrics/LyricsWindow.h"

#include <QKeyEvent>
#include <QLabel>

#include "appearance/TitleButton.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/MediaText.h"
#include "core/PlaybackKeys.h"
#include "core/Settings.h"

namespace mirato {

LyricsWindow::LyricsWindow(PlaybackWindowContext context, QWidget* parent)
    : SkinnedWindow(
          {SkinFiles::Surface::Lyrics, QStringLiteral("LrcShow"), WindowSkin::OnMissing::Skip},
          context.state, context.settings, context.paths.skinFolder(), parent),
      c_(context),
      keys_(playbackKeys(KeyHost::LyricsWindow, c_)) {
    setObjectName(QStringLiteral("LyricsWindow"));
    setWindowTitle(QStringLiteral("LrcShow"));
    setFixedSize(px(5100), px(1500));
    setFocusPolicy(Qt::StrongFocus);
    restorePosition();
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

    TitleButton* minimise = addTitleButton(QStringLiteral("mini"), Glyph::Minimise, px(4200));
    connect(minimise, &TitleButton::clicked, this, [this] { hide(); });
    TitleButton* close = addTitleButton(QStringLiteral("close1"), Glyph::Close, px(4650));
    connect(close, &TitleButton::clicked, this, &LyricsWindow::closeRequested);
    setTitleButtons(minimise, nullptr, close);

    applySkin();
    applyTopMost();
    connect(&c_.media, &MediaControl::itemChanged, this, &LyricsWindow::refreshTitle);
    connect(&c_.media, &MediaControl::tagsChanged, this, &LyricsWindow::refreshTitle);
    refreshTitle();
}

LyricsWindow::~LyricsWindow() {
    // It may have travelled with the player since it was last dragged itself.
    savePosition();
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

void LyricsWindow::recolourTexts() {
    skin().colourTexts({titleLabel_, previousLabel_, currentLabel_, nextLabel_});
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

void LyricsWindow::dropped(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls)
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    c_.commands.dropOnPlayer(paths);
}

}  // namespace mirato
