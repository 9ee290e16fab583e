#pragma once

#include <QPointer>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QWidget;

// One row of the editor grid: the check box that selects it for sending, the variable's label and
// its editor.
struct UISnmpVar {
    enum Kind { ReadOnlyValue = 1, EditableValue = 2, EditableChoice = 3, ReadOnlyChoice = 4 };

    struct BitList {
        int perLine = 0;
        int bitCount = 0;
    };

    int rowKind = 0;
    std::string format = "%s";
    QPointer<QWidget> editor;  // a QLineEdit, or a QComboBox for kind 3
    QPointer<QCheckBox> checkBox;
    QPointer<QLabel> labelControl;
    std::optional<BitList> bitList;
};
