#include "shell/module_command_line.h"
#include "shell/setting_texts.h"

#include "recording_program.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SettingTexts Texts(const std::string &version) {
    return {.host = "127.0.0.1", .version = version, .readCommunity = "pub lic",
            .writeCommunity = "pri\"vate", .port = "16100", .contextName = "", .contextEngineID = "800007",
            .securityModel = "3", .securityLevel = "3", .securityName = "admin", .authProtocol = "2",
            .privProtocol = "2", .authPassword = "auth pass", .privPassword = "privpass"};
}

TEST(ModuleCommandLine, CommunitiesForV1AndV2c) {
    EXPECT_EQ(BuildModuleCommandLine("/TRmon_Statistics", Texts("0")),
              "Rmon /I127.0.0.1 /Rpub lic /Wpri\"vate /TRmon_Statistics");
    EXPECT_EQ(BuildModuleCommandLine("/TVLan_Tp8021QStatic", Texts("1")),
              "VLan /I127.0.0.1 /Rpub lic /Wpri\"vate /TVLan_Tp8021QStatic");
}

TEST(ModuleCommandLine, SecuritySettingsForV3EndWithTheContextName) {
    EXPECT_EQ(BuildModuleCommandLine("/TLayer3_OSPF", Texts("3")),
              "Layer3 /I127.0.0.1 /t16100 /v3 /d800007 /m3 /nadmin /l3 /a2 /p2 /Aauth pass /Pprivpass /c "
              "/TLayer3_OSPF");
}

TEST(ModuleCommandLine, EachOptionIsOneArgument) {
    const ModuleCommand command = BuildModuleCommand("/TBridge_Forwarding", Texts("0"));
    EXPECT_EQ(command.program, "Bridge");
    EXPECT_EQ(command.arguments, (std::vector<std::string>{"/I127.0.0.1", "/Rpub lic", "/Wpri\"vate",
                                                           "/TBridge_Forwarding"}));
    EXPECT_EQ(BuildModuleCommand("/TNoUnderscore", Texts("0")).program, "");
}

TEST(ModuleLaunch, StartsTheProgramBesideTheModuleWithoutAShell) {
    QTemporaryDir dir;
    WriteRecordingProgram(dir.path(), QStringLiteral("Rmon"));
    EXPECT_EQ(FindModuleProgram("Rmon", dir.path()), dir.filePath("Rmon"));
    EXPECT_EQ(FindModuleProgram("NoSuchModule7400", dir.path()), "");
    EXPECT_EQ(LaunchModule("/TRmon_History", "", Texts("0"), dir.path()), "");
    EXPECT_EQ(WaitForRecordedArguments(dir.path()), "/I127.0.0.1\n/Rpub lic\n/Wpri\"vate\n/TRmon_History\n");
}

}  // namespace
