#include "engine/field_refusal.h"

#include "engine/coded_error.h"

void NameRefusal(const VarItem &item, const std::function<void()> &convert) {
    try {
        convert();
    } catch (const CodedError &e) {
        std::string label = item.label;
        label.erase(0, label.find_first_not_of(' '));
        label.erase(label.find_last_not_of(' ') + 1);
        throw CodedError(label + ": " + e.message(), e.code());
    }
}
