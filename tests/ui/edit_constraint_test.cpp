#include "binding/ui/edit_constraint.h"
#include "binding/ui/message_box.h"
#include "engine/coded_error.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kRangeRefusal = "Please enter a number between 1 and 4094!";

// A shown, active window with three edits and a button, guarded by one constraint.
class EditConstraintTest : public ::testing::Test {
protected:
    void SetUp() override {
        MessageBox::reset();
        auto *layout = new QVBoxLayout(&window);
        for (QLineEdit *&e : edits) {
            e = new QLineEdit(&window);
            layout->addWidget(e);
        }
        layout->addWidget(new QPushButton("Set", &window));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edits[0]->setFocus();
    }

    void TearDown() override {
        EXPECT_EQ(MessageBox::unansweredCount(), 0) << "unexpected box: " << MessageBox::lastText().toStdString();
        MessageBox::reset();
    }

    // Types into the focused first edit and leaves it for the second, a refusal answered with OK.
    void TypeAndLeave(const QString &text, bool expectRefusal) {
        edits[0]->setFocus();
        edits[0]->clear();
        QTest::keyClicks(edits[0], text);
        if (expectRefusal) MessageBox::setNextAnswer(QMessageBox::Ok);
        edits[1]->setFocus(Qt::TabFocusReason);
    }

    QWidget window;
    QLineEdit *edits[3] = {};
    VdEditConstraint constraint{&window, true};
};

TEST_F(EditConstraintTest, TypingDropsDisallowedCharactersAndKeepsTheCursorInPlace) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    QTest::keyClicks(edits[0], "1a2-");
    EXPECT_EQ(edits[0]->text(), "12");

    edits[0]->setText("1234");
    edits[0]->setCursorPosition(2);
    QTest::keyClicks(edits[0], "x");
    EXPECT_EQ(edits[0]->text(), "1234");
    EXPECT_EQ(edits[0]->cursorPosition(), 2);

    constraint.Attach("%n,{l3f}", edits[1]);
    QTest::keyClicks(edits[1], "1,,2");
    EXPECT_EQ(edits[1]->text(), "1,2");
}

TEST_F(EditConstraintTest, PastedJunkIsCleanedInOneGo) {
    constraint.Attach("%u", edits[0]);
    edits[0]->setText(QString("9x").repeated(10000));
    EXPECT_EQ(edits[0]->text(), QString("9").repeated(10000));
}

TEST_F(EditConstraintTest, MaximumLengthHoldsForTypingButNotForValuesSetByCode) {
    constraint.Attach("%s{l32}", edits[0]);
    QTest::keyClicks(edits[0], QString("x").repeated(40));
    EXPECT_EQ(edits[0]->text(), QString("x").repeated(32));

    constraint.Attach("%s{l3}", edits[1]);
    edits[1]->setText("abc");
    edits[1]->setCursorPosition(1);
    QTest::keyClicks(edits[1], "X");
    EXPECT_EQ(edits[1]->text(), "abc");
    EXPECT_EQ(edits[1]->cursorPosition(), 1);

    // A device's longer text is shown whole; leaving the field would refuse it, not cut it.
    edits[1]->setText("abcdef");
    EXPECT_EQ(edits[1]->text(), "abcdef");
}

TEST_F(EditConstraintTest, RefusedExitShowsTheCatalogueTextAndKeepsTheTypedTextSelected) {
    constraint.Attach("%i{n1x4094}", edits[0]);

    TypeAndLeave("5000", true);
    EXPECT_EQ(MessageBox::lastText(), kRangeRefusal);
    EXPECT_EQ(MessageBox::lastCaption(), MessageBox::ModuleCaption());
    EXPECT_EQ(edits[0]->text(), "5000");
    EXPECT_EQ(edits[0]->selectedText(), "5000");
    EXPECT_TRUE(edits[0]->hasFocus());

    TypeAndLeave("100", false);
    EXPECT_EQ(constraint.lastGood(edits[0]), "100");
    EXPECT_TRUE(edits[1]->hasFocus());

    // A value put in from the device and then mistyped over is not lost for an empty one either.
    edits[0]->setProperty(kFieldNameProperty, "VLAN ID");
    TypeAndLeave("0", true);
    EXPECT_EQ(edits[0]->text(), "0");
    EXPECT_EQ(MessageBox::lastText(), QStringLiteral("VLAN ID: ") + kRangeRefusal);
    EXPECT_EQ(constraint.lastRefusal(), MessageBox::lastText());
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_EQ(MessageBox::shownCount(), 2);
}

