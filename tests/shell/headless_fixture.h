#pragma once

#include "main_form_fixture.h"

#include "engine/request.h"

#include <QJsonObject>

#include <string>

QJsonObject ParseJson(const QString &text);

// A UDP port nobody listens on.
quint16 ClosedPort();

// The module's program as the host product installs it: a file of its own beside its catalogues,
// for the module finds both through its own program file.
class HeadlessTest : public MainFormTest {
protected:
    ProcessOutcome Run(const QStringList &arguments, const QString &module);

    // The module on the simulator over SNMPv2c with its communities.
    ProcessOutcome OnSimulator(const QStringList &options) {
        return Run(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate"} + options, LocalLayout());
    }

    // Takes a snapshot into a file of the test's own (module: the module directory, by default on
    // the simulator); returns the run.
    ProcessOutcome Snapshot(const QString &file, const QStringList &options = {}, const QString &module = {});
    ProcessOutcome Diff(const QString &a, const QString &b, const QStringList &options = {}) {
        return Run(QStringList{"--diff", dir_.filePath(a), dir_.filePath(b)} + options, PlainDirectory());
    }

    ProcessOutcome Show(const QString &entry, const QStringList &options = {}) {
        return OnSimulator(QStringList{"--show", entry} + options);
    }

    static void ExpectSuccess(const ProcessOutcome &run) {
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }

    static void ExpectFailure(const ProcessOutcome &run, const QString &message) {
        EXPECT_GT(run.exitCode, 0);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }

    void WriteText(const std::string &oid, const std::string &value) {
        VdSNMPRequest request;
        request.device = {"127.0.0.1", sim_.port()};
        request.security.version = 1;
        request.security.readCommunity = "public";
        request.security.writeCommunity = "private";
        request.list.AddItem(oid, "", syntax::DisplayString, access_bit::ReadWrite);
        request.list.Item(0).value = value;
        request.Write(false);
    }
};

