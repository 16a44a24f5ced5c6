// The lines of a document in a gap buffer: inserting or removing a line where
// the last change happened costs no more than a step, so deleting 50,000
// selected lines one by one, and undoing that, stays linear instead of moving
// every following line once per line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class TextLines {
public:
    std::size_t size() const { return store.size() - (gapEnd - gapBegin); }
    bool empty() const { return size() == 0; }

    const std::string& operator[](std::size_t i) const { return store[slot(i)]; }
    std::string& operator[](std::size_t i) { return store[slot(i)]; }
    const std::string& back() const { return (*this)[size() - 1]; }

    void insert(std::size_t i, std::string text) {
        if (gapBegin == gapEnd) grow();
        moveGap(i);
        store[gapBegin++] = std::move(text);
    }
    void push_back(std::string text) { insert(size(), std::move(text)); }
    void emplace_back() { push_back(std::string()); }

    void erase(std::size_t i) {
        moveGap(i);
        // The slot joins the gap; its text is freed now rather than when the slot is reused.
        std::string().swap(store[gapEnd++]);
    }

    void clear() {
        store.clear();
        gapBegin = gapEnd = 0;
    }

    std::vector<std::string> toVector() const {
        std::vector<std::string> lines;
        lines.reserve(size());
        lines.insert(lines.end(), store.begin(), store.begin() + static_cast<std::ptrdiff_t>(gapBegin));
        lines.insert(lines.end(), store.begin() + static_cast<std::ptrdiff_t>(gapEnd), store.end());
        return lines;
    }

private:
    std::size_t slot(std::size_t i) const { return i < gapBegin ? i : i + (gapEnd - gapBegin); }

    void moveGap(std::size_t to) {
        const auto at = [this](std::size_t i) { return store.begin() + static_cast<std::ptrdiff_t>(i); };
        if (to < gapBegin) {
            std::move_backward(at(to), at(gapBegin), at(gapEnd));
            gapEnd -= gapBegin - to;
            gapBegin = to;
        } else if (to > gapBegin) {
            std::move(at(gapEnd), at(gapEnd + (to - gapBegin)), at(gapBegin));
            gapEnd += to - gapBegin;
            gapBegin = to;
        }
    }

    // Doubling keeps a run of appends linear.
    void grow() {
        const std::size_t lines = size();
        const std::size_t gap = std::max<std::size_t>(16, lines);
        std::vector<std::string> larger(lines + gap);
        std::move(store.begin(), store.begin() + static_cast<std::ptrdiff_t>(gapBegin), larger.begin());
        std::move(store.begin() + static_cast<std::ptrdiff_t>(gapEnd), store.end(),
                  larger.begin() + static_cast<std::ptrdiff_t>(gapBegin + gap));
        store = std::move(larger);
        gapEnd = gapBegin + gap;
    }

    std::vector<std::string> store;
    std::size_t gapBegin = 0;  // the gap is store[gapBegin, gapEnd)
    std::size_t gapEnd = 0;
};
