// A run allocates nothing per step: every column and the fire table are fixed
// arrays. Counted by replacing the global allocation functions of this program.
#include "compartment/model/model_run.h"
#include "test_room.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vorla::compartment {
namespace {

TEST(RunModel, AllocatesNothingWhileItRuns) {
    auto calc = testing::Office();
    calc->Inputs.RunTime = 9000;
    testing::LoadFire(*calc, "0 0 0\r\n300 400 0\r\n9000 400 0\r\n-9 -9 -9\r\n");
    const FlashoverQuestion neverAsked = [](const std::string&, std::string_view) {
        return Answer::Yes;
    };
    const long before = allocations.load();
    const CompletedRun run = RunModel(calc->Inputs, calc->Fire, neverAsked, calc->Results);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_EQ(calc->Results.LastRow, 1800);
    EXPECT_EQ(run.EndMessage, kEndOfFireMessage);
}

} // namespace
} // namespace vorla::compartment
