#include "Contrast.h"

#include <QGuiApplication>
#include <QStyleHints>

#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#elif defined(Q_OS_WIN)
#include <QAbstractNativeEventFilter>
#include <qt_windows.h>
#elif defined(TESSIVANE_SETTINGS_PORTAL)
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

namespace Tessivane {

bool wantsMoreContrast(const ContrastAnswers& answers)
{
    for (const std::optional<bool>& said : {answers.asked, answers.qtHighContrast, answers.windowsHighContrast}) {
        if (said)
            return *said;
    }
    // 1 is "higher contrast"; 0 and values the portal may add later mean no preference.
    if (answers.portalContrast)
        return *answers.portalContrast == 1;
    return answers.gnomeHighContrast.value_or(false);
}

std::optional<bool> askedContrast(const QString& value)
{
    if (value == QLatin1String("high"))
        return true;
    if (value == QLatin1String("normal"))
        return false;
    return std::nullopt;
}

namespace {

QVariant unwrapped(QVariant value)
{
#ifdef TESSIVANE_SETTINGS_PORTAL
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
#endif
    return value;
}

} // namespace

std::optional<uint> portalNumber(const QVariant& value)
{
    const QVariant plain = unwrapped(value);
    if (plain.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    return plain.toUInt();
}

std::optional<bool> portalSwitch(const QVariant& value)
{
    const QVariant plain = unwrapped(value);
    if (plain.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return plain.toBool();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)

// Qt reads every platform's setting itself, and says when it changes.
class QtContrastPreference::Listener
{
public:
    explicit Listener(QtContrastPreference& preference)
    {
        const QAccessibilityHints* hints = QGuiApplication::styleHints()->accessibility();
        const auto take = [&preference](Qt::ContrastPreference contrast) {
            preference.heard([contrast](ContrastAnswers& answers) {
                answers.qtHighContrast = contrast == Qt::ContrastPreference::HighContrast;
            });
        };
        take(hints->contrastPreference());
        m_connection = QObject::connect(hints, &QAccessibilityHints::contrastPreferenceChanged, take);
    }
    ~Listener() { QObject::disconnect(m_connection); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    QMetaObject::Connection m_connection;
};

#elif defined(Q_OS_WIN)

// Windows tells every top-level window when high contrast is switched, and
// when a contrast theme changes the system's colours.
class QtContrastPreference::Listener final : public QAbstractNativeEventFilter
{
public:
    explicit Listener(QtContrastPreference& preference)
        : m_preference(preference)
    {
        read();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Listener() override
    {
        if (QCoreApplication* application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_SYSCOLORCHANGE
            || (msg->message == WM_SETTINGCHANGE && msg->wParam == SPI_SETHIGHCONTRAST))
            read();
        return false;
    }

private:
    void read()
    {
        HIGHCONTRASTW contrast {};
        contrast.cbSize = sizeof contrast;
        const bool known = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
        m_preference.heard([&](ContrastAnswers& answers) {
            answers.windowsHighContrast
                = known ? std::optional<bool>((contrast.dwFlags & HCF_HIGHCONTRASTON) != 0) : std::nullopt;
        });
    }

    QtContrastPreference& m_preference;
};

#elif defined(TESSIVANE_SETTINGS_PORTAL)

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalSettings = QStringLiteral("org.freedesktop.portal.Settings");

struct PortalKey
{
    QLatin1String group;
    QLatin1String key;
    void (*take)(ContrastAnswers&, const QVariant&);
};

const PortalKey portalKeys[] = {
    {QLatin1String("org.freedesktop.appearance"), QLatin1String("contrast"),
     [](ContrastAnswers& answers, const QVariant& value) { answers.portalContrast = portalNumber(value); }},
    {QLatin1String("org.gnome.desktop.a11y.interface"), QLatin1String("high-contrast"),
     [](ContrastAnswers& answers, const QVariant& value) { answers.gnomeHighContrast = portalSwitch(value); }},
};

} // namespace

// The desktop's settings portal: asked once without waiting, then listened to.
class PortalListener : public QObject
{
    Q_OBJECT

public:
    explicit PortalListener(QtContrastPreference& preference)
        : m_preference(preference)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        // QtDBus connects signals by signature only.
        bus.connect(portalService, portalPath, portalSettings, QStringLiteral("SettingChanged"), this,
                    SLOT(settingChanged(QDBusMessage)));
        for (const PortalKey& key : portalKeys) {
            // Read, which both versions of the portal have; ReadOne came with the second.
            QDBusMessage read
                = QDBusMessage::createMethodCall(portalService, portalPath, portalSettings, QStringLiteral("Read"));
            read << QString(key.group) << QString(key.key);
            auto* reply = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
            connect(reply, &QDBusPendingCallWatcher::finished, this, [this, &key](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QDBusVariant> value = *call;
                // A key the backend does not serve answers with an error: it stays unknown.
                if (!value.isError())
                    take(key, value.value().variant());
                call->deleteLater();
            });
        }
    }

    // Public, and taking the message whole: how QtDBus finds a slot for a signal.
public slots:
    void settingChanged(const QDBusMessage& change)
    {
        const QList<QVariant> arguments = change.arguments();
        if (arguments.size() != 3)
            return;
        for (const PortalKey& known : portalKeys) {
            if (arguments[0].toString() == known.group && arguments[1].toString() == known.key)
                take(known, arguments[2]);
        }
    }

private:
    void take(const PortalKey& key, const QVariant& value)
    {
        m_preference.heard([&](ContrastAnswers& answers) { key.take(answers, value); });
    }

    QtContrastPreference& m_preference;
};

// moc reads no nested class.
class QtContrastPreference::Listener final : public PortalListener
{
    using PortalListener::PortalListener;
};

#else

// No platform to ask: only the user's word counts.
class QtContrastPreference::Listener
{
public:
    explicit Listener(QtContrastPreference&) { }
};

#endif

QtContrastPreference::QtContrastPreference()
{
    m_answers.asked = askedContrast(qEnvironmentVariable("TESSIVANE_CONTRAST"));
    m_more = wantsMoreContrast(m_answers);
    // The user's word stands whatever the system says.
    if (!m_answers.asked)
        m_listener = std::make_unique<Listener>(*this);
}

QtContrastPreference::~QtContrastPreference() = default;

bool QtContrastPreference::moreContrast() const
{
    return m_more;
}

void QtContrastPreference::onChange(std::function<void(bool)> changed)
{
    m_changed = std::move(changed);
}

void QtContrastPreference::heard(const std::function<void(ContrastAnswers&)>& said)
{
    said(m_answers);
    const bool more = wantsMoreContrast(m_answers);
    if (more == m_more)
        return;
    m_more = more;
    if (m_changed)
        m_changed(more);
}

} // namespace Tessivane

#ifdef TESSIVANE_SETTINGS_PORTAL
#include "Contrast.moc"
#endif
