#include "platform/dbus/DBusDesktopSearch.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "platform/dbus/SearchSources.h"

namespace mirato {

Q_LOGGING_CATEGORY(lcDesktopSearch, "mirato.platform.desktopsearch", QtWarningMsg)

namespace {

const QString kProviderInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kRunnerInterface = QStringLiteral("org.kde.krunner1");
// The most answers one source adds to the list.
constexpr qsizetype kAnswersPerSource = 3;
// Pictures larger than this are not what a row's icon is for.
constexpr int kLargestPicture = 512;

// The icon-data structure both interfaces use: width, height, row stride, alpha, bits per
// sample, channels, pixels. Anything that does not describe 8-bit RGB(A) rows is no picture.
AnswerPicture readPicture(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return {};
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(iiibiiay)"))
        return {};
    AnswerPicture picture;
    int bits = 0;
    int channels = 0;
    argument.beginStructure();
    argument >> picture.width >> picture.height >> picture.rowStride >> picture.alpha >> bits >>
        channels >> picture.pixels;
    argument.endStructure();
    const bool fits = picture.width > 0 && picture.height > 0 && picture.width <= kLargestPicture &&
                      picture.height <= kLargestPicture && bits == 8 &&
                      channels == (picture.alpha ? 4 : 3) &&
                      picture.rowStride >= picture.width * channels &&
                      picture.pixels.size() >= qint64(picture.rowStride) * (picture.height - 1) +
                                                   qint64(picture.width) * channels;
    return fits ? picture : AnswerPicture{};
}

// A GIcon as text: a theme name, a file, or ". GThemedIcon name fallback...".
QString iconFromText(const QString& text) {
    if (text.startsWith(QLatin1String(". GThemedIcon ")))
        return text.mid(14).section(QLatin1Char(' '), 0, 0);
    if (text.startsWith(QLatin1String("file://")))
        return QUrl(text).toLocalFile();
    return text.startsWith(QLatin1Char('.')) ? QString() : text;
}

// A serialised GIcon: ('themed', <['name', ...]>) or ('file', <'file:///...'>).
QString iconFromSerialised(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return {};
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(sv)"))
        return {};
    QString kind;
    QDBusVariant inner;
    argument.beginStructure();
    argument >> kind >> inner;
    argument.endStructure();
    if (kind == QLatin1String("themed")) {
        const QStringList names = inner.variant().toStringList();
        return names.value(0);
    }
    if (kind == QLatin1String("file"))
        return iconFromText(inner.variant().toString());
    return {};
}

DesktopAnswer providerAnswer(const QString& source, const QVariantMap& meta) {
    DesktopAnswer answer;
    answer.source = source;
    answer.id = meta.value(QStringLiteral("id")).toString();
    answer.title = meta.value(QStringLiteral("name")).toString();
    answer.description = meta.value(QStringLiteral("description")).toString();
    answer.picture = readPicture(meta.value(QStringLiteral("icon-data")));
    answer.icon = iconFromSerialised(meta.value(QStringLiteral("icon")));
    if (answer.icon.isEmpty())
        answer.icon = iconFromText(meta.value(QStringLiteral("gicon")).toString());
    return answer;
}

// A provider's search terms: the line's words.
QStringList termsOf(const QString& line) {
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Match's a(sssida{sv}): id, text, icon name, type, relevance, properties. Best first.
QList<DesktopAnswer> runnerAnswers(const QString& source, const QDBusArgument& argument) {
    QList<std::pair<double, DesktopAnswer>> matches;
    argument.beginArray();
    while (!argument.atEnd()) {
        DesktopAnswer answer;
        answer.source = source;
        int type = 0;
        double relevance = 0;
        QVariantMap properties;
        argument.beginStructure();
        argument >> answer.id >> answer.title >> answer.icon >> type >> relevance >> properties;
        argument.endStructure();
        answer.description = properties.value(QStringLiteral("subtext")).toString();
        answer.picture = readPicture(properties.value(QStringLiteral("icon-data")));
        if (!answer.id.isEmpty() && !answer.title.isEmpty())
            matches.append({relevance, answer});
    }
    argument.endArray();
    std::stable_sort(matches.begin(), matches.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<DesktopAnswer> answers;
    for (const auto& match : matches) {
        if (answers.size() == kAnswersPerSource)
            break;
        answers.append(match.second);
    }
    return answers;
}

}  // namespace

// Asks the sources, on the search's own thread. Replies are read here too.
class SearchWorker : public QObject {
public:
    using Deliver = std::function<void(quint64, const QString&, const QList<DesktopAnswer>&)>;

    SearchWorker(const DBusDesktopSearch::Options& options, Deliver deliver)
        : options_(options), deliver_(std::move(deliver)), bus_(QDBusConnection::sessionBus()) {}

    void ask(quint64 serial, const QString& line) {
        current_ = serial;
        since_.start();
        if (!sinceScan_.isValid() || sinceScan_.hasExpired(options_.rescanMs))
            scan();
        const Question question{serial, line, termsOf(line)};
        for (const auto& source : sources_) {
            if (line.size() < source->info.shortestLine || !source->restUntil.hasExpired())
                continue;
            if (source->busy)
                source->waiting = question;  // asked when the call out is answered
            else
                send(source, question);
        }
    }

    void forget() {
        current_ = 0;
        for (const auto& source : sources_)
            source->waiting.reset();
    }

    void activate(const DesktopAnswer& answer, const QString& line) {
        for (const auto& source : sources_) {
            if (source->info.id != answer.source)
                continue;
            const bool provider = source->info.kind == SearchSource::Kind::ShellProvider;
            QDBusMessage message =
                call(*source, provider ? QStringLiteral("ActivateResult") : QStringLiteral("Run"));
            if (provider)
                message << answer.id << termsOf(line) << 0u;
            else
                message << answer.id << QString();
            watch(bus_.asyncCall(message, options_.hangMs),
                  [id = answer.id](const QDBusMessage& reply) {
                      if (reply.type() == QDBusMessage::ErrorMessage)
                          qCDebug(lcDesktopSearch)
                              << "not activated:" << id << reply.errorMessage();
                  });
            return;
        }
        qCDebug(lcDesktopSearch) << "no source" << answer.source << "to activate" << answer.id;
    }

private:
    struct Question {
        quint64 serial = 0;
        QString line;
        QStringList terms;
    };
    struct Source {
        SearchSource info;
        bool busy = false;
        std::optional<Question> waiting;
        QStringList lastTerms;  // a provider's last question and answer, to narrow down
        QStringList lastResults;
        int lateInRow = 0;
        QDeadlineTimer restUntil{0};
    };
    using SourcePtr = std::shared_ptr<Source>;

    void scan() {
        sinceScan_.start();
        const QList<SearchSource> found = findSearchSources(
            options_.dataFolders,
            options_.readSwitches ? readSearchSwitches(options_.configFolder) : SearchSwitches{});
        std::vector<SourcePtr> sources;
        for (const SearchSource& info : found) {
            // A source known before keeps its state: a call out, a rest.
            const auto known =
                std::find_if(sources_.begin(), sources_.end(),
                             [&info](const SourcePtr& s) { return s->info == info; });
            if (known != sources_.end()) {
                sources.push_back(*known);
            } else {
                sources.push_back(std::make_shared<Source>());
                sources.back()->info = info;
            }
        }
        sources_ = std::move(sources);
        qCDebug(lcDesktopSearch) << sources_.size() << "search sources";
    }

    bool inTime(quint64 serial) const {
        return serial == current_ && !since_.hasExpired(options_.deadlineMs);
    }

    void watch(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> then) {
        auto* watcher = new QDBusPendingCallWatcher(call, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [then = std::move(then)](QDBusPendingCallWatcher* finished) {
                    finished->deleteLater();
                    then(finished->reply());
                });
    }

    QDBusMessage call(const Source& source, const QString& method) const {
        return QDBusMessage::createMethodCall(source.info.busName, source.info.objectPath,
                                              source.info.kind == SearchSource::Kind::ShellProvider
                                                  ? kProviderInterface
                                                  : kRunnerInterface,
                                              method);
    }

    // The reply failed: the source is left alone for a while. Else true.
    bool answeredWell(const SourcePtr& source, const QDBusMessage& reply, const char* expected) {
        if (reply.type() != QDBusMessage::ErrorMessage && reply.arguments().size() == 1 &&
            (reply.signature() == QLatin1String(expected))) {
            return true;
        }
        qCDebug(lcDesktopSearch) << source->info.id << "left alone:"
                                 << (reply.type() == QDBusMessage::ErrorMessage
                                         ? reply.errorMessage()
                                         : QStringLiteral("answered %1").arg(reply.signature()));
        source->restUntil.setRemainingTime(options_.restMs);
        source->lastResults.clear();
        return false;
    }

    // Whether an answer to the question may still be shown; counts the source's late answers.
    bool stillWanted(const SourcePtr& source, quint64 serial) {
        if (inTime(serial)) {
            source->lateInRow = 0;
            return true;
        }
        if (serial == current_ && ++source->lateInRow >= options_.latesToRest) {
            qCDebug(lcDesktopSearch) << source->info.id << "left alone: answers late";
            source->lateInRow = 0;
            source->restUntil.setRemainingTime(options_.restMs);
        }
        return false;
    }

    void done(const SourcePtr& source) {
        source->busy = false;
        if (!source->waiting)
            return;
        const Question next = *source->waiting;
        source->waiting.reset();
        if (next.serial == current_)
            send(source, next);
    }

    void send(const SourcePtr& source, const Question& question) {
        source->busy = true;
        if (source->info.kind == SearchSource::Kind::Runner) {
            QDBusMessage message = call(*source, QStringLiteral("Match"));
            message << question.line;
            watch(bus_.asyncCall(message, options_.hangMs),
                  [this, source, question](const QDBusMessage& reply) {
                      if (answeredWell(source, reply, "a(sssida{sv})") &&
                          stillWanted(source, question.serial)) {
                          deliver_(question.serial, source->info.id,
                                   runnerAnswers(source->info.id,
                                                 reply.arguments().at(0).value<QDBusArgument>()));
                      }
                      done(source);
                  });
            return;
        }
        // A provider narrows its last answer down when the terms only grew longer.
        bool narrower =
            !source->lastResults.isEmpty() && question.terms.size() >= source->lastTerms.size();
        for (qsizetype i = 0; narrower && i < source->lastTerms.size(); ++i)
            narrower =
                question.terms.at(i).startsWith(source->lastTerms.at(i), Qt::CaseInsensitive);
        QDBusMessage message = call(*source, narrower ? QStringLiteral("GetSubsearchResultSet")
                                                      : QStringLiteral("GetInitialResultSet"));
        if (narrower)
            message << source->lastResults;
        message << question.terms;
        watch(bus_.asyncCall(message, options_.hangMs),
              [this, source, question](const QDBusMessage& reply) {
                  if (!answeredWell(source, reply, "as")) {
                      done(source);
                      return;
                  }
                  const QStringList results = reply.arguments().at(0).toStringList();
                  source->lastTerms = question.terms;
                  source->lastResults = results;
                  if (!stillWanted(source, question.serial)) {
                      done(source);
                  } else if (results.isEmpty()) {
                      deliver_(question.serial, source->info.id, {});
                      done(source);
                  } else {
                      describe(source, question, results.mid(0, kAnswersPerSource));
                  }
              });
    }

    // Asks a provider what its first results are called.
    void describe(const SourcePtr& source, const Question& question, const QStringList& ids) {
        QDBusMessage message = call(*source, QStringLiteral("GetResultMetas"));
        message << ids;
        watch(bus_.asyncCall(message, options_.hangMs), [this, source, question,
                                                         ids](const QDBusMessage& reply) {
            if (answeredWell(source, reply, "aa{sv}") && stillWanted(source, question.serial)) {
                const auto metas = qdbus_cast<QList<QVariantMap>>(reply.arguments().at(0));
                QList<DesktopAnswer> answers;
                for (const QString& id : ids) {  // in the provider's order
                    for (const QVariantMap& meta : metas) {
                        if (meta.value(QStringLiteral("id")).toString() != id)
                            continue;
                        DesktopAnswer answer = providerAnswer(source->info.id, meta);
                        if (!answer.title.isEmpty())
                            answers.append(answer);
                        break;
                    }
                }
                deliver_(question.serial, source->info.id, answers);
            }
            done(source);
        });
    }

    const DBusDesktopSearch::Options options_;
    const Deliver deliver_;
    QDBusConnection bus_;
    std::vector<SourcePtr> sources_;
    quint64 current_ = 0;
    QElapsedTimer since_;
    QElapsedTimer sinceScan_;
};

DBusDesktopSearch::DBusDesktopSearch(Options options, QObject* parent)
    : DesktopSearch(parent), options_(std::move(options)) {
    qRegisterMetaType<QList<DesktopAnswer>>();
    thread_.setObjectName(QStringLiteral("desktop search"));
}

DBusDesktopSearch::~DBusDesktopSearch() {
    if (worker_) {
        thread_.quit();
        thread_.wait();
    }
}

SearchWorker* DBusDesktopSearch::worker() {
    if (!worker_) {
        // The answers are handed over on this object's thread; none once it has gone.
        worker_ = new SearchWorker(options_, [this](quint64 serial, const QString& source,
                                                    const QList<DesktopAnswer>& answers) {
            QMetaObject::invokeMethod(
                this, [this, serial, source, answers] { emit answered(serial, source, answers); },
                Qt::QueuedConnection);
        });
        worker_->moveToThread(&thread_);
        connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
        thread_.start();
    }
    return worker_;
}

void DBusDesktopSearch::ask(quint64 serial, const QString& line) {
    SearchWorker* w = worker();
    QMetaObject::invokeMethod(w, [w, serial, line] { w->ask(serial, line); });
}

void DBusDesktopSearch::forget() {
    if (SearchWorker* w = worker_)
        QMetaObject::invokeMethod(w, [w] { w->forget(); });
}

void DBusDesktopSearch::activate(const DesktopAnswer& answer, const QString& line) {
    SearchWorker* w = worker();
    QMetaObject::invokeMethod(w, [w, answer, line] { w->activate(answer, line); });
}

}  // namespace mirato
