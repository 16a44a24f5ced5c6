#include "decoded_table.h"

void DecodedTable::reset(uint32_t length) {
    place_.assign(static_cast<size_t>(length) + 1, 0);
    before_.assign(length / blockSize + 1, 0);
    records_.clear();
}

void DecodedTable::append(uint32_t pos, const DecodedCode& code) {
    if (pos >= place_.size() || (!records_.empty() && pos <= lastPosition_)) return;
    const size_t block = pos / blockSize;
    // The blocks after the last record's one start with every record so far.
    const size_t firstNew = records_.empty() ? 0 : lastPosition_ / blockSize + 1;
    for (size_t b = firstNew; b <= block; ++b) before_[b] = static_cast<uint32_t>(records_.size());
    place_[pos] = static_cast<uint8_t>(records_.size() - before_[block] + 1);
    records_.push_back(code);
    lastPosition_ = pos;
}
