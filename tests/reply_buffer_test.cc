// The reply buffer must reuse its storage or take new storage exactly as
// hosts expect. Storage comes from operator new[], which this executable
// replaces to count the blocks handed out.
#include "interface/reply_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "chatmind/engine.hpp"
#include "support/test_support.h"

namespace {
std::size_t array_allocations = 0;
}  // namespace

void* operator new[](std::size_t size) {
  ++array_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace chatmind {
namespace {

using test::MindFile;
using test::TempDir;
using test::W;
using test::WriteBytes;

// Stores `reply` and tells whether that took a new block.
bool StoreTookNewBlock(ReplyBuffer& buffer, const std::string& reply) {
  const std::size_t before = array_allocations;
  EXPECT_EQ(buffer.Store(reply), reply);
  return array_allocations != before;
}

TEST(ReplyBufferTest, CapacityRules) {
  ReplyBuffer buffer;
  EXPECT_EQ(buffer.capacity(), 0u);
  EXPECT_TRUE(StoreTookNewBlock(buffer, std::string(9, 'n')));
  EXPECT_EQ(buffer.capacity(), 11u);
  EXPECT_TRUE(StoreTookNewBlock(buffer, std::string(9, 'n'))) << "needed equals capacity";
  EXPECT_EQ(buffer.capacity(), 11u);
  EXPECT_FALSE(StoreTookNewBlock(buffer, std::string(8, 'e'))) << "needed 10 is below 11";

  const struct {
    std::size_t length;
    bool new_block;
    std::size_t capacity;
  } after_load[] = {{13, false, 16}, {14, true, 16}, {20, true, 22}};
  for (const auto& c : after_load) {
    buffer.Renew(16);
    EXPECT_EQ(StoreTookNewBlock(buffer, std::string(c.length, 'x')), c.new_block) << c.length;
    EXPECT_EQ(buffer.capacity(), c.capacity) << c.length;
  }
  buffer.Release();
  EXPECT_EQ(buffer.capacity(), 0u);
  EXPECT_TRUE(StoreTookNewBlock(buffer, ""));
  EXPECT_EQ(buffer.capacity(), 2u);
}

TEST(ReplyBufferTest, ReusedStorageKeepsItsAddress) {
  ReplyBuffer buffer;
  const char* first = buffer.Store("123456789").data();
  EXPECT_EQ(buffer.Store("12345678").data(), first);
  EXPECT_EQ(buffer.Store("").data(), first);
  EXPECT_EQ(first[0], '\0');
}

TEST(EngineReplyStorageTest, LoadGivesSixteenBytesAndSaveReleases) {
  TempDir dir;
  const std::string mind = dir.Path("m.mind");
  WriteBytes(mind, MindFile({" <ESCAPE>", "Thirteen byte", " <ESCAPE>", "Fourteen bytes"}));
  Engine engine(dir.Path("none.INI"));

  const std::size_t before_load = array_allocations;
  EXPECT_FALSE(engine.LoadMind("")) << "a failed load renews the storage all the same";
  EXPECT_TRUE(engine.LoadMind(mind));
  EXPECT_EQ(array_allocations, before_load + 2);

  std::size_t before = array_allocations;
  EXPECT_EQ(engine.GetReplyTo("a"), "Thirteen byte");
  EXPECT_EQ(array_allocations, before) << "13 bytes fit the 16 bytes a load gives";
  EXPECT_EQ(engine.GetReplyTo("b"), "Fourteen bytes");
  EXPECT_EQ(array_allocations, before + 1);

  EXPECT_FALSE(engine.SaveMind(""));
  before = array_allocations;
  EXPECT_EQ(engine.GetReplyTo("   "), "");
  EXPECT_EQ(array_allocations, before + 1) << "the save released the storage";
  EXPECT_EQ(engine.GetReplyTo("c"), W("Не понял."));
}

}  // namespace
}  // namespace chatmind
