// Small helpers the widgets share: integer bounds, a rectangle's width, the default beep,
// zero-filled memory blocks and words of delimited texts (the stored layouts' values).
#pragma once

#include <cstddef>
#include <string_view>

#include "toolkit/AnsiString.h"
#include "toolkit/TRect.h"

// The delimiters of stored layout values ("3,120,1", "10, 20, 300, 400").
constexpr std::string_view LayoutWordDelimiters = " ,";

int IntMax(int A, int B);
int IntMin(int A, int B);
int RectWidth(const TRect& R);
void DoBeep();

// A zero-filled block of Size bytes; null for a size below 1. Free it with GlobalFreeNil.
void* GlobalAllocZeroed(std::ptrdiff_t Size);
// Frees a block of GlobalAllocZeroed when P is set, and clears P.
void GlobalFreeNil(void*& P);

// The 1-based position of the N-th word of S (words are runs of characters not in Delimiters);
// 0 when there is none.
int NthWordPos(int N, const AnsiString& S, std::string_view Delimiters);
// The N-th word, empty when there is none.
AnsiString NthWord(int N, const AnsiString& S, std::string_view Delimiters);
// The N-th word of a layout value as an integer; Default when the word is missing or no number.
int NthWordAsInteger(int N, const AnsiString& S, int Default);
