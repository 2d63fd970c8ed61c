// External interface client cases that run on both builds, against the host's receiver window and
// against receivers of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "extlink/extlink.h"
#include "frame/sim_ids.h"
#include "host/world/world.h"
#include "host/core/panel_host.h"

namespace extlink_cases {

class ExtLinkCases : public ::testing::Test {
protected:
    void SetUp() override { ext_close(); }
    void TearDown() override { ext_close(); }

    host::Environment& environment() { return host::environment_of(host_); }

    host::SimulatedPanel            host_;
    std::array<uint8_t, 128>   buffer_{};
    uint32_t                   result_ = 0xFFFF;
};

TEST_F(ExtLinkCases, BufferSizesAndTheHandshakeRoom)
{
    std::vector<uint8_t> big(40000);
    EXPECT_EQ(ext_open(0, &result_, nullptr, 128), 0);
    EXPECT_EQ(result_, ext::bad_buffer);
    EXPECT_EQ(ext_open(0, &result_, big.data(), 31), 0);
    EXPECT_EQ(result_, ext::bad_buffer);
    // 32 to 65 bytes pass the size test but not the room of the handshake; the link stays closed.
    for (uint32_t size : {32u, 51u, 52u, 65u}) {
        EXPECT_EQ(ext_open(0, &result_, big.data(), size), 0) << size;
        EXPECT_EQ(result_, ext::no_room) << size;
        EXPECT_EQ(ext_link.base, nullptr);
        EXPECT_EQ(ext_link.window, nullptr);
    }
    EXPECT_EQ(environment().batches(), 0);
    ASSERT_EQ(ext_open(0, &result_, big.data(), 66), 1);
    EXPECT_EQ(result_, ext::ok);
    EXPECT_EQ(ext_open(0, &result_, big.data(), 66), 0);
    EXPECT_EQ(result_, ext::already_open);
    ext_close();

    // A larger buffer is used up to 32512 bytes.
    ASSERT_EQ(ext_open(0, &result_, big.data(), static_cast<uint32_t>(big.size())), 1);
    EXPECT_EQ(ext_link.limit, 32512u);
    uint32_t level = 0;
    EXPECT_EQ(ext_read(ext::left_tank_offset, 32512 - 4 - 24 + 1, &level, &result_), 0);
    EXPECT_EQ(result_, ext::no_room);
    EXPECT_EQ(ext_read(ext::left_tank_offset, 0xFFFFFFF0u, &level, &result_), 0);   // a count that would wrap the sum
    EXPECT_EQ(result_, ext::no_room);
    EXPECT_EQ(ext_write(ext::left_tank_offset, 0xFFFFFFF0u, &level, &result_), 0);
    EXPECT_EQ(result_, ext::no_room);
    EXPECT_EQ(ext_read(ext::left_tank_offset, 32512 - 4 - 24, &level, &result_), 1);
    EXPECT_EQ(ext_write(ext::left_tank_offset, 0, &level, &result_), 0);
    EXPECT_EQ(result_, ext::no_room);
}

TEST_F(ExtLinkCases, VersionHandshake)
{
    ASSERT_EQ(ext_open(7, &result_, buffer_.data(), 128), 1);
    EXPECT_EQ(ext_link.host_version, 7u);
    EXPECT_EQ(ext_link.receiver_version, host::Environment::default_receiver_version);
    EXPECT_EQ(environment().client_version(), 1200);
    ext_close();

    environment().set_host_version(8);
    EXPECT_EQ(ext_open(7, &result_, buffer_.data(), 128), 0);
    EXPECT_EQ(result_, ext::wrong_host_version);
    EXPECT_EQ(ext_read(ext::left_tank_offset, 4, buffer_.data(), &result_), 0);
    EXPECT_EQ(result_, ext::closed);
    ASSERT_EQ(ext_open(0, &result_, buffer_.data(), 128), 1);   // 0 accepts any
    EXPECT_EQ(ext_link.host_version, 8u);
    ext_close();

    environment().set_version_word(0x12340007);
    EXPECT_EQ(ext_open(0, &result_, buffer_.data(), 128), 0);
    EXPECT_EQ(result_, ext::bad_version);
    environment().set_host_version(7);
    environment().set_receiver_version(0x19980004);
    EXPECT_EQ(ext_open(0, &result_, buffer_.data(), 128), 0);
    EXPECT_EQ(result_, ext::bad_version);
    environment().set_receiver_version(0x19980005);
    EXPECT_EQ(ext_open(7, &result_, buffer_.data(), 128), 1);
}

TEST_F(ExtLinkCases, MissingOrSilentWindow)
{
    environment().set_ext_mode(host::ExtMode::absent);
    EXPECT_EQ(ext_open(7, &result_, buffer_.data(), 128), 0);
    EXPECT_EQ(result_, ext::no_window);
    environment().set_ext_mode(host::ExtMode::silent);
    EXPECT_EQ(ext_open(7, &result_, buffer_.data(), 128), 0);
    EXPECT_EQ(result_, ext::not_answered);
    EXPECT_EQ(ext_link.base, nullptr);
    EXPECT_EQ(ext_process(&result_), 0);
    EXPECT_EQ(result_, ext::closed);
    EXPECT_EQ(ext_write(ext::left_tank_offset, 4, buffer_.data(), &result_), 0);
    EXPECT_EQ(result_, ext::closed);
}

TEST_F(ExtLinkCases, BatchesReadsWritesAndTankMirror)
{
    ASSERT_EQ(ext_open(7, &result_, buffer_.data(), 128), 1);
    EXPECT_EQ(ext_process(&result_), 0);
    EXPECT_EQ(result_, ext::nothing_queued);

    uint32_t left = 0x400000, right = 0x800000;
    ASSERT_EQ(ext_write(ext::left_tank_offset, 4, &left, &result_), 1);
    left = 1;   // written data are copied at once
    ASSERT_EQ(ext_write(ext::right_tank_offset, 4, &right, &result_), 1);
    ASSERT_EQ(ext_process(&result_), 1);
    EXPECT_EQ(ext_process(&result_), 0);
    EXPECT_EQ(result_, ext::nothing_queued);
    EXPECT_EQ(environment().peek(ext::left_tank_offset), 0x400000u);
    host_.frame(0.1);
    EXPECT_EQ(host_.sim().number(token::left_water), double(0x400000));
    EXPECT_EQ(host_.sim().number(token::right_water), double(0x800000));

    // Two reads of one offset both get the answer; a null destination or a count of 0 gets nothing.
    uint32_t a = 0, b = 0, untouched = 5;
    ASSERT_EQ(ext_read(ext::left_tank_offset, 4, &a, &result_), 1);
    ASSERT_EQ(ext_read(ext::left_tank_offset, 4, nullptr, &result_), 1);
    ASSERT_EQ(ext_read(ext::left_tank_offset, 0, &untouched, &result_), 1);
    ASSERT_EQ(ext_read(ext::left_tank_offset, 4, &b, &result_), 1);
    EXPECT_EQ(a, 0u);   // nothing is copied at queue time
    const int before = environment().batches();
    ASSERT_EQ(ext_process(&result_), 1);
    EXPECT_EQ(environment().batches(), before + 1);
    EXPECT_EQ(a, 0x400000u);
    EXPECT_EQ(b, 0x400000u);
    EXPECT_EQ(untouched, 5u);

    // A batch that is not answered delivers nothing and is discarded.
    environment().set_ext_mode(host::ExtMode::silent);
    a = 9;
    ASSERT_EQ(ext_read(ext::right_tank_offset, 4, &a, &result_), 1);
    EXPECT_EQ(ext_process(&result_), 0);
    EXPECT_EQ(result_, ext::not_answered);
    EXPECT_EQ(a, 9u);
    EXPECT_EQ(ext_process(&result_), 0);
    EXPECT_EQ(result_, ext::nothing_queued);
}

// A receiver that checks the batch as sent and then damages the records.
struct Receiver {
    static constexpr uint32_t receiver_version = 0x19980005, host_version = 0xFADE0007;
    std::function<void(uint8_t* buffer, uint32_t bytes)> damage;
    WPARAM                                             bytes = 0;
    uint32_t                                           first_word = 0, terminator = 1;
    host::MessageWindow window{"UIPCMAIN", [this](UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
        if (message != ext::message)
            return 0;
        auto* buffer = reinterpret_cast<uint8_t*>(lparam);
        bytes        = wparam;
        std::memcpy(&first_word, buffer, 4);
        std::memcpy(&terminator, buffer + 4 + wparam, 4);
        // Answers every read with 0xAB bytes, as far as the records are intact.
        uint8_t* p = buffer + 4;
        while (p < buffer + 4 + wparam) {
            uint32_t id, n;
            std::memcpy(&id, p, 4);
            std::memcpy(&n, p + 8, 4);
            if (id == 1) {
                uint32_t offset;
                std::memcpy(&offset, p + 4, 4);
                if (n == 4 && offset == ext::receiver_version_offset)
                    std::memcpy(p + 16, &receiver_version, 4);
                else if (n == 4 && offset == ext::host_version_offset)
                    std::memcpy(p + 16, &host_version, 4);
                else
                    std::memset(p + 16, 0xAB, n);
                p += 16 + n;
            } else {
                p += 12 + n;
            }
        }
        if (damage)
            damage(buffer, static_cast<uint32_t>(wparam));
        return 1;
    }};
};

TEST(ExtLinkReceiver, SeesTheBatchAsQueued)
{
    ext_close();
    Receiver r;
    std::array<uint8_t, 128> buffer{};
    uint32_t                 result = 0;
    ASSERT_EQ(ext_open(7, &result, buffer.data(), 128), 1);
    EXPECT_EQ(r.bytes, 16u + 4 + 16 + 4 + 12 + 2);
    EXPECT_NE(r.first_word, 0u);
    EXPECT_EQ(r.terminator, 0u);
    ext_close();
}

// Whatever the receiver does to counts and ids, nothing outside the queued bytes and the queued
// destinations is read or written.
TEST(ExtLinkReceiver, DamagedRecordsStayInsideTheQueue)
{
    struct Damage {
        const char* what;
        uint32_t    at;      // byte of the batch (after the first word) that is changed
        uint32_t    value;
    };
    // Batch: read A (4 bytes) at 0, write (4 bytes) at 20, read B (4 bytes) at 36; 56 bytes.
    const Damage damages[] = {
        {"read A count grown past the queue", 8, 0x7FFFFFFF},
        {"read A count grown into the next record", 8, 12},
        {"read B count grown past the queue", 36 + 8, 200},
        {"read B count grown to end just past the terminator", 36 + 8, 12},
        {"write count grown past the queue", 20 + 8, 0xFFFFFFF0},
        {"write count that wraps a 32-bit address back before the buffer", 20 + 8, 0xFFFFFFCC},
        {"write count shrunk, the walk lands inside its data", 20 + 8, 0},
        {"read B id changed", 36, 7},
        {"read A turned into a write", 0, 2},
        {"read A destination changed", 12, 0x1000},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        ext_close();
        Receiver                 r;
        std::array<uint8_t, 320> storage;   // the buffer with guard bytes on both sides
        storage.fill(0xCC);
        uint8_t* const buffer = storage.data() + 64;
        uint32_t       result = 0;
        ASSERT_EQ(ext_open(7, &result, buffer, 200), 1);
        r.damage = [&](uint8_t* b, uint32_t) { std::memcpy(b + 4 + d.at, &d.value, 4); };

        struct Guarded {
            uint32_t before = 0x11111111, value = 0, after = 0x22222222;
        } a, b;
        uint32_t data = 0x33;
        ASSERT_EQ(ext_read(0x100, 4, &a.value, &result), 1);
        ASSERT_EQ(ext_write(0x104, 4, &data, &result), 1);
        ASSERT_EQ(ext_read(0x108, 4, &b.value, &result), 1);
        const uint32_t end = static_cast<uint32_t>(ext_link.next - buffer);
        ASSERT_EQ(end, 4u + 56);
        EXPECT_EQ(ext_process(&result), 1);
        EXPECT_EQ(r.bytes, 56u);

        for (const Guarded* g : {&a, &b}) {
            EXPECT_EQ(g->before, 0x11111111u);
            EXPECT_EQ(g->after, 0x22222222u);
            EXPECT_TRUE(g->value == 0 || g->value == 0xABABABABu) << std::hex << g->value;
        }
        for (uint32_t i = 0; i < storage.size(); ++i) {
            if (i < 64 || i >= 64 + end + 4) {
                ASSERT_EQ(storage[i], 0xCC) << "byte " << int(i) - 64 << " of the buffer";
            }
        }
        ext_close();
    }
}

}  // namespace extlink_cases
