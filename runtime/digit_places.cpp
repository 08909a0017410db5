#include "runtime/digit_places.h"

namespace runtime {

namespace {

bool IsDigit(const std::string& character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

}  // namespace

platform::NumberPlace PlaceInNumber(const std::vector<std::string>& characters, size_t at) {
    if (at >= characters.size() || !IsDigit(characters[at])) return {};
    size_t first = at, end = at + 1;
    while (first > 0 && IsDigit(characters[first - 1])) --first;
    while (end < characters.size() && IsDigit(characters[end])) ++end;
    return {static_cast<int>(at - first), static_cast<int>(end - first)};
}

}  // namespace runtime
