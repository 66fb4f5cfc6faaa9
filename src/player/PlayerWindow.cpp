#include "player/PlayerWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "appearance/ActionMenu.h"
#include "appearance/Glyphs.h"
#include "appearance/MagneticGroup.h"
#include "appearance/TitleButton.h"
#include "appearance/WindowTraits.h"
#include "components/MediaPlayer.h"
#include "core/Actions.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/MediaText.h"
#include "core/Numbers.h"
#include "core/PlayerRequests.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"

namespace mirato {

namespace {

constexpr int kSliderSteps = 1000;

QString sliderStyle(const QColor& played) {
    return QStringLiteral(
               "QSlider::groove:horizontal { height: 4px; background: rgba(255,255,255,70);"
               " border-radius: 2px; }"
               "QSlider::sub-page:horizontal { background: %1; border-radius: 2px; }"
               "QSlider::handle:horizontal { background: white; width: 10px; margin: -4px 0;"
               " border-radius: 5px; }")
        .arg(played.name());
}

QPixmap noteIcon() {
    QPixmap pixmap(40, 40);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QRectF(3, 12.5, 6, 5));
    p.drawEllipse(QRectF(11, 10.5, 6, 5));
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.6));
    p.drawLine(QPointF(8.4, 15), QPointF(8.4, 3.5));
    p.drawLine(QPointF(16.4, 13), QPointF(16.4, 1.8));
    p.drawLine(QPointF(8.4, 3.5), QPointF(16.4, 1.8));
    return pixmap;
}

}  // namespace

PlayerWindow::PlayerWindow(PlaybackWindowContext context, MediaPlayer& media, QWidget* parent)
    : SkinnedWindow(
          {SkinFiles::Surface::Player, SettingKeys::kPlayerPosition, WindowSkin::OnMissing::Skip},
          context.state, context.settings, context.skinFolder, parent),
      c_(context),
      media_(media),
      keys_(keyTable(KeyHost::Player, actionTargets(c_))) {
    setObjectName(QStringLiteral("PlayerWindow"));
    setWindowTitle(QStringLiteral("VizavIva"));
    setFixedSize(px(kWidthTwips), px(kHeightTwips));
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(WindowTraits::flatButtonStyle());

    modeIcon_ = new QLabel(this);
    modeIcon_->setObjectName(QStringLiteral("modeIcon"));
    modeIcon_->setPixmap(noteIcon());
    modeIcon_->setGeometry(7, 5, 20, 20);
    modeIcon_->setToolTip(QString::fromUtf8("单击这里开始"));  // "click here to start"
    modeIcon_->setCursor(Qt::PointingHandCursor);
    modeIcon_->installEventFilter(this);

    titleLabel_ = new QLabel(QStringLiteral("Music Player"), this);
    titleLabel_->setObjectName(QStringLiteral("title"));
    titleLabel_->setGeometry(px(405), 6, 214, 18);
    QFont titleFont = titleLabel_->font();
    titleFont.setPointSize(9);
    titleLabel_->setFont(titleFont);
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName(QStringLiteral("time"));
    timeLabel_->setGeometry(224, 73, 106, 18);
    timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    minimiseButton_ = addTitleButton(QStringLiteral("mini"), Glyph::Minimise, px(3800));
    fullScreenButton_ = addTitleButton(QStringLiteral("Max"), Glyph::FullScreen, px(4200));
    closeButton_ = addTitleButton(QStringLiteral("close1"), Glyph::Close, px(4650));
    setTitleButtons(minimiseButton_, fullScreenButton_, closeButton_);
    connect(minimiseButton_, &TitleButton::clicked, this, [this] { hide(); });
    connect(fullScreenButton_, &TitleButton::clicked, this, [this] {
        const PlayState state = media_.playState();
        if (state == PlayState::Playing || state == PlayState::Paused)
            media_.setFullScreen(true);
    });
    connect(closeButton_, &TitleButton::clicked, this, &PlayerWindow::closeRequested);

    buildPlayBar();
    restoreSettings();

    // The display follows what the player tells.
    connect(&media_, &MediaControl::stateChanged, this, &PlayerWindow::refreshDisplay);
    connect(&media_, &MediaControl::positionChanged, this, &PlayerWindow::refreshDisplay);
    connect(&media_, &MediaControl::itemChanged, this, &PlayerWindow::refreshDisplay);
    connect(&media_, &MediaControl::tagsChanged, this, &PlayerWindow::refreshDisplay);
    connect(&media_, &MediaControl::volumeChanged, this, &PlayerWindow::refreshDisplay);
    refreshDisplay();
}

PlayerWindow::~PlayerWindow() {
    c_.state.setPlayerLoaded(false);
}

QToolButton* PlayerWindow::makeButton(const QString& name, int x, int y, int size) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setGeometry(x, y, size + 2, size);
    button->setIconSize(QSize(size - 4, size - 4));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}

void PlayerWindow::recolourTexts() {
    skin().colourTexts({titleLabel_, timeLabel_});
    // The played part of the sliders takes a light tint of the theme's title band.
    QColor band = skin().colourUnder(QRect(0, 0, width(), 30));
    if (!band.isValid())
        band = QColor(0x4a, 0x90, 0xe2);
    const QString style =
        sliderStyle(QColor::fromHslF(band.hslHueF() < 0 ? 0.6f : band.hslHueF(), 0.75f, 0.78f));
    positionSlider_->setStyleSheet(style);
    volumeSlider_->setStyleSheet(style);
}

