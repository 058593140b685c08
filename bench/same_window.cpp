// The yardstick of start-up: the plainest program that shows Tessivane's input
// window as Tessivane shows it. The same form (compiled by uic), fonts, colours
// and filled date lists; nothing else: no services, settings, lock, fitting of
// fonts or icon.
#include "BuildConfig.h"
#include "Look.h"
#include "ui_frmMain.h"

#include <QApplication>
#include <QLayout>

using namespace Tessivane;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window(nullptr, Look::fixedWindowFlags());
    window.setFont(Look::verdana(8.25));
    Ui::frmMain ui;
    ui.setupUi(&window);
    window.setWindowTitle(QStringLiteral("Tessivane  v" TESSIVANE_VERSION));

    Look::paint(ui.centralWidget, Look::LightBlue, Qt::white);
    for (QWidget* box : std::initializer_list<QWidget*> {ui.txtFirstName, ui.txtMiddleName, ui.txtLastName, ui.cboDate,
                                                         ui.cboMonth, ui.cboYear})
        Look::paint(box, Look::LightBlue, Qt::white);
    for (QGroupBox* frame : {ui.fraName, ui.fraBirthDay})
        Look::paintText(frame, Qt::white);
    ui.Label61->setFont(Look::verdana(8.25, false, true));
    Look::paintText(ui.Label61, Qt::white);
    for (QLabel* label : {ui.lblCobrand, ui.lblFullBrand}) {
        label->setFont(Look::verdana(8.25, true, true));
        Look::paint(label, Look::LightBlue, Qt::blue);
    }
    ui.lblCobrand->raise();
    ui.centralWidget->setFixedSize(427, 230);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (int day = 1; day <= 31; ++day)
        ui.cboDate->addItem(QString::number(day));
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"})
        ui.cboMonth->addItem(QString::fromLatin1(month));
    for (int year = 1900; year <= 2050; ++year)
        ui.cboYear->addItem(QString::number(year));
    ui.txtFirstName->setFocus();
    window.show();
    return QApplication::exec();
}
