// The secret-word picker: random 2048-byte chunks of the words file, then one pass from its start,
// shared by the window's game controller and the console tester.
#pragma once

#include <cstddef>

#include "app/game.h"

// The words file, relative to the working folder.
extern const char WORDS_FILE[];

// How a pick ended.
enum class PickResult { Picked, NoFile, NoWord, ReadError };

// Picks a random word of `letterCount` letters from WORDS_FILE into `word` (GAME_TEXT_SIZE bytes)
// and writes "Words file is <size> bytes long" to standard output. Only a whole line of exactly
// `letterCount` letters A to Z is taken, from the text before the file's first 0x1A byte. On
// NoFile (the file cannot be opened or is no regular file; nothing is written to standard output),
// NoWord (no word of that length was found) and ReadError (a read of the opened file failed; no
// line that the error cut short is taken) `word` is "error". `word` must not be null.
PickResult PickSecretWord(int letterCount, char* word);

// The player's message for a failed pick of `letterCount` letters, at most `size` bytes with its
// NUL: "Error opening 'words.txt' for reading", "Error reading 'words.txt'" or
// "No <n>-letter word in 'words.txt'".
void DescribePickFailure(PickResult result, int letterCount, char* text, std::size_t size);
