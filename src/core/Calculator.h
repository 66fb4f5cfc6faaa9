#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace mirato {

// Answers lines that are calculations or unit conversions: "2+3*4" is "14", "10 km to mi" is
// "6.2137119224 mi". Its engine is large, so it is loaded the first time a line asks for it,
// away from the box's start.
class Calculator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A line worth asking about: a digit with an operator, parentheses or a conversion word.
    // Cheap, and needs no engine; a line that is not one never loads it.
    static bool looksLikeCalculation(const QString& line);

    // The answer as it is shown and copied; "" for a calculation without a finite answer (1/0);
    // nothing when the line is no calculation (it holds a word the engine does not know).
    // While the engine is still loading there is no answer yet, and ready() follows.
    virtual std::optional<QString> answer(const QString& line) = 0;
    // Waits for a loading under way, so that Enter right after typing finds the engine.
    virtual void settle() = 0;

signals:
    // The engine has loaded: lines asked about before may have an answer now.
    void ready();
};

}  // namespace mirato
