#pragma once

#include <QString>
#include <QtPlugin>
#include <optional>

namespace mirato {

// The calculator plug-in's engine: reads a line as a calculation or a unit conversion.
class CalculationEngine {
public:
    virtual ~CalculationEngine() = default;
    // The result as people write it ("14", "6.2137119224 mi"); "" for a calculation without a
    // finite real answer (1/0); nothing when the line is no calculation: it holds a word the
    // engine does not know or an operator without its operand.
    virtual std::optional<QString> evaluate(const QString& line) = 0;
};

// The object the calculator plug-in exports. Making the engine loads its definitions (units,
// functions, constants): that is the slow part, done once, on whichever thread asks.
class CalculationEngineFactory {
public:
    virtual ~CalculationEngineFactory() = default;
    virtual CalculationEngine* createCalculationEngine() = 0;
};

}  // namespace mirato

#define MiratoCalculationEngineFactory_iid "org.mirato.CalculationEngineFactory/1"
Q_DECLARE_INTERFACE(mirato::CalculationEngineFactory, MiratoCalculationEngineFactory_iid)
