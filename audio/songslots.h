// SongSlots: the song of the riff builder: 16 slots that each name a riff (0 to 5) or are
// empty (-1). The song row writes them on the GUI thread; AudioPlayer reads them on its
// own thread while a song plays, so every slot is an atomic.
#pragma once
#include <array>
#include <atomic>
#include <cstddef>

class SongSlots
{
public:
    static constexpr int slotCount = 16;
    static constexpr int riffCount = 6;
    static constexpr int empty = -1;

    SongSlots() { clear(); }
    SongSlots(const SongSlots &) = delete;
    SongSlots &operator=(const SongSlots &) = delete;

    // The riff of a slot; -1 for an empty slot or a slot number outside 0..15.
    int at(int slot) const
    {
        if (slot < 0 || slot >= slotCount)
            return empty;
        return m_slots[size_t(slot)].load(std::memory_order_relaxed);
    }
    // Stores a riff in a slot; a riff outside 0..5 empties it, a slot outside 0..15 is ignored.
    void set(int slot, int riff)
    {
        if (slot < 0 || slot >= slotCount)
            return;
        m_slots[size_t(slot)].store(riff >= 0 && riff < riffCount ? riff : empty, std::memory_order_relaxed);
    }
    void clear()
    {
        for (auto &slot : m_slots)
            slot.store(empty, std::memory_order_relaxed);
    }
    // The number of slots that hold a riff.
    int filledCount() const
    {
        int count = 0;
        for (const auto &slot : m_slots)
            count += slot.load(std::memory_order_relaxed) != empty ? 1 : 0;
        return count;
    }

private:
    std::array<std::atomic<int>, slotCount> m_slots;
};
