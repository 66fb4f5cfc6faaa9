#pragma once

#include <QWidget>

class QLineEdit;

namespace mirato {

class AppState;

// The command box: a small frameless window with one text field.
class CommandBox : public QWidget {
    Q_OBJECT
  public:
    // The box's built-in size in twips.
    static constexpr int kWidthTwips = 5100;
    static constexpr int kHeightTwips = 1500;

    explicit CommandBox(AppState& state, QWidget* parent = nullptr);

    QLineEdit* input() const { return input_; }

  private:
    AppState& state_;
    QLineEdit* input_;
};

}  // namespace mirato