void PlayerWindow::buildPlayBar() {
    positionSlider_ = new QSlider(Qt::Horizontal, this);
    positionSlider_->setObjectName(QStringLiteral("position"));
    positionSlider_->setGeometry(10, 34, 320, 16);
    positionSlider_->setRange(0, kSliderSteps);
    positionSlider_->setFocusPolicy(Qt::NoFocus);
    connect(positionSlider_, &QSlider::sliderReleased, this, [this] {
        if (const auto length = media_.item().length)
            media_.seek(*length * positionSlider_->value() / kSliderSteps);
    });

    QToolButton* previous = makeButton(QStringLiteral("previous"), 8, 58, 22);
    previous->setIcon(Glyphs::icon(Glyph::Previous));
    connect(previous, &QToolButton::clicked, this, [this] { media_.previous(); });
    playButton_ = makeButton(QStringLiteral("playPause"), 34, 58, 22);
    playButton_->setIcon(icons_.play);
    connect(playButton_, &QToolButton::clicked, this, [this] {
        playOrPause(media_);
        refreshDisplay();
    });
    QToolButton* stop = makeButton(QStringLiteral("stop"), 60, 58, 22);
    stop->setIcon(Glyphs::icon(Glyph::Stop));
    connect(stop, &QToolButton::clicked, this, [this] {
        media_.stop();
        refreshDisplay();
    });
    QToolButton* next = makeButton(QStringLiteral("next"), 86, 58, 22);
    next->setIcon(Glyphs::icon(Glyph::Next));
    connect(next, &QToolButton::clicked, this, [this] { media_.next(); });

    muteButton_ = makeButton(QStringLiteral("mute"), 120, 58, 22);
    connect(muteButton_, &QToolButton::clicked, this, [this] {
        media_.setMute(!media_.mute());
        refreshDisplay();
    });
    volumeSlider_ = new QSlider(Qt::Horizontal, this);
    volumeSlider_->setObjectName(QStringLiteral("volume"));
    volumeSlider_->setGeometry(146, 61, 72, 16);
    volumeSlider_->setRange(0, 100);
    volumeSlider_->setFocusPolicy(Qt::NoFocus);
    connect(volumeSlider_, &QSlider::valueChanged, this, [this](int value) {
        if (value != media_.volume())
            media_.setVolume(value);
    });
}

void PlayerWindow::restoreSettings() {
    restorePosition();
    media_.setVolume(c_.settings.get(SettingKeys::kVolume));
    if (c_.settings.get(SettingKeys::kRepeat))
        media_.setMode(PlayMode::Repeat, true);
    if (c_.settings.get(SettingKeys::kShuffle))
        media_.setMode(PlayMode::Shuffle, true);
    c_.state.setPlayerLoaded(true);
    applyOpacity();
    applySkin();
    magnetic_ = new MagneticGroup(this);
    magnetic_->addWindow(this);
    applyTopMost();
}

QString PlayerWindow::titleText() const {
    return MediaText::title(media_);
}

QString PlayerWindow::timeText() const {
    return MediaText::time(media_);
}

void PlayerWindow::refreshDisplay() {
    timeLabel_->setText(timeText());
    const QString title = titleText();
    if (!title.isEmpty() || media_.playState() != PlayState::Nothing) {
        titleLabel_->setText(
            titleLabel_->fontMetrics().elidedText(title, Qt::ElideRight, titleLabel_->width()));
        titleLabel_->setToolTip(title);
    }
    const auto length = media_.item().length;
    if (!positionSlider_->isSliderDown()) {
        const auto position = media_.position();
        const int value = length && position ? boundedInt(double(kSliderSteps) * position->count() /
                                                              std::max<qint64>(1, length->count()),
                                                          0, kSliderSteps)
                                             : 0;
        positionSlider_->setValue(value);
    }
    positionSlider_->setEnabled(length.has_value());
    // The same four icons over and over: a new icon each time would leave its scaled pictures
    // in the pixmap cache at every change of state.
    const PlayState state = media_.playState();
    const bool playing = state == PlayState::Playing;
    playButton_->setIcon(playing ? icons_.pause : icons_.play);
    muteButton_->setIcon(media_.mute() ? icons_.muted : icons_.speaker);
    fullScreenButton_->setEnabled(playing || state == PlayState::Paused);
    if (!volumeSlider_->isSliderDown() && volumeSlider_->value() != media_.volume())
        volumeSlider_->setValue(media_.volume());
}

void PlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (!keys_.trigger(event->key(), event->modifiers())) {
        QWidget::keyPressEvent(event);
        return;
    }
    refreshDisplay();
}

void PlayerWindow::popUpMusicMenu() {
    if (!musicMenu_ && !ownMenu_) {
        ownMenu_ = new QMenu(this);
        ActionMenu::place(*ownMenu_, kOpenAndSaveItems, actionTargets(c_));
    }
    QMenu* menu = musicMenu_ ? musicMenu_ : ownMenu_;
    menu->popup(modeIcon_->mapToGlobal(QPoint(0, modeIcon_->height())));
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == modeIcon_ && event->type() == QEvent::MouseButtonPress) {
        popUpMusicMenu();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerWindow::dropped(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls)
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    c_.commands.dropOnPlayer(paths);
}

}  // namespace mirato
