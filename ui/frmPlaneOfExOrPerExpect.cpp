#include "frmPlaneOfExOrPerExpect.h"
#include "ui_frmPlaneOfExOrPerExpect.h"

#include "LinkLabel.h"
#include "Look.h"
#include "Program.h"
#include "Promotions.h"
#include "ReportBox.h"
#include "WindowSetUp.h"
#include "modHelp.h"

#include <QCloseEvent>

namespace Tessivane {

frmPlaneOfExOrPerExpect::frmPlaneOfExOrPerExpect(Program& program)
    : QWidget(nullptr, Look::FixedWindowFlags())
    , m_ui(std::make_unique<Ui::frmPlaneOfExOrPerExpect>())
    , m_program(program)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    SetUpWindow(this);
    applyLook();

    // Read-only for the user, but still selectable with mouse and keyboard.
    m_ui->txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(m_ui->txtDisplay, &QPlainTextEdit::textChanged, this, &frmPlaneOfExOrPerExpect::txtDisplay_Change);
    connect(m_ui->txtDisplay, &ReportBox::mouseDown, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseDown);
    connect(m_ui->txtDisplay, &ReportBox::mouseMove, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseMove);
    // The box has the mouse grabbed from the press on, so every release ends a click in it.
    connect(m_ui->txtDisplay, &ReportBox::mouseUp, this, &frmPlaneOfExOrPerExpect::txtDisplay_MouseUp);
    connect(m_ui->txtDisplay, &ReportBox::mouseUp, this, &frmPlaneOfExOrPerExpect::txtDisplay_Click);

    connect(m_ui->cmdback, &QPushButton::clicked, this, &frmPlaneOfExOrPerExpect::cmdback_Click);
    connect(m_ui->Label61, &LinkLabel::clicked, this, &frmPlaneOfExOrPerExpect::Label61_Click);
    connect(m_ui->lblCobrand, &LinkLabel::clicked, this, &frmPlaneOfExOrPerExpect::lblCobrand_Click);
    connect(m_ui->lblFullBrand, &LinkLabel::clicked, this, &frmPlaneOfExOrPerExpect::lblFullBrand_Click);

    m_ui->cmdback->setFocus();
}

frmPlaneOfExOrPerExpect::~frmPlaneOfExOrPerExpect() = default;

void frmPlaneOfExOrPerExpect::applyLook()
{
    setFont(Look::Verdana(8.25));
    Look::Paint(this, Look::LightBlue, Qt::black);
    Look::Paint(m_ui->txtDisplay, Look::LightBlue, Qt::white);
    StylePromotions(m_ui->Label61, m_ui->lblCobrand, m_ui->lblFullBrand);
    for (QPushButton* button : {m_ui->cmdback, m_ui->cmdprint})
        Look::PaintNative(button);
    setFixedSize(425, 341);
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
    close();
    m_program.ShowMainWindow();
    m_program.HideNagScreen();
}

void frmPlaneOfExOrPerExpect::Form_Unload()
{
    m_program.ShowNagScreenOnLeaving();
}

void frmPlaneOfExOrPerExpect::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmPlaneOfExOrPerExpect::Label61_Click()
{
    m_program.help().OpenPage(Page::HomePage);
}

void frmPlaneOfExOrPerExpect::lblCobrand_Click()
{
    m_program.help().OpenPage(Page::CoBrand);
}

void frmPlaneOfExOrPerExpect::lblFullBrand_Click()
{
    m_program.help().OpenPage(Page::FullyBranded);
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
    m_program.platform().clipboard.clear();
}

} // namespace Tessivane
