#pragma once

#include "platform/IdleSource.h"
#include "platform/MediaWatch.h"
#include "platform/ProcessWatch.h"

// The time without input as the test tells it (emit idle/active), on a desktop of the test's way.
struct FakeIdleSource final : IdleSource
{
    void findWay(std::function<void(Way)> found) override { found(way); }
    void follow() override {}
    void stop() override {}
    Way way = Way::Counts;
};

// Media followed to its end as the test sets it; how many players play when following begins.
struct FakeMediaWatch final : MediaWatch
{
    void follow(std::function<void(int)> started) override { started(playing); }
    void stop() override {}
    State state() const override { return now; }
    int playing = 1;
    State now;
};

// Programs running as the test says; the ones followed exit when the test says.
struct FakeProcessWatch final : ProcessWatch
{
    QList<Program> programs() const override { return running; }
    int follow(const QString& nameOrPid) override
    {
        exited = false;
        return int(std::count_if(running.begin(), running.end(), [&](const Program& program) {
            return program.name == nameOrPid || QString::number(program.pid) == nameOrPid;
        }));
    }
    void stop() override {}
    bool allExited() const override { return exited; }
    QList<Program> running;
    bool exited = false;
};
