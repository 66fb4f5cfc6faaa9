// The floor for the command box: a bare Qt 6 frameless window with one line edit.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(340, 100);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(16, 56, 256, 24);
    window.show();
    return QApplication::exec();
}
