// The IF Table window against an agent whose table never ends: the walk stops at the row limit, the
// list keeps the rows read, the status line says why, and closing the window gives every byte of
// them back to the allocator.
#include "catalogue_fixture.h"

#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "engine/session.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QCoreApplication>
#include <QTreeView>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator keeps the count (its header is not always installed).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes the program holds on the heap now.
long long HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long long>(mallinfo2().uordblks);
#endif
}

class EndlessTableWindow : public CatalogueSuite, public ::testing::Test {};

TEST_F(EndlessTableWindow, StopsAtTheRowLimitKeepsTheRowsSaysSoAndGivesTheMemoryBackOnClose) {
    constexpr int kLimit = 2000;
    StartSimulator();
    SimRunner endless({"--endless", "1.3.6.1.2.1.2.2.1"});
    SessionDevice.port = endless.port();
    SessionSecurity.version = 1;
    SessionDevice.maxRows = kLimit;
    const MenuEntry *entry = MenuCatalogue::Instance().Find({"Basic Configuration", "MIB II", "IF Table"});
    ASSERT_NE(entry, nullptr);

    long long open = 0;
    auto openReadAndClose = [&] {
        std::unique_ptr<TConfigForm> form = BuildEntryWindow(*entry, LocalContext());
        form->show();
        ASSERT_TRUE(WaitUntil([&] { return LastLine(form.get()).startsWith("Get:") && !form->Binding(0)->busy; }, 120000))
            << "the walk never ended";
        EXPECT_TRUE(LastLine(form.get()).contains(QStringLiteral("limit of %1 rows").arg(kLimit)))
            << LastLine(form.get()).toStdString();
        auto *list = form->findChild<QTreeView *>("listView");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ListRowCount(list), kLimit);
        open = HeapInUse();
        SaveScreen(form.get(), QStringLiteral("endless_if_table"));
        form->close();
    };
    // The first window also sets up what lives for the whole run (fonts, styles, caches).
    openReadAndClose();
    QCoreApplication::processEvents();
    const long long before = HeapInUse();
    openReadAndClose();
    QCoreApplication::processEvents();
    EXPECT_GT(open - before, 1LL << 20) << "the rows take memory while the window is open";
    EXPECT_LT(HeapInUse() - before, 256LL << 10) << "closing the window gives its rows back";
    SessionDevice.maxRows = kDefaultMaxRows;
    StopSimulator();
}

}  // namespace
