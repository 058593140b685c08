// The yardstick for start-up time and memory: a Qt Widgets program that only
// shows an empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(427, 230);
    window.show();
    return QApplication::exec();
}
