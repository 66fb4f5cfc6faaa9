#pragma once

#include <QLatin1String>
#include <QString>
#include <optional>
#include <type_traits>
#include <utility>

namespace mirato {

// The texts an enumeration's values are stored as: specialise with
//   static constexpr std::pair<E, const char*> kNames[] = {{E::A, "A"}, ...};
template <typename E>
struct SettingNames;

// How a value is spelt in the settings file. parse gives nothing for a text that names no value
// (a missing key, a hand-edited line), so the setting's fallback is read instead.
template <typename T>
struct SettingText;

template <>
struct SettingText<bool> {
    // "True" and "False" exactly, as plug-ins write them.
    static std::optional<bool> parse(const QString& text) {
        if (text == QLatin1String("True"))
            return true;
        if (text == QLatin1String("False"))
            return false;
        return std::nullopt;
    }
    static QString print(const bool& on) {
        return on ? QStringLiteral("True") : QStringLiteral("False");
    }
};

// Numbers read by their key's own rule (a range, rounding); this one takes a whole number.
template <>
struct SettingText<int> {
    static std::optional<int> parse(const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }
    static QString print(const int& value) { return QString::number(value); }
};

template <>
struct SettingText<QString> {
    static std::optional<QString> parse(const QString& text) {
        if (text.isEmpty())
            return std::nullopt;
        return text;
    }
    static QString print(const QString& text) { return text; }
};

template <typename E>
requires std::is_enum_v<E>
struct SettingText<E> {
    static std::optional<E> parse(const QString& text) {
        for (const auto& [value, name] : SettingNames<E>::kNames) {
            if (text == QLatin1String(name))
                return value;
        }
        return std::nullopt;
    }
    static QString print(const E& value) {
        for (const auto& [known, name] : SettingNames<E>::kNames) {
            if (known == value)
                return QLatin1String(name);
        }
        return {};
    }
};

// One key of the settings file: its name, the value a missing or unreadable text stands for,
// and how the value is read and written. The keys the program uses are declared once, in
// SettingKeys; Settings::get and Settings::set take them.
template <typename T>
struct Setting {
    using Parse = std::optional<T> (*)(const QString&);
    using Print = QString (*)(const T&);

    QLatin1String key;
    T fallback;
    Parse parse = &SettingText<T>::parse;
    Print print = &SettingText<T>::print;

    // The value a text stands for: the fallback unless it names one.
    T fromText(const QString& text) const { return parse(text).value_or(fallback); }
};

}  // namespace mirato
