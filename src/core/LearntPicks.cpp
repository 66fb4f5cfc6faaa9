#include "core/LearntPicks.h"

#include <QFile>
#include <QLoggingCategory>
#include <algorithm>
#include <tuple>

#include "core/FileCopy.h"
#include "core/LineHistory.h"

Q_LOGGING_CATEGORY(lcPicks, "mirato.core.picks", QtWarningMsg)

namespace mirato {

namespace {

// A text that fits one field of a line of the file.
bool fitsTheFile(const QString& text) {
    return !text.isEmpty() && !text.contains(QLatin1Char('\t')) &&
           !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

}  // namespace

LearntPicks::LearntPicks(QString filePath, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)) {
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(2000);
    connect(&saveTimer_, &QTimer::timeout, this, &LearntPicks::save);
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // One pick a line: times, when (the clock's value), the typing, the line run.
    const QStringList records = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& record : records) {
        const QStringList fields = record.split(QLatin1Char('\t'));
        bool timesRead = false;
        bool whenRead = false;
        const int times = fields.value(0).toInt(&timesRead);
        const qint64 when = fields.value(1).toLongLong(&whenRead);
        if (fields.size() != 4 || !timesRead || !whenRead || times <= 0 || when < 0 ||
            !fitsTheFile(fields[2]) || !fitsTheFile(fields[3])) {
            if (!record.isEmpty())
                qCDebug(lcPicks) << "left out a line of" << filePath_;
            continue;
        }
        count(fields[2].toCaseFolded().left(kMaxTypedLength), fields[3], times, when);
        clock_ = std::max(clock_, when);
    }
    while (typings_.size() > kMaxTypings)
        forgetOldest();
}

LearntPicks::~LearntPicks() {
    if (saveTimer_.isActive())
        save();
}

void LearntPicks::count(const QString& typing, const QString& line, int times, qint64 when) {
    Typing& entry = typings_[typing];
    Pick& pick = entry.lines[line];
    pick.count = std::min(pick.count + times, 1 << 20);
    pick.lastUsed = std::max(pick.lastUsed, when);
    entry.lastUsed = std::max(entry.lastUsed, when);
}

void LearntPicks::learn(const QString& typed, const QString& line) {
    const QString folded = typed.trimmed().toCaseFolded();
    if (folded.isEmpty() || !fitsTheFile(typed) || !fitsTheFile(line) ||
        LineHistory::isPrivate(line) || folded == line.toCaseFolded())
        return;
    ++clock_;
    // Every typing on the way counts: "f" learns as "fi" does.
    for (qsizetype length = 1; length <= std::min(folded.size(), kMaxTypedLength); ++length)
        count(folded.left(length), line, 1, clock_);
    while (typings_.size() > kMaxTypings)
        forgetOldest();
    saveTimer_.start();
}

QString LearntPicks::pickFor(const QString& typed) const {
    const auto entry = typings_.constFind(typed.trimmed().toCaseFolded());
    if (entry == typings_.constEnd())
        return {};
    QString best;
    Pick bestPick;
    for (auto it = entry->lines.constBegin(); it != entry->lines.constEnd(); ++it) {
        const Pick& pick = it.value();
        if (pick.count < kTimesToLearn)
            continue;
        if (std::tie(pick.count, pick.lastUsed) > std::tie(bestPick.count, bestPick.lastUsed)) {
            best = it.key();
            bestPick = pick;
        }
    }
    return best;
}

void LearntPicks::forgetOldest() {
    const auto oldest =
        std::min_element(typings_.constBegin(), typings_.constEnd(),
                         [](const Typing& a, const Typing& b) { return a.lastUsed < b.lastUsed; });
    if (oldest != typings_.constEnd())
        typings_.erase(oldest);
}

void LearntPicks::clear() {
    saveTimer_.stop();
    typings_.clear();
    clock_ = 0;
    if (QFile::exists(filePath_) && !QFile::remove(filePath_))
        qCDebug(lcPicks) << "cannot remove" << filePath_;
}

bool LearntPicks::save() {
    saveTimer_.stop();
    QByteArray bytes;
    for (auto typing = typings_.constBegin(); typing != typings_.constEnd(); ++typing) {
        for (auto pick = typing->lines.constBegin(); pick != typing->lines.constEnd(); ++pick) {
            bytes += QStringLiteral("%1\t%2\t%3\t%4\n")
                         .arg(pick->count)
                         .arg(pick->lastUsed)
                         .arg(typing.key(), pick.key())
                         .toUtf8();
        }
    }
    // What was typed is the user's alone.
    if (FileCopy::write(filePath_, bytes, FileCopy::Readers::OwnerOnly))
        return true;
    qCDebug(lcPicks) << "cannot write" << filePath_;
    return false;
}

}  // namespace mirato
