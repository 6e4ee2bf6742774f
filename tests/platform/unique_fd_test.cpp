#include "platform/unique_fd.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <utility>

namespace gs {
namespace {

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1; }

TEST(UniqueFd, ClosesWhatItHoldsOnceWhicheverOwnerLetsGo) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const UniqueFd keep(ends[1]);
  {
    UniqueFd a(ends[0]);
    UniqueFd b(std::move(a));
    EXPECT_FALSE(a);
    a = std::move(b);
    EXPECT_TRUE(IsOpen(ends[0]));
  }
  EXPECT_FALSE(IsOpen(ends[0]));

  // Closed early, it is not closed again: the number, handed out anew
  // meanwhile, stays open when the first owner goes.
  UniqueFd early(::dup(keep.Get()));
  const int number = early.Get();
  EXPECT_TRUE(early.Close());
  const UniqueFd reused(::dup(keep.Get()));
  ASSERT_EQ(reused.Get(), number);
  { UniqueFd gone = std::move(early); }
  EXPECT_TRUE(IsOpen(number));

  // A new descriptor put in its place closes the old one.
  UniqueFd replaced(::dup(keep.Get()));
  const int old = replaced.Get();
  replaced = UniqueFd();
  EXPECT_FALSE(IsOpen(old));
}

}  // namespace
}  // namespace gs
