#include "frmNagScreen2.h"
#include "ui_frmNagScreen2.h"

#include "KeyPress.h"
#include "Look.h"
#include "Site.h"
#include "TextFit.h"
#include "Titles.h"
#include "WindowSetUp.h"
#include "modHelp.h"

#include <QCloseEvent>

#include <algorithm>

namespace Tessivane {

namespace {

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

frmNagScreen2::frmNagScreen2(modHelp& help, modTellAFriend& referral, MessageService& messages, RandomSource& random)
    : QWidget(nullptr, Look::fixedWindowFlags() | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::frmNagScreen2>())
    , m_help(help)
    , m_referral(referral)
    , m_messages(messages)
    , m_random(random)
{
    m_ui->setupUi(this);
    m_boxes = {m_ui->txtName, m_ui->txtEmail, m_ui->txtMessage, m_ui->txtFriendName, m_ui->txtFriendEmail};
    setUpWindow(this);
    // Must be set before the first show: the closing window never takes the focus from the user.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_ui->Check1->setText(QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now"));
    m_ui->Label2->setText(appeal(1));
    m_ui->Label3->setText(QString::fromUtf8(labelText) + QString(labelGap, u' ') + QString::fromUtf8(labelTextEnd));
    for (const ReferralBox& box : ReferralBoxes) {
        setBoxText(box, QString::fromLatin1(box.initialText));
        control(box)->installEventFilter(this);
    }
    applyLook();

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(m_ui->Check1, &QPushButton::clicked, this, &frmNagScreen2::Check1_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);

    m_ui->cmdClose->setFocus();
}

frmNagScreen2::~frmNagScreen2() = default;

QString frmNagScreen2::appeal(int n)
{
    const QString site = siteHost();
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
    setFont(Look::msSansSerif(8.25));
    Look::paint(this, Qt::white, Qt::black);

    QFont check = Look::verdana(14.25);
    m_ui->Check1->setFont(check);
    m_ui->Check1->setCursor(Qt::PointingHandCursor);
    Look::paint(m_ui->Check1, Look::ButtonFace, QColor(0, 0, 192));

    m_ui->lblNagScreen2Caption->setFont(Look::msSansSerif(18));
    m_ui->Label2->setFont(Look::verdana(9.75, true));

    for (QGroupBox* frame : {m_ui->Frame2, m_ui->Frame6}) {
        Look::paint(frame, Look::Navy, Qt::white);
        frame->setFont(Look::verdana(9.75, true));
    }
    for (const ReferralBox& box : ReferralBoxes)
        control(box)->setFont(font());
    m_ui->cmdSubmit->setFont(Look::verdana(8.25, true));

    m_ui->Label3->setFont(Look::verdana(9));
    Look::paintText(m_ui->Label3, Qt::white);
    m_ui->lblGoToHome->setFont(Look::verdana(9, true, true));
    Look::paintText(m_ui->lblGoToHome, Qt::yellow);
    shrinkToWidth(m_ui->lblGoToHome, m_ui->Frame6->width() - m_ui->lblGoToHome->x() - 2);

    setFixedSize(741, 315);
    fitText(this);
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(closingWindowTitle());
    m_ui->lblNagScreen2Caption->setText(closingWindowTitle());
    m_ui->lblNagScreen2Caption->adjustSize();
    m_ui->picNagscreen2Icon->setPixmap(Look::programPicture(this));

    m_random.seedFromClock();
    const int n = std::clamp(static_cast<int>(4 * m_random.next()), 0, 3);
    m_ui->Label2->setText(appeal(n));
    fitText(m_ui->Label2);

    show();
}

void frmNagScreen2::Check1_Click(bool checked)
{
    if (!checked)
        return;
    m_ui->Check1->setChecked(false);
    m_help.OpenPage(Page::HomePage);
}

void frmNagScreen2::lblGoToHome_Click()
{
    m_help.OpenPage(Page::QuennicSoftwares);
}

void frmNagScreen2::cmdSubmit_Click()
{
    QStringList texts;
    for (const ReferralBox& box : ReferralBoxes)
        texts << boxText(box);
    m_referral.submitReferral(texts);
}

void frmNagScreen2::cmdClose_Click()
{
    m_help.ShutDownProgram();
}

void frmNagScreen2::Form_Unload()
{
    m_help.ShutDownProgram();
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmNagScreen2::txtBox_GotFocus(const ReferralBox& box)
{
    const QString text = textOnFocusIn(box, boxText(box));
    if (text != boxText(box))
        setBoxText(box, text);
}

void frmNagScreen2::txtBox_LostFocus(const ReferralBox& box)
{
    const QString text = textOnFocusOut(box, boxText(box));
    if (text != boxText(box))
        setBoxText(box, text);
}

void frmNagScreen2::txtBox_KeyPress(const ReferralBox& box, char16_t& keyAscii)
{
    if (!box.refusesBlanks || keyAscii != u' ')
        return;
    keyAscii = 0;
    m_messages.show(BlankInAddressMessage, MessageService::Icon::Critical, MessageService::Buttons::Ok);
    control(box)->setFocus();
}

QWidget* frmNagScreen2::control(const ReferralBox& box) const
{
    return m_boxes[static_cast<std::size_t>(&box - ReferralBoxes)];
}

// The message box shows line breaks; its text has them as CR LF, as the request sends them.
QString frmNagScreen2::boxText(const ReferralBox& box) const
{
    if (const auto* lines = qobject_cast<QPlainTextEdit*>(control(box)))
        return lines->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return static_cast<QLineEdit*>(control(box))->text();
}

void frmNagScreen2::setBoxText(const ReferralBox& box, const QString& text)
{
    if (auto* lines = qobject_cast<QPlainTextEdit*>(control(box)))
        lines->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    else
        static_cast<QLineEdit*>(control(box))->setText(text);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    for (const ReferralBox& box : ReferralBoxes) {
        if (watched != control(box))
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            // Qt tells screen readers of the focus only after this event; a box
            // that changed before they knew of it would be taken for a silent
            // move and not announced. So the box is emptied once it has the focus.
            if (movesFocus(event)) {
                QMetaObject::invokeMethod(
                    this,
                    [this, &box] {
                        if (control(box)->hasFocus())
                            txtBox_GotFocus(box);
                    },
                    Qt::QueuedConnection);
            }
            break;
        case QEvent::FocusOut:
            if (movesFocus(event))
                txtBox_LostFocus(box);
            break;
        case QEvent::KeyPress:
            if (runKeyPress(watched, event, [this, &box](char16_t& key) { txtBox_KeyPress(box, key); }))
                return true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Tessivane
