#pragma once

#include "engine/descriptor.h"
#include "shell/main_form.h"
#include "support/sim_runner.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The temporary directory of the user's own programs; the tests run with one of their own.
QString UserTempPath();

// The module as its host product would start it, against a simulator on 127.0.0.1.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A module directory in the local layout holding "127.0.0.1.cfg" with these
    // "[Program Information]" lines (the simulator's port is added unless the lines give one).
    QString LocalLayout(const QByteArray &programInformation = "Version=1\n");
    // A module directory outside the local layout, without any configuration file.
    QString PlainDirectory();

    std::unique_ptr<TMainForm> Start(const QStringList &parameters, const QString &moduleDirectory,
                                     const MenuCatalogue &menus = MenuCatalogue::Instance());
    // Starts the module on the simulator over SNMPv1 with its communities.
    std::unique_ptr<TMainForm> StartOnSimulator();

    // The menu item of the entry at a path of captions of the form's catalogue.
    static QAction *MenuItem(const TMainForm &form, const std::vector<std::string> &path,
                             const MenuCatalogue &menus = MenuCatalogue::Instance());
    // The items whose entries carry a mark.
    static QList<QAction *> ItemsWith(const TMainForm &form, MenuBarItems::Mark mark);
    // Items with every mark the main window acts on.
    static const MenuCatalogue &ConditionMenus();

    static bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 10000);
    // One value of the simulator's, read or written over SNMPv1 with a request of the test's own.
    std::string ReadScalar(const std::string &oid, std::uint32_t syntax = 2);
    void WriteInteger(const std::string &oid, const std::string &value);

    SimRunner sim_;
    QTemporaryDir dir_;
};
