#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class VdOptionList;
struct VarItem;

// One bind call: the controls that show a variable, or a field of its raw value.
struct ControlBinding {
    int varIndex = 0;
    std::size_t offset = 0;     // byte offset of the field; 0 for the whole value
    std::uint32_t syntax = 0;   // the field's syntax; the variable's own for the whole value
    const VdOptionList *optionList = nullptr;  // the field's enumeration, not owned
    std::optional<std::vector<int>> bitPositions;  // check boxes standing for bits
    int portCount = 0;  // an edit showing a port list of this many ports as ranges; 0 for none
    // The controls, borrowed from their window. A drop-down list may have a second control, the
    // edit that holds the rest of the value behind the chosen option's prefix.
    std::vector<QPointer<QWidget>> controls;

    bool CoversWholeValue(const VarItem &item) const;
    // The binding's own option list, else the variable's when the binding covers the whole value.
    const VdOptionList *EffectiveOptions(const VarItem &item) const;
};

// The property of a port list's edit holding the value (hex) it was last filled with.
inline constexpr char kPortListValueProperty[] = "portListValue";

// Syntaxes a plain check box can stand for.
bool IsBooleanSyntax(std::uint32_t syntax);

// The control classes the binding moves values for.
enum class ControlClass { Label, CheckBox, ComboBox, RadioGroup, Edit, Unsupported };
ControlClass ClassOf(const QWidget *control);

// Value texts are byte strings; controls show them as UTF-8.
QString ToQString(const std::string &text);
std::string FromQString(const QString &text);
