#include "windows/acc_server_ctrl_form.h"

#include "binding/status_line.h"
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "forms/ui_parts.h"
#include "windows/logic/acc_server_table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>

using namespace acc_server;

namespace {

constexpr int kDesignWidth = 380;
constexpr int kDesignHeight = 220;

}  // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(kDescriptors, VdSNMPVarList::TableWithCreation, kIndexCount),
                          " ACC Server Control Table")) {
    setObjectName(QStringLiteral("frmACCServerCtrl"));
    resize(kDesignWidth, kDesignHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    edtGroupName = MakeNamed<QLineEdit>(settings, "edtGroupName");
    edtIPAddr = MakeNamed<QLineEdit>(settings, "edtIPAddr");
    cbAuthProtocol = MakeNamed<QComboBox>(settings, "cbAuthProtocol");
    cbRowState = MakeNamed<QComboBox>(settings, "cbRowState");
    const char *labels[] = {"Group Name", "IP Addr", "Auth Protocol", "Row State"};
    QWidget *fields[] = {edtGroupName, edtIPAddr, cbAuthProtocol, cbRowState};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), settings), i, 0);
        grid->addWidget(fields[i], i, 1);
    }
    grid->setColumnStretch(1, 1);

    Button1 = MakeNamedButton(this, "Button1", "Set");
    Button2 = MakeNamedButton(this, "Button2", "Close");
    LayOutSettingsWindow(this, settings, {Button1, Button2}, &StatusBar1, &statusPanel);
    SetStatusTarget(statusPanel);
    WireButtons(nullptr, Button1);
    connect(Button2, &QPushButton::clicked, this, [this] { close(); });

    BindControls([this] {
        binding_->BindEdits(kGroupName, kFieldFormat, {edtGroupName});
        binding_->BindEdits(kIpAddr, kFieldFormat, {edtIPAddr});
        binding_->BindComboBox(kAuthProtocol, cbAuthProtocol);
        binding_->BindComboBox(kRowState, cbRowState);
    });
}

TfrmACCServerCtrl::~TfrmACCServerCtrl() = default;

void TfrmACCServerCtrl::ReadDevice() {
    Run(binding_, [this] { binding_->Get(); }, [this](const std::optional<std::string> &error) {
        // A failed read leaves the fields as they are; the user may still add a row.
        if (error) return;
        // The window starts blank: it names one row to add or delete, not the last row read.
        edtGroupName->clear();
        edtIPAddr->clear();
        cbAuthProtocol->setCurrentIndex(-1);
        cbRowState->setCurrentIndex(-1);
    });
}

void TfrmACCServerCtrl::WriteDevice() {
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty() ||
        cbRowState->currentText().isEmpty()) {
        statusPanel->setText(QString::fromLatin1(kEmptyFieldsMessage));
        return;
    }
    Run(binding_, [this] { binding_->Set(true, true, ""); }, [this](const std::optional<std::string> &error) {
        if (error) {
            MessageBox::Tell(this, MessageBox::ModuleCaption(), QString::fromLatin1(kSetFailedMessage));
            return;
        }
        statusPanel->setText(QString::fromStdString(SetOkText(StatusTimeText(QTime::currentTime()))));
    });
}
