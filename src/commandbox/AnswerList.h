#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

#include "commandbox/LineAnswers.h"

namespace mirato {

// The answers to the line being typed, in a window of their own just under the box: never
// focused, so typing goes on in the box's field, which moves the choice with Up and Down.
class AnswerList : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;

    // box: the window the list hangs under and takes its width from.
    explicit AnswerList(QWidget* box);

    // Shows the rows under the box in the given colours, the first one chosen; with keepChoice
    // (more rows for the same line) the row chosen stays chosen where it still is.
    void showRows(const QList<AnswerRow>& rows, const QColor& background, const QColor& text,
                  bool keepChoice = false);
    const QList<AnswerRow>& rows() const { return rows_; }
    // The chosen row, -1 when there are none.
    int current() const { return current_; }
    // Moves the choice by step rows, stopping at the first and the last.
    void moveChoice(int step);
    // Follows the box's place.
    void place();

signals:
    // A row was clicked.
    void rowActivated(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* box_;
    QList<AnswerRow> rows_;
    QList<QIcon> icons_;
    int current_ = -1;
    QColor background_;
    QColor text_;
};

}  // namespace mirato
