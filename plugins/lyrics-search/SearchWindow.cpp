#include "SearchWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "SearchTexts.h"

namespace mirato::lyricsearch {

SearchWindow::SearchWindow(Setup setup, LrclibClient& client, const HandBack& handBack,
                           QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), client_(client), handBack_(handBack) {
    const Language language = setup_.language;
    setWindowTitle(text(language, Text::WindowTitle));
    resize(520, 420);

    title_ = new QLineEdit(setup_.title, this);
    title_->setObjectName(QStringLiteral("title"));
    searchButton_ = new QPushButton(text(language, Text::Search), this);
    searchButton_->setDefault(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("hits"));
    preview_ = new QPlainTextEdit(this);
    preview_->setReadOnly(true);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    use_ = new QPushButton(text(language, Text::Use), this);
    use_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(searchButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(use_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 2);
    layout->addWidget(preview_, 3);
    layout->addLayout(bottom);

    connect(searchButton_, &QPushButton::clicked, this, &SearchWindow::search);
    connect(title_, &QLineEdit::returnPressed, this, &SearchWindow::search);
    connect(list_, &QListWidget::currentRowChanged, this, &SearchWindow::choose);
    connect(list_, &QListWidget::itemActivated, this, [this] { useChosen(); });
    connect(use_, &QPushButton::clicked, this, [this] { useChosen(); });
    connect(&client_, &LrclibClient::finished, this, &SearchWindow::showHits);
    connect(&client_, &LrclibClient::failed, this, &SearchWindow::showFailure);
}

QString SearchWindow::status() const {
    return status_->text();
}

void SearchWindow::setStatus(const QString& text) {
    status_->setText(text);
}

void SearchWindow::search() {
    const QString title = title_->text().trimmed();
    if (title.isEmpty())
        return;
    hits_.clear();
    list_->clear();
    preview_->clear();
    use_->setEnabled(false);
    searchButton_->setEnabled(false);
    setStatus(text(setup_.language, Text::Searching));
    client_.search(title);
}

void SearchWindow::showHits(const QList<LyricsHit>& hits) {
    searchButton_->setEnabled(true);
    hits_ = hits;
    if (hits_.isEmpty()) {
        setStatus(text(setup_.language, Text::NothingFound));
        return;
    }
    for (const LyricsHit& hit : hits_) {
        auto* item = new QListWidgetItem(hit.label(), list_);
        if (!hit.hasSynced())
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    setStatus(text(setup_.language, Text::Found).arg(hits_.size()));
    list_->setCurrentRow(0);
}

void SearchWindow::showFailure(LrclibClient::Failure failure, int status) {
    searchButton_->setEnabled(true);
    const Language language = setup_.language;
    switch (failure) {
        case LrclibClient::Failure::TimedOut:
            setStatus(text(language, Text::TimedOut));
            break;
        case LrclibClient::Failure::HttpError:
            setStatus(text(language, Text::HttpError).arg(status));
            break;
        case LrclibClient::Failure::BadAnswer:
            setStatus(text(language, Text::BadAnswer));
            break;
        case LrclibClient::Failure::Unreachable:
        case LrclibClient::Failure::None:
            setStatus(text(language, Text::Unreachable));
            break;
    }
}

void SearchWindow::choose(int row) {
    if (row < 0 || row >= hits_.size()) {
        use_->setEnabled(false);
        return;
    }
    const LyricsHit& hit = hits_.at(row);
    preview_->setPlainText(hit.hasSynced() ? hit.synced : hit.plain);
    use_->setEnabled(hit.hasSynced());
    if (!hit.hasSynced())
        setStatus(text(setup_.language, Text::OnlyPlain));
    else
        setStatus(text(setup_.language, Text::Found).arg(hits_.size()));
}

bool SearchWindow::useChosen() {
    const int row = list_->currentRow();
    if (row < 0 || row >= hits_.size() || !hits_.at(row).hasSynced())
        return false;
    const QString document = handBack_.write(setup_.musicPath, hits_.at(row).synced);
    if (document.isEmpty() || !handBack_.start(setup_.miratoFolder, document)) {
        setStatus(text(setup_.language, Text::CannotWrite));
        return false;
    }
    setStatus(text(setup_.language, Text::Handed));
    close();
    return true;
}

}  // namespace mirato::lyricsearch
