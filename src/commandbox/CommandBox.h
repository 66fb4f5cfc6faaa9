#pragma once

#include <QWidget>
#include <optional>

#include "appearance/SkinnedWindow.h"
#include "commandbox/LineAnswers.h"
#include "core/Actions.h"
#include "core/HistoryWalk.h"
#include "core/KeyTable.h"

class QLabel;
class QLineEdit;
class QMenu;
class QUrl;
class QPushButton;

namespace mirato {

class AnswerList;
class AppState;
class CommandInterpreter;
class DesktopSearch;
class Settings;
class LineCompleter;
class LineHistory;
class Notifier;
class WindowRequests;
class WindowSkin;

// The command box: a small frameless window with the mode icon, the mode text, the lyric line,
// the input field and the OK button. It turns events into calls on the interpreter and the key
// commands and shows the shared state; it decides nothing itself.
class CommandBox : public SkinnedWindow {
    Q_OBJECT
public:
    // Built-in size and places in twips (15 to a pixel).
    static constexpr int kWidthTwips = 5100;
    static constexpr int kHeightTwips = 1500;
    static constexpr int kInputTopTwips = 840;
    static constexpr int kInputTopWithLyricsTwips = 960;

    // The actions' targets carry out its keys and its own mode menu; their state is what the
    // box shows, their windows what it asks for others.
    CommandBox(CommandInterpreter& interpreter, const ActionTargets& actions,
               LineCompleter& completer, const LineHistory& history, Settings& settings,
               Notifier& notifier, const QString& skinFolder, QWidget* parent = nullptr);
    ~CommandBox() override;

    QLineEdit* input() const { return input_; }
    // The completion offered after the caret ("" when none); Tab takes it.
    QString completion() const { return completion_; }
    QPushButton* okButton() const { return okButton_; }
    // The list of answers under the box; nullptr until a line first had several.
    AnswerList* answerList() const { return list_; }

    // The menu the mode icon pops up; the box keeps a small one of its own until then.
    void setModeMenu(QMenu* menu) { modeMenu_ = menu; }
    // The tray menu, also popped up by a right click on the box: on desktops without a
    // notification area it is the only way to the settings and to Exit.
    void setTrayMenu(QMenu* menu) { trayMenu_ = menu; }
    // The desktop's other search programs, asked about each line typed while on and no input
    // mode is; their answers join the list. nullptr: none.
    void setDesktopSearch(DesktopSearch* search);
    void setDesktopAnswersOn(bool on) { desktopAnswersOn_ = on; }
    // Moves the input field and button down while lyrics show.
    void setLyricsShown(bool shown);
    // Applies the shared opacity (180 when none is set yet) and stores it.
    void applyOpacity() override;
    // Takes the pictures of the current theme; only when every one loaded is the theme stored
    // as "Skin". A missing picture ends the loading there.
    bool applySkin() override;
    // The close and minimise buttons: hidden to the tray, not closed.
    void hideToTray();
    // Runs the Enter dispatch on the current text (anew: Shift+Enter, another copy of an
    // application that runs).
    void runInput(bool anew = false);
    // Files dropped on the box: the first one's full path becomes the text, nothing runs.
    void takeDroppedFiles(const QList<QUrl>& urls);

signals:
    // The box has been drawn for the first time.
    void firstPainted();
    // Closed by other means than its close button: the program should end.
    void endRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void backgroundReleased(bool moved, QPoint pressed) override;
    void dropped(const QList<QUrl>& urls) override;
    void recolourTexts() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    bool handlePlainKey(int key);
    void offerCompletion();
    // Asks for the answers to the line the user is typing and shows them under the box.
    void offerAnswers();
    void closeAnswers();
    // Asks the desktop's programs about the line when it is new and theirs to answer.
    void askDesktop(const QString& text, bool calculation);
    void takeDesktopAnswers(quint64 serial, const QString& source,
                            const QList<DesktopAnswer>& answers);
    // The box's rows and the answers in so far, under the box; none when there is one at most.
    // keepChoice: rows joined for the same line, the choice stays on its row.
    void showAnswerRows(bool keepChoice = false);
    // Hands the chosen answer of another program back to it.
    void activateOutside(const AnswerRow& row);
    bool answersShown() const;
    // The line Enter runs: the chosen row's, else the field's.
    QString chosenLine() const;
    void copyToClipboard();
    void popUpModeMenu();
    void retranslate();

    AppState& state_;
    CommandInterpreter& interpreter_;
    ActionTargets actions_;
    KeyTable keys_;
    LineCompleter& completer_;
    const LineHistory& history_;
    HistoryWalk walk_;
    LineAnswers answers_;
    QList<AnswerRow> ownRows_;  // the box's own answers to the text
    AnswerList* list_ = nullptr;
    DesktopSearch* search_ = nullptr;
    bool desktopAnswersOn_ = true;
    quint64 serial_ = 0;  // counts the lines asked about
    quint64 asked_ = 0;   // the line whose answers are wanted, 0: none
    QString askedLine_;
    // The answers to it so far, each program's in the order they came.
    QList<std::pair<QString, QList<DesktopAnswer>>> outside_;
    bool answersWanted_ = false;  // the text is the user's typing, not a line brought back
    QString typed_;               // what the user typed by hand, before choosing or completing
    QString calculated_;          // the typed line whose first answer is a calculation's result
    QString result_;              // that result, shown pale and taken by Tab
    // The completion of the text as last asked: the field's change and the typing both offer
    // it, and the completer is asked once. Forgotten when the names change.
    std::optional<QString> completedFor_;
    QString completed_;
    Notifier& notifier_;
    WindowRequests& windows_;

    QLabel* modeIcon_;
    QLabel* modeLabel_;
    QLabel* lyricLabel_;
    QLineEdit* input_;
    QLabel* completionLabel_;
    QString completion_;
    QPushButton* okButton_;
    QMenu* modeMenu_ = nullptr;
    QMenu* ownMenu_ = nullptr;  // the input modes, until the menus are made
    QMenu* trayMenu_ = nullptr;
    bool painted_ = false;
};

}  // namespace mirato
