// The floor for start-up time and memory of any window that shows text: a Qt
// Widgets program whose window holds one focused line edit (fonts, fontconfig
// and text layout are paid for).
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(427, 230);
    auto* box = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(box);
    box->setFocus();
    window.show();
    return QApplication::exec();
}
