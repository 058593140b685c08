#include "frmMain.h"
#include "ui_frmMain.h"

#include "KeyPress.h"
#include "Look.h"
#include "Navigator.h"
#include "Promotions.h"
#include "Reading.h"
#include "Report.h"
#include "TextFit.h"
#include "Titles.h"
#include "Validation.h"
#include "WindowSetUp.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QLayout>
#include <QStyle>

#include <limits>
#include <utility>

namespace Tessivane {

namespace {

const char* const monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
constexpr int firstYear = 1900;
constexpr int lastYear = 2050;

std::u16string text(const QString& value)
{
    return value.toStdU16String();
}

char16_t UpperCaseTyped(char16_t keyAscii)
{
    return keyAscii >= u'a' && keyAscii <= u'z' ? static_cast<char16_t>(keyAscii - 32) : keyAscii;
}

} // namespace

frmMain::frmMain(Navigator& navigator, modHelp& help, MessageService& messages)
    : QMainWindow(nullptr, Look::fixedWindowFlags())
    , m_ui(std::make_unique<Ui::frmMain>())
    , m_navigator(navigator)
    , m_help(help)
    , m_messages(messages)
{
    // The font first, so that the controls are made with it instead of each
    // being told of a change afterwards.
    setFont(Look::verdana(8.25));
    m_ui->setupUi(this);
    setWindowTitle(versionTitle());
    setUpWindow(this);
    applyLook();

    m_nameBoxes = {{{m_ui->txtFirstName, &frmMain::txtFirstName_KeyPress},
                    {m_ui->txtMiddleName, &frmMain::txtMiddleName_KeyPress},
                    {m_ui->txtLastName, &frmMain::txtLastName_KeyPress}}};
    for (const auto& [box, handler] : m_nameBoxes) {
        box->setMaxLength(std::numeric_limits<int>::max()); // QLineEdit's 32,767 would cut a pasted name
        box->installEventFilter(this);
    }

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(m_ui->mnuNext, &QAction::triggered, this, &frmMain::mnuNext_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(m_ui->mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(m_ui->mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(m_ui->mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(m_ui->mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(m_ui->mkmoney, &QAction::triggered, this, &frmMain::mkmoney_Click);

    m_ui->txtFirstName->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::applyLook()
{
    // The design's colours below the menu bar, which stays the desktop's. A
    // native style (Windows') draws a box's face and a frame's title in its own
    // colours unless they have colours of their own.
    Look::paint(m_ui->centralWidget, Look::LightBlue, Qt::white);
    setUpPromotions(m_help, m_ui->Label61, m_ui->lblCobrand, m_ui->lblFullBrand);
    for (QWidget* box : std::initializer_list<QWidget*> {m_ui->txtFirstName, m_ui->txtMiddleName, m_ui->txtLastName,
                                                         m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear})
        Look::paint(box, Look::LightBlue, Qt::white);
    for (QGroupBox* frame : {m_ui->fraName, m_ui->fraBirthDay})
        Look::paintText(frame, Qt::white);
    // A fixed client area of 427 x 230 pixels below the menu bar.
    m_ui->centralWidget->setFixedSize(427, 230);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    fitText(this);
}

void frmMain::Form_Load()
{
    m_help.OfferUpdateCheck();
    fillDateLists();
}

void frmMain::fillDateLists()
{
    for (int day = 1; day <= 31; ++day)
        m_ui->cboDate->addItem(QString::number(day));
    for (const char* month : monthNames)
        m_ui->cboMonth->addItem(QString::fromLatin1(month));
    for (int year = firstYear; year <= lastYear; ++year)
        m_ui->cboYear->addItem(QString::number(year));
    for (QComboBox* list : {m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear}) {
        list->setCurrentIndex(0);
        fitText(list);
    }
}

void frmMain::bringToFront(PromotionLabel label)
{
    if (label == PromotionLabel::CoBrand)
        Tessivane::bringToFront(m_ui->lblCobrand, m_ui->lblFullBrand);
    else
        Tessivane::bringToFront(m_ui->lblFullBrand, m_ui->lblCobrand);
}

void frmMain::refuse(const Verdict& verdict)
{
    m_messages.show(QString::fromStdString(verdict.Message.value_or(std::string())), MessageService::Icon::Information,
                    MessageService::Buttons::Ok);
    if (verdict.FocusTarget) {
        QWidget* const targets[]
            = {m_ui->txtFirstName, m_ui->txtLastName, m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear};
        targets[static_cast<int>(*verdict.FocusTarget)]->setFocus();
    }
}

void frmMain::cmdNext_Click()
{
    Entries entries;
    entries.FirstName = text(m_ui->txtFirstName->text());
    entries.MiddleName = text(m_ui->txtMiddleName->text());
    entries.LastName = text(m_ui->txtLastName->text());
    entries.DayText = text(m_ui->cboDate->currentText());
    entries.MonthText = text(m_ui->cboMonth->currentText());
    entries.YearText = text(m_ui->cboYear->currentText());
    entries.DayIndex = m_ui->cboDate->currentIndex();
    entries.MonthIndex = m_ui->cboMonth->currentIndex();

    const Verdict verdict = ValidateEntries(entries);
    if (!verdict.Accepted)
        return refuse(verdict);
    hide();
    m_navigator.showReading(ComposeReport(ComputeReading(entries.FirstName, entries.MiddleName, entries.LastName)));
}

void frmMain::cmdExit_Click()
{
    m_navigator.showNagScreen();
    close();
}

void frmMain::mnuNext_Click()
{
    cmdNext_Click();
}

void frmMain::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMain::mnuOnline_Click()
{
    m_help.OpenPage(Page::HelpWebPage);
}

void frmMain::mnuVisit_Click()
{
    m_help.OpenPage(Page::HomePage);
}

void frmMain::mnuUpdate_Click()
{
    m_help.OpenPage(Page::DownloadWebPage);
}

void frmMain::mnuAbout_Click()
{
    m_navigator.showAbout(this);
}

void frmMain::mnuDonate_Click()
{
    m_help.OpenPage(Page::Donate);
}

void frmMain::mkmoney_Click()
{
    m_help.OpenPage(Page::FullyBranded);
}

// Typed a..z become capitals; other keys pass unchanged. Pasted text never comes through here.
void frmMain::txtFirstName_KeyPress(char16_t& keyAscii)
{
    keyAscii = UpperCaseTyped(keyAscii);
}

void frmMain::txtMiddleName_KeyPress(char16_t& keyAscii)
{
    keyAscii = UpperCaseTyped(keyAscii);
}

void frmMain::txtLastName_KeyPress(char16_t& keyAscii)
{
    keyAscii = UpperCaseTyped(keyAscii);
}

void frmMain::Form_Unload()
{
    m_navigator.showNagScreenOnLeaving();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        for (const auto& [box, handler] : m_nameBoxes) {
            if (watched == box && runKeyPress(box, event, [this, handler](char16_t& key) { (this->*handler)(key); }))
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace Tessivane
