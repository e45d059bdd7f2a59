#pragma once

#include <map>
#include <stdexcept>

namespace quorvel {

// Controls that share a name and differ by index, as the layout groups them.
// Indexes need not start at 0 or be contiguous.
template <class Control> class ControlArray {
public:
    Control *operator[](int index) const {
        const auto found = members_.find(index);
        if (found == members_.end())
            throw std::out_of_range("no control at that index of the array");
        return found->second;
    }
    void add(int index, Control *control) { members_[index] = control; }
    int count() const { return static_cast<int>(members_.size()); }

private:
    std::map<int, Control *> members_;
};

} // namespace quorvel
