#include "engine/option_list.h"
#include "catalogue/model/catalogue_json.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/device_command.h"
#include "catalogue/model/help_document.h"
#include "engine/var_list.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>

namespace {

const MenuEntry &Entry(const std::vector<std::string> &path) {
    const MenuEntry *e = MenuCatalogue::Instance().Find(path);
    if (e == nullptr) throw std::runtime_error("no entry " + path.back());
    return *e;
}

void CountKinds(const std::vector<MenuEntry> &entries, std::map<EntryKind, int> &counts) {
    for (const MenuEntry &e : entries) {
        ++counts[e.kind];
        CountKinds(e.children, counts);
    }
}

std::string ParseErrorOf(const std::string &text) {
    try {
        MenuCatalogue catalogue(std::vector<MenuCatalogue::MenuText>{{"test.menu", text.c_str()}});
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(MenuCatalogue, BasicConfigurationMenuHasEveryEntryKind) {
    const auto &menus = MenuCatalogue::Instance().menus();
    ASSERT_EQ(menus.size(), 10u);
    EXPECT_EQ(menus[0].caption, "Basic Configuration");
    EXPECT_EQ(menus[6].caption, "Security ");
    std::map<EntryKind, int> counts;
    CountKinds(menus[0].entries, counts);
    EXPECT_EQ(counts[EntryKind::Editor], 16);
    EXPECT_EQ(counts[EntryKind::Table], 17);
    EXPECT_EQ(counts[EntryKind::Pages], 8);
    EXPECT_EQ(counts[EntryKind::Window], 11);
    EXPECT_EQ(counts[EntryKind::ExternalModule], 1);
    EXPECT_EQ(counts[EntryKind::Command], 2);
    EXPECT_EQ(menus[0].entries.back().caption, "Reboot");
    EXPECT_EQ(menus[0].entries.back().command, &kRebootCommand);
}

TEST(MenuCatalogue, EntryLineAndRecordsBecomeADescriptorTable) {
    const MenuEntry &e = Entry({"Basic Configuration", "Basic ", "Basic Information"});
    EXPECT_EQ(e.kind, EntryKind::Editor);
    EXPECT_EQ(e.title, "Basic Information : ");
    ASSERT_EQ(e.panels.size(), 1u);
    const PanelRecipe &b = e.panels[0];
    EXPECT_EQ(b.listKind, 0);
    VdSNMPVarList list(b.Table(), b.listKind, b.indexCount);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Item(0).oid, "1.3.6.1.4.1.171.12.1.1.1");
    EXPECT_EQ(list.Item(5).oid, "1.3.6.1.4.1.171.12.1.1.12");
    EXPECT_EQ(list.Item(5).label, "Serial Number");
    EXPECT_EQ(list.Item(5).syntax, 76u);
    ASSERT_NE(list.Item(0).options, nullptr);
    EXPECT_EQ(list.Item(0).options->LabelOf("3"), "snmp-ipx");
}

TEST(MenuCatalogue, AdjustmentsStatusRowsAndPagesKeepTheirOrder) {
    const MenuEntry &portList = Entry({"Basic Configuration", "Link Aggregation", "Port List"});
    EXPECT_EQ(portList.windowWider, 50);
    EXPECT_EQ(portList.windowHeight, 450);
    ASSERT_EQ(portList.panels[0].adjustments.size(), 1u);
    EXPECT_EQ(portList.panels[0].adjustments[0].type, Adjustment::Type::BitList);
    EXPECT_EQ(portList.panels[0].records[0].oid, " ");

    const MenuEntry &ifx = Entry({"Basic Configuration", "IF-MIB", "IFX Table"});
    EXPECT_TRUE(ifx.useV2cForCounter64);
    EXPECT_EQ(ifx.panels[0].records[0].oid, "1.3.6.1.2.1.2.2.1.1");
    EXPECT_EQ(ifx.panels[0].adjustments[0].text, "%s{l32}");

    const MenuEntry &log = Entry({"Basic Configuration", "System Log"});
    ASSERT_EQ(log.panels.size(), 2u);
    EXPECT_EQ(log.panels[0].panel, PanelKind::Editor);
    EXPECT_EQ(log.panels[1].pageCaption, "System Log Server");
    EXPECT_EQ(log.panels[1].statusRow, 6);
    EXPECT_EQ(log.panels[1].addValue, "createAndGo");
    EXPECT_EQ(log.panels[1].deleteValue, "destroy");

    const MenuEntry &ifTable = Entry({"Basic Configuration", "MIB II", "IF Table"});
    EXPECT_EQ(ifTable.title, "IF Table");
}

// Counters and clocks are marked moving in the data, so that no comparison needs a list of them.
void ExpectMovingMarked(const std::vector<MenuEntry> &entries, int &moving) {
    for (const MenuEntry &e : entries) {
        for (const PanelRecipe &panel : e.panels) {
            for (const CatalogueRecord &r : panel.records) {
                const bool alwaysMoves = r.syntax == syntax::Counter || r.syntax == syntax::Counter64 ||
                                         r.syntax == syntax::TimeTicks || r.syntax == syntax::DateAndTime ||
                                         r.syntax == syntax::LocalDateTime;
                if (alwaysMoves) EXPECT_TRUE(r.moving) << e.caption << ": " << r.label;
                // A value that never reads the same is never put back, so it must not be one a user sets.
                if (r.moving && (r.access & access_bit::Writable)) ADD_FAILURE() << e.caption << ": " << r.label << " is writable";
                moving += r.moving ? 1 : 0;
            }
        }
        ExpectMovingMarked(e.children, moving);
    }
}

TEST(MenuCatalogue, CountersClocksAndTheLedStringAreMarkedMoving) {
    int moving = 0;
    for (const Menu &m : MenuCatalogue::Instance().menus()) ExpectMovingMarked(m.entries, moving);
    EXPECT_GT(moving, 150);
    EXPECT_TRUE(Entry({"Basic Configuration", "Equipment Management", "Unit Table"}).panels[0].records[4].moving);
    EXPECT_TRUE(Entry({"SNMP V3", "SNMP Engine"}).panels[0].records[2].moving);
    EXPECT_FALSE(Entry({"SNMP V3", "SNMP Engine"}).panels[0].records[1].moving);
    const MenuEntry &vlan = Entry({"VLAN", "802.1Q", "802.1Q VLAN"});
    EXPECT_TRUE(vlan.restoreFirst);
    EXPECT_FALSE(Entry({"Basic Configuration", "MIB II", "Information"}).restoreFirst);
}

// The dedicated windows describe their settings as pages, for --show, --snapshot and --restore.
TEST(MenuCatalogue, DedicatedWindowsCarryTheirSettingsAsPages) {
    const MenuEntry &stp = Entry({"Bridge", "Spanning Tree", "STP Control "});
    EXPECT_EQ(stp.kind, EntryKind::Window);
    ASSERT_EQ(stp.panels.size(), 1u);
    EXPECT_EQ(stp.panels[0].pageCaption, "STP Bridge");
    EXPECT_EQ(stp.panels[0].records.size(), 7u);
    const MenuEntry &md5 = Entry({"Layer 3 Management", "MD5 Information "});
    ASSERT_EQ(md5.panels.size(), 1u);
    EXPECT_EQ(md5.panels[0].panel, PanelKind::Table);
    EXPECT_EQ(md5.panels[0].statusRow, 2);
    EXPECT_TRUE(md5.panels[0].records[1].secret);
}

TEST(MenuCatalogue, EqualsSignUnderAJoinedRootIsItsFirstSubtree) {
    const MenuEntry &alarm = Entry({"Layer2 Management", "Device Management", "Alarm Control"});
    const PanelRecipe &b = alarm.panels[0];
    EXPECT_EQ(b.root, "1.3.6.1.2.1.11.30 and 1.3.6.1.4.1.171.11.69.4.2.1.3");
    ASSERT_EQ(b.records.size(), 4u);
    EXPECT_EQ(b.records[0].oid, "1.3.6.1.2.1.11.30");
    EXPECT_EQ(b.records[3].oid, "1.3.6.1.4.1.171.11.69.4.2.1.3.3");
    EXPECT_NE(ParseErrorOf("menu \"RMON\"\n- \"A\": editor, title \"A\"; 1.3 and 1.4, 0/0, 1 row\n  - .1 \"x\" 2/2\n")
                  .find("a relative identifier under a joined root"),
              std::string::npos);
}

TEST(MenuCatalogue, SecurityMenuKeepsItsCaptionsWindowsAndEntryBehaviours) {
    const Menu &security = MenuCatalogue::Instance().menus()[6];
    ASSERT_FALSE(security.entries.empty());
    EXPECT_EQ(security.entries.front().caption, "SSH");
    EXPECT_EQ(security.entries.back().caption, "Broadcast Segmentation Control");

    const MenuEntry &aac = Entry({"Security ", "Access Control Information", "AAC  Server Control Table"});
    EXPECT_EQ(aac.kind, EntryKind::Window);
    EXPECT_EQ(aac.windowClass, "TfrmACCServerCtrl");
    EXPECT_EQ(aac.title, "ACC Server Control Table : ");
    EXPECT_EQ(Entry({"Security ", "SSL", "SSL Control"}).windowClass, "TSSLManagementForm");

    EXPECT_TRUE(Entry({"Security ", "802.1X", "Authentication Session Statistics"}).askV2cForCounter64);
    const MenuEntry &database = Entry({"Security ", "802.1X", "MAC -based Access Control", "Database Table"});
    EXPECT_TRUE(database.panels[0].HasAdjustment(Adjustment::Type::Synchronous));
    EXPECT_EQ(database.panels[0].listKind, 2);
    EXPECT_EQ(database.panels[0].statusRow, 2);

    // The same captions under two submenus open different tables.
    EXPECT_NE(Entry({"Security ", "802.1X", "Web-based Access Control", "Control Table"}).panels[0].root,
              Entry({"Security ", "802.1X", "MAC -based Access Control", "Control Table"}).panels[0].root);

    const MenuEntry &config = Entry({"Security ", "802.1X", "Authentication Configuration Table"});
    std::vector<std::pair<int, std::string>> formats;
    for (const Adjustment &a : config.panels[0].adjustments) formats.emplace_back(a.row, a.text);
    EXPECT_EQ(formats, (std::vector<std::pair<int, std::string>>{{7, "%i{n0x65535}"},
                                                                {8, "%i{n1x65535}"},
                                                                {9, "%i{n1x65535}"},
                                                                {10, "%i{n1x65535}"},
                                                                {11, "%i{n1x10}"},
                                                                {12, "%i{n1x65535}"}}));
    EXPECT_EQ(config.panels[0].records[0].oid, " ");
    EXPECT_EQ(config.panels[0].records[13].oid, "1.0.8802.1.1.1.1.2.1.1.13");

    // MAC and port both index these rows, so both are decoded from the instance.
    const MenuEntry &macStats =
        Entry({"Security ", "802.1X", "RADIUS Server", "MAC Authentication Session Stats Table"});
    EXPECT_EQ(macStats.panels[0].indexCount, 2);
    EXPECT_TRUE(macStats.useV2cForCounter64) << "its octet counters are Counter64";
}

TEST(MenuCatalogue, IdenticalEnumerationsShareOneOptionList) {
    const MenuEntry &fdb = Entry({"Basic Configuration", "Basic ", "FDB Clear All State"});
    const MenuEntry &arp = Entry({"Basic Configuration", "Basic ", "ARP Clear All State"});
    EXPECT_EQ(fdb.panels[0].records[0].options, arp.panels[0].records[0].options);
    EXPECT_NE(fdb.panels[0].Table(), arp.panels[0].Table());
}

TEST(MenuCatalogue, FaultsNameFileAndLine) {
    const std::string head = "menu \"RMON\"\n";
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"- \"A\": editor, title \"A\"; 1.3.6, 0/0, 2 rows\n  - .1 \"x\" 2/2\n", "lists 1 records but says 2"},
        {"- \"A\": editor, title \"A\"; 1.3.6, 0/0, 1 row, sideways\n", "test.menu:2: unknown adjustment"},
        {"- \"A\": gadget\n", "test.menu:2: unknown entry kind"},
        {"- \"A\": command `Explode`\n", "test.menu:2: no such device command"},
        {"- \"A\": command\n", "test.menu:2: unknown entry kind"},
        {"- \"A\": help, name H1\n", "test.menu:2: `name` expected"},
        {"- \"A\": editor, title \"A\"; 1.3.6, 0/0, 1 row\n  - .1 \"x\" two/2\n", "test.menu:3: a number expected"},
        {"   - separator\n", "test.menu:2: indent must be a multiple"},
        {"- \"A\": table, title \"A\"; 1.3.6, 3/1, 1 row, status row 4 \"a\"/\"b\"\n  - .1 \"x\" 2/1\n",
         "status row beyond the records"},
        {"- \"A\": table, title \"A\"; 1.3.6, 3/1, 1 row, status row 0 \"createAndGo\"/\"destory\"\n"
         "  - .1 \"x\" 2/6: 4 \"createAndGo\", 6 \"destroy\"\n",
         "status value \"destory\" is not in the status row's option list"},
        {"- \"A\" (submenu), v4 only\n", "test.menu:2: unexpected: v4 only"},
    };
    for (const auto &c : cases) {
        EXPECT_NE(ParseErrorOf(head + c.text).find(c.expected), std::string::npos)
            << c.text << " gave: " << ParseErrorOf(head + c.text);
    }
    EXPECT_NE(ParseErrorOf("menu \"Games\"\n").find("not a menu of the menu bar"), std::string::npos);
}

