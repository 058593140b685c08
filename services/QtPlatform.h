#pragma once

#include "Contrast.h"
#include "Platform.h"

#include <QRandomGenerator>

#include <memory>

namespace Tessivane {

// The base name of the running executable: it names the settings store and the
// single-instance lock, so a renamed copy of the program keeps its own.
QString executableBaseName();

class QtMessageService final : public MessageService
{
public:
    Answer show(const QString& text, Icon icon, Buttons buttons) override;
};

class QtUrlOpener final : public UrlOpener
{
public:
    void open(const QString& address) override;
};

class QtSettingsStore final : public SettingsStore
{
public:
    explicit QtSettingsStore(QString applicationName = executableBaseName());
    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;

private:
    QString m_applicationName;
};

class QtClock final : public Clock
{
public:
    QDate today() const override;
};

class QtRandomSource final : public RandomSource
{
public:
    void seedFromClock() override;
    double next() override;

private:
    QRandomGenerator m_generator;
};

// Holds, for as long as this object lives, a lock that the operating system
// itself gives up when the process ends, however it ends: a named mutex in the
// Windows session, an flock on a file in the user's runtime folder elsewhere.
// Nothing recorded about the holder (such as its process number, which is
// reused) can keep a later copy out.
class QtInstanceGuard final : public InstanceGuard
{
public:
    explicit QtInstanceGuard(QString name = executableBaseName());
    ~QtInstanceGuard() override;
    QtInstanceGuard(const QtInstanceGuard&) = delete;
    QtInstanceGuard& operator=(const QtInstanceGuard&) = delete;
    bool anotherCopyRunning() override;

private:
    QString m_name;
#ifdef Q_OS_WIN
    Qt::HANDLE m_mutex = nullptr;
#else
    int m_file = -1;
#endif
    std::optional<bool> m_answer;
};

class QtClipboard final : public Clipboard
{
public:
    void clear() override;
};

// Leaves the event loop with the status; before the loop runs it only records
// the end, and the entry point returns the status instead of starting the loop.
class QtProcessControl final : public ProcessControl
{
public:
    void end(int status) override;
    bool hasEnded() const { return m_status.has_value(); }
    int status() const { return m_status.value_or(0); }

private:
    std::optional<int> m_status;
};

// Owns one of each real service.
class QtPlatform
{
public:
    QtPlatform();
    Platform platform();
    QtProcessControl& process() { return m_process; }

private:
    QtMessageService m_messages;
    QtUrlOpener m_browser;
    QtSettingsStore m_settings;
    QtClock m_clock;
    QtRandomSource m_random;
    QtInstanceGuard m_instances;
    QtClipboard m_clipboard;
    QtProcessControl m_process;
    QtContrastPreference m_contrast;
};

} // namespace Tessivane
