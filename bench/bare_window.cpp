// The yardstick of the start-up bench: a bare Qt Widgets window of the program's size, with a
// title, shown in the middle of the screen, and nothing else.

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(473, 336);
    window.setWindowTitle(QStringLiteral("Duplexa"));
    window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                    window.screen()->availableGeometry())
                    .topLeft());
    window.show();
    return QApplication::exec();
}
