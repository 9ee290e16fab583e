#include "agent_requests.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

const Profile kV1{"v1", 0, nullptr, 1, 1, 1};
const Profile kV2c{"v2c", 1, nullptr, 1, 1, 1};
const Profile kV3Md5Des{"v3_md5_des", 3, &SnmpdRunner::kMd5Des, 2, 2, 3};
const Profile kV3ShaAes{"v3_sha_aes", 3, &SnmpdRunner::kShaAes, 3, 4, 3};
const Profile kV3AuthOnly{"v3_auth_only", 3, &SnmpdRunner::kAuthOnly, 2, 1, 2};

namespace {

const DescriptorRecord kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.1.2", "sysObjectID", syntax::ObjectId, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.1.3", "sysUpTime", syntax::TimeTicks, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.1.4", "sysContact", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.6", "sysLocation", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.7", "sysServices", syntax::Integer, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "index", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", syntax::OctetString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", syntax::Counter, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace

void UseProfile(VdSNMPRequest &request, const Profile &profile, std::uint16_t port) {
    request.device.host = "127.0.0.1";
    request.device.port = port;
    request.timeout = 50;
    request.retries = 1;
    VdSNMPSecurity &s = request.security;
    s.version = static_cast<std::uint8_t>(profile.version);
    s.readCommunity = SnmpdRunner::kReadCommunity;
    s.writeCommunity = SnmpdRunner::kWriteCommunity;
    if (profile.user != nullptr) {
        s.securityModel = 3;
        s.securityLevel = profile.securityLevel;
        s.securityName = profile.user->name;
        s.authPassword = profile.user->authPass;
        s.privPassword = profile.user->privPass;
        s.authProtocol = profile.authProtocol;
        s.privProtocol = profile.privProtocol;
    }
}

VdSNMPVarList SystemScalars() { return VdSNMPVarList(kSystem, VdSNMPVarList::ScalarGroup, 0); }
VdSNMPVarList InterfaceTable() { return VdSNMPVarList(kIfTable, VdSNMPVarList::Table, 1); }

std::string RowText(const VdSNMPVarList &list) {
    std::string row;
    for (int i = 0; i < list.Count(); ++i) row += (i > 0 ? "|" : "") + list.Item(i).value;
    return row;
}

std::vector<std::string> WalkSync(VdSNMPRequest &request) {
    std::vector<std::string> rows;
    for (bool first = true; request.ReadStep(first); first = false) rows.push_back(RowText(request.list));
    return rows;
}

void WaitUntil(const bool &done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void AsyncWalk::Run(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    request->ReadStepAsync(&AsyncWalk::OnStep, this, true);
    startedAfterMs = clock.elapsed();
    WaitUntil(done, timeoutMs);
}

void AsyncWalk::OnStep(void *owner, const VdSNMPError &error, VdSNMPVarList &list) {
    auto *walk = static_cast<AsyncWalk *>(owner);
    walk->last = error;
    if (error.status != 0 || error.finished) {
        if (error.status == 0 && !list.IsTable()) walk->rows.push_back(RowText(list));
        walk->done = true;
        return;
    }
    walk->rows.push_back(RowText(list));
    if (walk->rows.size() == 1 && walk->afterFirstRow != nullptr) walk->afterFirstRow(walk->afterFirstRowData);
    try {
        walk->request->ReadStepAsync(&AsyncWalk::OnStep, owner, false);
    } catch (const CodedError &e) {
        walk->last.status = e.code();
        walk->done = true;
    }
}

void ExpectWalksEndWithRows(VdSNMPRequest &request) {
    const auto rows = WalkSync(request);
    EXPECT_GE(rows.size(), 1u);
    AsyncWalk walk;
    walk.request = &request;
    walk.Run();
    EXPECT_EQ(walk.last.status, 0) << walk.last.message;
    EXPECT_TRUE(walk.last.finished);
    EXPECT_EQ(walk.rows, rows);
}

int SnmpwalkCount(std::uint16_t port, const std::string &column) {
    QProcess walk;
    walk.start("snmpwalk", {"-v2c", "-c", SnmpdRunner::kReadCommunity, "-On", "-Oq",
                            "127.0.0.1:" + QString::number(port), QString::fromStdString(column)});
    walk.waitForFinished(10000);
    const QString out = QString::fromLocal8Bit(walk.readAllStandardOutput());
    return static_cast<int>(out.split('\n', Qt::SkipEmptyParts).size());
}
