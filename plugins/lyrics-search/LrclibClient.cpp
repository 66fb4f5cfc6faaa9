#include "LrclibClient.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QUrlQuery>
#include <algorithm>
#include <cmath>

#include "core/ProfileFile.h"

namespace mirato::lyricsearch {

QByteArray LrclibClient::userAgent() {
    return "Mirato-LyricsSearch v1.0 (https://mirato.example.org/)";
}

LrclibClient::LrclibClient(QUrl service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {}

QUrl LrclibClient::configuredService() {
    const QString own = QCoreApplication::applicationDirPath() + QStringLiteral("/setting.ini");
    const QString service = ProfileFile(own).read(QStringLiteral("service"), QStringLiteral("url"));
    return QUrl(service.isEmpty() ? QStringLiteral("https://lrclib.net") : service);
}

QUrl LrclibClient::endpoint(const QUrl& service, const QString& path) {
    QUrl url = service;
    QString base = url.path();
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

void LrclibClient::addQueryItem(QUrlQuery& query, const QString& key, const QString& value) {
    query.addQueryItem(key, QString(value).replace(QLatin1Char('+'), QLatin1String("%2B")));
}

QUrl LrclibClient::searchUrl(const QString& title) const {
    QUrl url = endpoint(service_, QStringLiteral("/api/search"));
    QUrlQuery query;
    addQueryItem(query, QStringLiteral("q"), title);
    url.setQuery(query);
    return url;
}

void LrclibClient::search(const QString& title) {
    if (current_) {
        current_->disconnect(this);
        current_->abort();
        current_->deleteLater();
    }
    QNetworkRequest request(searchUrl(title));
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    request.setTransferTimeout(timeoutMs_);
    current_ = network_.get(request);
    QNetworkReply* reply = current_;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { handle(reply); });
}

bool LrclibClient::parse(const QByteArray& body, QList<LyricsHit>* hits) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return false;
    hits->clear();
    for (const QJsonValue& value : document.array()) {
        const QJsonObject object = value.toObject();
        LyricsHit hit;
        hit.track = object.value(QStringLiteral("trackName")).toString();
        hit.artist = object.value(QStringLiteral("artistName")).toString();
        hit.album = object.value(QStringLiteral("albumName")).toString();
        const double duration = object.value(QStringLiteral("duration")).toDouble();
        hit.durationSeconds = std::isfinite(duration) && duration > 0 ? duration : 0;
        hit.synced = object.value(QStringLiteral("syncedLyrics")).toString();
        hit.plain = object.value(QStringLiteral("plainLyrics")).toString();
        if (!hit.track.isEmpty() || hit.hasSynced() || !hit.plain.isEmpty())
            hits->append(hit);
    }
    orderHits(*hits);
    return true;
}

void LrclibClient::handle(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != current_)
        return;
    current_ = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::OperationCanceledError ||
        reply->error() == QNetworkReply::TimeoutError) {
        emit failed(Failure::TimedOut, 0);
        return;
    }
    if (status >= 400 || (reply->error() != QNetworkReply::NoError && status > 0)) {
        emit failed(Failure::HttpError, status);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        emit failed(Failure::Unreachable, 0);
        return;
    }
    QList<LyricsHit> hits;
    if (!parse(reply->readAll(), &hits)) {
        emit failed(Failure::BadAnswer, status);
        return;
    }
    emit finished(hits);
}

}  // namespace mirato::lyricsearch
