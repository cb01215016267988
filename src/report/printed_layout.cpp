#include "report/printed_layout.h"

namespace marvoten {

void setCalculatedPageLabels(PrintedPageLabels& labels, bool hasShearKey) {
    labels.toeSlabPage = "P11";
    if (hasShearKey) labels.keyPage = "P12";
}

}  // namespace marvoten
