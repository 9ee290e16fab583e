#include "editor/list_view_panel.h"

#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "editor/ctrl_btn_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TListViewPanel::TListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding) : QWidget(parent) {
    setObjectName(QStringLiteral("listPanel"));
    filterEdit = new QLineEdit(this);
    filterEdit->setObjectName(QStringLiteral("filterEdit"));
    filterEdit->setPlaceholderText(QStringLiteral("Filter (Ctrl+F)"));
    filterEdit->setClearButtonEnabled(true);
    listView = new SortableList(this);
    listView->setObjectName(QStringLiteral("listView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterEdit);
    layout->addWidget(listView);
    binding->BindListView(listView, false);
    listView->SetColumnOrders(binding->request.list, binding->request.list.ListViewColumnOrder());
    // Several rows can be copied; Edit and Delete want exactly one.
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(filterEdit, &QLineEdit::textChanged, listView, &SortableList::SetFilter);

    int captionCharacters = 0;
    for (int column = 0; column < listView->columnCount(); ++column) captionCharacters += listView->caption(column).size();
    const int width = 2 * listView->frameWidth() + kPixelsPerCaptionCharacter * captionCharacters;
    preferredSize_ = QSize(std::min(width, kMaxWidth), kHeight);
    resize(preferredSize_);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel *buttons) {
    for (QWidget *w : {static_cast<QWidget *>(buttons->SamplesCount), static_cast<QWidget *>(buttons->SamplesLabel),
                       static_cast<QWidget *>(buttons->RefreshButton), static_cast<QWidget *>(buttons->CloseButton),
                       static_cast<QWidget *>(buttons->EditButton)})
        w->show();
    buttons->EditButton->setEnabled(false);
    buttons->DeleteButton->setEnabled(false);
    buttons->SetCheckedButton->hide();
    buttons->CheckAllButton->hide();
    buttons->ClearChecksButton->hide();
    buttons->AddButton->setVisible(addIndex != -1);
    buttons->DeleteButton->setVisible(deleteIndex != -1);
    buttons->LayoutButtons();
}
