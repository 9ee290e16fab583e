#include "windows/acc_server_ctrl_form.h"

#include "binding/status_line.h"
#include "binding/ui/message_box.h"
#include "catalogue/recipe_context.h"
#include "binding/ui/request2edits.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "windows/logic/acc_server_table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

using namespace acc_server;

namespace {

constexpr int kDesignWidth = 380;
constexpr int kDesignHeight = 220;

}  // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget *parent)
    : TDeviceForm(parent), binding_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    setObjectName(QStringLiteral("frmACCServerCtrl"));
    setWindowTitle(QStringLiteral("ACC Server Control Table : ") + QString::fromStdString(SessionDevice.host));
    resize(kDesignWidth, kDesignHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    edtGroupName = new QLineEdit(settings);
    edtGroupName->setObjectName(QStringLiteral("edtGroupName"));
    edtIPAddr = new QLineEdit(settings);
    edtIPAddr->setObjectName(QStringLiteral("edtIPAddr"));
    cbAuthProtocol = new QComboBox(settings);
    cbAuthProtocol->setObjectName(QStringLiteral("cbAuthProtocol"));
    cbRowState = new QComboBox(settings);
    cbRowState->setObjectName(QStringLiteral("cbRowState"));
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

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { close(); });

    try {
        binding_->asyncMode = false;
        binding_->request.list.Assign(VdSNMPVarList(kDescriptors, VdSNMPVarList::TableWithCreation, kIndexCount));
        binding_->request.list.caption = " ACC Server Control Table";
        binding_->BindEdits(kGroupName, kFieldFormat, {edtGroupName});
        binding_->BindEdits(kIpAddr, kFieldFormat, {edtIPAddr});
        binding_->BindComboBox(kAuthProtocol, cbAuthProtocol);
        binding_->BindComboBox(kRowState, cbRowState);
        binding_->SetStatusTarget(statusPanel);
    } catch (const CodedError &e) {
        statusPanel->setText(QString::fromStdString(e.message()));
    }
}

void TfrmACCServerCtrl::RefreshCurrent() {
    try {
        ExchangeScope scope(binding_);
        binding_->Get();
    } catch (const CodedError &) {
        return;  // the fields stay as they are; the user may still add a row
    }
    // The window starts blank: it names one row to add or delete, not the last row read.
    edtGroupName->clear();
    edtIPAddr->clear();
    cbAuthProtocol->setCurrentIndex(-1);
    cbRowState->setCurrentIndex(-1);
}

TfrmACCServerCtrl::~TfrmACCServerCtrl() = default;

void TfrmACCServerCtrl::Button1Click() {
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty() ||
        cbRowState->currentText().isEmpty()) {
        statusPanel->setText(QString::fromLatin1(kEmptyFieldsMessage));
        return;
    }
    if (binding_->busy) return;
    try {
        ExchangeScope scope(binding_);
        binding_->Set(true, true, "");
    } catch (const CodedError &) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kSetFailedMessage));
        return;
    }
    statusPanel->setText(QString::fromStdString(SetOkText(StatusTimeText(QTime::currentTime()))));
}

std::unique_ptr<QDialog> CreatefrmACCServerCtrl(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<TfrmACCServerCtrl>(context.mainWindow);
}
