#include "frmAbout.h"
#include "ui_frmAbout.h"

#include "Look.h"
#include "Site.h"
#include "TextFit.h"
#include "Titles.h"
#include "WindowSetUp.h"
#include "modHelp.h"

namespace Tessivane {

frmAbout::frmAbout(modHelp& help, QWidget* parent)
    // A dialog, so that the desktop knows it as its parent's (WM_TRANSIENT_FOR, xdg parent).
    : QDialog(parent, Look::fixedWindowFlags() | Qt::Dialog)
    , m_ui(std::make_unique<Ui::frmAbout>())
    , m_help(help)
{
    m_ui->setupUi(this);
    setModal(true);
    setWindowTitle(versionTitle());
    m_ui->Label2->setText(versionTitle());
    setUpWindow(this);
    m_ui->Picture1->setPixmap(Look::programPicture(this));
    m_ui->lblHomePage->setText(QStringLiteral("Visit us at ") + siteHost());
    applyLook();

    // Esc rejects a dialog; OK is this window's cancel button too, and both only close it.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(m_ui->lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);

    m_ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::applyLook()
{
    setFont(Look::verdana(8.25));
    Look::paint(this, Look::LightBlue, Qt::white);
    m_ui->Label2->setFont(Look::verdana(9.75, true));
    m_ui->Label3->setFont(Look::verdana(8.25, true));
    for (QLabel* link : {m_ui->lblHomePage, m_ui->lblCobrand})
        link->setFont(Look::verdana(8.25, false, true));
    shrinkToWidth(m_ui->lblHomePage, width() - m_ui->lblHomePage->x() - 8);

    Look::paint(m_ui->Line1, Qt::white, Qt::white);

    Look::paint(m_ui->cmdOK, Look::LightBlue, Look::ButtonText);
    setFixedSize(455, 244);
    fitText(this);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    m_help.OpenPage(Page::HomePage);
}

// Despite its name, this link is about the fully branded edition.
void frmAbout::lblCobrand_Click()
{
    m_help.OpenPage(Page::FullyBranded);
}

} // namespace Tessivane
