#include "frmNagScreen2.h"
#include "ui_frmNagScreen2.h"

#include "KeyPress.h"
#include "Look.h"
#include "Program.h"
#include "Site.h"
#include "WindowSetUp.h"
#include "modHelp.h"

#include <QCloseEvent>

#include <algorithm>

namespace Tessivane {

namespace {

const QString title = QStringLiteral("Tessivane v1.45");

constexpr ReferralBox referralBoxes[]
    = {ReferralBox::Name, ReferralBox::Email, ReferralBox::Message, ReferralBox::FriendName, ReferralBox::FriendEmail};

const char* const labelText
    = "If you have enjoyed this software you will surely be interested in our other Quennic Softwares. From a single "
      "software, we have now grown to become the world\u2019s largest resource of quennic softwares. Be it astrology, "
      "psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice "
      "depending on their interests.";
const char* const labelTextEnd
    = "All the programs in the Quennic Softwares suite are simple and easy to use. They are not only fun to use but "
      "also very informative. Try them out today and share your experience with your friends and family. ";
constexpr int labelGap = 61; // blanks that, wrapped, start the rest on a new line

// Focus that comes and goes with the window's activation is no change of box.
bool movesFocus(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmNagScreen2::frmNagScreen2(Program& program)
    : QWidget(nullptr, Look::FixedWindowFlags() | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::frmNagScreen2>())
    , m_program(program)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    SetUpWindow(this);
    // Must be set before the first show: the closing window never takes the focus from the user.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_ui->Check1->setText(QStringLiteral("Click Here To Visit ") + SiteHost() + QStringLiteral(" Now"));
    m_ui->Label2->setText(Appeal(1));
    m_ui->Label3->setText(QString::fromUtf8(labelText) + QString(labelGap, u' ') + QString::fromUtf8(labelTextEnd));
    for (const ReferralBox which : referralBoxes) {
        setBoxText(which, InitialText(which));
        box(which)->installEventFilter(this);
    }
    applyLook();

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(m_ui->Check1, &QPushButton::clicked, this, &frmNagScreen2::Check1_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);

    m_ui->cmdClose->setFocus();
}

frmNagScreen2::~frmNagScreen2() = default;

QString frmNagScreen2::Appeal(int n)
{
    const QString site = SiteHost();
    switch (n) {
    case 0:
        return QStringLiteral("Our software can be created and maintained only with your support. The best support "
                              "you can give is to visit %1 regularly and take part in its discussions and other "
                              "activities.")
            .arg(site);
    case 1:
        return QStringLiteral("Please visit %1 regularly and support it by taking part in its discussions and other "
                              "activities. Without your visits this software cannot be supported and maintained.")
            .arg(site);
    case 2:
        return QStringLiteral("%1 is a free online discussion forum on numerology. Visit it regularly to help us "
                              "develop and maintain this software.")
            .arg(site);
    default:
        return QStringLiteral("%1 needs your help! Visit it regularly and take part in its discussions and "
                              "activities to help us maintain this software and develop more like it.")
            .arg(site);
    }
}

void frmNagScreen2::applyLook()
{
    setFont(Look::MsSansSerif(8.25));
    Look::Paint(this, Qt::white, Qt::black);

    QFont check = Look::Verdana(14.25);
    m_ui->Check1->setFont(check);
    m_ui->Check1->setCursor(Qt::PointingHandCursor);
    Look::PaintNative(m_ui->Check1);
    QPalette checkPalette = m_ui->Check1->palette();
    checkPalette.setColor(QPalette::ButtonText, QColor(0, 0, 192));
    m_ui->Check1->setPalette(checkPalette);
    Look::ShrinkToFit(m_ui->Check1);
    Look::PaintNative(m_ui->cmdClose);

    m_ui->lblNagScreen2Caption->setFont(Look::MsSansSerif(18));
    m_ui->Label2->setFont(Look::Verdana(9.75, true));
    Look::ShrinkToFit(m_ui->Label2);

    for (QGroupBox* frame : {m_ui->Frame2, m_ui->Frame6}) {
        Look::Paint(frame, Look::Navy, Qt::white);
        frame->setFont(Look::Verdana(9.75, true));
    }
    for (const ReferralBox which : referralBoxes) {
        box(which)->setFont(font());
        Look::PaintNative(box(which));
    }
    m_ui->cmdSubmit->setFont(Look::Verdana(8.25, true));
    Look::PaintNative(m_ui->cmdSubmit);

    m_ui->Label3->setFont(Look::Verdana(9));
    Look::PaintText(m_ui->Label3, Qt::white);
    Look::ShrinkToFit(m_ui->Label3);
    m_ui->lblGoToHome->setFont(Look::Verdana(9, true, true));
    Look::PaintText(m_ui->lblGoToHome, Qt::yellow);
    Look::ShrinkToWidth(m_ui->lblGoToHome, m_ui->Frame6->width() - m_ui->lblGoToHome->x() - 2);

    setFixedSize(741, 315);
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(title);
    m_ui->lblNagScreen2Caption->setText(title);
    m_ui->lblNagScreen2Caption->adjustSize();
    m_ui->picNagscreen2Icon->setPixmap(Look::ProgramIcon().pixmap(32, 32));

    RandomSource& random = m_program.platform().random;
    random.seedFromClock();
    const int n = std::clamp(static_cast<int>(4 * random.next()), 0, 3);
    m_ui->Label2->setText(Appeal(n));
    Look::ShrinkToFit(m_ui->Label2);

    show();
}

void frmNagScreen2::Check1_Click(bool checked)
{
    if (!checked)
        return;
    m_ui->Check1->setChecked(false);
    m_program.help().OpenPage(Page::HomePage);
}

void frmNagScreen2::lblGoToHome_Click()
{
    m_program.help().OpenPage(Page::QuennicSoftwares);
}

void frmNagScreen2::cmdSubmit_Click()
{
    m_program.referral().SubmitReferral(
        ReferralEntries {boxText(ReferralBox::Name), boxText(ReferralBox::Email), boxText(ReferralBox::Message),
                         boxText(ReferralBox::FriendName), boxText(ReferralBox::FriendEmail)});
}

void frmNagScreen2::cmdClose_Click()
{
    m_program.help().ShutDownProgram();
}

void frmNagScreen2::Form_Unload()
{
    m_program.help().ShutDownProgram();
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmNagScreen2::clearPlaceholder(ReferralBox which)
{
    const QString text = TextOnFocusIn(which, boxText(which));
    if (text != boxText(which))
        setBoxText(which, text);
}

void frmNagScreen2::restorePlaceholder(ReferralBox which)
{
    const QString text = TextOnFocusOut(which, boxText(which));
    if (text != boxText(which))
        setBoxText(which, text);
}

void frmNagScreen2::refuseBlank(ReferralBox which, char16_t& keyAscii)
{
    if (keyAscii != u' ')
        return;
    keyAscii = 0;
    m_program.platform().messages.show(BlankInAddressMessage, MessageService::Icon::Critical,
                                       MessageService::Buttons::Ok);
    box(which)->setFocus();
}

QWidget* frmNagScreen2::box(ReferralBox which) const
{
    switch (which) {
    case ReferralBox::Name:
        return m_ui->txtName;
    case ReferralBox::Email:
        return m_ui->txtEmail;
    case ReferralBox::Message:
        return m_ui->txtMessage;
    case ReferralBox::FriendName:
        return m_ui->txtFriendName;
    case ReferralBox::FriendEmail:
        return m_ui->txtFriendEmail;
    }
    return nullptr;
}

// The message box shows line breaks; its text has them as CR LF, as the request sends them.
QString frmNagScreen2::boxText(ReferralBox which) const
{
    if (which == ReferralBox::Message)
        return m_ui->txtMessage->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return static_cast<QLineEdit*>(box(which))->text();
}

void frmNagScreen2::setBoxText(ReferralBox which, const QString& text)
{
    if (which == ReferralBox::Message)
        m_ui->txtMessage->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    else
        static_cast<QLineEdit*>(box(which))->setText(text);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    using Handler = void (frmNagScreen2::*)();
    using KeyHandler = void (frmNagScreen2::*)(char16_t&);
    struct BoxHandlers
    {
        QWidget* box;
        Handler gotFocus;
        Handler lostFocus;
        KeyHandler keyPress;
    };
    const BoxHandlers handlers[] = {
        {m_ui->txtName, &frmNagScreen2::txtName_GotFocus, &frmNagScreen2::txtName_LostFocus, nullptr},
        {m_ui->txtEmail, &frmNagScreen2::txtEmail_GotFocus, &frmNagScreen2::txtEmail_LostFocus,
         &frmNagScreen2::txtEmail_KeyPress},
        {m_ui->txtMessage, &frmNagScreen2::txtMessage_GotFocus, &frmNagScreen2::txtMessage_LostFocus, nullptr},
        {m_ui->txtFriendName, &frmNagScreen2::txtFriendName_GotFocus, &frmNagScreen2::txtFriendName_LostFocus, nullptr},
        {m_ui->txtFriendEmail, &frmNagScreen2::txtFriendEmail_GotFocus, &frmNagScreen2::txtFriendEmail_LostFocus,
         &frmNagScreen2::txtFriendEmail_KeyPress},
    };
    for (const BoxHandlers& handler : handlers) {
        if (watched != handler.box)
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            if (movesFocus(event))
                (this->*handler.gotFocus)();
            break;
        case QEvent::FocusOut:
            if (movesFocus(event))
                (this->*handler.lostFocus)();
            break;
        case QEvent::KeyPress:
            if (handler.keyPress
                && RunKeyPress(watched, event, [this, &handler](char16_t& key) { (this->*handler.keyPress)(key); }))
                return true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Tessivane
