#include "device/receive_buffer.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

// The bounded buffer against the whole text, for every length up to several trims.
TEST(ReceiveBuffer, DecidesAsTheWholeTextWouldForEveryLength) {
    for (std::size_t n = 0; n <= 450; ++n) {
        ReceiveBuffer buffer;
        std::string whole;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = static_cast<char>('!' + (i * 7) % 90);
            buffer.append(c);
            whole.push_back(c);
        }
        ASSERT_EQ(buffer.length(), n);
        ASSERT_EQ(buffer.empty(), n == 0);
        ASSERT_EQ(buffer.head(), whole.substr(0, 3));
        ASSERT_LE(buffer.storedCharacters(),
                  ReceiveBuffer::kKeptHead + 2 * ReceiveBuffer::kMaxBatch);
        const ReceiveBuffer::Batch batch = buffer.take();
        ASSERT_EQ(batch.length, n);
        ASSERT_EQ(batch.text, whole.substr(n > 100 ? n - 100 : 0)) << n;
        ASSERT_TRUE(buffer.empty());
        ASSERT_EQ(buffer.head(), "");
    }
}

}  // namespace
}  // namespace vq72
