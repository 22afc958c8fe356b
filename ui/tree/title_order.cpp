#include "title_order.h"

#include "core/ansi_case.h"

int compareTitles(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const int left = static_cast<unsigned char>(lowerAnsi(a[i]));
        const int right = static_cast<unsigned char>(lowerAnsi(b[i]));
        if (left != right) return left - right;
    }
    return 0;
}
