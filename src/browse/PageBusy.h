#pragma once

// How many navigations of a page have started and not yet finished. A page is idle at zero.
class PageBusy {
public:
    // True when this navigation made the page busy (it was idle before).
    bool Begin() { return ++count_ == 1; }
    // True when the page is idle afterwards; a stray end never takes the count below zero.
    bool End() {
        if (--count_ >= 1) return false;
        count_ = 0;
        return true;
    }
    // The page stopped loading whatever the count said.
    void Settle() { count_ = 0; }
    int Count() const { return count_; }

private:
    int count_ = 0;
};
