#include "catalogue/entry_export.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2controls.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_request.h"
#include "editor/export_file.h"
#include "engine/coded_error.h"
#include "forms/exchange_scope.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

// One page read through the event pump, as the headless reader reads it.
class PageRead : public VdSNMPRequest2Controls {
public:
    PageRead(QWidget *owner, const MenuEntry &entry, const PanelRecipe &recipe) : VdSNMPRequest2Controls(owner) {
        PrepareEntryRequest(entry, recipe, request);
        page = EmptyPage(recipe, request);
    }
    void OnGetResult() override { TakeResult(page, request); }

    PageReading page;
};

// The reads of one export, a child of its window.
class EntryExport : public QObject {
public:
    EntryExport(QWidget *window, const MenuEntry &entry, EntryReading reading, ExportTarget target)
        : QObject(window), window_(window), entry_(entry), reading_(std::move(reading)), target_(std::move(target)) {}

    ~EntryExport() override { Drop(); }

    void ReadNext() {
        const std::size_t k = reading_.pages.size();
        if (k == entry_.panels.size()) {
            Finish();
            return;
        }
        try {
            read_ = std::make_unique<PageRead>(window_, entry_, entry_.panels[k]);
            // The binding calls back from inside its exchange: the next step waits until that has unwound.
            read_->ended = [this](const std::optional<std::string> &error) {
                QTimer::singleShot(0, this, [this, error] { PageEnded(error); });
            };
            read_->Get();
        } catch (const CodedError &e) {
            MessageBox::Ok(window_, QStringLiteral("Export"), QString::fromStdString(e.message()), MessageBox::Icon::Error);
            deleteLater();
        }
    }

private:
    // A failed read has told its error in a message box already.
    void PageEnded(const std::optional<std::string> &error) {
        if (error) {
            deleteLater();
            return;
        }
        if (std::string cut = ShortfallText(read_->page, read_->request); !cut.empty())
            reading_.shortfalls.push_back(std::move(cut));
        reading_.pages.push_back(std::move(read_->page));
        Drop();
        ReadNext();
    }

    void Finish() {
        SaveExport(window_, target_.file, target_.format == "json" ? FormatJson(reading_) : FormatCsv(reading_));
        if (!reading_.shortfalls.empty()) {
            std::string told = "The export holds the rows read, but a table read stopped short:";
            for (const std::string &cut : reading_.shortfalls) told += "\n" + cut;
            MessageBox::Ok(window_, QStringLiteral("Export"), QString::fromStdString(told), MessageBox::Icon::Warning);
        }
        deleteLater();
    }

    void Drop() {
        if (!read_) return;
        read_->Abandon();
        ExchangeScope::Dispose(std::move(read_));
    }

    QPointer<QWidget> window_;
    const MenuEntry &entry_;
    EntryReading reading_;
    ExportTarget target_;
    std::unique_ptr<PageRead> read_;
};

}  // namespace

void ExportWholeEntry(QWidget *window, const MenuEntry &entry, std::vector<std::string> path, std::string title) {
    const std::optional<ExportTarget> target = AskExportFile(window, QStringLiteral("Export All Pages"));
    if (!target) return;
    auto *job = new EntryExport(window, entry, EntryReading{std::move(path), std::move(title), {}, {}}, *target);
    job->ReadNext();
}
