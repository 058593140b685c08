#include "QtPlatform.h"

#include "BuildConfig.h"
#include "Site.h"
#include "Titles.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace Tessivane {

namespace {

const QString settingsSection = QStringLiteral("Settings");

// QLabel shows a lone carriage return as nothing; the text itself keeps it.
QString displayedText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Which desktop session this copy belongs to, as a file-name-safe word.
QString sessionName()
{
#ifdef Q_OS_WIN
    DWORD session = 0;
    if (ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return QStringLiteral("session%1").arg(session);
    return QStringLiteral("default");
#else
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty())
        session = qEnvironmentVariable("DISPLAY");
    if (session.isEmpty())
        session = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (session.isEmpty())
        session = QStringLiteral("default");
    for (QChar& ch : session) {
        if (!ch.isLetterOrNumber() && ch != QLatin1Char('-'))
            ch = QLatin1Char('_');
    }
    return session;
#endif
}

#ifndef Q_OS_WIN
// Where the lock of a running copy lives: a folder of the user's own.
QString lockFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}
#endif

// The settings store of an executable: ~/.config/<name>.conf on Linux, and
// HKEY_CURRENT_USER\Software\<maker>\<name> on Windows, where programs keep
// theirs under their maker.
std::unique_ptr<QSettings> openStore(const QString& applicationName)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral(TESSIVANE_MAKER),
                                       applicationName);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, applicationName);
#endif
}

} // namespace

QString executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

MessageService::Answer QtMessageService::show(const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(programTitle());
    box.setTextFormat(Qt::PlainText);
    box.setText(displayedText(text));
    box.setIcon(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setWindowModality(Qt::ApplicationModal);
    // Seen even over the closing window, which stays on top, also when asked
    // by a second copy of the program.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

void QtUrlOpener::open(const QString& address)
{
    if (const auto url = exactUrl(address))
        QDesktopServices::openUrl(*url);
}

QtSettingsStore::QtSettingsStore(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

std::optional<QString> QtSettingsStore::read(const QString& key)
{
    const auto settings = openStore(m_applicationName);
    if (settings->status() != QSettings::NoError)
        return std::nullopt;
    settings->beginGroup(settingsSection);
    const QVariant value = settings->value(key);
    if (value.isValid() && !value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

bool QtSettingsStore::write(const QString& key, const QString& value)
{
    const auto settings = openStore(m_applicationName);
    if (settings->status() != QSettings::NoError)
        return false;
    settings->beginGroup(settingsSection);
    settings->setValue(key, value);
    settings->endGroup();
    // The write only reaches the disk, and only then fails, at sync().
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QDate QtClock::today() const
{
    return QDate::currentDate();
}

void QtRandomSource::seedFromClock()
{
    const auto now = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    m_generator.seed(static_cast<quint32>(now ^ (now >> 32)));
}

double QtRandomSource::next()
{
    return m_generator.generateDouble();
}

QtInstanceGuard::QtInstanceGuard(QString name)
    : m_name(std::move(name) + QLatin1Char('-') + sessionName())
{ }

QtInstanceGuard::~QtInstanceGuard()
{
#ifdef Q_OS_WIN
    if (m_mutex)
        CloseHandle(m_mutex);
#else
    if (m_file >= 0)
        ::close(m_file);
#endif
}

// Only a lock held by a live copy means "running": a lock that cannot be made
// at all (an unwritable folder, a name another user holds) must not keep the
// user out of the program.
bool QtInstanceGuard::anotherCopyRunning()
{
    if (m_answer)
        return *m_answer;
#ifdef Q_OS_WIN
    // Named in this desktop session's own namespace.
    const std::wstring name = (QStringLiteral("Local\\") + m_name).toStdWString();
    m_mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    m_answer = m_mutex && GetLastError() == ERROR_ALREADY_EXISTS;
#else
    const QByteArray path = QFile::encodeName(lockFolder() + QLatin1Char('/') + m_name + QLatin1String(".lock"));
    // Close-on-exec: a browser started from the program must not inherit the lock and outlive it.
    m_file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    m_answer = m_file >= 0 && ::flock(m_file, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
#endif
    return *m_answer;
}

void QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    // On X11 text selected with the mouse is also the middle-click paste.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void QtProcessControl::end(int status)
{
    if (m_status)
        return;
    m_status = status;
    QCoreApplication::exit(status);
}

QtPlatform::QtPlatform() = default;

Platform QtPlatform::platform()
{
    return Platform {m_messages,  m_browser,   m_settings, m_clock,   m_random,
                     m_instances, m_clipboard, m_process,  m_contrast};
}

} // namespace Tessivane
