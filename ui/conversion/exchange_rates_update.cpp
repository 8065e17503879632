#include "ui/conversion/exchange_rates_update.h"

#include "core/conversion.h"
#include "platform/qt/network_download.h"
#include "platform/qt/screen_fit.h"
#include "storage/app_state.h"
#include "storage/rates_update.h"
#include "storage/settings_profile.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <memory>

namespace kalvex {
namespace {

const char* const kCaption = "Update Exchange Rates";

// The progress window of one download; its Cancel button ends the download.
class RatesProgressWindow final : public IDownloadProgress {
public:
    explicit RatesProgressWindow(QWidget* parent)
        : m_window(QCoreApplication::translate("ExchangeRates", "Downloading the exchange rates..."),
                   QCoreApplication::translate("ExchangeRates", "Cancel"), 0, 0, parent)
    {
        m_window.setObjectName(QStringLiteral("ratesProgress"));
        m_window.setWindowTitle(QString::fromLatin1(kCaption));
        WidenForTitle(m_window);
        // The download runs its own event loop: nothing else may be started meanwhile.
        m_window.setWindowModality(Qt::ApplicationModal);
        m_window.setAutoReset(false);
        m_window.setMinimumDuration(0);
        m_window.show();
    }

    void Received(std::int64_t bytes, std::int64_t total) override
    {
        if (total > 0 && m_window.maximum() != total)
            m_window.setMaximum(int(std::min<std::int64_t>(total, kMaxRatesDocumentBytes)));
        if (total > 0)
            m_window.setValue(int(std::min<std::int64_t>(bytes, m_window.maximum())));
    }

    bool CancelRequested() override { return m_window.wasCanceled(); }

    // Also sees a Cancel pressed while no event loop ran, such as while the document was read.
    bool CancelledMeanwhile()
    {
        QCoreApplication::processEvents();
        return m_window.wasCanceled();
    }

private:
    QProgressDialog m_window;
};

void Report(AppState& app, const std::string& text, MessageIcon icon)
{
    app.services.messages->Beep(icon);
    app.services.messages->Show({text, kCaption, MessageButtons::Ok, icon});
}

std::string SuccessText(const CConversion& group, const RatesUpdateResult& result)
{
    std::string text = "The Money group now holds the exchange rates of " + group.m_updateDate + ".";
    if (result.euroAdded)
        text += "\nThe euro was added to its units.";
    if (!result.addedUnits.empty()) {
        text += "\nThese currencies of the rates were added to its units:";
        for (const std::string& entry : result.addedUnits)
            text += "\n    " + UnitName(entry) + " (" + UnitSymbol(entry) + ")";
    }
    if (!result.codesWithoutRoom.empty()) {
        text += "\nThe group has no room for:";
        for (const std::string& code : result.codesWithoutRoom)
            text += " " + code;
    }
    if (!result.keptUnits.empty()) {
        text += "\nWithout a rate, these units kept their factors:";
        for (const std::string& entry : result.keptUnits)
            text += "\n    " + UnitName(entry);
    }
    return text;
}

} // namespace

bool UpdateExchangeRates(AppState& app, CConversion& group, QWidget* parent, int timeoutMs)
{
    const std::string url = ReadSetting(*app.services.settings, profile::kRatesUrl);
    // The window and its Cancel stay until the group is written or the update failed.
    auto progress = std::make_unique<RatesProgressWindow>(parent);
    const DownloadResult download =
        DownloadThroughNetworkModule({url, timeoutMs, kMaxRatesDocumentBytes}, *progress);
    if (download.cancelled)
        return false;
    const std::string failure = "The exchange rates could not be updated from " + url + ":\n";
    if (!download.Succeeded()) {
        progress.reset();
        Report(app, failure + download.error + ".", MessageIcon::Warning);
        return false;
    }
    const RatesUpdateResult result =
        UpdateMoneyGroup(group, download.body, url, app.m_factorPath, app.services,
                         [&progress] { return progress->CancelledMeanwhile(); });
    progress.reset();
    if (result.cancelled)
        return false;
    if (!result.error.empty()) {
        Report(app, failure + result.error + ".", MessageIcon::Warning);
        return false;
    }
    Report(app, SuccessText(group, result), MessageIcon::Information);
    return true;
}

} // namespace kalvex
