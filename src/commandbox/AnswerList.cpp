#include "commandbox/AnswerList.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace mirato {

namespace {

// The style's own picture for a kind of row, where the desktop has no icon theme.
QIcon fallbackIcon(const QString& name) {
    QStyle::StandardPixmap picture = QStyle::SP_DesktopIcon;  // an application
    if (name == QLatin1String("web-browser") || name == QLatin1String("system-search"))
        picture = QStyle::SP_DriveNetIcon;
    else if (name == QLatin1String("folder"))
        picture = QStyle::SP_DirIcon;
    else if (name.startsWith(QLatin1String("audio")))
        picture = QStyle::SP_MediaPlay;
    else if (name == QLatin1String("emblem-symbolic-link"))
        picture = QStyle::SP_FileLinkIcon;
    else if (name == QLatin1String("accessories-calculator") ||
             name.startsWith(QLatin1String("document")) || name == QLatin1String("edit-delete"))
        picture = QStyle::SP_FileIcon;
    return QApplication::style()->standardIcon(picture);
}

// An application's icon is a theme name or a file.
QIcon iconNamed(const QString& name) {
    if (QFileInfo(name).isAbsolute()) {
        const QIcon file(name);
        if (!file.isNull())
            return file;
    }
    return QIcon::fromTheme(name, fallbackIcon(name));
}

// A picture another program sent with its answer.
QIcon iconOf(const AnswerPicture& picture) {
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.constData()), picture.width,
                       picture.height, picture.rowStride,
                       picture.alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    return QIcon(QPixmap::fromImage(image.copy()));
}

}  // namespace

AnswerList::AnswerList(QWidget* box)
    : QWidget(box, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      box_(box) {
    setObjectName(QStringLiteral("AnswerList"));
    setWindowTitle(QStringLiteral("Mirato answers"));  // never shown; found by scripts
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void AnswerList::showRows(const QList<AnswerRow>& rows, const QColor& background,
                          const QColor& text, bool keepChoice) {
    if (rows != rows_) {
        const qsizetype chosen =
            keepChoice && current_ >= 0 ? rows.indexOf(rows_.at(current_)) : -1;
        rows_ = rows;
        icons_.clear();
        for (const AnswerRow& row : rows_)
            icons_.append(row.outside.picture.isNull() ? iconNamed(row.icon)
                                                       : iconOf(row.outside.picture));
        current_ = rows_.isEmpty() ? -1 : int(std::max<qsizetype>(chosen, 0));
    }
    background_ = background;
    text_ = text;
    place();
    show();
    update();
}

void AnswerList::moveChoice(int step) {
    if (rows_.isEmpty())
        return;
    current_ = std::clamp(current_ + step, 0, int(rows_.size()) - 1);
    update();
}

void AnswerList::place() {
    const QRect frame = box_->frameGeometry();
    setGeometry(frame.left(), frame.bottom() + 1, box_->width(), int(rows_.size()) * kRowHeight);
}

void AnswerList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    // The chosen row stands out the way the field's frame does: a shade of the theme.
    const QColor chosen =
        background_.lightness() > 128 ? background_.darker(125) : background_.lighter(160);
    for (int i = 0; i < rows_.size(); ++i) {
        const QRect row(0, i * kRowHeight, width(), kRowHeight);
        if (i == current_)
            painter.fillRect(row, chosen);
        icons_.at(i).paint(&painter, QRect(row.left() + 8, row.top() + 5, 16, 16));
        painter.setPen(text_);
        QRect words = row.adjusted(32, 0, -8, 0);
        const QString title =
            fontMetrics().elidedText(rows_.at(i).title, Qt::ElideRight, words.width());
        painter.drawText(words, Qt::AlignVCenter | Qt::AlignLeft, title);
        // What another program says of its answer follows in a paler ink.
        const QString& description = rows_.at(i).outside.description;
        words.setLeft(words.left() + fontMetrics().horizontalAdvance(title) + 12);
        if (!description.isEmpty() && words.width() > 24) {
            QColor pale = text_;
            pale.setAlpha(150);
            painter.setPen(pale);
            painter.drawText(
                words, Qt::AlignVCenter | Qt::AlignLeft,
                fontMetrics().elidedText(description.simplified(), Qt::ElideRight, words.width()));
        }
    }
    painter.setPen(text_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AnswerList::mousePressEvent(QMouseEvent* event) {
    const int row = int(event->position().y()) / kRowHeight;
    if (row >= 0 && row < rows_.size())
        emit rowActivated(row);
}

}  // namespace mirato
