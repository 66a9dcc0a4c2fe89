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
  for (int round = 0; posted < 20000 && round < 1000000; ++round) {
    platform::CreateOwnerObject();
    QCoreApplication::sendPostedEvents();
    platform::DestroyOwnerObject();
  }
  stop = true;
  poster.join();
  EXPECT_GE(posted, 20000);
  EXPECT_LE(delivered, posted);
  EXPECT_FALSE(platform::PostToMainThread([] {}));
}

}  // namespace
