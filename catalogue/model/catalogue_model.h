#pragma once

#include "engine/descriptor.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class VdOptionList;
struct DeviceCommand;

// One descriptor record of a catalogue entry, owning its texts.
struct CatalogueRecord {
    std::string oid;  // full identifier, or a single blank for an index component not requested
    std::string label;
    std::uint32_t syntax = 0;
    std::uint32_t access = 0;
    const VdOptionList *options = nullptr;  // shared, owned by the catalogue
    bool secret = false;  // a community, key, password or pass phrase: replaced in redacted snapshots
    bool moving = false;  // never reads the same twice (counters, clocks): left out of comparisons, never restored
};

// A per-panel adjustment, applied in the listed order after the panel is set up.
struct Adjustment {
    enum class Type {
        Format,           // row, text: input format of the row
        BitList,          // row: port-list row edited in the bit-list dialog
        EditWidth,        // value: editor width, window refitted
        DialogEditWidth,  // value: editor width of the Add and Edit dialogs
        NoEdit,           // rows can be added and deleted but not opened
        RowsNotEditable,  // selecting a row never enables Edit
        RowPreset,        // row: checked and its check box hidden
        Synchronous,      // the binding runs synchronously
        Ask,              // text: the question Set asks first (default No), for writes that act at once
        Button,           // text, windowClass: a button that opens a dedicated window on the table; value 1: on its selected row
        SessionRow,       // row, text "community" or "user": the variable names what the module's own session uses
    };
    Type type;
    int row = -1;
    int value = 0;
    std::string text;
    std::string windowClass = {};
};

// A step of a notification run around a table panel's Add dialog.
struct NotificationStep {
    enum class Type { ClearAllRows, CheckRow, DisableCheck, EnableCheck, SetRow };
    Type type;
    int row = -1;
    std::string text;
};

enum class PanelKind { Editor, Table };

// One panel of an entry's window over one descriptor table.
class PanelRecipe {
public:
    PanelRecipe() = default;
    PanelRecipe(PanelRecipe &&) = default;
    PanelRecipe &operator=(PanelRecipe &&) = default;
    PanelRecipe(const PanelRecipe &) = delete;
    PanelRecipe &operator=(const PanelRecipe &) = delete;

    std::string pageCaption;  // empty outside pages entries
    PanelKind panel = PanelKind::Editor;
    std::string root;
    std::uint8_t listKind = 0;
    int indexCount = 0;
    int statusRow = -1;
    std::string addValue;
    std::string deleteValue;
    std::vector<Adjustment> adjustments;
    std::vector<NotificationStep> beforeAdd;  // empty: the panel's own preset (clear all rows)
    std::vector<NotificationStep> afterAdd;
    std::vector<CatalogueRecord> records;

    bool HasAdjustment(Adjustment::Type type) const;

    // The records as a static descriptor table ending with a null identifier; valid while the
    // catalogue lives and the records are unchanged.
    const DescriptorRecord *Table() const { return descriptors_.data(); }
    void BuildTable();

private:
    std::vector<DescriptorRecord> descriptors_;
};

enum class EntryKind { Submenu, Separator, Editor, Table, Pages, Window, ExternalModule, Command, Help };

struct MenuEntry {
    EntryKind kind = EntryKind::Separator;
    std::string caption;
    std::string title;          // as shown before the host text
    bool titleWithHost = true;  // false for titles marked (no host)
    std::string windowClass;    // window entries
    std::string argument;       // external module entries
    const DeviceCommand *command = nullptr;  // command entries
    std::vector<PanelRecipe> panels;  // one per page; one for an editor or a table
    int windowHeight = 0;  // 0: as fitted
    int windowWider = 0;
    bool useV2cForCounter64 = false;  // this window's request reads with v2c on a v1 session
    bool askV2cForCounter64 = false;  // ask to switch the session to v2c on a v1 session
    bool closeHookRmonCheck = false;  // closing re-runs the main window's RMON check
    bool v3Only = false;              // usable on SNMPv3 sessions only
    bool localLayoutOnly = false;     // shown only when the module runs in its local layout
    bool followsRmonState = false;    // enabled and disabled by the main window's RMON check
    bool restoreFirst = false;        // other entries' rows name its rows: restored before them, deleted after
    std::string objectName;           // the item's control name where the menus fix one
    std::string preRead;              // window entries: main-window text read from the device first
    std::vector<MenuEntry> children;  // submenus
};

// The caption of an entry's window: its title, followed by the host text unless the entry says
// (no host).
std::string EntryCaption(const MenuEntry &entry, const std::string &hostText);

struct Menu {
    std::string caption;
    std::vector<MenuEntry> entries;
};

// The whole menu catalogue, parsed once from the menu texts built into the program.
class MenuCatalogue {
public:
    static const MenuCatalogue &Instance();

    struct MenuText {
        const char *name;  // file name, for messages
        const char *text;  // starts with a line: menu "Caption"
    };

    // Parses menu texts into the menu bar's top-level menus (every one of them, in menu-bar order,
    // empty where no text fills it); throws std::runtime_error naming the file and line of a fault.
    explicit MenuCatalogue(const std::vector<MenuText> &texts);
    ~MenuCatalogue();

    const std::vector<Menu> &menus() const { return menus_; }

    // How a caption of a path matches an entry's: as spelt, or with blanks around it and letter case
    // left out (what people type).
    enum class CaptionMatch { Exact, Folded };

    // The entry at a path of captions from the top-level menu down; nullptr when there is none.
    // Separators are never found. With spelt, the captions as the catalogue spells them.
    const MenuEntry *Find(const std::vector<std::string> &path, CaptionMatch match = CaptionMatch::Exact,
                          std::vector<std::string> *spelt = nullptr) const;

    int OptionListCount() const { return static_cast<int>(optionLists_.size()); }

private:
    friend class MenuTextParser;
    const VdOptionList *SharedOptionList(int valueKind,
                                         const std::vector<std::pair<std::string, std::string>> &entries);

    std::vector<Menu> menus_;
    std::deque<std::unique_ptr<VdOptionList>> optionLists_;
    std::vector<std::string> optionKeys_;
};

// The menu texts compiled into the program, in menu-bar order.
const std::vector<MenuCatalogue::MenuText> &BuiltInMenuTexts();
