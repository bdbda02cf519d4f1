// The console guess tester: the game's rules played at a text console. It asks for a word length,
// picks a secret word from the words file and scores typed guesses until the word is found.
#pragma once

// Plays one game on standard input and output (switched to binary, so that the bytes are the same
// on every system) and returns the process's exit status: 0 when the word was found, 1 when the
// input ended first or no word could be picked (the reason is then written to standard error).
int runGuessTester();
