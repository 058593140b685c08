#pragma once

// The platform services the program uses, each behind a small interface so that
// every rule built on them can be tested with a fake. QtPlatform.h has the real
// implementations.

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace Tessivane {

class MessageService
{
public:
    enum class Icon { Information, Critical };
    enum class Buttons { Ok, YesNo }; // Yes is the default of Yes/No
    enum class Answer { Ok, Yes, No };

    virtual ~MessageService() = default;
    // Modal; the box carries the program title, never a caption of its own.
    virtual Answer show(const QString& text, Icon icon, Buttons buttons) = 0;
};

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Hands the address to the default browser and returns at once; a failure is not reported.
    virtual void open(const QString& address) = 0;
};

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The value of key in the section "Settings": empty when missing, none when the store cannot be read.
    virtual std::optional<QString> read(const QString& key) = 0;
    // False when the value could not be stored.
    virtual bool write(const QString& key, const QString& value) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0; // local calendar date
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0; // uniform in [0, 1)
};

class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    // True while another copy of this executable runs for the same user and session.
    virtual bool anotherCopyRunning() = 0;
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0; // removes every format, from the selection clipboard too where there is one
};

class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    // Ends the process with this status; no window handler runs after it.
    virtual void end(int status) = 0;
};

class ContrastPreference
{
public:
    virtual ~ContrastPreference() = default;
    // True while the user asks the system for more contrast than the design's colours give.
    virtual bool moreContrast() const = 0;
    // Called with the new answer each time it changes.
    virtual void onChange(std::function<void(bool)> changed) = 0;
};

// The services handed to the modules and windows.
struct Platform
{
    MessageService& messages;
    UrlOpener& browser;
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
    InstanceGuard& instances;
    Clipboard& clipboard;
    ProcessControl& process;
    ContrastPreference& contrast;
};

} // namespace Tessivane
