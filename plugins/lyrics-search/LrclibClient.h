#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

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

    // The service named in the plug-in's own setting.ini ([service] url=), the one place it is
    // configured; the public service when it names none.
    static QUrl configuredService();
    // An address of the service's API: its path after the service's own.
    static QUrl endpoint(const QUrl& service, const QString& path);
    // A query item as the service reads it: a "+" would read as a blank.
    static void addQueryItem(QUrlQuery& query, const QString& key, const QString& value);

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
