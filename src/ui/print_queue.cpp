#include "ui/print_queue.h"

#ifdef MARVOTEN_HAS_CUPS
#include <cups/cups.h>

#include <string>
#endif

namespace marvoten {

#ifdef MARVOTEN_HAS_CUPS
namespace {

// A failure that CUPS reports as internal is either a scheduler that does not answer
// or a queue it does not have.
QString unreachableOrMissing(const QByteArray& queue) {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    if (!http) return QStringLiteral("印刷システム(CUPS)に接続できません");
    cups_dest_t* dest = cupsGetNamedDest(http, queue.constData(), nullptr);
    httpClose(http);
    if (!dest) return QStringLiteral("プリンターが見つかりません");
    cupsFreeDests(1, dest);
    return QStringLiteral("印刷システムが印刷ジョブを受け付けませんでした");
}

QString reasonOf(ipp_status_t status, const QByteArray& queue) {
    switch (status) {
        case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
            return QStringLiteral("プリンターが印刷ジョブを受け付けていません");
        case IPP_STATUS_ERROR_NOT_FOUND:
            return QStringLiteral("プリンターが見つかりません");
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        case IPP_STATUS_ERROR_INTERNAL:
            return unreachableOrMissing(queue);
        case IPP_STATUS_ERROR_FORBIDDEN:
        case IPP_STATUS_ERROR_NOT_AUTHORIZED:
            return QStringLiteral("このプリンターで印刷する権限がありません");
        default:
            return QStringLiteral("印刷システムが印刷ジョブを受け付けませんでした");
    }
}

}  // namespace

bool printJobsGoThroughTheQueue() {
    return true;
}

std::optional<QString> submitPrintJob(const QString& printer, const QString& pdfFile,
                                      const QString& title, int copies) {
    cups_option_t* options = nullptr;
    int optionCount = 0;
    optionCount = cupsAddOption("copies", std::to_string(copies < 1 ? 1 : copies).c_str(),
                                optionCount, &options);
    // CUPS names a queue without its instance ("queue/instance").
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int job = cupsPrintFile(queue.constData(), pdfFile.toLocal8Bit().constData(),
                                  title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job > 0) return std::nullopt;
    const ipp_status_t status = cupsLastError();
    const QString system = QString::fromUtf8(cupsLastErrorString());
    return reasonOf(status, queue) + QStringLiteral("（") + system + QStringLiteral("）");
}

#else

bool printJobsGoThroughTheQueue() {
    return false;
}

std::optional<QString> submitPrintJob(const QString&, const QString&, const QString&, int) {
    return QStringLiteral("印刷システムがありません");
}

#endif

}  // namespace marvoten
