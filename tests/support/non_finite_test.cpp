// The check the book and fuzz tests use to find a non-finite number in printed text:
// it must see every spelling a formatter writes and no ordinary word that contains
// those letters.
#include "support/non_finite.h"

#include <gtest/gtest.h>

#include <string_view>

namespace marvoten::testing {
namespace {

struct NonFiniteCase {
    std::string_view text;
    bool shows;
};

class ShowsNonFinite : public ::testing::TestWithParam<NonFiniteCase> {};

TEST_P(ShowsNonFinite, FindsNonFiniteWordsOnly) {
    EXPECT_EQ(showsNonFinite(GetParam().text), GetParam().shows) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, ShowsNonFinite,
    ::testing::Values(NonFiniteCase{"nan", true}, NonFiniteCase{"  Ka = NAN", true},
                      NonFiniteCase{"-inf kN", true}, NonFiniteCase{"Inf", true},
                      NonFiniteCase{"Infinity", true}, NonFiniteCase{"e=-nan(ind)m", true},
                      NonFiniteCase{"1.#INF", true}, NonFiniteCase{"Pa=inf/2", true},
                      NonFiniteCase{"", false}, NonFiniteCase{"na", false},
                      NonFiniteCase{"Info", false}, NonFiniteCase{"infinite", false},
                      NonFiniteCase{"banana", false}, NonFiniteCase{"Nancy", false},
                      NonFiniteCase{"  Pa = 12.35 kN", false},
                      NonFiniteCase{"安定計算 1.000", false}));

}  // namespace
}  // namespace marvoten::testing
