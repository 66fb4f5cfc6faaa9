#include "core/KeyTable.h"

namespace mirato {

KeyTable& KeyTable::ctrl(int key, Action action) {
    bindings_.push_back({key, Held::Ctrl, std::move(action)});
    return *this;
}

KeyTable& KeyTable::plain(int key, Action action) {
    bindings_.push_back({key, Held::Any, std::move(action)});
    return *this;
}

KeyTable& KeyTable::alt(int key, Action action) {
    bindings_.push_back({key, Held::AltWithoutCtrl, std::move(action)});
    return *this;
}

bool KeyTable::trigger(int key, Qt::KeyboardModifiers modifiers) const {
    const bool ctrlHeld = modifiers.testFlag(Qt::ControlModifier);
    const bool altHeld = modifiers.testFlag(Qt::AltModifier);
    for (const Binding& binding : bindings_) {
        const bool held = binding.held == Held::Any || (binding.held == Held::Ctrl && ctrlHeld) ||
                          (binding.held == Held::AltWithoutCtrl && altHeld && !ctrlHeld);
        if (binding.key == key && held) {
            binding.action();
            return true;
        }
    }
    return false;
}

}  // namespace mirato
