#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QObject>
#include <QRegion>
#include <array>

class QAbstractButton;
class QWidget;

namespace mirato {

// Redraws push buttons from a built-in four-state picture (normal, hover, pressed, disabled)
// with slightly rounded corners and a short fade between states. Skinning a window skins every
// push button in it and, whenever the window loses activation to a dialog such as a message box,
// that dialog's buttons too. One SkinnedButton object lives on each skinned button.
class SkinnedButton : public QObject {
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    // A push button: skins it. A window: skins its push buttons and watches for dialogs.
    // Anything else, or something already skinned: nothing.
    static void skinWindow(QWidget* widget);
    // Undoes skinWindow; the button paints itself as before.
    static void unskinWindow(QWidget* widget);
    // The skin of a button, or null.
    static SkinnedButton* of(const QAbstractButton* button);
    // How many buttons are skinned right now (the template exists while any are).
    static int skinnedCount();

    // The 9 x 84 template: four 9 x 21 tiles, one per state.
    static const QImage& templatePicture();
    struct Slice {
        QRect source;  // in the template
        QRect target;  // on the button
    };
    // The nine pieces that stretch a state's tile to a button of the given size.
    static std::array<Slice, 9> nineSlice(State state, QSize size);
    // The shape a button of the given size keeps: its rectangle with the corner pixels cut.
    static QRegion roundedRegion(QSize size);

    State state() const { return state_; }
    int alphaLevel() const { return alpha_; }
    bool fading() const { return timer_.isActive(); }
    // The picture of a state as rendered for the button now (text and focus included).
    const QImage& picture(State state) const { return pictures_[state]; }
    // What the button shows at this moment (mid-fade a blend).
    const QImage& shown() const { return shown_; }

    ~SkinnedButton() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    explicit SkinnedButton(QAbstractButton* button);
    // Gives the button its own painting and shape back and deletes this skin.
    void release();
    void render();
    void startFade(State state, int alpha);

    QAbstractButton* button_;
    std::array<QImage, 4> pictures_;
    QImage shown_;
    State state_ = Normal;
    int alpha_ = 0;
    bool mouseInside_ = false;
    QBasicTimer timer_;
};

}  // namespace mirato
