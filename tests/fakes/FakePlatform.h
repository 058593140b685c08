#pragma once

// Test doubles of the platform services: each records what it was asked and
// answers what the test preloaded.

#include "Platform.h"
#include "modHelp.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <functional>

namespace Tessivane::Testing {

class FakeMessages final : public MessageService
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer show(const QString& text, Icon icon, Buttons buttons) override
    {
        shown.push_back({text, icon, buttons});
        if (onShow)
            onShow();
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

    QStringList texts() const
    {
        QStringList list;
        for (const Shown& s : shown)
            list << s.text;
        return list;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::function<void()> onShow; // runs while the "modal" box is up
};

class FakeBrowser final : public UrlOpener
{
public:
    void open(const QString& address) override
    {
        opened << address;
        if (onOpen)
            onOpen();
    }
    QStringList opened;
    std::function<void()> onOpen; // sees the program's state at the moment a page is opened
};

class FakeSettings final : public SettingsStore
{
public:
    std::optional<QString> read(const QString& key) override
    {
        ++reads;
        if (failReads)
            return std::nullopt;
        return values.value(key);
    }
    bool write(const QString& key, const QString& value) override
    {
        ++writes;
        if (failWrites)
            return false;
        values.insert(key, value);
        return true;
    }

    QHash<QString, QString> values;
    bool failReads = false;
    bool failWrites = false;
    int reads = 0;
    int writes = 0;
};

class FakeClock final : public Clock
{
public:
    QDate today() const override { return date; }
    QDate date {2026, 12, 8};
};

class FakeRandom final : public RandomSource
{
public:
    void seedFromClock() override { ++seeds; }
    double next() override
    {
        ++draws;
        if (values.empty())
            return 0.0;
        const double value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<double> values;
    int seeds = 0;
    int draws = 0;
};

class FakeInstances final : public InstanceGuard
{
public:
    bool anotherCopyRunning() override { return running; }
    bool running = false;
};

class FakeClipboard final : public Clipboard
{
public:
    void clear() override
    {
        ++clears;
        if (onClear)
            onClear();
    }
    int clears = 0;
    std::function<void()> onClear; // sees the program's state at the moment it empties the clipboard
};

class FakeProcess final : public ProcessControl
{
public:
    void end(int status) override { ends.push_back(status); }
    std::vector<int> ends;
};

class FakeContrast final : public ContrastPreference
{
public:
    bool moreContrast() const override { return more; }
    void onChange(std::function<void(bool)> changed) override { m_changed = std::move(changed); }
    // As the system would: the new answer, told to whoever listens.
    void set(bool value)
    {
        more = value;
        if (m_changed)
            m_changed(value);
    }
    bool more = false;

private:
    std::function<void(bool)> m_changed;
};

struct FakePlatform
{
    FakeMessages messages;
    FakeBrowser browser;
    FakeSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeInstances instances;
    FakeClipboard clipboard;
    FakeProcess process;
    FakeContrast contrast;

    Platform platform()
    {
        return Platform {messages, browser, settings, clock, random, instances, clipboard, process, contrast};
    }
};

// The fakes and the page launcher built on them, made fresh for every test.
struct HelpFixture
{
    FakePlatform fakes;
    modHelp help {fakes.platform()};
};

} // namespace Tessivane::Testing
