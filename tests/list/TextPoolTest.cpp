#include <gtest/gtest.h>

#include <vector>

#include "list/TextPool.h"

namespace tarnwick {
namespace {

// Texts of every length around a block's, the empty one and one longer
// than a block among them, each still itself after all the others came.
TEST(TextPool, EveryTextStaysWhereItIsUntilCleared) {
  TextPool pool;
  std::vector<Str> texts;
  std::vector<StrView> kept;
  for (size_t length : {size_t{0}, size_t{1}, size_t{40000}, size_t{30000}, size_t{70000}, size_t{5}, size_t{65536}}) {
    for (int copy = 0; copy < 3; ++copy) {
      texts.push_back(Str(length, static_cast<char16_t>(u'a' + texts.size() % 26)));
      kept.push_back(pool.Add(texts.back()));
    }
  }
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(kept[i], StrView(texts[i])) << i;
  pool.Clear();
  EXPECT_EQ(pool.Add(u"again"), StrView(u"again"));
}

}  // namespace
}  // namespace tarnwick
