#include "components/CalculatorModule.h"

#include <QDir>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QThreadPool>

#include "components/CalculationEngine.h"
#include "components/EngineLoader.h"

Q_LOGGING_CATEGORY(lcCalculator, "mirato.components.calculator", QtWarningMsg)

namespace mirato {

CalculatorModule::CalculatorModule(QString path, QObject* parent)
    : Calculator(parent), path_(std::move(path)) {}

CalculatorModule::~CalculatorModule() {
    settle();  // the worker must not report to a calculator that is gone
    // The engine belongs to the plug-in, which stays loaded to the end of the run; the engine
    // keeps its definitions in global state that it frees itself.
    delete engine_;
}

QString CalculatorModule::defaultPath() {
    // Without its suffix: the plug-in loader adds the system's own (.so, .dll).
    return QDir(EngineLoader::defaultFolder()).filePath(QStringLiteral("libmirato-qalculate"));
}

void CalculatorModule::load() {
    QPluginLoader loader(path_);
    auto* factory = qobject_cast<CalculationEngineFactory*>(loader.instance());
    CalculationEngine* engine = factory ? factory->createCalculationEngine() : nullptr;
    if (!engine)
        qCWarning(lcCalculator) << "no calculator:" << path_ << loader.errorString();
    QMutexLocker lock(&mutex_);
    engine_ = engine;
    stage_ = engine ? Stage::Loaded : Stage::Failed;
    // Told before the lock goes: a calculator let go meanwhile waits for it in its destructor,
    // and then takes the message back with it.
    if (engine)
        QMetaObject::invokeMethod(this, &Calculator::ready, Qt::QueuedConnection);
    loaded_.wakeAll();
}

std::optional<QString> CalculatorModule::answer(const QString& line) {
    if (!looksLikeCalculation(line))
        return std::nullopt;
    {
        QMutexLocker lock(&mutex_);
        if (stage_ == Stage::Unloaded) {
            stage_ = Stage::Loading;
            QThreadPool::globalInstance()->start([this] { load(); });
        }
        if (stage_ != Stage::Loaded)
            return std::nullopt;
    }
    for (const auto& [asked, answer] : recent_) {
        if (asked == line)
            return answer;
    }
    // Only this thread asks once the engine is there.
    const std::optional<QString> answer = engine_->evaluate(line);
    recent_.prepend({line, answer});
    if (recent_.size() > kRemembered)
        recent_.removeLast();
    return answer;
}

void CalculatorModule::settle() {
    QMutexLocker lock(&mutex_);
    while (stage_ == Stage::Loading)
        loaded_.wait(&mutex_);
}

}  // namespace mirato
