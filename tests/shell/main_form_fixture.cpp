#include "main_form_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/request.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

void ToSimulator(VdSNMPRequest &request, quint16 port) {
    request.device = {"127.0.0.1", port};
    request.security.version = 0;
    request.security.readCommunity = "public";
    request.security.writeCommunity = "private";
}

}  // namespace

void MainFormTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    CreateGlobalSession("");
    MessageBox::reset();
}

void MainFormTest::TearDown() { MessageBox::reset(); }

QString MainFormTest::LocalLayout(const QByteArray &programInformation) {
    const QString module = dir_.filePath(QStringLiteral("vandrel_ems/qsw7400"));
    QDir().mkpath(module);
    QByteArray body = "[Program Information]\n" + programInformation;
    if (!programInformation.contains("AgentPort")) body += "AgentPort=" + QByteArray::number(sim_.port()) + "\n";
    QFile file(QDir(module).filePath(QStringLiteral("127.0.0.1.cfg")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
    return module;
}

QString MainFormTest::PlainDirectory() {
    const QString module = dir_.filePath(QStringLiteral("plain/qsw7400"));
    QDir().mkpath(module);
    return module;
}

std::unique_ptr<TMainForm> MainFormTest::Start(const QStringList &parameters, const QString &moduleDirectory,
                                               const MenuCatalogue &menus) {
    return std::make_unique<TMainForm>(StartupEnvironment{parameters, moduleDirectory}, menus);
}

QAction *MainFormTest::MenuItem(const TMainForm &form, const std::vector<std::string> &path,
                                const MenuCatalogue &menus) {
    const MenuEntry *entry = menus.Find(path);
    return entry == nullptr ? nullptr : form.menuItems().Item(*entry);
}

QList<QAction *> MainFormTest::ItemsWith(const TMainForm &form, MenuBarItems::Mark mark) {
    QList<QAction *> items;
    for (const auto &[entry, item] : form.menuItems().all())
        if (entry->*mark) items << item;
    return items;
}

const MenuCatalogue &MainFormTest::ConditionMenus() {
    static const MenuCatalogue menus(std::vector<MenuCatalogue::MenuText>{
        {"conditions.menu", "menu \"SNMP V3\"\n"
                            "- \"SNMP Configure\": window `TfrmConfigSNMP`, name `SNMPConfigure1`, local layout only\n"
                            "- \"Engine Help\": help, name `Engine`, v3 only\n"
                            "- \"SNMP Target MIB\" (submenu), name `TARGET`, v3 only\n"
                            "  - \"Help\": help\n"}});
    return menus;
}

std::unique_ptr<TMainForm> MainFormTest::StartOnSimulator() {
    return Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, LocalLayout());
}

bool MainFormTest::WaitFor(const std::function<bool()> &condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::string MainFormTest::ReadScalar(const std::string &oid, std::uint32_t syntax) {
    VdSNMPRequest request;
    ToSimulator(request, sim_.port());
    request.list.AddItem(oid, "", syntax, access_bit::Readable);
    request.ReadStep(true);
    return request.list.Item(0).value;
}

void MainFormTest::WriteInteger(const std::string &oid, const std::string &value) {
    VdSNMPRequest request;
    ToSimulator(request, sim_.port());
    request.list.AddItem(oid, "", syntax::Integer, access_bit::ReadWrite);
    request.list.Item(0).value = value;
    request.Write(false);
}
