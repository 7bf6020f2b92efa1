#pragma once

#include "core/WipingAllocator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vaultlet {

// A move-only byte buffer that wipes its contents when released (decrypted blocks, binary item
// data, anything that may hold secrets).
class SecureBytes {
public:
    using Storage = std::vector<std::uint8_t, WipingAllocator<std::uint8_t>>;

    SecureBytes() = default;
    explicit SecureBytes(std::size_t size) : m_bytes(size, 0) {}
    SecureBytes(const std::uint8_t* data, std::size_t size) : m_bytes(data, data + size) {}
    SecureBytes(SecureBytes&&) noexcept = default;
    SecureBytes& operator=(SecureBytes&&) noexcept = default;
    SecureBytes(const SecureBytes&) = delete;
    SecureBytes& operator=(const SecureBytes&) = delete;

    std::uint8_t* data() noexcept { return m_bytes.data(); }
    const std::uint8_t* data() const noexcept { return m_bytes.data(); }
    std::size_t size() const noexcept { return m_bytes.size(); }
    bool empty() const noexcept { return m_bytes.empty(); }
    std::uint8_t& operator[](std::size_t index) noexcept { return m_bytes[index]; }
    std::uint8_t operator[](std::size_t index) const noexcept { return m_bytes[index]; }

    void clear() noexcept { m_bytes.clear(); }
    void resize(std::size_t size) { m_bytes.resize(size, 0); }
    void reserve(std::size_t size) { m_bytes.reserve(size); }
    void push_back(std::uint8_t byte) { m_bytes.push_back(byte); }
    void append(const std::uint8_t* data, std::size_t size) { m_bytes.insert(m_bytes.end(), data, data + size); }

    std::span<const std::uint8_t> bytes() const noexcept { return m_bytes; }
    SecureBytes Copy() const { return SecureBytes(m_bytes.data(), m_bytes.size()); }

    bool operator==(const SecureBytes& other) const noexcept { return m_bytes == other.m_bytes; }

private:
    Storage m_bytes;
};

// Fixed-size key material (hash digests, cipher keys) that wipes itself on destruction.
template <std::size_t N>
class SecureArray {
public:
    SecureArray() noexcept : m_bytes{} {}
    SecureArray(const SecureArray& other) noexcept : m_bytes(other.m_bytes) {}
    SecureArray& operator=(const SecureArray& other) noexcept {
        m_bytes = other.m_bytes;
        return *this;
    }
    ~SecureArray() { Wipe(); }

    std::uint8_t* data() noexcept { return m_bytes.data(); }
    const std::uint8_t* data() const noexcept { return m_bytes.data(); }
    static constexpr std::size_t size() noexcept { return N; }
    std::uint8_t& operator[](std::size_t index) noexcept { return m_bytes[index]; }
    std::uint8_t operator[](std::size_t index) const noexcept { return m_bytes[index]; }
    bool operator==(const SecureArray& other) const noexcept { return m_bytes == other.m_bytes; }

    void Wipe() noexcept { SecureWipe(m_bytes.data(), N); }

private:
    std::array<std::uint8_t, N> m_bytes;
};

} // namespace vaultlet
