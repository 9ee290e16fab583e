#pragma once
// What the catalogue-wide tests share: the entries of the whole catalogue, one simulator for a
// test suite, and the last status line of a panel.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "support/sim_runner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QWidget;

struct EntryCase {
    std::vector<std::string> path;
    const MenuEntry *entry;
    int page = 0;  // the binding a case is about, where it is about one
};

// Every editor, table and pages entry of the catalogue, in menu order.
std::vector<EntryCase> WindowEntries();

// gtest's name for a case: the captions' letters and digits, joined by '_', and the case number.
std::string CaseName(const ::testing::TestParamInfo<EntryCase> &info);

// What a window opened on the simulator gets from the main window.
RecipeContext LocalContext();

// The last line of the message memo inside page; empty without one.
QString LastLine(QWidget *page);

class CatalogueSuite {
protected:
    // A simulator with the shipped profile, and the global session on it (SNMPv1, public/private).
    static void StartSimulator();
    static void StopSimulator() { sim.reset(); }

    static inline std::unique_ptr<SimRunner> sim;
};
