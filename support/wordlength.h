// The one bound on word length shared by the dictionaries and the player statistics, kept here so
// that neither has to include the other.
#pragma once

// The longest word, in letters, that the dictionaries and the statistics record are built for.
constexpr int MAX_WORD_LENGTH = 16;
