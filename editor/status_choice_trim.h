#pragma once

#include <QString>
#include <QVariant>

#include <string>
#include <vector>

class QComboBox;
class TEditsPanel;

// Takes status values out of drop-down rows for the time of a dialog and puts them back, in their
// old order, afterwards; a row left without any value is hidden meanwhile.
class StatusChoiceTrim {
public:
    explicit StatusChoiceTrim(TEditsPanel &panel) : panel_(panel) {}
    ~StatusChoiceTrim() { Restore(); }
    StatusChoiceTrim(const StatusChoiceTrim &) = delete;
    StatusChoiceTrim &operator=(const StatusChoiceTrim &) = delete;

    void Remove(int row, const std::string &value);
    void Restore();

private:
    struct Saved {
        int row;
        std::vector<std::pair<QString, QVariant>> items;
        bool hidden = false;
    };

    TEditsPanel &panel_;
    std::vector<Saved> saved_;
};
