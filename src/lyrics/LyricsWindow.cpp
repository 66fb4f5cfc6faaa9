#include "lyrics/LyricsWindow.h"

#include <QKeyEvent>
#include <QLabel>

#include "appearance/TitleButton.h"
#include "core/Actions.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/MediaText.h"
#include "core/PlayerRequests.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"

namespace mirato {

LyricsWindow::LyricsWindow(PlaybackWindowContext context, QWidget* parent)
    : SkinnedWindow(
          {SkinFiles::Surface::Lyrics, SettingKeys::kLyricsPosition, WindowSkin::OnMissing::Skip},
          context.state, context.settings, context.skinFolder, parent),
      c_(context),
      keys_(keyTable(KeyHost::LyricsWindow, actionTargets(c_))) {
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
    offsetTimer_.setSingleShot(true);
    offsetTimer_.setInterval(2000);
    connect(&offsetTimer_, &QTimer::timeout, this, &LyricsWindow::refreshTitle);
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

void LyricsWindow::showMoment(const LyricsMoment& moment) {
    moment_ = moment;
    previousLabel_->setText(moment.previous);
    if (moment.sung >= 0) {
        // The sung part in the highlight colour; the text as text, never as markup.
        const QString sung = moment.current.left(moment.sung).toHtmlEscaped();
        const QString rest = moment.current.mid(moment.sung).toHtmlEscaped();
        currentLabel_->setTextFormat(Qt::RichText);
        currentLabel_->setText(QStringLiteral("<span style=\"color:%1\">%2</span>%3")
                                   .arg(highlight_.name(), sung, rest));
    } else {
        currentLabel_->setTextFormat(Qt::PlainText);
        currentLabel_->setText(moment.current);
    }
    QFont nextFont = nextLabel_->font();
    nextFont.setPointSize(moment.translation.isEmpty() ? 9 : 8);
    nextFont.setItalic(!moment.translation.isEmpty());
    nextLabel_->setFont(nextFont);
    nextLabel_->setText(moment.translation.isEmpty() ? moment.next : moment.translation);
}

void LyricsWindow::showOffset(qint64 offsetMs) {
    // "+0.3 s": earlier lyrics have a positive offset.
    const QString text = QStringLiteral("%1%2 s")
                             .arg(offsetMs > 0 ? QStringLiteral("+") : QString())
                             .arg(double(offsetMs) / 1000.0, 0, 'f', 1);
    titleLabel_->setText(
        Strings::message(c_.state.language(), MessageCode::LyricsOffset).arg(text));
    offsetTimer_.start();
}

QString LyricsWindow::previousLine() const {
    return moment_.previous;
}
QString LyricsWindow::currentLine() const {
    return moment_.current;
}
QString LyricsWindow::nextLine() const {
    return moment_.translation.isEmpty() ? moment_.next : moment_.translation;
}

void LyricsWindow::recolourTexts() {
    skin().colourTexts({titleLabel_, previousLabel_, currentLabel_, nextLabel_});
    // The words sung stand out in the theme's own opposite hue, light on a deep background and
    // deep on a light one.
    const QColor under = skin().colourUnder(currentLabel_->geometry());
    if (under.isValid()) {
        const int hue = under.hslHue() < 0 ? 40 : (under.hslHue() + 180) % 360;
        highlight_ = QColor::fromHsl(hue, 230, under.lightness() < 128 ? 180 : 80);
    }
    showMoment(moment_);
}

void LyricsWindow::refreshTitle() {
    if (offsetTimer_.isActive())
        return;  // the new offset shows until its moment is over
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
