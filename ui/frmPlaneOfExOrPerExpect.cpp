#include "frmPlaneOfExOrPerExpect.h"
#include "ui_frmPlaneOfExOrPerExpect.h"

#include "Look.h"
#include "Program.h"
#include "Promotions.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace Tessivane {

frmPlaneOfExOrPerExpect::frmPlaneOfExOrPerExpect(Program& program)
    : QWidget(nullptr, Look::FixedWindowFlags())
    , m_ui(std::make_unique<Ui::frmPlaneOfExOrPerExpect>())
    , m_program(program)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Look::ProgramIcon());
    applyLook();

    // Read-only for the user, but still selectable with mouse and keyboard.
    m_ui->txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_ui->txtDisplay->setMouseTracking(true);
    m_ui->txtDisplay->viewport()->setMouseTracking(true);
    m_ui->txtDisplay->viewport()->installEventFilter(this);
    connect(m_ui->txtDisplay, &QPlainTextEdit::textChanged, this, &frmPlaneOfExOrPerExpect::emptyClipboard);

    connect(m_ui->cmdback, &QPushButton::clicked, this, &frmPlaneOfExOrPerExpect::cmdback_Click);

    m_ui->cmdback->setFocus();
}

frmPlaneOfExOrPerExpect::~frmPlaneOfExOrPerExpect() = default;

void frmPlaneOfExOrPerExpect::applyLook()
{
    setFont(Look::Verdana(8.25));
    Look::Paint(this, Look::LightBlue, Qt::black);
    Look::Paint(m_ui->txtDisplay, Look::LightBlue, Qt::white);
    SetUpPromotions(m_program.help(), m_ui->Label61, m_ui->lblCobrand, m_ui->lblFullBrand);
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

void frmPlaneOfExOrPerExpect::emptyClipboard()
{
    m_program.platform().clipboard.clear();
}

bool frmPlaneOfExOrPerExpect::eventFilter(QObject* watched, QEvent* event)
{
    // Mouse down, every move and mouse up (which also ends a click) over the report
    // empty the clipboard, so that nothing copied from it stays there.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        emptyClipboard();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Tessivane
