#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/whole_value_check.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "engine/session.h"

#include "catalogue/menu_builder.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "catalogue/window_registry.h"
#include "windows/window_list.h"

#include <QMenuBar>
#include <QTemporaryDir>

namespace window_test {

std::unique_ptr<SimRunner> WindowTest::sim;

namespace {

void OneValue(VdSNMPRequest &request, const std::string &oid, std::uint32_t syntax, std::uint32_t access) {
    request.list.kind = VdSNMPVarList::SingleInstance;
    request.list.AddItem(oid, "value", syntax, access);
}

void Walk(const std::vector<MenuEntry> &entries, const std::string &path,
          const std::function<void(const MenuEntry &, const std::string &)> &visit) {
    for (const MenuEntry &e : entries) {
        const std::string here = path.empty() ? e.caption : path + ">" + e.caption;
        visit(e, here);
        Walk(e.children, here, visit);
    }
}

}  // namespace

void EveryMenuEntry(const std::function<void(const MenuEntry &, const std::string &)> &visit) {
    for (const Menu &m : MenuCatalogue::Instance().menus()) Walk(m.entries, m.caption, visit);
}

std::string AgentValue(const std::string &oid, std::uint32_t syntax) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax, access_bit::Readable);
    request.ReadStep(true);
    return request.list.Item(0).value;
}

std::string AgentCell(const std::string &oid, std::uint32_t syntax) {
    try {
        const std::string value = AgentValue(oid, syntax);
        return value == kNullText ? "missing" : value;
    } catch (const CodedError &) {
        return "missing";
    }
}

void AgentWrite(const std::string &oid, std::uint32_t syntax, const std::string &text) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax, access_bit::ReadWrite);
    request.list.Item(0).value = text;
    request.Write(false);
}

unsigned AgentSetCount() {
    return static_cast<unsigned>(std::stoul(AgentValue("1.3.6.1.2.1.11.17.0", syntax::Counter)));
}

RegistryMenuBar::RegistryMenuBar()
    : mainWindow_(std::make_unique<QWidget>()),
      context_(std::make_unique<RecipeContext>(RecipeContext{mainWindow_.get(), "127.0.0.1", nullptr, {}})) {
    auto *bar = new QMenuBar(mainWindow_.get());
    MenuActions actions;
    actions.openWindow = [context = context_.get()](const MenuEntry &entry) {
        OpenDedicatedWindow(entry, *context, DedicatedWindows());
    };
    items_ = std::make_unique<MenuBarItems>(BuildMenuBar(bar, MenuCatalogue::Instance(), actions));
}

RegistryMenuBar::~RegistryMenuBar() = default;

QAction *RegistryMenuBar::Item(const std::vector<std::string> &path) const {
    const MenuEntry *entry = MenuCatalogue::Instance().Find(path);
    return entry == nullptr ? nullptr : items_->Item(*entry);
}

RecipeContext Context() {
    RecipeContext context;
    context.hostText = "127.0.0.1";
    return context;
}

void WindowTest::Start(const QStringList &simulatorOptions) {
    static QTemporaryDir sessionDirectory;
    static bool created = false;
    if (!created) CreateGlobalSession(sessionDirectory.path().toStdString());
    created = true;
    sim = std::make_unique<SimRunner>(simulatorOptions);
    SessionDevice.host = "127.0.0.1";
    SessionDevice.port = sim->port();
    SessionSecurity.version = 1;
    SessionSecurity.readCommunity = "public";
    SessionSecurity.writeCommunity = "private";
}

void WindowTest::TearDownTestSuite() { sim.reset(); }

void WindowTest::SetUp() { MessageBox::reset(); }

}  // namespace window_test
