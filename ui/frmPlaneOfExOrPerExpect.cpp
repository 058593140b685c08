#include "frmPlaneOfExOrPerExpect.h"
#include "ui_frmPlaneOfExOrPerExpect.h"

#include "Look.h"
#include "Navigator.h"
#include "Promotions.h"
#include "ReportBox.h"
#include "TextFit.h"
#include "Titles.h"
#include "WindowSetUp.h"

#include <QCloseEvent>

namespace Tessivane {

frmPlaneOfExOrPerExpect::frmPlaneOfExOrPerExpect(Navigator& navigator, modHelp& help, Clipboard& clipboard)
    : QWidget(nullptr, Look::fixedWindowFlags())
    , m_ui(std::make_unique<Ui::frmPlaneOfExOrPerExpect>())
    , m_navigator(navigator)
    , m_clipboard(clipboard)
{
    m_ui->setupUi(this);
    setWindowTitle(versionTitle());
    setUpWindow(this);
    applyLook(help);

    // Read-only for the user, but still selectable with mouse and keyboard.
    m_ui->txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(m_ui->txtDisplay, &QPlainTextEdit::textChanged, this, &frmPlaneOfExOrPerExpect::txtDisplay_Change);
    connect(m_ui->txtDisplay, &ReportBox::mouseDown, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseDown);
    connect(m_ui->txtDisplay, &ReportBox::mouseMove, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseMove);
    // The box has the mouse grabbed from the press on, so every release ends a click in it.
    connect(m_ui->txtDisplay, &ReportBox::mouseUp, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseUp);
    connect(m_ui->txtDisplay, &ReportBox::mouseUp, this, &frmPlaneOfExOrPerExpect::txtDisplay_Click);

    connect(m_ui->cmdback, &QPushButton::clicked, this, &frmPlaneOfExOrPerExpect::cmdback_Click);

    m_ui->cmdback->setFocus();
}

frmPlaneOfExOrPerExpect::~frmPlaneOfExOrPerExpect() = default;

void frmPlaneOfExOrPerExpect::applyLook(modHelp& help)
{
    setFont(Look::verdana(8.25));
    Look::paint(this, Look::LightBlue, Qt::black);
    Look::paint(m_ui->txtDisplay, Look::LightBlue, Qt::white);
    setUpPromotions(help, m_ui->Label61, m_ui->lblCobrand, m_ui->lblFullBrand);
    setFixedSize(425, 341);
    fitText(this);
}

void frmPlaneOfExOrPerExpect::WriteReport(const ReportPieces& pieces)
{
    QPlainTextEdit* box = m_ui->txtDisplay;
    for (const std::string& piece : pieces)
        box->insertPlainText(QString::fromStdString(piece));
    QTextCursor caret = box->textCursor();
    caret.setPosition(0);
    box->setTextCursor(caret);
}

void frmPlaneOfExOrPerExpect::cmdback_Click()
{
    m_navigator.backToMainWindow();
}

void frmPlaneOfExOrPerExpect::Form_Unload()
{
    m_navigator.showNagScreenOnLeaving();
}

void frmPlaneOfExOrPerExpect::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

// Whatever changes the report or the mouse does over it empties the clipboard,
// so that nothing copied from the report stays there.
void frmPlaneOfExOrPerExpect::txtDisplay_Change()
{
    emptyClipboard();
}

void frmPlaneOfExOrPerExpect::txtDisplay_Click()
{
    emptyClipboard();
}

void frmPlaneOfExOrPerExpect::txtDisplay_MouseDown()
{
    emptyClipboard();
}

void frmPlaneOfExOrPerExpect::txtDisplay_MouseMove()
{
    emptyClipboard();
}

void frmPlaneOfExOrPerExpect::txtDisplay_MouseUp()
{
    emptyClipboard();
}

void frmPlaneOfExOrPerExpect::emptyClipboard()
{
    m_clipboard.clear();
}

} // namespace Tessivane
