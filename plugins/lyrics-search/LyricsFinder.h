#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <optional>

#include "LyricsHit.h"
#include "LyricsMatch.h"

class QNetworkReply;

namespace mirato::lyricsearch {

// Finds the timed lyrics of one song without asking the user: the service's exact look-up
// (GET <service>/api/get with the artist, title, album and duration), then its search
// (GET <service>/api/search with the title and the artist), whose hits count only as
// LyricsMatch::best accepts them.
class LyricsFinder : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 10000;

    explicit LyricsFinder(QUrl service, QObject* parent = nullptr);
    void setTimeout(int ms) { timeoutMs_ = ms; }

    void find(const SongQuery& song);

    QUrl exactUrl(const SongQuery& song) const;
    QUrl searchUrl(const SongQuery& song) const;

signals:
    // The song's hit; nothing when the service knows no acceptable one. answered is false when
    // the service could not be reached or gave no readable answer: then nothing is known.
    void done(const std::optional<mirato::lyricsearch::LyricsHit>& hit, bool answered);

private:
    void get(const QUrl& url, void (LyricsFinder::*then)(QNetworkReply*));
    void exactAnswered(QNetworkReply* reply);
    void searchAnswered(QNetworkReply* reply);

    QUrl service_;
    SongQuery song_;
    int timeoutMs_ = kTimeoutMs;
    QNetworkAccessManager network_;
};

}  // namespace mirato::lyricsearch
