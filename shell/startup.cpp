#include "shell/startup.h"

#include "binding/ui/message_box.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "engine/snmp_adapter.h"
#include "shell/command_line.h"
#include "shell/configuration.h"
#include "shell/decimal_number.h"
#include "shell/row_limit.h"
#include "shell/session_parameters.h"

#include <QDir>

namespace {

constexpr MessageCatalogue kLoadOrder[] = {MessageCatalogue::SnmpClass, MessageCatalogue::Snmp,    MessageCatalogue::SnmpMsg,
                                    MessageCatalogue::VdSnmp,    MessageCatalogue::SnmpV3,  MessageCatalogue::SnmpUsm,
                                    MessageCatalogue::Common};
constexpr int kStartupTimeout = 200;
constexpr int kAuthPriv = 3;

void LoadCatalogues(const QString &moduleDirectory, std::vector<std::string> &warnings) {
    const QDir directory(QDir(moduleDirectory).filePath(QStringLiteral("errMSg")));
    for (MessageCatalogue c : kLoadOrder) {
        std::string problem;
        messages::LoadCatalogue(directory.filePath(QString::fromLatin1(messages::FileName(c))).toStdString(), c, &problem);
        if (!problem.empty()) warnings.push_back(problem + " Its built-in texts are used.");
    }
}

// Where the settings in force came from, for messages that depend on them.
std::string SettingsSource(const std::optional<QString> &configuration, const ConfigurationReport &report) {
    if (!configuration) return "no configuration folder known, command line and defaults";
    if (!report.read) return "no usable " + configuration->toStdString() + ", command line and defaults";
    return "settings from " + configuration->toStdString();
}

bool EncryptsWithIdea(const VdSNMPSecurity &security) {
    return security.version == 3 && security.securityLevel == kAuthPriv && security.privProtocol == snmp::protocol::Idea;
}

}  // namespace

StartupOutcome RunStartup(const StartupEnvironment &environment, const StartupReport &report) {
    StartupOutcome outcome;
    try {
        CreateGlobalSession("");
    } catch (const CodedError &error) {
        report(QString::fromStdString(error.message()), StartupNotice::Error);
        return outcome;
    }
    outcome.localConfiguration = IsLocalConfiguration(environment.moduleDirectory);
    LoadCatalogues(environment.moduleDirectory, outcome.warnings);
    SessionTimeout = kStartupTimeout;

    // Without a device to manage there is nothing to start: no request goes to the defaults.
    if (environment.parameters.isEmpty()) {
        report(QStringLiteral("No parameter input"), StartupNotice::Information);
        return outcome;
    }
    SessionParameters parameters = SessionParameters::FromSession();
    std::optional<int> rowLimit;
    CommandLineNotes notes;
    try {
        rowLimit = RowLimitParameter(environment.parameters);
        if (!ParseCommandLine(environment.parameters, parameters, &notes)) {
            report(QStringLiteral("Error Host Name!"), StartupNotice::Information);
            return outcome;
        }
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()), StartupNotice::Error);
        return outcome;
    }
    const std::optional<QString> configuration = ConfigurationPath(
        parameters.device.host, outcome.localConfiguration, environment.moduleDirectory);
    outcome.warnings.insert(outcome.warnings.end(), notes.ignored.begin(), notes.ignored.end());
    ConfigurationReport read;
    if (configuration) read = LoadConfiguration(*configuration, parameters);
    outcome.warnings.insert(outcome.warnings.end(), read.warnings.begin(), read.warnings.end());
    // The file is read over the command line, as for every other setting it holds.
    if (!notes.portSwitch.empty() && read.portLine > 0)
        outcome.warnings.push_back(notes.portSwitch + " ignored: AgentPort=" + std::to_string(parameters.device.port) +
                                   " of " + configuration->toStdString() + ":" + std::to_string(read.portLine) +
                                   " applies.");
    outcome.settingsSource = SettingsSource(configuration, read);
    outcome.configurationFile = configuration.value_or(QString());
    // Given for this one run, the command line's limit outweighs the device's file.
    if (rowLimit) parameters.device.maxRows = *rowLimit;
    if (EncryptsWithIdea(parameters.security)) {
        // The library has no IDEA: every exchange would fail with this, so it is said once, now.
        report(QString::fromStdString(TranslateStatus(snmp::status::UnsupportedPrivProtocol).text),
               StartupNotice::Error);
        return outcome;
    }
    parameters.ApplyToSession();
    outcome.texts = SettingTexts::From(parameters);
    outcome.ready = true;
    return outcome;
}

StartupOutcome RunStartup(const StartupEnvironment &environment, QWidget *messageParent) {
    return RunStartup(environment, [messageParent](const QString &text, StartupNotice kind) {
        MessageBox::Ok(messageParent, MessageBox::ModuleCaption(), text,
                       kind == StartupNotice::Error ? MessageBox::Icon::Error : MessageBox::Icon::Information);
    });
}
