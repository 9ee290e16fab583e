#pragma once
// Shared set-up of the dedicated window tests: one simulator per test suite with the global session
// aimed at it, and reads and writes of the agent with requests of their own.
#include "support/sim_runner.h"
#include "support/widget_support.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace window_test {

// One value read from the agent with a fresh request, as text of its syntax.
std::string AgentValue(const std::string &oid, std::uint32_t syntax);
void AgentWrite(const std::string &oid, std::uint32_t syntax, const std::string &text);
// SET messages the agent has received so far.
unsigned AgentSetCount();

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Start({}); }
    static void TearDownTestSuite();
    void SetUp() override;
    static void Start(const QStringList &simulatorOptions);

    static std::unique_ptr<SimRunner> sim;
};

}  // namespace window_test