TEST_F(EditConstraintTest, EmptyFieldIsRefusedOnlyWhenAValueIsRequired) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    TypeAndLeave("", false);
    EXPECT_EQ(MessageBox::shownCount(), 0);

    constraint.Attach("%s{l2n}", edits[0]);
    TypeAndLeave("", true);
    EXPECT_EQ(MessageBox::lastText(), "Empty value is not allowed!");
}

TEST_F(EditConstraintTest, EngineValueTextsAreNeitherFilteredNorChecked) {
    constraint.Attach("%i{n1x4094l3}", edits[0]);
    edits[0]->setText("(NULL)");
    EXPECT_EQ(edits[0]->text(), "(NULL)");
    edits[1]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(EditConstraintTest, ReadOnlyFieldKeepsWhatItShows) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    edits[0]->setText("5000");  // as the device reported it
    edits[0]->setReadOnly(true);
    edits[0]->setFocus();
    edits[1]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(MessageBox::shownCount(), 0);
    EXPECT_EQ(edits[0]->text(), "5000");
}

TEST_F(EditConstraintTest, RefocusingAfterARefusalDoesNotCheckTheFieldTheUserWasGoingTo) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    constraint.Attach("%s{l2n}", edits[1]);  // empty: would be refused if it were checked
    TypeAndLeave("5000", true);
    EXPECT_EQ(MessageBox::shownCount(), 1);
    EXPECT_EQ(MessageBox::lastText(), kRangeRefusal);
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditConstraintTest, SwitchingToAnotherWindowIsNoExitFromTheField) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    QTest::keyClicks(edits[0], "5000");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(MessageBox::shownCount(), 0);
    EXPECT_EQ(edits[0]->text(), "5000");
}

TEST_F(EditConstraintTest, FullFieldWithAutoAdvanceHandsTheFocusOn) {
    constraint.Attach("%i{n1x32l2a}", edits[0]);
    QTest::keyClicks(edits[0], "1");
    EXPECT_TRUE(edits[0]->hasFocus());
    QTest::keyClicks(edits[0], "2");
    EXPECT_TRUE(edits[1]->hasFocus());
    EXPECT_EQ(constraint.lastGood(edits[0]), "12");  // leaving ran the exit check

    // A value filled in by code moves nothing.
    constraint.Attach("%i{n1x32l2a}", edits[2]);
    edits[2]->setText("12");
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditConstraintTest, FocusMovesOnWithinTheEditsWindowWhenTheOwnerIsAnother) {
    QWidget dialogOwner;
    VdEditConstraint elsewhere(&dialogOwner, true);
    elsewhere.Attach("%i{n1x32l2a}", edits[0]);
    QTest::keyClicks(edits[0], "12");
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditConstraintTest, AdvanceCharacterIsDroppedAndHandsTheFocusOn) {
    constraint.Attach("%i{n0x255l3e.}", edits[0]);
    QTest::keyClicks(edits[0], "10.");
    EXPECT_EQ(edits[0]->text(), "10");
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditConstraintTest, OwnHandlersRunAfterTheChecksAndCanVeto) {
    int changes = 0;
    bool vetoExit = false;
    EditHandlers handlers;
    handlers.changed = [&](QLineEdit *e) {
        ++changes;
        e->setProperty("tag", changes == 1 ? 0 : -1);  // veto from the second change on
    };
    handlers.exited = [&](QLineEdit *e) { e->setProperty("tag", vetoExit ? -1 : 0); };
    SetEditHandlers(edits[0], handlers);
    constraint.Attach("%i{n1x32l2a}", edits[0]);

    QTest::keyClicks(edits[0], "1x");
    EXPECT_EQ(changes, 2);  // the letter's removal reports the clean text once
    QTest::keyClicks(edits[0], "2");
    EXPECT_TRUE(edits[0]->hasFocus());  // the vetoed change does not advance

    edits[1]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(constraint.lastGood(edits[0]), "12");

    vetoExit = true;
    TypeAndLeave("7", false);
    EXPECT_EQ(edits[0]->text(), "12");
    EXPECT_EQ(constraint.lastGood(edits[0]), "12");
}

