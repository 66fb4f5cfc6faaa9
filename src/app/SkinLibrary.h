#pragma once

#include <QObject>
#include <QString>

namespace mirato {

// The skin library: skin/other/skin.she, a Qt style sheet for the program's menus, dialogs,
// message boxes and tooltips. It is attached, once, when the first of those is about to show:
// a start that only shows the command box never parses it (a style sheet costs the process
// half a megabyte). A missing or unreadable file is logged and ignored.
class SkinLibrary : public QObject {
    Q_OBJECT
public:
    explicit SkinLibrary(QString sheetFile, QObject* parent = nullptr);
    ~SkinLibrary() override;

    bool isAttached() const { return attached_; }
    // Attaches the sheet now (nothing happens the second time).
    void attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString sheetFile_;
    bool attached_ = false;
};

}  // namespace mirato
