#pragma once
// Shared set-up of the editor window tests: a simulator per test suite, the global session aimed
// at it, bindings over its system group and its IP-MAC binding table, and ways to drive modal
// dialogs and read the agent back with requests of their own.
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "support/sim_runner.h"
#include "support/widget_support.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class VdOptionList;

namespace editor_test {

inline const std::string kBindingEntry = "1.3.6.1.4.1.171.12.23.4.1.1";
inline const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
inline const std::string kSysName = "1.3.6.1.2.1.1.5.0";
inline const std::string kSysLocation = "1.3.6.1.2.1.1.6.0";

// Positions in the binding table's list.
enum BindingColumn { IpIndex = 0, Mac = 1, Status = 2, Ports = 3, Action = 4, Mode = 5 };

const VdOptionList &RowStatusOptions();

// Description (read-only), Contact, Name, Location.
std::unique_ptr<VdSNMPRequest2Edits> SystemBinding(QWidget *owner);
// The IP-MAC binding table, kind 3 with one index.
std::unique_ptr<VdSNMPRequest2Edits> BindingTable(QWidget *owner);

// One value read from the agent with a fresh request.
std::string AgentValue(const std::string &oid, std::uint32_t syntax);
// SET messages the agent has received so far.
unsigned AgentSetCount();
// Writes one DisplayString on the agent.
void AgentWrite(const std::string &oid, const std::string &text);

class EditorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static SimRunner *sim;
};

}  // namespace editor_test
