#include "commandbox/CommandBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "appearance/ActionMenu.h"
#include "appearance/Glyphs.h"
#include "appearance/SkinnedButton.h"
#include "appearance/TitleButton.h"
#include "appearance/WindowSkin.h"
#include "appearance/WindowTraits.h"
#include "commandbox/AnswerList.h"
#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineCompleter.h"
#include "core/AppState.h"
#include "core/InputModes.h"
#include "core/LineHistory.h"
#include "core/Notifier.h"
#include "core/Opacity.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "core/WindowRequests.h"
#include "platform/DesktopSearch.h"

namespace mirato {

namespace {}  // namespace

CommandBox::CommandBox(CommandInterpreter& interpreter, const ActionTargets& actions,
                       LineCompleter& completer, const LineHistory& history, Settings& settings,
                       Notifier& notifier, const QString& skinFolder, QWidget* parent)
    : SkinnedWindow({SkinFiles::Surface::CommandBox, SettingKeys::kCommandBoxPosition,
                     WindowSkin::OnMissing::Stop},
                    actions.state, settings, skinFolder, parent),
      state_(actions.state),
      interpreter_(interpreter),
      actions_(actions),
      keys_(keyTable(KeyHost::CommandBox, actions)),
      completer_(completer),
      history_(history),
      answers_(interpreter),
      notifier_(notifier),
      windows_(actions.windows) {
    setObjectName(QStringLiteral("CommandBox"));
    setWindowTitle(QStringLiteral("Mirato"));
    setFixedSize(px(kWidthTwips), px(kHeightTwips));

    modeIcon_ = new QLabel(this);
    modeIcon_->setObjectName(QStringLiteral("modeIcon"));
    modeIcon_->setPixmap(Glyphs::appIconPixmap(28));
    modeIcon_->setGeometry(10, 8, 28, 28);
    modeIcon_->setCursor(Qt::PointingHandCursor);
    modeIcon_->installEventFilter(this);

    modeLabel_ = new QLabel(this);
    modeLabel_->setObjectName(QStringLiteral("modeLabel"));
    modeLabel_->setGeometry(44, 12, 236, 20);
    QFont modeFont = modeLabel_->font();
    modeFont.setBold(true);
    modeLabel_->setFont(modeFont);
    modeLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    lyricLabel_ = new QLabel(this);
    lyricLabel_->setObjectName(QStringLiteral("lyricLine"));
    lyricLabel_->setGeometry(px(240), 38, px(4575), 18);
    lyricLabel_->setAlignment(Qt::AlignCenter);
    QFont lyricFont = lyricLabel_->font();
    lyricFont.setPointSize(9);
    lyricLabel_->setFont(lyricFont);
    lyricLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("input"));
    input_->setAcceptDrops(true);
    input_->setFrame(false);  // the box draws the field's thin frame itself
    input_->setTextMargins(3, 0, 3, 0);
    input_->installEventFilter(this);
    setFocusProxy(input_);
    // The completion shows after the caret in a paler colour; it is no part of the text.
    completionLabel_ = new QLabel(input_);
    completionLabel_->setObjectName(QStringLiteral("completion"));
    completionLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    completionLabel_->hide();

    TitleButton* minimise = addTitleButton(QStringLiteral("mini"), Glyph::Minimise, 288);
    TitleButton* close = addTitleButton(QStringLiteral("close1"), Glyph::Close, 312);
    // Neither ends the program: both hide the box to the tray.
    for (TitleButton* button : {minimise, close})
        connect(button, &TitleButton::clicked, this, &CommandBox::hideToTray);
    setTitleButtons(minimise, nullptr, close);

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setFocusPolicy(Qt::NoFocus);
    setLyricsShown(false);

    connect(input_, &QLineEdit::textChanged, &state_, &AppState::followText);
    connect(input_, &QLineEdit::textChanged, this, &CommandBox::offerCompletion);
    connect(input_, &QLineEdit::cursorPositionChanged, this, &CommandBox::offerCompletion);
    connect(&completer_, &LineCompleter::completionsChanged, this, [this] {
        completedFor_.reset();
        if (answersWanted_)
            offerAnswers();
        else
            offerCompletion();
    });
    connect(input_, &QLineEdit::textEdited, this, [this] {
        walk_.reset();
        answersWanted_ = true;
        typed_ = input_->text();
        offerAnswers();
    });
    connect(okButton_, &QPushButton::clicked, this, &CommandBox::runInput);
    connect(&state_, &AppState::inputModeChanged, this,
            [this] { modeLabel_->setText(InputModes::shownText(state_)); });
    connect(&state_, &AppState::lyricLineChanged, lyricLabel_, &QLabel::setText);
    connect(&state_, &AppState::languageChanged, this, &CommandBox::retranslate);
    connect(&state_, &AppState::hasLyricsChanged, this, &CommandBox::setLyricsShown);
    modeLabel_->setText(InputModes::shownText(state_));
    lyricLabel_->setText(state_.lyricLine());
    retranslate();
    recolourTexts();
}

