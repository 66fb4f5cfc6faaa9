#include "core/KeyTable.h"

namespace mirato {

KeyTable& KeyTable::ctrl(int key, Action action) {
    bindings_.push_back({key, true, std::move(action)});
    return *this;
}

KeyTable& KeyTable::plain(int key, Action action) {
    bindings_.push_back({key, false, std::move(action)});
    return *this;
}

bool KeyTable::trigger(int key, Qt::KeyboardModifiers modifiers) const {
    const bool ctrlHeld = modifiers.testFlag(Qt::ControlModifier);
    for (const Binding& binding : bindings_) {
        if (binding.key == key && (!binding.ctrl || ctrlHeld)) {
            binding.action();
            return true;
        }
    }
    return false;
}

}  // namespace mirato
