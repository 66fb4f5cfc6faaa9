#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QWaitCondition>
#include <memory>

#include "core/Calculator.h"

namespace mirato {

class CalculationEngine;

// The calculator of the calculator plug-in (libmirato-qalculate.so in the engines' folder).
// The first question starts loading it on a worker and is not answered; ready() follows.
// A plug-in that is missing or fails to load is logged once and answers nothing.
class CalculatorModule : public Calculator {
    Q_OBJECT
public:
    explicit CalculatorModule(QString path = defaultPath(), QObject* parent = nullptr);
    ~CalculatorModule() override;

    static QString defaultPath();

    std::optional<QString> answer(const QString& line) override;
    void settle() override;

private:
    enum class Stage { Unloaded, Loading, Loaded, Failed };
    void load();

    // The last lines asked about and their answers: the box asks about a line as it is typed
    // and again at Enter, and the engine is spared the same calculation.
    static constexpr qsizetype kRemembered = 16;
    QList<std::pair<QString, std::optional<QString>>> recent_;
    const QString path_;
    QMutex mutex_;
    QWaitCondition loaded_;
    Stage stage_ = Stage::Unloaded;        // guarded by mutex_
    CalculationEngine* engine_ = nullptr;  // guarded by mutex_ while loading
};

}  // namespace mirato
