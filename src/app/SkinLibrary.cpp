#include "app/SkinLibrary.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSkinLibrary, "mirato.app.skin", QtWarningMsg)

namespace mirato {

namespace {

// The first sign that a widget the sheet is for is about to show. Every widget is polished soon
// after it is made, shown or not; a menu or dialog gets its window when it is first shown,
// before it works out its size. A tooltip label is made only to be shown, and sizes itself as
// it is made, so its polish is the moment.
bool aboutToShowWhatNeedsTheSheet(const QObject* object, QEvent::Type type) {
    if (type == QEvent::WinIdChange)
        return object->inherits("QMenu") || object->inherits("QDialog");
    return type == QEvent::Polish && object->inherits("QTipLabel");
}

}  // namespace

SkinLibrary::SkinLibrary(QString sheetFile, QObject* parent)
    : QObject(parent), sheetFile_(std::move(sheetFile)) {
    qApp->installEventFilter(this);
}

SkinLibrary::~SkinLibrary() {
    if (!attached_)
        qApp->removeEventFilter(this);
}

void SkinLibrary::attach() {
    if (attached_)
        return;
    attached_ = true;
    qApp->removeEventFilter(this);
    QFile sheet(sheetFile_);
    if (!sheet.open(QIODevice::ReadOnly)) {
        qCDebug(lcSkinLibrary) << "no skin library style sheet at" << sheetFile_;
        return;
    }
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

bool SkinLibrary::eventFilter(QObject* watched, QEvent* event) {
    // Qt polishes what exists again with the sheet, so that first showing has its look.
    if (aboutToShowWhatNeedsTheSheet(watched, event->type()))
        attach();
    return false;
}

}  // namespace mirato
