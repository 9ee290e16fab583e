#pragma once
// Shared set-up of the dedicated window tests: one simulator per test suite with the global session
// aimed at it, and reads and writes of the agent with requests of their own.
#include "catalogue/recipe_context.h"
#include "support/sim_runner.h"
#include "support/widget_support.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MenuBarItems;
class QAction;
class QWidget;
struct MenuEntry;
struct RecipeContext;

namespace window_test {

// One value read from the agent with a fresh request, as text of its syntax.
std::string AgentValue(const std::string &oid, std::uint32_t syntax);
// The same for a table cell, "missing" when the agent has no such row.
std::string AgentCell(const std::string &oid, std::uint32_t syntax);
void AgentWrite(const std::string &oid, std::uint32_t syntax, const std::string &text);
// SET messages the agent has received so far.
unsigned AgentSetCount();
// What a window gets from the main window: the simulator's address as host text.
RecipeContext Context();
// Visits every entry of the menu catalogue, depth first, with its path of captions joined by ">".
void EveryMenuEntry(const std::function<void(const MenuEntry &, const std::string &)> &visit);

// A main window with the menu bar the module makes from the catalogue and the window registry; its
// window items open their windows with the host text 127.0.0.1.
class RegistryMenuBar {
public:
    RegistryMenuBar();
    ~RegistryMenuBar();
    // The item of the entry at a path of captions; nullptr when there is none.
    QAction *Item(const std::vector<std::string> &path) const;
    const RecipeContext &context() const { return *context_; }

private:
    std::unique_ptr<QWidget> mainWindow_;
    std::unique_ptr<RecipeContext> context_;
    std::unique_ptr<MenuBarItems> items_;
};

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Start({}); }
    static void TearDownTestSuite();
    void SetUp() override;
    static void Start(const QStringList &simulatorOptions);

    static std::unique_ptr<SimRunner> sim;
};

}  // namespace window_test
