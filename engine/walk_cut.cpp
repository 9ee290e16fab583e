#include "engine/walk_cut.h"

namespace {

std::string Sentence(const WalkCut &cut) {
    switch (cut.why) {
    case WalkCut::Why::RowLimit:
        return "The read stopped at the limit of " + std::to_string(cut.rows) +
               " rows per table (MaxRows in the device's .cfg file, or --max-rows); the rows read are shown";
    case WalkCut::Why::Repeated:
        return "Column \"" + cut.column + "\" ended early: the agent answered " + cut.returned +
               " again instead of the name after it; its later rows are (NOTDONE)";
    case WalkCut::Why::WentBack:
        return "Column \"" + cut.column + "\" ended early: the agent went back to " + cut.returned + " after " +
               cut.asked + "; its later rows are (NOTDONE)";
    }
    return {};
}

}  // namespace

std::string WalkCutText(const std::vector<WalkCut> &cuts) {
    std::string text;
    for (const WalkCut &cut : cuts) text += (text.empty() ? "" : ". ") + Sentence(cut);
    return text;
}