TEST(MenuCatalogue, JsonListsEveryEntryWithItsRecords) {
    const std::string json = CatalogueJson(MenuCatalogue::Instance(), {"TIF_Counters"});
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray entries = doc.object()["entries"].toArray();
    std::map<QString, int> perMenu;
    bool found = false;
    for (const auto &v : entries) {
        const QJsonObject o = v.toObject();
        ++perMenu[o["path"].toArray().first().toString()];
        if (o["path"].toArray().last().toString() != "SNTP") continue;
        found = true;
        const QJsonObject binding = o["panels"].toArray()[0].toObject();
        const QJsonArray records = binding["records"].toArray();
        ASSERT_EQ(records.size(), 5);
        EXPECT_EQ(records[1].toObject()["oid"].toString(), "1.3.6.1.4.1.171.12.10.11.2");
        EXPECT_EQ(records[1].toObject()["options"].toArray()[2].toObject()["label"].toString(), "server2");
        EXPECT_EQ(binding["adjustments"].toArray()[0].toObject()["format"].toString(), "%i{n30x99999}");
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(perMenu["Basic Configuration"], 55);
    EXPECT_EQ(perMenu["Security "], 53);
    EXPECT_EQ(perMenu["Layer 3 Management"], 57);
    EXPECT_EQ(perMenu["Help"], 2);
    // Window entries say whether their window can open yet; commands name their handler.
    std::map<QString, QJsonObject> mib2;
    for (const auto &v : entries) mib2[v.toObject()["path"].toArray().last().toString()] = v.toObject();
    EXPECT_TRUE(mib2["IF Counter"]["available"].toBool());
    EXPECT_EQ(mib2["IP Counter"]["available"], QJsonValue(false));
    EXPECT_EQ(mib2["Reboot"]["command"].toString(), "ResetClick");
}

TEST(MenuCatalogue, ListIrregularitiesAreMendedAndItemMarksKept) {
    // Status values are named as the status row's option list spells them.
    const PanelRecipe &vlans = Entry({"VLAN", "802.1Q", "802.1Q VLAN"}).panels[0];
    EXPECT_EQ(vlans.addValue, "createAndGo");
    EXPECT_EQ(vlans.deleteValue, "destroy");
    // "=" under a root joined from two subtrees stands for the first subtree.
    const PanelRecipe &bridge = Entry({"Bridge", "802.1d ", "Information"}).panels[0];
    EXPECT_EQ(bridge.records[0].oid, "1.3.6.1.2.1.17.1.2");
    EXPECT_EQ(bridge.records[2].oid, "1.3.6.1.2.1.17.4.2");

    const MenuEntry &usm = Entry({"SNMP V3", "User-based Security Model"});
    EXPECT_EQ(usm.kind, EntryKind::Submenu);
    EXPECT_TRUE(usm.v3Only);
    EXPECT_EQ(usm.objectName, "USM");
    EXPECT_TRUE(Entry({"SNMP V3", "SNMP Configure"}).localLayoutOnly);
    EXPECT_FALSE(Entry({"SNMP V3", "SNMP Configure"}).v3Only);
    EXPECT_TRUE(Entry({"RMON", "Alarm/Event"}).followsRmonState);
    EXPECT_EQ(Entry({"RMON", "Alarm/Event"}).argument, "/TRmon_AlarmEvent");
    EXPECT_TRUE(Entry({"RMON", "RMON State"}).closeHookRmonCheck);
    EXPECT_EQ(Entry({"Bridge", "Spanning Tree", "STP Control "}).preRead, "stSTP");
}

// The help document follows whatever the catalogue holds: a new menu's entries, their settings and
// their titles appear in it, with HTML's special characters escaped.
TEST(HelpDocument, ListsEveryEntryOfTheCatalogueWithItsSettings) {
    const char text[] = R"(menu "Security "
- "Ports & <Hosts>" (submenu)
  - "Trusted Hosts": table, title "Trusted Hosts" + " : "; 1.3.6.1.4.1.99.1.1, 3/1, 2 rows
    - .1 "Host Address" 64/1
    - .2 "Host Status" 2/6: 1 "valid", 2 "invalid"
)";
    const MenuCatalogue catalogue(std::vector<MenuCatalogue::MenuText>{{"test.menu", text}});
    const std::string html = HelpDocument(catalogue);
    for (const char *part : {"<h2><a name=\"menu-security\"></a>Menu Security</h2>",
                             "<h2><a name=\"menu-security-ports-hosts\"></a>Ports &amp; &lt;Hosts&gt;</h2>",
                             "<h3><a name=\"menu-security-ports-hosts-trusted-hosts\"></a>Trusted Hosts</h3>",
                             "<li><a href=\"#menu-security-ports-hosts-trusted-hosts\">Trusted Hosts</a></li>",
                             "table window</i>: Trusted Hosts</p>", "<td>Host Address</td><td>index</td>",
                             "<td>Host Status</td><td>read-write</td><td>1.3.6.1.4.1.99.1.1.2</td>"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    EXPECT_EQ(html.find("Basic Configuration"), std::string::npos);
}

// F1 opens a section by its anchor: every entry of the catalogue has one of its own, and every
// link of the contents leads to a section.
TEST(HelpDocument, EveryEntryHasASectionOfItsOwnAndTheContentsLinkOnlyToSections) {
    const std::string html = HelpDocument(MenuCatalogue::Instance());
    std::map<std::string, int> anchors;
    const std::regex name("<a name=\"([^\"]+)\">");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), name); it != std::sregex_iterator(); ++it)
        ++anchors[(*it)[1]];
    for (const auto &[anchor, count] : anchors) EXPECT_EQ(count, 1) << anchor;
    std::function<void(const std::vector<MenuEntry> &, std::vector<std::string> &)> visit =
        [&](const std::vector<MenuEntry> &entries, std::vector<std::string> &path) {
            for (const MenuEntry &e : entries) {
                if (e.kind == EntryKind::Separator) continue;
                path.push_back(e.caption);
                EXPECT_EQ(anchors.count(HelpAnchor(path)), 1u) << HelpAnchor(path);
                visit(e.children, path);
                path.pop_back();
            }
        };
    for (const Menu &menu : MenuCatalogue::Instance().menus()) {
        std::vector<std::string> path{menu.caption};
        visit(menu.entries, path);
    }
    int links = 0;
    const std::regex href("<a href=\"#([^\"]+)\">");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href); it != std::sregex_iterator(); ++it, ++links)
        EXPECT_EQ(anchors.count((*it)[1]), 1u) << (*it)[1];
    EXPECT_GT(links, 254);
}

TEST(HelpDocument, AnAnchorIsTheCaptionsWordsInLowerCase) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Basic Configuration", "MIB II", "IF Table"}, "menu-basic-configuration-mib-ii-if-table"},
        {{"Security ", "SSL", "SSL Control"}, "menu-security-ssl-ssl-control"},
        {{"RMON", "Alarm/Event"}, "menu-rmon-alarm-event"},
        {{"Layer2 Management", "802.1X", " Port  Auth "}, "menu-layer2-management-802-1x-port-auth"},
    };
    for (const auto &[path, anchor] : cases) EXPECT_EQ(HelpAnchor(path), anchor);
}