CommandBox::~CommandBox() {
    // The field outlives the box's own part of the object and still signals as it goes (its
    // caret moves when it loses the focus): nothing may reach the box from it now.
    disconnect(input_, nullptr, this, nullptr);
}

void CommandBox::retranslate() {
    // The button's pictures carry its caption: drawn again for the new one.
    SkinnedButton::unskinWindow(this);
    okButton_->setText(Strings::message(state_.language(), MessageCode::OkButton));
    SkinnedButton::skinWindow(this);
}

void CommandBox::setLyricsShown(bool shown) {
    const int top = px(shown ? kInputTopWithLyricsTwips : kInputTopTwips);
    input_->setGeometry(px(240), top, 256, 24);
    okButton_->setGeometry(px(240) + 262, top, 48, 24);
    update();  // the field's frame is the box's drawing, outside the field
}

void CommandBox::applyOpacity() {
    SkinnedWindow::applyOpacity();
    if (list_)
        WindowTraits::applyOpacity(*list_, state_.opacity());
    settings().set(SettingKeys::kOpacity, state_.opacity());
}

bool CommandBox::applySkin() {
    if (!SkinnedWindow::applySkin())
        return false;
    settings().set(SettingKeys::kSkin, state_.theme());
    return true;
}

void CommandBox::backgroundReleased(bool moved, QPoint pressed) {
    if (!moved && lyricLabel_->geometry().contains(pressed))
        windows_.showLyricsWindow();
    input_->setFocus();
}

void CommandBox::recolourTexts() {
    // Palettes rather than style sheets: a style sheet costs the box milliseconds at start.
    skin().colourTexts({modeLabel_, lyricLabel_});
}

void CommandBox::hideToTray() {
    // Hidden is enough to keep it off the task bar; a minimised state would make the window
    // manager iconify it again when it is next shown.
    hide();
    state_.setBoxShown(false);
}

void CommandBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A minimised box never stays in the task bar.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible())
        QTimer::singleShot(0, this, &CommandBox::hideToTray);
}

void CommandBox::hideEvent(QHideEvent* event) {
    SkinnedWindow::hideEvent(event);
    closeAnswers();
}

void CommandBox::moveEvent(QMoveEvent* event) {
    SkinnedWindow::moveEvent(event);
    if (answersShown())
        list_->place();
}

void CommandBox::closeEvent(QCloseEvent* event) {
    // The close button only hides the box (hideToTray); a close from elsewhere (the window
    // manager's Alt+F4, the task bar) ends the program the orderly way.
    event->ignore();
    emit endRequested();
}

void CommandBox::setDesktopSearch(DesktopSearch* search) {
    if (search_)
        disconnect(search_, nullptr, this, nullptr);
    search_ = search;
    if (search_)
        connect(search_, &DesktopSearch::answered, this, &CommandBox::takeDesktopAnswers);
}

void CommandBox::activateOutside(const AnswerRow& row) {
    if (!typed_.isEmpty())
        completer_.picked(typed_, LineAnswers::pickKey(row.outside));
    closeAnswers();
    if (search_)
        search_->activate(row.outside, row.line);
    input_->clear();
    input_->setFocus();
    walk_.reset();
}

void CommandBox::runInput(bool anew) {
    if (answersShown() && list_->current() >= 0 && list_->rows().at(list_->current()).isOutside()) {
        activateOutside(list_->rows().at(list_->current()));
        return;
    }
    const QString line = chosenLine();
    // A row chosen or a completion taken teaches what this typing is for.
    if (answersWanted_ && !typed_.isEmpty() && line != typed_)
        completer_.picked(typed_, line);
    closeAnswers();
    const QString result = interpreter_.run(line, anew);
    input_->setText(result);
    if (!result.isEmpty()) {
        // A calculation's result, selected: typing goes on over it, Ctrl+V pastes it elsewhere.
        input_->selectAll();
        QApplication::clipboard()->setText(result);
    }
    input_->setFocus();
    walk_.reset();
    completer_.refresh();  // the line, or a playlist it saved, completes from now on
}

bool CommandBox::answersShown() const {
    return list_ && list_->isVisible();
}