TEST_F(EditConstraintTest, DetachedEditIsFreeAgain) {
    constraint.Attach("%i{n1x4094}", edits[0]);
    constraint.Detach(edits[0]);
    EXPECT_FALSE(constraint.IsAttached(edits[0]));
    TypeAndLeave("5000x", false);
    EXPECT_EQ(edits[0]->text(), "5000x");
}

TEST_F(EditConstraintTest, BadFormatRaisesMinusTwoAndLeavesTheEditAlone) {
    edits[0]->setMaxLength(8);
    try {
        constraint.Attach("%i{n1x4094", edits[0]);
        ADD_FAILURE() << "accepted";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -2);
    }
    EXPECT_FALSE(constraint.IsAttached(edits[0]));
    EXPECT_EQ(edits[0]->maxLength(), 8);
}

TEST_F(EditConstraintTest, AttachSequenceGuardsOneEditPerFieldOrNone) {
    const std::string octet = "%i{w30n0x255l3}";
    constraint.AttachSequence(octet + octet + octet, {edits[0], edits[1], edits[2]});
    for (QLineEdit *e : edits) {
        EXPECT_TRUE(constraint.IsAttached(e));
        EXPECT_EQ(e->width(), 30);
    }
    QTest::keyClicks(edits[2], "2555");
    EXPECT_EQ(edits[2]->text(), "255");

    VdEditConstraint other(&window, true);
    EXPECT_THROW(other.AttachSequence(octet + octet + octet, {edits[0], edits[1]}), CodedError);
    EXPECT_THROW(other.AttachSequence(octet + "%q", {edits[0], edits[1]}), CodedError);
    EXPECT_FALSE(other.IsAttached(edits[0]));
}

TEST_F(EditConstraintTest, BuildEditRowPlacesEditLabelEditSideBySide) {
    auto *panel = new QFrame(&window);
    panel->setObjectName("PN_Address");
    panel->setFrameShape(QFrame::Box);
    std::vector<QLineEdit *> built;
    constraint.BuildEditRow(panel, "%i{w30n0x255l3}.%i{w40n0x255l3}", &built);

    auto *first = panel->findChild<QLineEdit *>("PN_Address_Edit0");
    auto *dot = panel->findChild<QLabel *>("PN_Address_Label0");
    auto *second = panel->findChild<QLineEdit *>("PN_Address_Edit1");
    ASSERT_TRUE(first && dot && second);
    EXPECT_EQ(built, (std::vector<QLineEdit *>{first, second}));
    EXPECT_EQ(dot->text(), ".");
    EXPECT_EQ(first->geometry(), QRect(0, 0, 30, first->height()));
    EXPECT_EQ(dot->x(), 31);
    EXPECT_EQ(second->geometry(), QRect(dot->x() + dot->width() + 1, 0, 40, second->height()));
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(constraint.IsAttached(first));
    EXPECT_TRUE(constraint.IsAttached(second));

    panel->show();
    first->setFocus();
    QTest::keyClicks(first, "1x");
    EXPECT_EQ(first->text(), "1");
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
}

TEST_F(EditConstraintTest, BuildEditRowWithABadFieldCreatesNothing) {
    auto *panel = new QFrame(&window);
    EXPECT_THROW(constraint.BuildEditRow(panel, "%i.%q"), CodedError);
    EXPECT_TRUE(panel->children().isEmpty());
}

TEST_F(EditConstraintTest, EditsMayDieBeforeTheConstraint) {
    auto constraintFirst = std::make_unique<VdEditConstraint>(&window, true);
    auto *doomed = new QLineEdit(&window);
    constraintFirst->Attach("%i", doomed);
    delete doomed;
    EXPECT_FALSE(constraintFirst->IsAttached(doomed));
    constraintFirst.reset();  // must not touch the deleted edit
}

}  // namespace
