#include "catalogue_fixture.h"

#include "engine/session.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <cctype>

namespace {

void Collect(const std::vector<MenuEntry> &entries, std::vector<std::string> &path, std::vector<EntryCase> &out) {
    for (const MenuEntry &e : entries) {
        path.push_back(e.caption);
        if (e.kind == EntryKind::Editor || e.kind == EntryKind::Table || e.kind == EntryKind::Pages)
            out.push_back({path, &e});
        Collect(e.children, path, out);
        path.pop_back();
    }
}

}  // namespace

std::vector<EntryCase> WindowEntries() {
    std::vector<EntryCase> cases;
    for (const Menu &m : MenuCatalogue::Instance().menus()) {
        std::vector<std::string> path{m.caption};
        Collect(m.entries, path, cases);
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<EntryCase> &info) {
    std::string name;
    for (const std::string &caption : info.param.path) {
        for (char c : caption)
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        name += '_';
    }
    return name + std::to_string(info.index);
}

RecipeContext LocalContext() {
    RecipeContext context;
    context.hostText = "127.0.0.1";
    return context;
}

QString LastLine(QWidget *page) {
    auto *memo = page->findChild<QPlainTextEdit *>("memo");
    if (memo == nullptr) return {};
    const QStringList lines = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

void CatalogueSuite::StartSimulator() {
    static QTemporaryDir sessionDirectory;
    static bool created = false;
    if (!created) CreateGlobalSession(sessionDirectory.path().toStdString());
    created = true;
    sim = std::make_unique<SimRunner>();
    SessionDevice.host = "127.0.0.1";
    SessionDevice.port = sim->port();
    SessionSecurity.version = 0;
    SessionSecurity.readCommunity = "public";
    SessionSecurity.writeCommunity = "private";
}
