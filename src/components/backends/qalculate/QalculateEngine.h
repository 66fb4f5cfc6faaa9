#pragma once

#include <QObject>

#include "components/CalculationEngine.h"

namespace mirato {

// Calculations and unit conversions by libqalculate, printed for people: decimals rather than
// fractions or intervals, ten decimals at most, one unit rather than a mix ("4.92 ft", not
// "4 ft + 11 in"). Words it does not know make the line no calculation at all, so "1-800-flowers"
// stays an address.
class QalculateEngine : public CalculationEngine {
public:
    QalculateEngine();
    std::optional<QString> evaluate(const QString& line) override;
};

class QalculateEngineFactory : public QObject, public CalculationEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MiratoCalculationEngineFactory_iid FILE "calculator.json")
    Q_INTERFACES(mirato::CalculationEngineFactory)
public:
    CalculationEngine* createCalculationEngine() override { return new QalculateEngine; }
};

}  // namespace mirato
