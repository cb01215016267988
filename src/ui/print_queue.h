#pragma once
// A finished document handed to a printer queue of the print system. Qt's own print
// engine sends its job without looking at the answer, so a queue that refuses jobs
// or a print system that is not running loses every page in silence; here the
// system's answer decides.
#include <QString>
#include <optional>

namespace marvoten {

// Nothing when the print system took the job; otherwise the reason, in Japanese with
// the system's own words beside it.
std::optional<QString> submitPrintJob(const QString& printer, const QString& pdfFile,
                                      const QString& title, int copies);

// Whether jobs go through the print system's queue (CUPS); elsewhere Qt prints them.
bool printJobsGoThroughTheQueue();

}  // namespace marvoten
