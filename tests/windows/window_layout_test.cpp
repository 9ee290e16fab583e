// A dedicated window opens at the layout its class was last left in, whichever instance left it.
#include "window_fixture.h"

#include "support/scratch_settings.h"
#include "windows/current_time_form.h"

#include <QSplitter>
#include <QTest>

namespace window_test {
namespace {

class DedicatedWindowLayout : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ScratchSettings::ForgetWindowLayouts();
    }
    void TearDown() override { ScratchSettings::ForgetWindowLayouts(); }
};

TEST_F(DedicatedWindowLayout, AWindowReopensAtTheSizeAndDividersOfItsClass) {
    QSize size;
    QList<int> sizes;
    {
        TCurrentTimeForm form(Context(), nullptr);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.resize(form.width() + 60, form.height() + 40);
        auto *side = Named<QSplitter>(&form, "sideSplitter");
        side->setSizes({side->sizes()[0] - 50, side->sizes()[1] + 50});
        size = form.size();
        sizes = side->sizes();
        form.close();
    }
    TCurrentTimeForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(), size);
    EXPECT_EQ(Named<QSplitter>(&form, "sideSplitter")->sizes(), sizes);
}

}  // namespace
}  // namespace window_test
