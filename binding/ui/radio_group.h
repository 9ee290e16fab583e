#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A framed column of radio buttons addressed by item position, -1 meaning none is chosen.
class VdRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit VdRadioGroup(QWidget *parent = nullptr);

    QStringList items() const;
    // Replaces the buttons; afterwards none is chosen.
    void setItems(const QStringList &labels);

    int itemIndex() const;
    // An index outside the items chooses none.
    void setItemIndex(int index);

    QRadioButton *button(int index) const;

signals:
    // The chosen item changed, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    QButtonGroup *group_;
    QVBoxLayout *layout_;
};
