#include "app/SkinLibrary.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSkinLibrary, "mirato.app.skin", QtWarningMsg)

namespace mirato {

namespace {

// What the sheet is for. A tooltip is a private label class of Qt's.
bool needsTheSheet(const QObject* object) {
    return object->inherits("QMenu") || object->inherits("QDialog") ||
           object->inherits("QTipLabel");
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
    // Every widget is polished soon after it is made, shown or not; a menu, dialog or tooltip
    // gets its window when it is first shown, before it works out its size. Qt polishes what
    // exists again with the sheet, so that first showing already has the sheet's look.
    if (event->type() == QEvent::WinIdChange && needsTheSheet(watched))
        attach();
    return false;
}

}  // namespace mirato
