#pragma once

#include <QList>
#include <QWidget>

#include "HandBack.h"
#include "LrclibClient.h"
#include "core/Language.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace mirato::lyricsearch {

// The plug-in's window: the title to search (prefilled), the hits, a preview of the chosen
// one, and the button that hands it to Mirato.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        Language language;
        QString title;
        QString musicPath;
        QString miratoFolder;
    };

    SearchWindow(Setup setup, LrclibClient& client, const HandBack& handBack,
                 QWidget* parent = nullptr);

    void search();
    QString status() const;
    QListWidget* hitList() const { return list_; }
    QPushButton* useButton() const { return use_; }
    // Hands the chosen hit over; true when Mirato was started with it.
    bool useChosen();

private:
    void showHits(const QList<LyricsHit>& hits);
    void showFailure(LrclibClient::Failure failure, int status);
    void choose(int row);
    void setStatus(const QString& text);

    Setup setup_;
    LrclibClient& client_;
    const HandBack& handBack_;
    QList<LyricsHit> hits_;
    QLineEdit* title_;
    QPushButton* searchButton_;
    QListWidget* list_;
    QPlainTextEdit* preview_;
    QLabel* status_;
    QPushButton* use_;
};

}  // namespace mirato::lyricsearch
