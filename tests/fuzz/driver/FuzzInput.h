#pragma once
// Reads the fuzzer's bytes as a stream of decisions and data; past the end everything reads 0,
// so every input is a complete scenario.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }
    std::uint32_t Word() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) {
            word |= std::uint32_t{Byte()} << (8 * i);
        }
        return word;
    }
    // Up to count bytes from the input into target; returns how many were written.
    std::size_t Fill(std::uint8_t* target, std::size_t count) {
        std::size_t written = 0;
        for (; written < count && m_at < m_size; ++written) {
            target[written] = m_data[m_at++];
        }
        return written;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A broken invariant is a finding: stop so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}
