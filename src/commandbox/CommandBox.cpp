#include "commandbox/CommandBox.h"

#include <QLineEdit>

#include "core/AppState.h"
#include "core/Settings.h"

namespace mirato {

CommandBox::CommandBox(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), state_(state) {
    setObjectName(QStringLiteral("CommandBox"));
    setWindowTitle(QStringLiteral("Mirato"));
    setFixedSize(Settings::twipsToPixels(kWidthTwips), Settings::twipsToPixels(kHeightTwips));

    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("input"));
    input_->setGeometry(Settings::twipsToPixels(240), Settings::twipsToPixels(840),
                        Settings::twipsToPixels(4575), Settings::twipsToPixels(330));
    connect(input_, &QLineEdit::textChanged, &state_, &AppState::followText);
    setFocusProxy(input_);
}

}  // namespace mirato