QString CommandBox::chosenLine() const {
    if (answersShown() && list_->current() >= 0)
        return list_->rows().at(list_->current()).line;
    return input_->text();
}

void CommandBox::closeAnswers() {
    answersWanted_ = false;
    typed_.clear();
    calculated_.clear();
    ownRows_.clear();
    if (asked_ && search_)
        search_->forget();
    asked_ = 0;
    askedLine_.clear();
    outside_.clear();
    if (list_)
        list_->hide();
}

void CommandBox::askDesktop(const QString& text, bool calculation) {
    // A calculation has its one answer; in an input mode the line goes where the mode sends it.
    const bool wanted = search_ && desktopAnswersOn_ && !calculation &&
                        !InputModes::active(state_) &&
                        text.trimmed().size() >= DesktopSearch::kShortestLine;
    if (wanted && asked_ && text == askedLine_)
        return;  // the same line, its names read again: the answers coming still fit
    outside_.clear();
    askedLine_ = text;
    if (!wanted) {
        if (asked_ && search_)
            search_->forget();
        asked_ = 0;
        return;
    }
    asked_ = ++serial_;
    search_->ask(asked_, text.trimmed());
}

void CommandBox::takeDesktopAnswers(quint64 serial, const QString& source,
                                    const QList<DesktopAnswer>& answers) {
    if (serial != asked_ || !answersWanted_)
        return;  // an older line's, or the line has been run
    const auto known = std::find_if(outside_.begin(), outside_.end(),
                                    [&source](const auto& entry) { return entry.first == source; });
    if (known != outside_.end())
        known->second = answers;
    else
        outside_.append({source, answers});
    showAnswerRows(true);
}

void CommandBox::offerAnswers() {
    const QString text = input_->text();
    const QStringList candidates = completer_.candidates(text, LineAnswers::kMaxRows);
    completedFor_ = text;
    completed_ = candidates.value(0);
    ownRows_ = answers_.rowsFor(text, candidates);
    const bool calculation =
        !ownRows_.isEmpty() && ownRows_.first().line == text && !ownRows_.first().result.isEmpty();
    calculated_ = calculation ? text : QString();
    result_ = calculation ? ownRows_.first().result : QString();
    askDesktop(text, calculation);
    showAnswerRows();
    offerCompletion();
}

void CommandBox::showAnswerRows(bool keepChoice) {
    QList<DesktopAnswer> answers;
    for (const auto& entry : outside_)
        answers += entry.second;
    const QList<AnswerRow> rows = answers.isEmpty()
                                      ? ownRows_
                                      : LineAnswers::withOutside(ownRows_, answers, askedLine_,
                                                                 completer_.learntPick(typed_));
    // One answer is the pale completion's to show; a list is for choosing among several.
    if (rows.size() > 1) {
        if (!list_) {
            list_ = new AnswerList(this);
            WindowTraits::applyOpacity(*list_, state_.opacity());
            connect(list_, &AnswerList::rowActivated, this, [this](int row) {
                list_->moveChoice(row - list_->current());
                runInput();
            });
        }
        const QColor background = skin().colourUnder(rect());
        list_->showRows(rows, background.isValid() ? background : palette().color(QPalette::Window),
                        background.isValid() ? skin().textColorOver(rect())
                                             : palette().color(QPalette::WindowText),
                        keepChoice);
    } else if (list_) {
        list_->hide();
    }
}

void CommandBox::offerCompletion() {
    const QString text = input_->text();
    const bool atEnd = input_->cursorPosition() == text.size() && !input_->hasSelectedText();
    const bool calculation = atEnd && !calculated_.isEmpty() && calculated_ == text;
    // Tab takes a calculation's result in place of the line.
    if (atEnd && !calculation && completedFor_ != text) {
        completed_ = completer_.complete(text);
        completedFor_ = text;
    }
    completion_ = calculation ? result_ : atEnd ? completed_ : QString();
    if (completion_.isEmpty()) {
        completionLabel_->hide();
        return;
    }
    // The rest of a name the text starts; the whole name when the text starts one of its words.
    const QString shown = calculation ? QStringLiteral("  = ") + result_
                          : completion_.startsWith(text, Qt::CaseInsensitive)
                              ? completion_.mid(text.size())
                              : QStringLiteral("  \u2192 ") + completion_;
    // The field reports a rectangle a few pixels wider than the caret, centred on it.
    const QRect caret = input_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = caret.center().x() + 1;
    if (left >= input_->width()) {
        completionLabel_->hide();
        return;
    }
    // A style sheet, as the theme's own sheet would colour a label over a palette.
    const QColor ink = input_->palette().color(QPalette::Text);
    const QString colour = QStringLiteral("color: rgba(%1, %2, %3, 110);")
                               .arg(ink.red())
                               .arg(ink.green())
                               .arg(ink.blue());
    if (completionLabel_->styleSheet() != colour)
        completionLabel_->setStyleSheet(colour);
    completionLabel_->setFont(input_->font());
    completionLabel_->setText(shown);
    completionLabel_->setGeometry(left, 0, input_->width() - left, input_->height());
    completionLabel_->show();
}

