// Sorting an index of pointers to words in place, by unsigned byte value: an MSD radix sort that
// needs no second array, for the memory dictionary's load.
#pragma once

// Sorts `count` pointers to NUL-terminated words into ascending order of their words, compared
// byte by byte as unsigned values, a word before any longer word that it begins (strcmp's order).
// Works in place: besides `words` it uses about 20 KiB of stack and no heap. Equal words keep no
// particular order among themselves.
void sortWords(const char** words, int count);
