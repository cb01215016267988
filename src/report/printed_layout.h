#pragma once
// The page-number labels of the printed toe slab and shear key pages. The
// printed layouts read them; start-up shows the plain numbers and every
// calculation run replaces them with the numbers of the contents ("P11", "P12").
#include <string>

namespace marvoten {

struct PrintedPageLabels {
    std::string toeSlabPage = "11";
    std::string keyPage = "12";
};

// The labels a calculation run sets: the toe slab page always, the key page
// only for a wall with a shear key.
void setCalculatedPageLabels(PrintedPageLabels& labels, bool hasShearKey);

}  // namespace marvoten