bool CommandBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == modeIcon_ && event->type() == QEvent::MouseButtonPress) {
        savePosition();
        popUpModeMenu();
        return true;
    }
    // A right press on the icon has opened its menu: the context menu that follows is not the
    // box's.
    if (watched == modeIcon_ && event->type() == QEvent::ContextMenu)
        return true;
    if (watched != input_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            return handleKey(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonDblClick:
            copyToClipboard();
            return true;
        case QEvent::EnabledChange:
            update();  // the frame around the field turns grey or blue
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasUrls()) {
                takeDroppedFiles(drop->mimeData()->urls());
                drop->acceptProposedAction();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

bool CommandBox::handleKey(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || (ctrl && key == Qt::Key_M)) {
        runInput(modifiers & Qt::ShiftModifier);
        return true;
    }
    if (key == Qt::Key_Escape && answersShown()) {
        closeAnswers();
        return true;
    }
    if (keys_.trigger(key, modifiers))
        input_->setFocus();
    if (ctrl && key == Qt::Key_A) {
        input_->selectAll();
        return true;
    }
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) &&
        handlePlainKey(key))
        return true;
    return isSwallowedKey(key, modifiers);
}

bool CommandBox::handlePlainKey(int key) {
    // With answers under the box Up and Down choose among them; else they walk the history.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && answersShown() && !input_->text().isEmpty()) {
        list_->moveChoice(key == Qt::Key_Up ? -1 : 1);
        return true;
    }
    std::optional<QString> line;
    switch (key) {
        case Qt::Key_Tab:
            if (!completion_.isEmpty()) {
                input_->setText(completion_);
                answersWanted_ = true;
                offerAnswers();  // what the completed line may still become
            }
            return true;
        case Qt::Key_Up:
            line = walk_.older(history_.lines(), input_->text());
            break;
        case Qt::Key_Down:
            line = walk_.newer(history_.lines());
            break;
        default:
            return false;
    }
    if (line) {
        closeAnswers();
        input_->setText(*line);
    }
    return true;
}

void CommandBox::copyToClipboard() {
    const QString text = input_->text();
    if (text.isEmpty())
        return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    input_->clear();
    notifier_.balloon(Strings::message(state_.language(), MessageCode::CopiedToClipboard));
}

void CommandBox::takeDroppedFiles(const QList<QUrl>& urls) {
    if (urls.isEmpty())
        return;
    const QUrl& first = urls.first();
    closeAnswers();
    input_->setText(first.isLocalFile() ? first.toLocalFile() : first.toString());
    input_->setFocus();
}

void CommandBox::popUpModeMenu() {
    if (!modeMenu_ && !ownMenu_) {
        ownMenu_ = new QMenu(this);
        ActionMenu::place(*ownMenu_, kInputModeItems, actions_);
    }
    QMenu* menu = modeMenu_ ? modeMenu_ : ownMenu_;
    menu->popup(modeIcon_->mapToGlobal(QPoint(0, modeIcon_->height())));
}

void CommandBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    skin().paintBackground(painter);
    // The field's one-pixel frame, blue while it takes input, grey when disabled.
    const QRect field = input_->geometry().adjusted(-2, -2, 1, 1);
    painter.fillRect(field.adjusted(1, 1, 0, 0), input_->palette().color(QPalette::Base));
    painter.setPen(input_->isEnabled() ? QColor(84, 165, 213) : QColor(204, 204, 204));
    painter.drawRect(field);
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

void CommandBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Names may have come and gone while the box was hidden; the first show has none to read.
    if (painted_)
        completer_.refresh();
    activateWindow();
    raise();
    input_->setFocus(Qt::ActiveWindowFocusReason);
}

void CommandBox::contextMenuEvent(QContextMenuEvent* event) {
    // The field keeps its own edit menu; everything else on the box offers the tray menu.
    if (!trayMenu_)
        return;
    trayMenu_->popup(event->globalPos());
    event->accept();
}

void CommandBox::dropped(const QList<QUrl>& urls) {
    takeDroppedFiles(urls);
}

}  // namespace mirato
