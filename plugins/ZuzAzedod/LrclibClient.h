#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include "LyricsHit.h"

class QNetworkReply;

namespace mirato::lyricsearch {

// Searches the LRCLIB lyrics service: GET <service>/api/search?q=<title>.
class LrclibClient : public QObject {
    Q_OBJECT
public:
    enum class Failure { None, Unreachable, TimedOut, HttpError, BadAnswer };

    static constexpr int kTimeoutMs = 10000;
    static QByteArray userAgent();

    explicit LrclibClient(QUrl service, QObject* parent = nullptr);

    void setTimeout(int ms) { timeoutMs_ = ms; }
    // The address of a search, the title encoded as UTF-8.
    QUrl searchUrl(const QString& title) const;
    void search(const QString& title);

    // What the answer's body holds; nullopt-like failure when it is no list of hits.
    static bool parse(const QByteArray& body, QList<LyricsHit>* hits);

signals:
    void finished(const QList<LyricsHit>& hits);
    void failed(Failure failure, int httpStatus);

private:
    void handle(QNetworkReply* reply);

    QUrl service_;
    int timeoutMs_ = kTimeoutMs;
    QNetworkAccessManager network_;
    QNetworkReply* current_ = nullptr;
};

}  // namespace mirato::lyricsearch
