#include "support/top_list_waits.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/event_relay.h"

namespace trivanto {

namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

// Starts an exchange whose continuation fires `relay`, and waits for it.
template <typename Start>
void runAndWait(Start start) {
    EventRelay relay;
    QSignalSpy ended(&relay, &EventRelay::fired);
    start(relay);
    EXPECT_EQ(ended.count(), 0) << "answered inside the call";
    EXPECT_TRUE(ended.count() > 0 || ended.wait(kBoundMs)) << "no answer";
}

}  // namespace

TTopListResult downloadAndWait(TTopList& list) {
    TTopListResult result = tlrStatus4;  // never a result of a download
    runAndWait([&](EventRelay& relay) {
        list.Download([&](TTopListResult r) {
            result = r;
            relay.fire();
        });
    });
    return result;
}

TopListSendReply addUserAndWait(TTopList& list, const QString& name, const QString& email,
                                qint32 score, const QString& language) {
    TopListSendReply answer;
    answer.Rank = -99;
    runAndWait([&](EventRelay& relay) {
        list.AddUser(name, email, score, language, [&](const TopListSendReply& reply) {
            answer = reply;
            relay.fire();
        });
    });
    return answer;
}

}  // namespace trivanto
