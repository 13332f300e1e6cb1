#pragma once

#include "platform/IdleSource.h"
#include "platform/MediaWatch.h"
#include "platform/ProcessWatch.h"

// The time without input as the test tells it (emit idle/active), on a desktop of the test's way.
struct FakeIdleSource final : IdleSource
{
    void findWay(std::function<void(Way)> found) override { found(way); }
    void follow() override { following = true; }
    void stop() override { following = false; }
    Way way = Way::Counts;
    bool following = false;
};

// Media followed to its end as the test sets it; how many players play when following begins.
struct FakeMediaWatch final : MediaWatch
{
    void follow(std::function<void(int)> started) override
    {
        following = true;
        started(playing);
    }
    void stop() override { following = false; }
    State state() const override { return now; }
    int playing = 1;
    State now;
    bool following = false;
};

// Programs running as the test says; the ones followed exit when the test says.
struct FakeProcessWatch final : ProcessWatch
{
    QList<Program> programs() const override { return running; }
    int follow(const QString& nameOrPid) override
    {
        followed = nameOrPid;
        exited = false;
        return int(std::count_if(running.begin(), running.end(), [&](const Program& program) {
            return program.name == nameOrPid || QString::number(program.pid) == nameOrPid;
        }));
    }
    void stop() override { followed.clear(); }
    bool allExited() const override { return exited; }
    QList<Program> running;
    QString followed;
    bool exited = false;
};
