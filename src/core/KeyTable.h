#pragma once

#include <Qt>
#include <functional>
#include <vector>

namespace mirato {

// The keys of one window and what each does, as one list: a new key is one more line where the
// window builds its table.
class KeyTable {
public:
    using Action = std::function<void()>;

    // Ctrl and the key; matches whatever other modifiers are held too.
    KeyTable& ctrl(int key, Action action);
    // The key alone (F1); matches with any modifiers.
    KeyTable& plain(int key, Action action);
    // Alt and the key, without Ctrl.
    KeyTable& alt(int key, Action action);

    // Runs what the press stands for; false when it stands for nothing here.
    bool trigger(int key, Qt::KeyboardModifiers modifiers) const;

private:
    enum class Held { Any, Ctrl, AltWithoutCtrl };
    struct Binding {
        int key;
        Held held;
        Action action;
    };
    std::vector<Binding> bindings_;
};

}  // namespace mirato
