#include "catalogue/model/snapshot.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_reading.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/model/json_text.h"
#include "catalogue/model/redaction.h"
#include "engine/coded_error.h"
#include "engine/session.h"

namespace {

constexpr int kTimedOut = -405;

void Collect(const std::vector<MenuEntry> &entries, std::vector<std::string> &path, std::vector<FoundEntry> &out) {
    for (const MenuEntry &e : entries) {
        if (e.kind == EntryKind::Separator) continue;
        path.push_back(e.caption);
        if (IsReadableEntry(e)) out.push_back({&e, path});
        Collect(e.children, path, out);
        path.pop_back();
    }
}

std::string CompareHints(const PageReading &page) {
    std::vector<std::string> moving;
    for (std::size_t k = 0; k < page.moving.size(); ++k) {
        if (!page.moving[k]) continue;
        moving.push_back(page.table ? page.columns[k] : page.rows[k][0]);
    }
    return "{\"keyColumns\":" + std::to_string(page.keyColumns) + ",\"instances\":" + JsonArray(page.instances, JsonString) +
           ",\"moving\":" + JsonArray(moving, JsonString) + "}";
}

// shortfall: why a table read stopped short, recorded in the entry as "incomplete" too.
std::string ReadEntryJson(const FoundEntry &found, const std::string &hostText, bool redact, std::string &shortfall) {
    EntryReading reading = ReadEntry(*found.entry, found.path, EntryCaption(*found.entry, hostText));
    if (redact) {
        std::string where;
        for (const std::string &caption : found.path) where += caption + ">";
        for (PageReading &page : reading.pages) RedactSecrets(page, where);
    }
    std::string show = FormatJson(reading);
    while (!show.empty() && show.back() == '\n') show.pop_back();
    for (const std::string &text : reading.shortfalls) shortfall += (shortfall.empty() ? "" : " ") + text;
    const std::string incomplete = shortfall.empty() ? "" : ",\"incomplete\":" + JsonString(shortfall);
    return "{\"entry\":" + JsonArray(found.path, JsonString) + ",\"show\":" + show +
           ",\"compare\":" + JsonArray(reading.pages, CompareHints) + incomplete + "}";
}

}  // namespace

std::vector<FoundEntry> ReadableEntries(const MenuCatalogue &catalogue, const std::string &menuCaption) {
    std::vector<FoundEntry> out;
    for (const Menu &menu : catalogue.menus()) {
        if (!menuCaption.empty() && FoldedCaption(menu.caption) != FoldedCaption(menuCaption)) continue;
        std::vector<std::string> path{menu.caption};
        Collect(menu.entries, path, out);
    }
    return out;
}

std::string TakeSnapshot(const std::vector<FoundEntry> &entries, const SnapshotHeader &header,
                         const std::string &hostText, bool v2cForCounter64, const SnapshotProgress &progress) {
    std::string out = "{\"snapshot\":1,\"device\":" + JsonString(header.device) + ",\"time\":" + JsonString(header.time) +
                      ",\"version\":" + JsonString(header.version) + (header.redacted ? ",\"redacted\":true" : "") +
                      ",\"entries\":[";
    int timeOutsInARow = 0;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const FoundEntry &found = entries[k];
        std::string reason;
        std::string shortfall;
        // The question is answered per entry: an answer for one entry must not change how the next reads.
        const std::uint8_t version = SessionSecurity.version;
        AnswerCounter64Question(*found.entry, v2cForCounter64);
        try {
            const std::string json = ReadEntryJson(found, hostText, header.redacted, shortfall);
            out += (k ? ",\n" : "\n") + json;
            timeOutsInARow = 0;
        } catch (const CodedError &e) {
            SessionSecurity.version = version;
            reason = e.message();
            if (e.code() == kTimedOut && ++timeOutsInARow >= kGiveUpAfterTimeOuts) throw;
            if (e.code() != kTimedOut) timeOutsInARow = 0;
            out += (k ? ",\n" : "\n") + std::string("{\"entry\":") + JsonArray(found.path, JsonString) +
                   ",\"skipped\":" + JsonString(reason) + "}";
        }
        SessionSecurity.version = version;
        if (progress) progress(k + 1, entries.size(), found, reason, shortfall);
    }
    return out + "\n]}\n";
}
