#include <gtest/gtest.h>

#include <cstring>

#include "grid/GlobalMemory.h"
#include "grid/diagnostics.h"

using namespace grid;

TEST(GlobalMemory, BlocksAreAllocatedLockedUnlockedAndFreed) {
    const auto before = GlobalMemory::liveBlocks();
    MemHandle h = GlobalMemory::alloc(10);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(GlobalMemory::size(h), 10u);
    auto* p = static_cast<unsigned char*>(GlobalMemory::lock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[9], 0);   // zero-filled
    EXPECT_TRUE(GlobalMemory::unlock(h));
    EXPECT_FALSE(GlobalMemory::unlock(h));   // not locked any more
    EXPECT_TRUE(GlobalMemory::free(h));
    EXPECT_FALSE(GlobalMemory::free(h));     // a stale handle is refused, never reused
    EXPECT_EQ(GlobalMemory::lock(h), nullptr);
    EXPECT_EQ(GlobalMemory::size(h), 0u);
    EXPECT_EQ(GlobalMemory::liveBlocks(), before);
}

TEST(GlobalMemory, TextsAreZeroTerminatedUtf16) {
    MemHandle h = GlobalMemory::fromText(u"Grüße");
    ASSERT_NE(h, 0u);
    EXPECT_EQ(GlobalMemory::size(h), 12u);
    const auto* p = static_cast<const char16_t*>(GlobalMemory::lock(h));
    EXPECT_EQ(std::u16string(p), u"Grüße");
    GlobalMemory::unlock(h);
    std::u16string back;
    EXPECT_TRUE(GlobalMemory::toText(h, back));
    EXPECT_EQ(back, u"Grüße");
    GlobalMemory::free(h);
    EXPECT_FALSE(GlobalMemory::toText(h, back));
}

TEST(GlobalMemory, FailuresAreInjectableAndReported) {
    std::u16string messages;
    setDiagnosticSink([&](std::u16string_view m) { messages += m; });
    GlobalMemory::injectFailures(1);
    EXPECT_EQ(GlobalMemory::alloc(4), 0u);
    MemHandle ok = GlobalMemory::alloc(4);
    EXPECT_NE(ok, 0u);
    GlobalMemory::free(ok);
    GlobalMemory::injectFailures(1, true);
    EXPECT_EQ(GlobalMemory::fromText(u"x"), 0u);
    EXPECT_EQ(messages, u"Reallocate failed\n");
    EXPECT_EQ(GlobalMemory::alloc(std::size_t(1) << 40), 0u);   // hostile sizes are refused
    setDiagnosticSink({});
}
