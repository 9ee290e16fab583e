#include "agent_requests.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

void CountCall(void *owner, const VdSNMPError &, VdSNMPVarList &) { ++*static_cast<int *>(owner); }

std::unique_ptr<VdSNMPRequest> ScalarRequest(std::uint16_t port) {
    auto request = std::make_unique<VdSNMPRequest>();
    UseProfile(*request, kV2c, port);
    request->list = SystemScalars();
    return request;
}

TEST(RequestLifetime, DestructorWaitsForTheOutstandingCompletionWithoutCallingBack) {
    auto request = ScalarRequest(FreeUdpPort());
    request->timeout = 30;
    request->retries = 0;
    int calls = 0;
    request->ReadStepAsync(&CountCall, &calls, true);
    ASSERT_EQ(request->pending, 1);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(calls, 0);
}

TEST(RequestLifetime, CompletionAfterTheWaitRanOutFindsTheRequestGone) {
    auto request = ScalarRequest(FreeUdpPort());
    request->timeout = 700;
    request->retries = 0;
    int calls = 0;
    request->ReadStepAsync(&CountCall, &calls, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), VdSNMPRequest::kDestructionWaitMs - 100);
    EXPECT_LT(clock.elapsed(), VdSNMPRequest::kDestructionWaitMs + 900);
    bool never = false;
    WaitUntil(never, 1500);  // the time-out completes now; it must touch nothing
    EXPECT_EQ(calls, 0);
}

TEST(RequestLifetime, CallbackMayDestroyItsRequestWithoutWaiting) {
    SnmpdRunner agent;
    struct Owner {
        std::unique_ptr<VdSNMPRequest> request;
        bool done = false;
    } owner{ScalarRequest(agent.port())};
    owner.request->ReadStepAsync(
        [](void *o, const VdSNMPError &, VdSNMPVarList &) {
            auto *self = static_cast<Owner *>(o);
            self->request.reset();
            self->done = true;
        },
        &owner, true);
    QElapsedTimer clock;
    clock.start();
    WaitUntil(owner.done, 5000);
    EXPECT_TRUE(owner.done);
    EXPECT_LT(clock.elapsed(), 2000);
}

// Two completions: the first runs a nested event loop; the second must wait until it returns.
TEST(EventPump, CompletionRunningANestedLoopHoldsBackTheOthers) {
    SnmpdRunner agent;
    auto first = ScalarRequest(agent.port());
    auto second = ScalarRequest(agent.port());
    struct Order {
        int calls = 0;
        bool insideNestedLoop = false;
        bool deliveredInside = false;
        bool done = false;
    } order;
    const RequestDone callback = [](void *o, const VdSNMPError &, VdSNMPVarList &) {
        auto *self = static_cast<Order *>(o);
        if (self->insideNestedLoop) self->deliveredInside = true;
        if (++self->calls == 1) {
            self->insideNestedLoop = true;
            QEventLoop nested;
            QTimer::singleShot(300, &nested, &QEventLoop::quit);
            nested.exec();
            self->insideNestedLoop = false;
        } else {
            self->done = true;
        }
    };
    first->ReadStepAsync(callback, &order, true);
    second->ReadStepAsync(callback, &order, true);
    WaitUntil(order.done, 5000);
    EXPECT_EQ(order.calls, 2);
    EXPECT_FALSE(order.deliveredInside);
}

TEST(EventPump, SynchronousRequestDoesNotRunCompletionsInside) {
    SnmpdRunner agent;
    auto asynchronous = ScalarRequest(agent.port());
    auto synchronous = ScalarRequest(agent.port());
    int calls = 0;
    asynchronous->ReadStepAsync(&CountCall, &calls, true);
    synchronous->ReadStep(true);
    synchronous->ReadStep(true);
    EXPECT_EQ(calls, 0);
    bool never = false;
    WaitUntil(never, 200);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(asynchronous->pending, 0);
}

}  // namespace
