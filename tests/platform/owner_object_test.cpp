// The hidden owner object: other threads post exit requests to it while the
// main thread may take it down. Unguarded, the sanitizer build sees a post
// reach a destroyed owner.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <thread>

#include "platform/application.h"

namespace {

TEST(OwnerObject, PostsFromAnotherThreadWhileTheOwnerComesAndGoes) {
  std::atomic<bool> stop = false;
  std::atomic<int> posted = 0, delivered = 0;
  std::thread poster([&] {
    while (!stop) posted += platform::PostToMainThread([&delivered] { ++delivered; });
  });
  // Each round waits for a post to reach the new owner, delivers what came,
  // and takes the owner down while the next posts are on their way.
  constexpr int kRounds = 2000;
  for (int round = 0; round < kRounds; ++round) {
    const int before = posted;
    platform::CreateOwnerObject();
    while (posted == before) std::this_thread::yield();
    QCoreApplication::sendPostedEvents();
    platform::DestroyOwnerObject();
  }
  stop = true;
  poster.join();
  EXPECT_GT(delivered, 0);
  EXPECT_LE(delivered, posted);
  EXPECT_FALSE(platform::PostToMainThread([] {}));
}

}  // namespace
