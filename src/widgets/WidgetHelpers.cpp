// The widgets' small shared helpers.
#include "widgets/WidgetHelpers.h"

#include <cstdlib>
#include <limits>

#include "toolkit/Shell.h"

int IntMax(int A, int B) { return A > B ? A : B; }

int IntMin(int A, int B) { return A < B ? A : B; }

int RectWidth(const TRect& R) { return R.Right - R.Left; }

void DoBeep() { MessageBeep(0); }

void* GlobalAllocZeroed(std::ptrdiff_t Size) {
    if (Size < 1)
        return nullptr;
    return std::calloc(static_cast<std::size_t>(Size), 1);
}

void GlobalFreeNil(void*& P) {
    if (P == nullptr)
        return;
    std::free(P);
    P = nullptr;
}

namespace {

bool isDelimiter(char c, std::string_view delimiters) { return delimiters.find(c) != std::string_view::npos; }

} // namespace

int NthWordPos(int N, const AnsiString& S, std::string_view Delimiters) {
    int count = 0;
    std::size_t i = 0;
    while (i < S.size()) {
        while (i < S.size() && isDelimiter(S[i], Delimiters))
            ++i;
        if (i == S.size())
            break;
        if (++count == N)
            return static_cast<int>(i) + 1;
        while (i < S.size() && !isDelimiter(S[i], Delimiters))
            ++i;
    }
    return 0;
}

AnsiString NthWord(int N, const AnsiString& S, std::string_view Delimiters) {
    const int pos = NthWordPos(N, S, Delimiters);
    if (pos == 0)
        return {};
    std::size_t end = static_cast<std::size_t>(pos) - 1;
    while (end < S.size() && !isDelimiter(S[end], Delimiters))
        ++end;
    return S.substr(static_cast<std::size_t>(pos) - 1, end - (static_cast<std::size_t>(pos) - 1));
}

int NthWordAsInteger(int N, const AnsiString& S, int Default) {
    const AnsiString word = NthWord(N, S, LayoutWordDelimiters);
    if (word.empty())
        return Default;
    char* end = nullptr;
    const long number = std::strtol(word.c_str(), &end, 10);
    const bool fits = number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
    return *end == '\0' && fits ? int(number) : Default;
}
