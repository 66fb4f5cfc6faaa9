#include "LyricsFinder.h"

#include <QNetworkReply>
#include <QUrlQuery>
#include <cmath>

#include "LrclibClient.h"

namespace mirato::lyricsearch {

LyricsFinder::LyricsFinder(QUrl service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {}

QUrl LyricsFinder::exactUrl(const SongQuery& song) const {
    QUrl url = LrclibClient::endpoint(service_, QStringLiteral("/api/get"));
    QUrlQuery query;
    LrclibClient::addQueryItem(query, QStringLiteral("track_name"), song.title);
    LrclibClient::addQueryItem(query, QStringLiteral("artist_name"), song.artist);
    if (!song.album.isEmpty())
        LrclibClient::addQueryItem(query, QStringLiteral("album_name"), song.album);
    query.addQueryItem(QStringLiteral("duration"),
                       QString::number(std::lround(song.durationSeconds)));
    url.setQuery(query);
    return url;
}

QUrl LyricsFinder::searchUrl(const SongQuery& song) const {
    QUrl url = LrclibClient::endpoint(service_, QStringLiteral("/api/search"));
    QUrlQuery query;
    LrclibClient::addQueryItem(query, QStringLiteral("track_name"), song.title);
    LrclibClient::addQueryItem(query, QStringLiteral("artist_name"), song.artist);
    url.setQuery(query);
    return url;
}

void LyricsFinder::find(const SongQuery& song) {
    song_ = song;
    get(exactUrl(song), &LyricsFinder::exactAnswered);
}

void LyricsFinder::get(const QUrl& url, void (LyricsFinder::*then)(QNetworkReply*)) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, LrclibClient::userAgent());
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_.get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply, then] {
        reply->deleteLater();
        (this->*then)(reply);
    });
}

void LyricsFinder::exactAnswered(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200) {
        QList<LyricsHit> hits;
        // One record, read as a list of one.
        if (LrclibClient::parse("[" + reply->readAll() + "]", &hits)) {
            if (const auto hit = LyricsMatch::best(hits, song_)) {
                emit done(hit, true);
                return;
            }
        }
    } else if (status != 404) {
        // Unreachable, timed out or failing: the search would fare no better.
        emit done(std::nullopt, false);
        return;
    }
    get(searchUrl(song_), &LyricsFinder::searchAnswered);
}

void LyricsFinder::searchAnswered(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QList<LyricsHit> hits;
    if (status != 200 || !LrclibClient::parse(reply->readAll(), &hits)) {
        emit done(std::nullopt, false);
        return;
    }
    emit done(LyricsMatch::best(hits, song_), true);
}

}  // namespace mirato::lyricsearch
